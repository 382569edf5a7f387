// Text decorations: the highlight band behind characters, underline and
// strike-through lines, and the cursor bar. Every piece is cut to columns 0 to
// 255 and to rows 0 to the frame's last decoration row, so nothing lands
// outside the buffer whatever the pen position.
#include "glyphcore/text_decorations.h"

#include <libpane.h>
#include <pane_geometry.h>

#include "glyphcore/text_state.h"

namespace pane::text {

namespace {

constexpr int kLastColumn = PANE_SCREEN_WIDTH - 1;

// Fills columns first..last of rows top..bottom (rows already within the
// buffer), cut to the row's width; an empty range draws nothing.
void fillCut(uint16_t* buffer, int first, int last, int top, int bottom, uint16_t colour) {
  if (first < 0) first = 0;
  if (last > kLastColumn) last = kLastColumn;
  if (first > last || top > bottom) return;
  drawRect(first, top, last, bottom, colour, buffer, bottom);
}

void drawLine(const TextFrame& f, int row, int x, int length) {
  if (row < 0 || row < f.c_y || row > f.decorationRows) return;
  fillCut(f.buffer, x, addSat(x, length - 1), row, row, textState.fontColor);
}

}  // namespace

// The band covers the line from its top to one row past the underline.
void drawHighlightBand(const TextFrame& f, int top, int firstColumn, int lastColumn) {
  const int bottom = addSat(top, f.underlineOffset, 1);
  if (f.buffer == nullptr || bottom < 0 || top > f.decorationRows) return;
  fillCut(f.buffer, firstColumn, lastColumn, top < 0 ? 0 : top,
          bottom < f.decorationRows ? bottom : f.decorationRows, textState.highlightColor);
}

// One pixel longer than the advance, so the lines of neighbouring characters join.
void drawUnderlineAndStrikeThrough(const TextFrame& f, int top, int x, int length) {
  if (f.buffer == nullptr) return;
  if (textState.underline) drawLine(f, addSat(top, f.underlineOffset), x, length);
  if (textState.strikethrough) drawLine(f, addSat(top, f.underlineOffset / 2, 1), x, length);
}

// A bar whose column lies outside the row is skipped rather than cut, and so
// is every bar when the frame leaves no row to fill (a bottom above row 0).
void drawCursorBar(const TextFrame& f, int column, int firstRow, int lastRow) {
  if (f.buffer == nullptr || column < 0 || column > kLastColumn || f.decorationRows < 0) return;
  if (lastRow < 0 || firstRow > f.decorationRows) return;
  if (lastRow > f.decorationRows) lastRow = f.decorationRows;
  if (firstRow < 0) firstRow = 0;
  if (firstRow > lastRow) {
    const int swap = firstRow;
    firstRow = lastRow;
    lastRow = swap;
  }
  drawRect(column, firstRow, column, lastRow, textState.cColor, f.buffer, lastRow);
}

}  // namespace pane::text
