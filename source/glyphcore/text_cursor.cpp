// The text cursor and the character callback: the bar before character curPos,
// the search for the characters above and below it on the neighbouring lines,
// the drawing-pass callback with the copies calculateNewXY reads, and
// calculateNewXY itself.
#include "glyphcore/text_layout.h"
#include "glyphcore/text_render.h"

namespace pane::text {

namespace {

// Draws the bar at the pen (when it can be seen) and records where it stands;
// the neighbour search of the next lines compares against that record.
void placeCursor(const TextFrame& f, int x, int top, int h) {
  drawCursorBar(f, addSat(x, cLeft), addSat(top, cTop), addSat(top, h, cBottom));
  cOldX = static_cast<uint16_t>(x);
  cOldY = static_cast<uint16_t>(top);
}

// A character spans the recorded cursor column when it starts at or left of it
// and ends right of it.
bool spansCursorColumn(int px, int nx) { return px <= cOldX && cOldX < nx; }

// The character itself when the column lies at or left of its middle, else the one after it.
uint16_t nearerSide(int index, int px, int nx) {
  return static_cast<uint16_t>(cOldX > (static_cast<long long>(px) + nx) / 2 ? index + 1 : index);
}

}  // namespace

// At a line end or forced break: a line above or below the cursor's line that
// ends left of the cursor column offers its end as the neighbour.
void noteLineEnd(CursorSearch& search, int index, const Pen& pen) {
  if (!cVis) return;
  if (!search.aboveFound && addSat(pen.top, pen.h, kLineGap) == cOldY) {
    cAbove = static_cast<uint16_t>(index);
    search.aboveFound = true;
  }
  if (!search.belowFound && pen.top == cOldY + pen.h + kLineGap) {
    cBelow = static_cast<uint16_t>(index);
    search.belowFound = true;
  }
}

// After character `index` was handled: `before` is the pen it started at, (nx,
// ny) the pen after it and h the line height by then.
void trackCursor(CursorSearch& search, const TextFrame& f, int index, const Pen& before, int nx,
                 int ny, int h) {
  if (!cVis) return;
  if (curPos == index) placeCursor(f, before.x, before.top, h);
  if (!search.aboveFound && addSat(ny, h, kLineGap) == cOldY && spansCursorColumn(before.x, nx)) {
    cAbove = nearerSide(index, before.x, nx);
    search.aboveFound = true;
  }
  if (!search.belowFound && ny == cOldY + h + kLineGap && spansCursorColumn(before.x, nx)) {
    cBelow = nearerSide(index, before.x, nx);
    search.belowFound = true;
  }
}

// After the drawing pass: the text's end may be the line below, the cursor may
// stand after the last character, and neighbours not found fall back to the
// cursor itself.
void finishCursor(CursorSearch& search, const TextFrame& f, int index, const Pen& pen) {
  if (!cVis) return;
  if (!search.belowFound && pen.top == cOldY + pen.h + kLineGap) {
    cBelow = static_cast<uint16_t>(index);
    search.belowFound = true;
  }
  if (curPos == index) placeCursor(f, pen.x, pen.top, pen.h);
  if (!search.aboveFound) cAbove = static_cast<uint16_t>(curPos);
  if (!search.belowFound) cBelow = static_cast<uint16_t>(curPos);
}

// The height copied is the line's height once this character is in it, which
// is what a forced break before it adds to the line top.
bool drawingCallbackStops(const TextFrame& f, int index, uint8_t c, const Pen& pen) {
  if (!callbackEnabled || callbackFunction == nullptr) return false;
  const int charHeight = glyphHeight(f.font, c);
  calc_chr = c;
  calc_c_x = f.c_x;
  calc_c_bx = f.c_bx;
  calc_x = f.x;
  calc_border = border;
  calc_tGetHeight = pen.h > charHeight ? pen.h : charHeight;
  return callbackFunction(index, c, 2, pen.x, pen.top) == -1;
}

}  // namespace pane::text

using namespace pane;
using namespace pane::text;

extern "C" {

// Where the character reported to the callback lands if it has to break
// before the box's right limit; wrap marks and the bottom are not considered.
void calculateNewXY(int* xpos, int* ypos) {
  if (xpos == nullptr || ypos == nullptr || currentFont == nullptr) return;
  if (!runsPast(addSat(*xpos, glyphWidth(currentFont, calc_chr)), calc_c_bx)) return;
  *xpos = lineStartColumn(calc_x, calc_c_x, calc_border);
  *ypos = addSat(*ypos, calc_tGetHeight, kLineGap);
}

}  // extern "C"
