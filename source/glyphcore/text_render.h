// Pieces of the string renderer shared by its files: the frame of one
// dispString call, the pen of a pass, the layout pass, decorations, the cursor
// bookkeeping and the character callback.
#ifndef PANE_GLYPHCORE_TEXT_RENDER_H
#define PANE_GLYPHCORE_TEXT_RENDER_H

#include "glyphcore/text_font.h"

namespace pane::text {

// Where and how one dispString call draws; fixed for the whole call.
struct TextFrame {
  uint8_t* str;        // the caller's string, read as unsigned bytes
  uint16_t* buffer;    // null: lay out and measure only
  uint16_t** font;     // the font in force when the call started
  int x, y;            // the string's offset from the box's top-left corner
  int startX, startTop;  // the pen at the first character: (x + c_x, y + c_y)
  int c_x, c_y, c_bx, c_by;
  bool clipping;
  int lineStart;       // column every new line starts at
  int bottomLimit;     // no line starts at or below this row
  int decorationRows;  // last row that bands, lines and the bar may fill
  int glyphRowEnd;     // first row that glyphs may not fill
  int spaceHeight;     // height every line starts with
  int underlineOffset;
};

// The pen of a pass: column, top row of the current line and its height so far.
struct Pen {
  int x;
  int top;
  int h;
};

// Which cursor neighbours the current call has settled.
struct CursorSearch {
  bool aboveFound = false;
  bool belowFound = false;
};

// Outcome of the layout pass: the index it ended at (wrap marks lie at or
// before it) and, when the callback stopped the string, the block height.
struct LayoutOutcome {
  bool stopped;
  int end;
  int height;
};

LayoutOutcome runLayoutPass(const TextFrame& f);

// Turns wrap marks from index `from` up to `to` inclusive back into spaces,
// stopping at the string's end.
void restoreWrapMarks(uint8_t* str, int from, int to);

// Draws one glyph of `font` as dispChar does.
void drawGlyph(uint16_t** font, int x, int y, uint32_t chr, uint16_t* buffer, unsigned maxX,
               unsigned maxY);

// Decorations, drawn only into a non-null buffer and never outside it.
bool inHighlight(int index);
void drawHighlightBand(const TextFrame& f, int top, int firstColumn, int lastColumn);
void drawCharacterLines(const TextFrame& f, int top, int x, int length);
void drawCursorBar(const TextFrame& f, int column, int firstRow, int lastRow);

// Cursor bookkeeping, active only while the cursor is shown.
void noteLineEnd(CursorSearch& search, int index, const Pen& pen);
void trackCursor(CursorSearch& search, const TextFrame& f, int index, const Pen& before, int nx,
                 int ny, int h);
void finishCursor(CursorSearch& search, const TextFrame& f, int index, const Pen& pen);

// Calls the callback for the drawing pass after copying what calculateNewXY
// needs; true when it asks to stop the string.
bool drawingCallbackStops(const TextFrame& f, int index, uint8_t c, const Pen& pen);

inline int blockHeight(const TextFrame& f, const Pen& pen) {
  return clampToInt(static_cast<long long>(pen.top) - f.startTop + pen.h);
}

}  // namespace pane::text

#endif
