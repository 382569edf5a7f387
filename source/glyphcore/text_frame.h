// What the passes of one dispString call share: the call's frame, the pen of
// a pass and the cursor neighbours found so far.
#ifndef PANE_GLYPHCORE_TEXT_FRAME_H
#define PANE_GLYPHCORE_TEXT_FRAME_H

#include <stdint.h>

#include "glyphcore/saturate.h"

namespace pane::text {

// Where and how one dispString call draws; fixed for the whole call.
struct TextFrame {
  uint8_t* str;          // the caller's string, read as unsigned bytes
  uint16_t* buffer;      // null: lay out and measure only
  uint16_t** font;       // the font in force when the call started
  int x, y;              // the string's offset from the box's top-left corner
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

inline int blockHeight(const TextFrame& f, const Pen& pen) {
  return clampToInt(static_cast<long long>(pen.top) - f.startTop + pen.h);
}

}  // namespace pane::text

#endif
