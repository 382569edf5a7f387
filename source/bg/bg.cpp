// The sub screen: one 256 x 256 direct-colour bitmap layer of the sub engine
// (BG3 on VRAM bank C) shown as the front buffer, a heap back buffer that the
// swap copies to it by DMA, and the bg_ operations of the public header.
#include <nds.h>
#include <stdlib.h>

#include "fb/screen.h"

using pane::Screen;

namespace {

// Sub display control: graphics display, background mode 5, BG3 on.
constexpr uint32_t kDisplayMode5Bg3 = 0x00010805;
// 256 x 256 direct-colour bitmap at base 0, priority 0.
constexpr uint16_t kBitmapLayer = 0x4084;
constexpr int16_t kOne = 1 << 8;

Screen bgScreen;

void writeIdentityAffine() {
  REG_BG3PA_SUB = kOne;
  REG_BG3PB_SUB = 0;
  REG_BG3PC_SUB = 0;
  REG_BG3PD_SUB = kOne;
  REG_BG3X_SUB = 0;
  REG_BG3Y_SUB = 0;
}

}  // namespace

extern "C" {

// The back buffer is obtained once and kept; without it the sub screen stays
// off and every bg_ operation keeps doing nothing.
void bg_init(void) {
  if (bgScreen.framebuffer2 == nullptr) {
    bgScreen.framebuffer2 = static_cast<uint16_t*>(malloc(pane::kBufferBytes));
    if (bgScreen.framebuffer2 == nullptr) return;
  }
  REG_DISPCNT_SUB = kDisplayMode5Bg3;
  vramSetBankC(VRAM_C_SUB_BG);
  REG_BG3CNT_SUB = kBitmapLayer;
  writeIdentityAffine();
  bgScreen.framebuffer1 = BG_GFX_SUB;
  pane::fillBufferWords(bgScreen.framebuffer1, 0);
  pane::fillBufferWords(bgScreen.framebuffer2, 0);
  pane::resetScreenState(bgScreen);
  bgScreen.enabled = true;
}

// Shows the back buffer by copying it into bank C, then refills the back
// buffer from the background picture or colour.
void bg_swapBuffers(void) {
  if (!bgScreen.enabled) return;
  DC_FlushRange(bgScreen.framebuffer2, pane::kBufferBytes);
  dmaCopy(bgScreen.framebuffer2, bgScreen.framebuffer1, pane::kBufferBytes);
  pane::refillBackBuffer(bgScreen);
  pane::screenSetDefaultClipping(bgScreen);
}

uint16_t* bg_backBuffer(void) { return bgScreen.enabled ? bgScreen.framebuffer2 : nullptr; }

uint16_t* bg_returnFrameBuffer(void) { return bgScreen.bgFrameBuffer; }

bool bg_needsUpdate(void) { return bgScreen.update == 1; }

void bg_setUpdate(void) {
  if (bgScreen.enabled) bgScreen.update = 1;
}

bool bg_isbgEnabled(void) { return bgScreen.bgEnabled == 1; }

void bg_setBG(uint16_t* buffer) { pane::screenSetBackground(bgScreen, buffer); }
void bg_setBGColor(uint16_t color) { pane::screenSetBackgroundColor(bgScreen, color); }
void bg_eraseBG(void) { pane::screenEraseBackground(bgScreen); }
void bg_clear(void) { pane::screenClear(bgScreen); }

void bg_enableClipping(void) {
  if (bgScreen.enabled) bgScreen.clip = 1;
}

void bg_disableClipping(void) {
  if (bgScreen.enabled) bgScreen.clip = 0;
}

void bg_setDefaultClipping(void) {
  if (bgScreen.enabled) pane::screenSetDefaultClipping(bgScreen);
}

void bg_setClipping(int x, int y, int bx, int by) {
  if (bgScreen.enabled) pane::screenSetClipping(bgScreen, x, y, bx, by);
}

void bg_setPixel(int x, int y, uint16_t color) { pane::screenSetPixel(bgScreen, x, y, color); }

void bg_drawRect(int x, int y, int bx, int by, uint16_t c) {
  pane::screenDrawRect(bgScreen, x, y, bx, by, c);
}

void bg_drawBox(int x, int y, int bx, int by, uint16_t c) {
  pane::screenDrawBox(bgScreen, x, y, bx, by, c);
}

void bg_drawFilledRect(int x, int y, int bx, int by, uint16_t borderColor, uint16_t fillColor) {
  pane::screenDrawFilledRect(bgScreen, x, y, bx, by, borderColor, fillColor);
}

void bg_dispCustomSprite(int x, int y, uint16_t* sprite, uint16_t tc, uint16_t colormask) {
  pane::screenDispCustomSprite(bgScreen, x, y, sprite, tc, colormask);
}

void bg_dispSprite(int x, int y, uint16_t* sprite, uint16_t tc) {
  pane::screenDispCustomSprite(bgScreen, x, y, sprite, tc, 0xFFFF);
}

void bg_dispChar(int x, int y, int toDisp) { pane::screenDispChar(bgScreen, x, y, toDisp); }

void bg_dispString(int x, int y, const void* toDisp) {
  pane::screenDispString(bgScreen, x, y, toDisp);
}

}  // extern "C"
