// The main-screen framebuffer: two 256 x 256 direct-colour bitmap layers of
// the main engine (BG2 on VRAM bank A, BG3 on bank B), the page flip with its
// refill rules, the orientation, and the fb_ operations of the public header.
#include <nds.h>

#include "fb/screen.h"

using pane::Screen;

namespace {

// Display control: graphics display, background mode 5, BG2 and BG3 on.
constexpr uint32_t kDisplayMode5Bg2Bg3 = 0x00010C05;
// Background control: 256 x 256 direct-colour bitmap (0x4084), bitmap base in
// 16 KB units from bit 8, priority in bits 0-1; priority 2 lies in front of 3.
constexpr uint16_t kBankALayerFront = 0x4086;
constexpr uint16_t kBankALayerBehind = 0x4087;
constexpr uint16_t kBankBLayerFront = 0x4886;
constexpr uint16_t kBankBLayerBehind = 0x4887;

// Affine parameters: 8.8 fixed point rates, 20.8 fixed point reference point.
struct AffineSetting {
  int16_t xdx, xdy, ydx, ydy;
  int32_t cx, cy;
};

constexpr int16_t kOne = 1 << 8;
// The screen's last row (191) and last column (255), in 20.8 fixed point: the
// reference points of the turned pictures.
constexpr int32_t kBottomEdge = (PANE_SCREEN_HEIGHT - 1) << 8;
constexpr int32_t kRightEdge = (PANE_SCREEN_WIDTH - 1) << 8;
constexpr AffineSetting kOrientations[4] = {
    {kOne, 0, 0, kOne, 0, 0},                       // as drawn
    {0, -kOne, kOne, 0, kBottomEdge, 0},            // quarter turn counter-clockwise
    {-kOne, 0, 0, -kOne, kRightEdge, kBottomEdge},  // half turn
    {0, kOne, -kOne, 0, 0, kRightEdge},             // quarter turn clockwise
};

Screen fbScreen;
int buffers;
int fb_orientation;

uint16_t* bankA() { return BG_GFX; }
uint16_t* bankB() { return BG_GFX + pane::kBufferPixels; }

void writeAffine(const AffineSetting& setting) {
  REG_BG2PA = setting.xdx;
  REG_BG2PB = setting.xdy;
  REG_BG2PC = setting.ydx;
  REG_BG2PD = setting.ydy;
  REG_BG2X = setting.cx;
  REG_BG2Y = setting.cy;
  REG_BG3PA = setting.xdx;
  REG_BG3PB = setting.xdy;
  REG_BG3PC = setting.ydx;
  REG_BG3PD = setting.ydy;
  REG_BG3X = setting.cx;
  REG_BG3Y = setting.cy;
}

// Page 0 shows bank A in front of bank B, page 1 the reverse; only the two
// layers' priorities change.
void showPage(int page) {
  buffers = page;
  REG_BG2CNT = page == 0 ? kBankALayerFront : kBankALayerBehind;
  REG_BG3CNT = page == 0 ? kBankBLayerBehind : kBankBLayerFront;
  fbScreen.framebuffer1 = page == 0 ? bankA() : bankB();
  fbScreen.framebuffer2 = page == 0 ? bankB() : bankA();
}

}  // namespace

extern "C" {

void fb_init(void) {
  REG_DISPCNT = kDisplayMode5Bg2Bg3;
  vramSetBankA(VRAM_A_MAIN_BG);
  vramSetBankB(VRAM_B_MAIN_BG_0x06020000);
  fb_orientation = 0;
  showPage(0);
  writeAffine(kOrientations[0]);
  pane::fillBufferWords(fbScreen.framebuffer1, 0);
  pane::fillBufferWords(fbScreen.framebuffer2, 0);
  pane::resetScreenState(fbScreen);
  fbScreen.enabled = true;
}

// Flips, then refills the new back buffer by the first rule that applies:
// keep the shown frame, leave it alone, or the background picture or colour.
void fb_swapBuffers(void) {
  if (!fbScreen.enabled) return;
  showPage(buffers == 0 ? 1 : 0);
  if (libPANE_bgPreserve) {
    pane::copyBufferWords(fbScreen.framebuffer2, fbScreen.framebuffer1);
  } else if (!libPANE_bgDisabled) {
    pane::refillBackBuffer(fbScreen);
  }
  pane::screenSetDefaultClipping(fbScreen);
  libPANE_bgPreserve = false;
  libPANE_bgDisabled = false;
}

uint16_t* fb_backBuffer(void) { return fbScreen.enabled ? fbScreen.framebuffer2 : nullptr; }

uint16_t* fb_returnFrameBuffer(void) { return fbScreen.bgFrameBuffer; }

void fb_setOrientation(int orientation) {
  if (!fbScreen.enabled || orientation == fb_orientation) return;
  if (orientation >= 0 && orientation <= 3) writeAffine(kOrientations[orientation]);
  fb_orientation = orientation;
}

bool fb_needsUpdate(void) { return fbScreen.update == 1; }

void fb_setUpdate(void) {
  if (fbScreen.enabled) fbScreen.update = 1;
}

bool fb_isbgEnabled(void) { return fbScreen.bgEnabled == 1; }

void fb_setBG(uint16_t* buffer) { pane::screenSetBackground(fbScreen, buffer); }
void fb_setBGColor(uint16_t color) { pane::screenSetBackgroundColor(fbScreen, color); }
void fb_eraseBG(void) { pane::screenEraseBackground(fbScreen); }
void fb_clear(void) { pane::screenClear(fbScreen); }

void fb_enableClipping(void) { fbScreen.clip = 1; }
void fb_disableClipping(void) { fbScreen.clip = 0; }
void fb_setDefaultClipping(void) { pane::screenSetDefaultClipping(fbScreen); }
void fb_setClipping(int x, int y, int bx, int by) {
  pane::screenSetClipping(fbScreen, x, y, bx, by);
}

void fb_setPixel(int x, int y, uint16_t color) { pane::screenSetPixel(fbScreen, x, y, color); }

void fb_drawRect(int x, int y, int bx, int by, uint16_t c) {
  pane::screenDrawRect(fbScreen, x, y, bx, by, c);
}

void fb_drawBox(int x, int y, int bx, int by, uint16_t c) {
  pane::screenDrawBox(fbScreen, x, y, bx, by, c);
}

void fb_drawFilledRect(int x, int y, int bx, int by, uint16_t borderColor, uint16_t fillColor) {
  pane::screenDrawFilledRect(fbScreen, x, y, bx, by, borderColor, fillColor);
}

void fb_dispCustomSprite(int x, int y, uint16_t* sprite, uint16_t tc, uint16_t colormask) {
  pane::screenDispCustomSprite(fbScreen, x, y, sprite, tc, colormask);
}

// Marks the frame as updated even before fb_init; callers may rely on that.
void fb_dispSprite(int x, int y, uint16_t* sprite, uint16_t tc) {
  pane::screenDispCustomSprite(fbScreen, x, y, sprite, tc, 0xFFFF);
  fbScreen.update = 1;
}

void fb_dispChar(int x, int y, int toDisp) { pane::screenDispChar(fbScreen, x, y, toDisp); }

void fb_dispString(int x, int y, const void* toDisp) {
  pane::screenDispString(fbScreen, x, y, toDisp);
}

}  // extern "C"
