// The string renderer: dispChar, and dispString's frame and drawing pass. The
// drawing pass walks the characters once, moving the pen, breaking words that
// do not fit, drawing glyphs and decorations and driving the cursor and the
// callback; wrap marks left by the layout pass end lines like line feeds.
#include "glyphcore/text_render.h"

#include <libpane.h>
#include <pane_geometry.h>

#include "glyphcore/blitter.h"
#include "glyphcore/text_cursor.h"
#include "glyphcore/text_decorations.h"
#include "glyphcore/text_font.h"
#include "glyphcore/text_frame.h"
#include "glyphcore/text_layout.h"
#include "glyphcore/text_layout_pass.h"
#include "glyphcore/text_state.h"

namespace pane::text {

namespace {

constexpr int kScreenRows = PANE_SCREEN_HEIGHT;  // bottom limit of text drawn without clipping
constexpr unsigned kLastColumn = PANE_SCREEN_WIDTH - 1;

int larger(int a, int b) { return a > b ? a : b; }
int smaller(int a, int b) { return a < b ? a : b; }

// A glyph height (0 to 65536) divided by 3, rounded down, by a multiplication:
// the ARM9 has no divide instruction, and this runs for every character.
int thirdOf(int height) {
  return static_cast<int>((static_cast<uint32_t>(height) * 0xAAABu) >> 17);
}

// One glyph of `font` as dispChar draws it, in the current style.
void drawGlyph(uint16_t** font, int x, int y, uint32_t chr, uint16_t* buffer, unsigned maxX,
               unsigned maxY) {
  if (font == nullptr || buffer == nullptr) return;
  chr = shownGlyph(font, chr);
  uint16_t* glyph = font[chr];
  if (glyph == nullptr || chr == kSpace) return;
  // Glyphs below 32 are pictures in their own colours; the rest take the font colour.
  const uint32_t mask = chr < kSpace ? 0xFFFFu : textState.fontColor;
  dispGlyph(chr, x, addSat(y, verticalBias(font, chr)), glyph, transparentValue(font), mask, buffer,
            maxX, maxY, textState.sprite);
}

// The pen after one character, and whether the text stops there because the
// next line would start at or below the bottom limit.
struct Move {
  bool stop;
  int nx;
  int ny;
};

Move endLine(const TextFrame& f, int i, uint8_t c, Pen& pen, CursorSearch& search) {
  noteLineEnd(search, i, pen);
  const Move m{false, f.lineStart, addSat(pen.top, pen.h, kLineGap)};
  if (m.ny >= f.bottomLimit) return {true, m.nx, m.ny};
  pen.h = f.spaceHeight;
  if (c == kWrapMark) f.str[i] = kSpace;
  return m;
}

Move drawTab(const TextFrame& f, int i, const Pen& pen) {
  const int nx = tabStopAfter(pen.x, tabDistance(f.font));
  if (inHighlight(i)) drawHighlightBand(f, pen.top, pen.x, nx - 1);
  return {false, nx, pen.top};
}

Move drawSpace(const TextFrame& f, int i, const Pen& pen) {
  const int w = glyphWidth(f.font, kSpace);
  if (inHighlight(i)) drawHighlightBand(f, pen.top, pen.x, addSat(pen.x, w - 1));
  drawCharacterLines(f, pen.top, pen.x, w + 1);
  return {false, addSat(pen.x, w), pen.top};
}

// A printable character that does not fit before the right limit first moves
// the pen to the next line; bold draws the glyph again one column right
// without widening the advance.
Move drawPrintable(const TextFrame& f, int i, uint8_t c, Pen& pen, CursorSearch& search) {
  const uint32_t shown = shownGlyph(f.font, c);
  const int w = glyphWidth(f.font, c);
  if (f.clipping && runsPast(addSat(pen.x, w), f.c_bx)) {
    noteLineEnd(search, i, pen);
    pen.x = f.lineStart;
    pen.top = addSat(pen.top, pen.h, kLineGap);
    if (pen.top >= f.bottomLimit) return {true, pen.x, pen.top};
    pen.h = larger(f.spaceHeight, glyphHeight(f.font, shown));
  }
  if (f.buffer != nullptr) {
    const unsigned rowEnd = static_cast<unsigned>(f.glyphRowEnd);
    if (inHighlight(i)) drawHighlightBand(f, pen.top, pen.x, addSat(pen.x, w - 1));
    drawGlyph(f.font, pen.x, pen.top, shown, f.buffer, kLastColumn, rowEnd);
    if (textState.bold && shown != kUnboldedGlyph) {
      drawGlyph(f.font, addSat(pen.x, 1), pen.top, shown, f.buffer, kLastColumn, rowEnd);
    }
    drawCharacterLines(f, pen.top, pen.x, w + 1);
  }
  return {false, addSat(pen.x, w), pen.top};
}

Move drawCharacter(const TextFrame& f, int i, uint8_t c, Pen& pen, CursorSearch& search) {
  switch (c) {
    case kBell:
      return {false, addSat(pen.x, 1), pen.top};
    case kBackspace:
      return {false, addSat(pen.x, -1), pen.top};
    case kTab:
      return drawTab(f, i, pen);
    case kLineFeed:
    case kReturn:
    case kWrapMark:
      return endLine(f, i, c, pen, search);
    case kRowUp:
      return {false, pen.x, addSat(pen.top, -1)};
    case kRowDown: {
      const int below = addSat(pen.top, 1);
      return {below >= f.bottomLimit, pen.x, below};
    }
    case kSpace:
      return drawSpace(f, i, pen);
    default:
      return drawPrintable(f, i, c, pen, search);
  }
}

// Outcome of the drawing pass: the index it ended at (the string's length when
// every character was handled) and whether the callback stopped it there.
struct DrawOutcome {
  int end;
  bool callbackStopped;
};

// Leaves `pen` where the text ends: after the last character, at the start of
// the line that was not started, or before the character the callback stopped.
DrawOutcome runDrawingPass(const TextFrame& f, Pen& pen, CursorSearch& search) {
  int i = 0;
  for (; f.str[i] != kEndOfString; ++i) {
    const uint8_t c = f.str[i];
    if (drawingCallbackStops(f, i, c, pen)) return {i, true};
    const int charHeight = glyphHeight(f.font, c);
    pen.h = larger(pen.h, charHeight);
    textState.sprite.italicJump = thirdOf(charHeight);

    const Move m = drawCharacter(f, i, c, pen, search);
    if (m.stop) {
      pen.x = m.nx;
      pen.top = m.ny;
      return {i, false};
    }
    textState.lx = m.nx;
    textState.ly = m.ny;
    trackCursor(search, f, i, pen, m.nx, m.ny, pen.h);
    pen.x = m.nx;
    pen.top = m.ny;
  }
  return {i, false};
}

TextFrame makeFrame(int x, int y, const void* inStr, uint16_t* buffer, uint32_t enableClipping,
                    int c_x, int c_y, int c_bx, int c_by, int lastRow) {
  TextFrame f;
  f.str = static_cast<uint8_t*>(const_cast<void*>(inStr));
  f.buffer = buffer;
  f.font = textState.currentFont;
  f.x = x;
  f.y = y;
  f.startX = addSat(x, c_x);
  f.startTop = addSat(y, c_y);
  f.c_x = c_x;
  f.c_y = c_y;
  f.c_bx = c_bx;
  f.c_by = c_by;
  f.clipping = enableClipping != 0;
  f.lineStart = lineStartColumn(x, c_x, textState.border);
  f.bottomLimit = f.clipping ? c_by : kScreenRows;
  f.decorationRows = smaller(c_by, lastRow);
  f.glyphRowEnd = lastRow < c_by ? lastRow + 1 : c_by;
  f.spaceHeight = spaceHeight(textState.currentFont);
  f.underlineOffset = underlineOffset(textState.currentFont);
  return f;
}

// Runs the layout pass (with clipping), the drawing pass, puts the string back
// and finishes the cursor. A callback stop returns at once, but the wrap marks
// it leaves are turned back into spaces first.
int renderString(const TextFrame& f) {
  int layoutEnd = 0;
  if (f.clipping) {
    const LayoutOutcome layout = runLayoutPass(f);
    if (layout.stopped) {
      restoreWrapMarks(f.str, 0, layout.end);
      return layout.height;
    }
    layoutEnd = layout.end;
  }

  Pen pen{f.startX, f.startTop, f.spaceHeight};
  CursorSearch search;
  const DrawOutcome drawn = runDrawingPass(f, pen, search);
  restoreWrapMarks(f.str, drawn.end, layoutEnd);
  if (!drawn.callbackStopped) finishCursor(search, f, drawn.end, pen);
  return blockHeight(f, pen);
}

}  // namespace

}  // namespace pane::text

namespace pane {

int dispStringBounded(int x, int y, const void* inStr, uint16_t* buffer, uint32_t enableClipping,
                      int c_x, int c_y, int c_bx, int c_by, int lastRow) {
  if (textState.currentFont == nullptr || inStr == nullptr) return 0;
  return text::renderString(
      text::makeFrame(x, y, inStr, buffer, enableClipping, c_x, c_y, c_bx, c_by, lastRow));
}

}  // namespace pane

using namespace pane;

extern "C" {

void dispChar(int x, int y, uint32_t chr, uint16_t* buffer, unsigned max_X, unsigned max_Y) {
  text::drawGlyph(textState.currentFont, x, y, chr, buffer, max_X, max_Y);
}

// The caller's buffer is taken to reach row c_by: glyphs stop above it, while
// bands, lines and the cursor bar may fill it.
int dispString(int x, int y, const void* inStr, uint16_t* buffer, uint32_t enableClipping, int c_x,
               int c_y, int c_bx, int c_by) {
  return dispStringBounded(x, y, inStr, buffer, enableClipping, c_x, c_y, c_bx, c_by, c_by);
}

}  // extern "C"
