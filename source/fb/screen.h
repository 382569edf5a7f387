// One drawing screen of 256 x 256 RGB15 pixels with a front and a back buffer,
// an optional background picture or colour, and a text clipping rectangle:
// the logic that the main-screen framebuffer and the sub screen share.
#ifndef PANE_FB_SCREEN_H
#define PANE_FB_SCREEN_H

#include <libpane.h>
#include <pane_geometry.h>

namespace pane {

constexpr int kBufferWidth = PANE_SCREEN_WIDTH;
constexpr int kBufferRows = PANE_PAGE_ROWS;
constexpr int kLastColumn = kBufferWidth - 1;
constexpr int kLastRow = kBufferRows - 1;
constexpr unsigned kBufferPixels = PANE_PAGE_PIXELS;
constexpr unsigned kBufferBytes = kBufferPixels * 2u;  // one 128 KB VRAM bank
constexpr uint16_t kOpaque = 0x8000;

// Per-screen state; a zero-initialised Screen is the state before its init.
struct Screen {
  bool enabled;             // set by the screen's init; every operation waits for it
  uint16_t* framebuffer1;   // front buffer, the one shown
  uint16_t* framebuffer2;   // back buffer, where every drawing operation writes
  uint16_t* bgFrameBuffer;  // heap copy of the background picture, or null
  int bgEnabled;            // 1 while the background picture refills the back buffer
  uint16_t bgColor;         // refill colour while no picture is in use
  int update;               // 1 once anything was drawn
  int clip;                 // text clipping switch for the string renderer
  int clip_x, clip_y, clip_bx, clip_by;
};

// Whole-buffer stores in 32-bit units (VRAM drops 8-bit writes).
void fillBufferWords(uint16_t* buffer, uint32_t word);
void copyBufferWords(uint16_t* to, const uint16_t* from);

// Puts the background picture (or colour) into the back buffer, as every
// page flip does unless a one-shot request says otherwise.
void refillBackBuffer(Screen& screen);
// Initial state shared by both screens: no picture (a held copy is
// released), colour 0, nothing drawn, clipping on with the full rectangle.
void resetScreenState(Screen& screen);

void screenSetBackground(Screen& screen, const uint16_t* picture);
void screenSetBackgroundColor(Screen& screen, uint16_t color);
void screenEraseBackground(Screen& screen);
void screenClear(Screen& screen);

void screenSetDefaultClipping(Screen& screen);
void screenSetClipping(Screen& screen, int x, int y, int bx, int by);

void screenSetPixel(Screen& screen, int x, int y, uint16_t color);
void screenDrawRect(Screen& screen, int x, int y, int bx, int by, uint16_t color);
void screenDrawBox(Screen& screen, int x, int y, int bx, int by, uint16_t color);
void screenDrawFilledRect(Screen& screen, int x, int y, int bx, int by, uint16_t borderColor,
                          uint16_t fillColor);
void screenDispCustomSprite(Screen& screen, int x, int y, uint16_t* sprite, uint16_t tc,
                            uint16_t colormask);
void screenDispChar(Screen& screen, int x, int y, int toDisp);
void screenDispString(Screen& screen, int x, int y, const void* toDisp);

}  // namespace pane

#endif
