// Both screens at once through the display model: the main screen above, the
// sub screen below.
#include <libpane.h>
#include <nds.h>
#include <nds/host.h>

#include <gtest/gtest.h>

#include "golden.h"

namespace {

TEST(BgDisplay, ShowsTheSubScreenBelowTheMainScreen) {
  hostReset();
  libPANE_bgPreserve = false;
  libPANE_bgDisabled = false;
  fb_init();
  bg_init();
  fb_setBGColor(0x2108);
  fb_drawFilledRect(16, 16, 239, 175, 0x7FFF, 0x001F);
  bg_setBGColor(0x0C63);
  bg_drawFilledRect(32, 24, 127, 167, 0x7FFF, 0x03E0);
  bg_setPixel(200, 100, 0x7C00);
  fb_swapBuffers();
  bg_swapBuffers();
  const pane_test::RgbaPicture picture = pane_test::renderScreens();
  EXPECT_EQ(picture.pixels[20 * 256 + 20], pane_test::rgbaOf(0x001F));
  EXPECT_EQ(picture.pixels[(192 + 100) * 256 + 200], pane_test::rgbaOf(0x7C00));
  EXPECT_EQ(picture.pixels[(192 + 30) * 256 + 40], pane_test::rgbaOf(0x03E0));
  EXPECT_TRUE(pane_test::screensMatchGolden("screens_main_and_sub"));
}

}  // namespace
