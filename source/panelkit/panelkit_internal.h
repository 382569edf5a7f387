// Fixed data of the dialog boxes, shared by the files of source/panelkit only.
#ifndef PANE_PANELKIT_INTERNAL_H
#define PANE_PANELKIT_INTERNAL_H

#include <libpane.h>

namespace pane {

// The eight frame pieces clockwise from the top-left corner, then the
// transparent colour and the interior colour, each a one-word array.
extern uint16_t* const BoxPointers[10];

// Positions in BoxPointers.
enum BoxPiece {
  kTopLeft = 0,
  kTop = 1,
  kTopRight = 2,
  kRight = 3,
  kBottomRight = 4,
  kBottom = 5,
  kBottomLeft = 6,
  kLeft = 7,
  kTransparentValue = 8,
  kBackgroundValue = 9,
};

// The nine operations a box needs from the screen it is drawn on; one
// table per screen, so both screens run the very same box code.
struct DrawTarget {
  void (*setClipping)(int x, int y, int bx, int by);
  void (*dispCustomSprite)(int x, int y, uint16_t* sprite, uint16_t tc, uint16_t colormask);
  void (*drawRect)(int x, int y, int bx, int by, uint16_t c);
  void (*setUpdate)();
  bool (*isbgEnabled)();
  uint16_t* (*returnFrameBuffer)();
  uint16_t* (*backBuffer)();
  void (*swapBuffers)();
  void (*dispString)(int x, int y, const void* text);
};

// Draws the frame, the black interior and sets the text clipping rectangle
// inside it; marks the frame as drawn.
void drawDialogBox(const DrawTarget& target, int x, int y, int width, int height);

// Grows the box from its top-left corner, one frame per vertical blank, then
// leaves the full box and text in the back buffer without showing it.
void openDialogBox(const DrawTarget& target, int x, int y, int width, int height, int tx, int ty,
                   const void* text);

}  // namespace pane

#endif
