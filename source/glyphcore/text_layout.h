// The line-breaking rules: how each byte moves the pen along a line, when a
// line runs past the right limit, and where it then breaks. getWrapPoints and
// the layout pass of dispString both walk strings with this one rule set, and
// the drawing pass breaks words with the same overflow test, so measured and
// drawn lines agree.
#ifndef PANE_GLYPHCORE_TEXT_LAYOUT_H
#define PANE_GLYPHCORE_TEXT_LAYOUT_H

#include "glyphcore/text_font.h"

namespace pane::text {

// What a byte did besides moving the pen along the line.
enum class ByteEffect { Advance, LineEnd, RowUp, RowDown };

// How a line that ran past the right limit breaks.
enum class Break {
  None,        // the line still fits
  AtSpace,     // a wrap mark went over the last space (or a tab after it): walk on from there
  BeforeByte,  // no space on the line: the byte just taken starts the next line
};

// The start column of every new line: the box's left edge when wrapping to the
// border, else the string's own start column.
inline int lineStartColumn(int x, int c_x, int wrapMode) {
  return wrapMode == 1 ? c_x : addSat(x, c_x);
}

// A pen whose column after a character lies past the right limit overflows.
// Compared as signed numbers everywhere, so a pen left of column 0 never
// forces a break by itself.
inline bool runsPast(int penAfter, int rightLimit) { return penAfter > rightLimit; }

class LineBreaker {
 public:
  LineBreaker(uint16_t** font, int startX, int lineStart, int rightLimit);

  // Moves the pen over byte c (not 0).
  ByteEffect take(uint8_t c);

  // Called after take() for the byte at *index of str. AtSpace writes the wrap
  // mark into str and moves *index back to it, so the walk goes on by taking the
  // mark as a line end; BeforeByte has already moved the pen past that byte at
  // the start of the new line.
  Break settle(uint8_t* str, int* index);

  int penX() const { return penX_; }

 private:
  uint16_t** font_;
  int tabDistance_;
  int lineStart_;
  int rightLimit_;
  int penX_;
  bool spaceSeen_ = false;  // a space occurred on the current line
  int sinceBreakable_ = 0;  // bytes taken since the last space or tab
};

}  // namespace pane::text

#endif
