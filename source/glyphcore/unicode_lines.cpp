// The line-breaking walk of Unicode text.
#include "glyphcore/unicode_lines.h"

#include "glyphcore/cjk_breaks.h"
#include "glyphcore/text_font.h"
#include "glyphcore/text_layout.h"
#include "glyphcore/unicode_font.h"
#include "glyphcore/utf8.h"

namespace pane::text {

LineEnd findLineEnd(const PaneFont* font, const uint8_t* str, int from, int penX, int rightLimit) {
  bool spaceSeen = false;
  int lastSpace = -1;  // the last space, or a tab after a space: where a wrap consumes
  int lastGap = -1;    // the last character a line may start with between CJK characters
  uint32_t previous = 0;
  for (int i = from;;) {
    const Decoded d = decodeUtf8(str + i);
    const uint32_t c = d.code;
    if (c == kEndOfString || c == kLineFeed || c == kReturn || c == kWrapMark)
      return {LineEndKind::Open, i};
    if (i != from && cjkBreakBetween(previous, c)) lastGap = i;
    switch (c) {
      case kBell:
        penX = addSat(penX, 1);
        break;
      case kBackspace:
        penX = addSat(penX, -1);
        break;
      case kTab:
        if (spaceSeen) lastSpace = i;
        penX = tabStopAfter(penX, font->tabDistance);
        break;
      case kRowUp:
      case kRowDown:
        break;
      case kSpace:
        spaceSeen = true;
        lastSpace = i;
        penX = addSat(penX, glyphAdvance(font, shownGlyph(font, c)));
        break;
      default:
        penX = addSat(penX, glyphAdvance(font, shownGlyph(font, c)));
        break;
    }
    // As in the drawing of tables, a line breaks only before a character
    // with a glyph: pen moves and tabs stay on the line that has them.
    if (!isControl(c) && runsPast(penX, rightLimit)) {
      if (lastSpace >= 0 && lastSpace > lastGap) return {LineEndKind::AtSpace, lastSpace};
      if (lastGap >= 0) return {LineEndKind::BeforeAt, lastGap};
      if (i != from) return {LineEndKind::BeforeAt, i};
    }
    previous = c;
    i += d.length;
  }
}

}  // namespace pane::text
