// The layout pass of dispString: walks the string with the line-breaking rules
// and leaves a wrap mark on every space where a line must break, tracking line
// tops only to know when the text has left the box.
#include "glyphcore/text_layout_pass.h"

#include "glyphcore/text_cursor.h"
#include "glyphcore/text_font.h"
#include "glyphcore/text_layout.h"
#include "glyphcore/text_state.h"

namespace pane::text {

namespace {

// Line ends below the box are still laid out for a while, since row-up codes
// may bring the text back.
constexpr int kLineEndsBelowBox = 15;

int larger(int a, int b) { return a > b ? a : b; }

}  // namespace

LayoutOutcome runLayoutPass(const TextFrame& f) {
  LineBreaker breaker(f.font, f.startX, f.lineStart, f.c_bx);
  Pen pen{f.startX, f.startTop, f.spaceHeight};
  int endsBelow = 0;
  int heightBeforeBreakable = pen.h;  // line height before the last space or tab
  int i = 0;
  while (f.str[i] != kEndOfString) {
    const uint8_t c = f.str[i];
    if (layoutCallbackStops(i, c, breaker.penX(), pen.top)) return {true, i, blockHeight(f, pen)};
    if (c == kSpace || c == kTab) heightBeforeBreakable = pen.h;
    pen.h = larger(pen.h, glyphHeight(f.font, c));

    const ByteEffect effect = breaker.take(c);
    if (effect == ByteEffect::LineEnd) {
      pen.top = addSat(pen.top, pen.h, kLineGap);
      if (pen.top >= f.c_by && ++endsBelow > kLineEndsBelowBox) break;
      pen.h = f.spaceHeight;
    } else if (effect == ByteEffect::RowUp) {
      pen.top = addSat(pen.top, -1);
    } else if (effect == ByteEffect::RowDown) {
      pen.top = addSat(pen.top, 1);
      if (pen.top >= f.c_by) break;
    }

    const Break b = breaker.settle(f.str, &i);
    if (b == Break::AtSpace) {
      // The mark replaces the space or tab, and the bytes after it move to the
      // next line: the line keeps only the heights met before the mark.
      pen.h = heightBeforeBreakable;
      continue;
    }
    if (b == Break::BeforeByte) {
      pen.top = addSat(pen.top, pen.h, kLineGap);
      if (pen.top >= f.c_by) break;
      pen.h = larger(f.spaceHeight, glyphHeight(f.font, c));
    }
    ++i;
  }
  return {false, i, 0};
}

void restoreWrapMarks(uint8_t* str, int from, int to) {
  for (int i = from; i <= to && str[i] != kEndOfString; ++i) {
    if (str[i] == kWrapMark) str[i] = kSpace;
  }
}

}  // namespace pane::text
