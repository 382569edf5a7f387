// The text state of glyphcore: every setting a program changes through the
// setters of libpane.h, and what the renderer and the blitter leave for the
// next call, in one struct with one reset. The two background requests are
// exported variables of the C API (libPANE_bgPreserve, libPANE_bgDisabled)
// and so live beside it; the reset clears them too.
#ifndef PANE_GLYPHCORE_TEXT_STATE_H
#define PANE_GLYPHCORE_TEXT_STATE_H

#include <libpane.h>
#include <stdint.h>

#include "glyphcore/blitter.h"

namespace pane {

// Members are ordered so that those read per character sit within the short
// load offsets of Thumb code (bytes within 31, halfwords within 62).
struct TextState {
  // Font, colours and styles. Colour setters store bit 15 set.
  uint16_t** currentFont = nullptr;
  uint16_t fontColor = 0;
  uint16_t highlightColor = 0;
  int highlightStart = -1;  // highlight range [start, end); -1, -1: none
  int highlightEnd = -1;
  bool bold = false;
  bool underline = false;
  bool strikethrough = false;
  bool twoPass = false;  // the callback also sees the layout pass
  // Italics, inverse and the italic step: the part the blitter draws with.
  // The renderer sets the step before each glyph from the line height.
  SpriteStyle sprite = {false, false, 0};
  bool cVis = false;  // the cursor is drawn and tracked
  bool callbackEnabled = false;
  libPANE_charCallback callbackFunction = nullptr;
  int border = 0;  // wrap mode: 1 starts new lines at the box's left edge, 0 at the string's

  // The cursor: the index it stands before and its bar.
  int curPos = 0;
  uint16_t cColor = 0;

  // Results of the last dispString: where the cursor was placed, its
  // neighbours on the lines above and below (16-bit, stored modulo 65536) and
  // the pen after the last character.
  uint16_t cOldX = 0;
  uint16_t cOldY = 0;
  uint16_t cAbove = 0;
  uint16_t cBelow = 0;
  int lx = 0;
  int ly = 0;

  int cTop = -1;    // first row of the bar, from the line top
  int cBottom = 1;  // rows the bar reaches below the line height
  int cLeft = 0;    // column of the bar, from the pen

  // Copies made before each drawing-pass callback call, read by calculateNewXY.
  uint32_t calc_chr = 0;
  int calc_c_x = 0;
  int calc_c_bx = 0;
  int calc_x = 0;
  int calc_border = 0;
  int calc_tGetHeight = 0;
  bool calc_breaks = false;  // Unicode text breaks its line before the character

  // The current Unicode font; while it is set, strings are UTF-8 and
  // currentFont (the last table) waits until setFont.
  const PaneFont* unicodeFont = nullptr;
  // What text stands on, when the program has said (setTextBackground):
  // coverage glyphs are then written from a table over it.
  bool backgroundKnown = false;
  uint16_t textBackground = 0;
};

// Constant-initialised: the start values hold before any code runs.
extern TextState textState;

// Every member back to its start value, both background requests cleared and
// every kept glyph forgotten, as at program start.
void resetTextState();

}  // namespace pane

#endif
