// The sub screen: set-up of the sub engine, the DMA swap and its refill, and
// the operations the dialog boxes use, on the same logic as the main screen.
#include <libpane.h>
#include <nds.h>
#include <nds/host.h>

#include <gtest/gtest.h>

#include "heap_watch.h"
#include "screen_helpers.h"
#include "sprite_builder.h"
#include "test_font.h"

namespace {

using namespace pane_test;

class Bg : public ::testing::Test {
 protected:
  void SetUp() override {
    hostReset();
    libPANE_bgPreserve = false;
    libPANE_bgDisabled = false;
    bg_init();
  }
  uint16_t at(int x, int y) { return bg_backBuffer()[y * 256 + x]; }
};

TEST_F(Bg, InitSetsUpOneBitmapLayerOnBankC) {
  EXPECT_EQ(REG_DISPCNT_SUB, 0x00010805u);
  EXPECT_EQ(VRAM_C_CR, 0x84);
  EXPECT_EQ(REG_BG3CNT_SUB, 0x4084);
  EXPECT_EQ(REG_BG3PA_SUB, 0x100);
  EXPECT_EQ(REG_BG3PB_SUB, 0);
  EXPECT_EQ(REG_BG3PC_SUB, 0);
  EXPECT_EQ(REG_BG3PD_SUB, 0x100);
  EXPECT_EQ(REG_BG3X_SUB, 0);
  EXPECT_EQ(REG_BG3Y_SUB, 0);
  EXPECT_EQ(REG_DISPCNT, 0u) << "the main engine is fb_init's";
  ASSERT_NE(bg_backBuffer(), nullptr);
  EXPECT_TRUE(holdsOnly(bg_backBuffer(), 0));
  EXPECT_EQ(bg_returnFrameBuffer(), nullptr);
  EXPECT_FALSE(bg_isbgEnabled());
  EXPECT_FALSE(bg_needsUpdate());
}

TEST_F(Bg, InitAgainKeepsItsBackBufferAndClearsEverything) {
  const unsigned before = bufferBlockRequests();
  uint16_t* back = bg_backBuffer();
  std::vector<uint16_t> picture = pattern(1);
  bg_setBG(picture.data());
  fillPattern(VRAM_C, 2);
  bg_init();
  EXPECT_EQ(bg_backBuffer(), back);
  EXPECT_EQ(bufferBlockRequests() - before, 1u) << "only the background copy";
  EXPECT_TRUE(holdsOnly(back, 0));
  EXPECT_TRUE(holdsOnly(VRAM_C, 0));
  EXPECT_EQ(bg_returnFrameBuffer(), nullptr);
  EXPECT_FALSE(bg_isbgEnabled());
}

TEST_F(Bg, SwapCopiesTheBackBufferToBankCByDmaThenRefillsWithTheColour) {
  bg_setBGColor(0x001F);
  fillPattern(bg_backBuffer(), 3);
  bg_swapBuffers();
  EXPECT_TRUE(holdsPattern(VRAM_C, 3));
  EXPECT_EQ(hostDmaCopyCount(), 1u);
  EXPECT_EQ(DMA3_CR, 0x10000u) << "65,536 halfwords";
  EXPECT_TRUE(holdsOnly(bg_backBuffer(), 0x801F));
}

TEST_F(Bg, SwapRefillsFromThePictureWhileOneIsInUse) {
  std::vector<uint16_t> picture = pattern(4);
  bg_setBG(picture.data());
  EXPECT_TRUE(bg_isbgEnabled());
  ASSERT_NE(bg_returnFrameBuffer(), nullptr);
  bg_setPixel(0, 0, 0x001F);
  bg_swapBuffers();
  EXPECT_EQ(VRAM_C[0], 0x801F);
  EXPECT_EQ(VRAM_C[1], patternPixel(1, 4));
  EXPECT_TRUE(holdsPattern(bg_backBuffer(), 4));
  bg_eraseBG();
  bg_swapBuffers();
  EXPECT_TRUE(holdsOnly(bg_backBuffer(), 0x8000));
  EXPECT_EQ(bg_returnFrameBuffer(), nullptr);
}

TEST_F(Bg, SwapLeavesTheMainScreensRequestsAlone) {
  libPANE_bgDisabled = true;
  libPANE_bgPreserve = true;
  bg_setBGColor(0x03E0);
  fillPattern(bg_backBuffer(), 5);
  bg_swapBuffers();
  EXPECT_TRUE(holdsOnly(bg_backBuffer(), 0x83E0));
  EXPECT_TRUE(libPANE_bgDisabled);
  EXPECT_TRUE(libPANE_bgPreserve);
  libPANE_bgDisabled = false;
  libPANE_bgPreserve = false;
}

TEST_F(Bg, TextFollowsTheRectangleUntilTheNextSwap) {
  TestFont font(6, 8);
  setFont(font.table());
  setColor(0x7FFF);
  char text[] = "A";
  bg_setClipping(40, 30, 200, 150);
  bg_dispString(5, 5, text);
  EXPECT_EQ(at(45, 35), 0xFFFF);
  EXPECT_EQ(countNot(bg_backBuffer(), 0), 6 * 8);
  bg_swapBuffers();
  bg_dispString(5, 5, text);
  EXPECT_EQ(at(5, 5), 0xFFFF);
  EXPECT_TRUE(bg_needsUpdate());
}

TEST_F(Bg, DrawsWithTheMainScreensLimits) {
  const Record tile = plainSprite(8, 2, 0x001F);
  bg_dispCustomSprite(252, 0, const_cast<uint16_t*>(tile.data()), 0x7C00, 0xFFFF);
  EXPECT_EQ(countNot(bg_backBuffer(), 0), 8);
  bg_clear();
  bg_drawRect(250, 250, 300, 300, 0);
  EXPECT_EQ(countNot(bg_backBuffer(), 0), 36);
  EXPECT_EQ(at(255, 255), 0x8000);
  bg_clear();
  bg_drawFilledRect(10, 10, 20, 20, 0x001F, 0x03E0);
  EXPECT_EQ(at(10, 10), 0x801F);
  EXPECT_EQ(at(15, 15), 0x83E0);
  bg_clear();
  bg_setPixel(256, 0, 1);
  bg_dispSprite(-8, 0, const_cast<uint16_t*>(tile.data()), 0x7C00);
  EXPECT_TRUE(holdsOnly(bg_backBuffer(), 0));
}

}  // namespace
