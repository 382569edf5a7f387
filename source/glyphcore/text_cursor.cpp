// The text cursor and the character callback: the bar before character curPos,
// the search for the characters above and below it on the neighbouring lines,
// the drawing-pass callback with the copies calculateNewXY reads, and
// calculateNewXY itself.
#include "glyphcore/text_cursor.h"

#include <libpane.h>

#include "glyphcore/text_decorations.h"
#include "glyphcore/text_font.h"
#include "glyphcore/text_layout.h"
#include "glyphcore/text_state.h"

namespace pane::text {

namespace {

// Draws the bar at the pen (when it can be seen) and records where it stands;
// the neighbour search of the next lines compares against that record.
void placeCursor(const TextFrame& f, int x, int top, int h) {
  drawCursorBar(f, addSat(x, textState.cLeft), addSat(top, textState.cTop),
                addSat(top, h, textState.cBottom));
  textState.cOldX = static_cast<uint16_t>(x);
  textState.cOldY = static_cast<uint16_t>(top);
}

// A character spans the recorded cursor column when it starts at or left of it
// and ends right of it.
bool spansCursorColumn(int px, int nx) { return px <= textState.cOldX && textState.cOldX < nx; }

// The character itself when the column lies at or left of its middle, else the one after it.
uint16_t nearerSide(int index, int next, int px, int nx) {
  return static_cast<uint16_t>(textState.cOldX > (static_cast<long long>(px) + nx) / 2 ? next
                                                                                       : index);
}

}  // namespace

// A line above or below the cursor's line that ends left of the cursor column
// offers its end as the neighbour.
void noteShownLineEnd(CursorSearch& search, int index, const Pen& pen) {
  if (!search.aboveFound && addSat(pen.top, pen.h, kLineGap) == textState.cOldY) {
    textState.cAbove = static_cast<uint16_t>(index);
    search.aboveFound = true;
  }
  if (!search.belowFound && pen.top == textState.cOldY + pen.h + kLineGap) {
    textState.cBelow = static_cast<uint16_t>(index);
    search.belowFound = true;
  }
}

void trackShownCursor(CursorSearch& search, const TextFrame& f, int index, int next,
                      const Pen& before, int nx, int ny, int h) {
  if (textState.curPos == index) placeCursor(f, before.x, before.top, h);
  if (!search.aboveFound && addSat(ny, h, kLineGap) == textState.cOldY &&
      spansCursorColumn(before.x, nx)) {
    textState.cAbove = nearerSide(index, next, before.x, nx);
    search.aboveFound = true;
  }
  if (!search.belowFound && ny == textState.cOldY + h + kLineGap &&
      spansCursorColumn(before.x, nx)) {
    textState.cBelow = nearerSide(index, next, before.x, nx);
    search.belowFound = true;
  }
}

// The text's end may be the line below, the cursor may stand after the last
// character, and neighbours not found fall back to the cursor itself.
void finishShownCursor(CursorSearch& search, const TextFrame& f, int index, const Pen& pen) {
  if (!search.belowFound && pen.top == textState.cOldY + pen.h + kLineGap) {
    textState.cBelow = static_cast<uint16_t>(index);
    search.belowFound = true;
  }
  if (textState.curPos == index) placeCursor(f, pen.x, pen.top, pen.h);
  if (!search.aboveFound) textState.cAbove = static_cast<uint16_t>(textState.curPos);
  if (!search.belowFound) textState.cBelow = static_cast<uint16_t>(textState.curPos);
}

// The height copied is the line's height once this character is in it, which
// is what a forced break before it adds to the line top.
bool callDrawingCallback(const TextFrame& f, int index, uint32_t c, int charHeight, bool breaks,
                         const Pen& pen) {
  textState.calc_chr = c;
  textState.calc_breaks = breaks;
  textState.calc_c_x = f.c_x;
  textState.calc_c_bx = f.c_bx;
  textState.calc_x = f.x;
  textState.calc_border = textState.border;
  textState.calc_tGetHeight = pen.h > charHeight ? pen.h : charHeight;
  return textState.callbackFunction(index, c, 2, pen.x, pen.top) == -1;
}

}  // namespace pane::text

using namespace pane;
using namespace pane::text;

extern "C" {

// Where the character reported to the callback lands if it has to break
// before the box's right limit; wrap marks and the bottom are not considered.
void calculateNewXY(int* xpos, int* ypos) {
  if (xpos == nullptr || ypos == nullptr) return;
  if (textState.unicodeFont != nullptr) {
    // Unicode lines are broken ahead, also between CJK characters that fit.
    if (!textState.calc_breaks) return;
  } else if (textState.currentFont == nullptr ||
             !runsPast(addSat(*xpos, glyphWidth(textState.currentFont, textState.calc_chr)),
                       textState.calc_c_bx)) {
    return;
  }
  *xpos = lineStartColumn(textState.calc_x, textState.calc_c_x, textState.calc_border);
  *ypos = addSat(*ypos, textState.calc_tGetHeight, kLineGap);
}

}  // extern "C"
