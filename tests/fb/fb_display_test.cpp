// What the main screen shows, through the display model: the page in front
// after each swap and an asymmetric picture in all four orientations.
#include <libpane.h>
#include <nds.h>
#include <nds/host.h>

#include <gtest/gtest.h>

#include <string>

#include "golden.h"
#include "screen_helpers.h"

namespace {

using namespace pane_test;

class FbDisplay : public FreshMainScreen {};

// Gradients (red by column, green by row, blue below row 191), a white block
// near the top-left corner, a yellow bar at the right, a cyan bar near the
// bottom and a transparent square in the middle.
void drawAsymmetricPicture() {
  uint16_t* buffer = fb_backBuffer();
  for (int y = 0; y < 256; ++y) {
    for (int x = 0; x < 256; ++x) {
      const int blue = y >= 192 ? 20 : 0;
      buffer[y * 256 + x] = static_cast<uint16_t>(0x8000 | (x >> 3) | (y >> 3) << 5 | blue << 10);
    }
  }
  fb_drawRect(8, 8, 47, 23, 0x7FFF);
  fb_drawRect(236, 8, 247, 100, 0x03FF);
  fb_drawRect(8, 240, 127, 247, 0x7FE0);
  for (int y = 88; y < 104; ++y)
    for (int x = 120; x < 136; ++x) buffer[y * 256 + x] = 0;
}

// Screen pixel (sx, sy) shows buffer pixel (column, row) in each orientation.
void shownPixel(int orientation, int sx, int sy, int& column, int& row) {
  switch (orientation) {
    case 0:
      column = sx, row = sy;
      break;
    case 1:
      column = 191 - sy, row = sx;
      break;
    case 2:
      column = 255 - sx, row = 191 - sy;
      break;
    default:
      column = sy, row = 255 - sx;
      break;
  }
}

TEST_F(FbDisplay, ShowsEachOrientationAsItsTableSays) {
  for (int orientation = 0; orientation < 4; ++orientation) {
    SetUp();
    drawAsymmetricPicture();
    fb_swapBuffers();
    fb_setOrientation(orientation);
    const RgbaPicture picture = renderScreens();
    const uint16_t* shown = bankB();
    int wrong = 0;
    for (int sy = 0; sy < 192; ++sy) {
      for (int sx = 0; sx < 256; ++sx) {
        int column, row;
        shownPixel(orientation, sx, sy, column, row);
        const uint16_t pixel = shown[row * 256 + column];
        const uint32_t expected = rgbaOf((pixel & 0x8000) ? pixel : 0);
        if (picture.pixels[sy * 256 + sx] != expected && wrong++ == 0)
          ADD_FAILURE() << "orientation " << orientation << ": (" << sx << ", " << sy << ")";
      }
    }
    EXPECT_EQ(wrong, 0) << "orientation " << orientation;
    EXPECT_TRUE(screensMatchGolden("fb_orientation_" + std::to_string(orientation)));
  }
}

TEST_F(FbDisplay, SwapPutsTheDrawnPageInFront) {
  fb_setBGColor(0x7C00);
  fb_drawRect(10, 10, 19, 19, 0x001F);
  fb_swapBuffers();
  fb_drawRect(100, 100, 109, 109, 0x03E0);
  RgbaPicture picture = renderScreens();
  EXPECT_EQ(picture.pixels[10 * 256 + 10], rgbaOf(0x001F));
  EXPECT_EQ(picture.pixels[100 * 256 + 100], rgbaOf(0x7C00)) << "the new drawing waits behind";
  fb_swapBuffers();
  picture = renderScreens();
  EXPECT_EQ(picture.pixels[10 * 256 + 10], rgbaOf(0x7C00));
  EXPECT_EQ(picture.pixels[100 * 256 + 100], rgbaOf(0x03E0));
}

}  // namespace
