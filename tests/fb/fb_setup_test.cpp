// fb_init, the page flip with its refill rules, and the orientation registers.
#include <libpane.h>
#include <nds.h>
#include <nds/host.h>

#include <gtest/gtest.h>

#include "screen_helpers.h"

namespace {

using namespace pane_test;

class FbSetup : public FreshMainScreen {};

struct Affine {
  int16_t xdx, xdy, ydx, ydy;
  int32_t cx, cy;
  bool operator==(const Affine& o) const {
    return xdx == o.xdx && xdy == o.xdy && ydx == o.ydx && ydy == o.ydy && cx == o.cx && cy == o.cy;
  }
};

Affine bg2Affine() { return {REG_BG2PA, REG_BG2PB, REG_BG2PC, REG_BG2PD, REG_BG2X, REG_BG2Y}; }
Affine bg3Affine() { return {REG_BG3PA, REG_BG3PB, REG_BG3PC, REG_BG3PD, REG_BG3X, REG_BG3Y}; }

const Affine kOrientationRegisters[4] = {
    {0x0100, 0, 0, 0x0100, 0, 0},
    {0, -0x0100, 0x0100, 0, 0xBF00, 0},
    {-0x0100, 0, 0, -0x0100, 0xFF00, 0xBF00},
    {0, 0x0100, -0x0100, 0, 0, 0xFF00},
};

TEST_F(FbSetup, InitWritesDisplayBanksLayersAndIdentity) {
  EXPECT_EQ(REG_DISPCNT, 0x00010C05u);
  EXPECT_EQ(VRAM_A_CR, 0x81);
  EXPECT_EQ(VRAM_B_CR, 0x89);
  EXPECT_EQ(REG_BG2CNT, 0x4086);
  EXPECT_EQ(REG_BG3CNT, 0x4887);
  EXPECT_TRUE(bg2Affine() == kOrientationRegisters[0]);
  EXPECT_TRUE(bg3Affine() == kOrientationRegisters[0]);
  EXPECT_EQ(fb_backBuffer(), bankB());
  EXPECT_EQ(fb_returnFrameBuffer(), nullptr);
  EXPECT_FALSE(fb_needsUpdate());
  EXPECT_FALSE(fb_isbgEnabled());
}

TEST_F(FbSetup, InitAgainClearsBothBanksAndEndsThePicture) {
  std::vector<uint16_t> picture = pattern(1);
  fb_setBG(picture.data());
  fb_setBGColor(0x001F);
  fb_setOrientation(2);
  fillPattern(bankA(), 2);
  fb_init();
  EXPECT_TRUE(holdsOnly(bankA(), 0));
  EXPECT_TRUE(holdsOnly(bankB(), 0));
  EXPECT_EQ(fb_returnFrameBuffer(), nullptr);
  EXPECT_FALSE(fb_isbgEnabled());
  EXPECT_FALSE(fb_needsUpdate());
  EXPECT_TRUE(bg2Affine() == kOrientationRegisters[0]);
  fb_swapBuffers();
  EXPECT_TRUE(holdsOnly(fb_backBuffer(), 0)) << "refill colour back to 0";
}

TEST_F(FbSetup, SwapsAlternateThePageStates) {
  fb_swapBuffers();
  EXPECT_EQ(REG_BG2CNT, 0x4087);
  EXPECT_EQ(REG_BG3CNT, 0x4886);
  EXPECT_EQ(fb_backBuffer(), bankA());
  EXPECT_TRUE(holdsOnly(bankA(), 0)) << "refilled with colour 0";
  fb_swapBuffers();
  EXPECT_EQ(REG_BG2CNT, 0x4086);
  EXPECT_EQ(REG_BG3CNT, 0x4887);
  EXPECT_EQ(fb_backBuffer(), bankB());
  EXPECT_EQ(REG_DISPCNT, 0x00010C05u);
}

// Frame 2 is drawn into bank B, frame 0 (two swaps old) waits in bank A; the
// swap shows bank B and refills bank A by the first rule that applies.
TEST_F(FbSetup, SwapRefillsByTheFirstRuleThatApplies) {
  enum Expect { kShownFrame, kOldFrame, kPicture, kColour };
  struct Case {
    const char* name;
    bool preserve, disabled, picture;
    Expect expect;
  };
  const Case cases[] = {
      {"no request, colour", false, false, false, kColour},
      {"preserve", true, false, false, kShownFrame},
      {"disabled", false, true, false, kOldFrame},
      {"both requests", true, true, false, kShownFrame},
      {"picture", false, false, true, kPicture},
      {"picture, preserve", true, false, true, kShownFrame},
      {"picture, disabled", false, true, true, kOldFrame},
  };
  const std::vector<uint16_t> picture = pattern(7);
  for (const Case& c : cases) {
    SetUp();
    fb_setBGColor(0x001F);
    if (c.picture) fb_setBG(const_cast<uint16_t*>(picture.data()));
    fillPattern(bankB(), 2);
    fillPattern(bankA(), 0);
    libPANE_bgPreserve = c.preserve;
    libPANE_bgDisabled = c.disabled;
    fb_swapBuffers();
    EXPECT_FALSE(libPANE_bgPreserve) << c.name;
    EXPECT_FALSE(libPANE_bgDisabled) << c.name;
    EXPECT_TRUE(holdsPattern(bankB(), 2)) << c.name << ": the shown frame is left alone";
    switch (c.expect) {
      case kShownFrame:
        EXPECT_TRUE(holdsPattern(bankA(), 2)) << c.name;
        break;
      case kOldFrame:
        EXPECT_TRUE(holdsPattern(bankA(), 0)) << c.name;
        break;
      case kPicture:
        EXPECT_TRUE(holdsPattern(bankA(), 7)) << c.name;
        break;
      case kColour:
        EXPECT_TRUE(holdsOnly(bankA(), 0x801F)) << c.name;
        break;
    }
  }
}

TEST_F(FbSetup, SwapKeepsTheUpdateFlag) {
  fb_setPixel(1, 1, 0);
  fb_swapBuffers();
  fb_swapBuffers();
  EXPECT_TRUE(fb_needsUpdate());
}

TEST_F(FbSetup, OrientationWritesItsRowToBothLayers) {
  for (int orientation = 3; orientation >= 0; --orientation) {
    fb_setOrientation(orientation == 0 ? 1 : 0);
    fb_setOrientation(orientation);
    EXPECT_TRUE(bg2Affine() == kOrientationRegisters[orientation]) << orientation;
    EXPECT_TRUE(bg3Affine() == kOrientationRegisters[orientation]) << orientation;
  }
}

void markAffineRegisters() {
  REG_BG2PA = 0x1234;
  REG_BG3Y = 0x5678;
}

bool affineRegistersMarked() { return REG_BG2PA == 0x1234 && REG_BG3Y == 0x5678; }

TEST_F(FbSetup, OrientationWritesOnlyWhenItChangesToAValidValue) {
  fb_setOrientation(2);
  markAffineRegisters();
  fb_setOrientation(2);
  EXPECT_TRUE(affineRegistersMarked()) << "same orientation again";
  fb_setOrientation(5);
  EXPECT_TRUE(affineRegistersMarked()) << "orientation 5";
  fb_setOrientation(0);
  EXPECT_TRUE(bg2Affine() == kOrientationRegisters[0]);
  EXPECT_TRUE(bg3Affine() == kOrientationRegisters[0]);
  markAffineRegisters();
  fb_setOrientation(0);
  EXPECT_TRUE(affineRegistersMarked());
}

}  // namespace
