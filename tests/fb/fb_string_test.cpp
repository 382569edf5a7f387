// Characters and strings on the main screen: placement from the clipping
// rectangle, the rectangle's reset at each swap, and the buffer's last row.
#include <libpane.h>
#include <nds.h>
#include <nds/host.h>

#include <gtest/gtest.h>

#include "screen_helpers.h"
#include "test_font.h"

namespace {

using namespace pane_test;

constexpr uint16_t kGlyphPixel = 0xFFFF;  // kInk under the colour mask 0x7FFF

class FbString : public FreshMainScreen {
 protected:
  void SetUp() override {
    FreshMainScreen::SetUp();
    font_.underline(5);
    setFont(font_.table());
    setColor(0x7FFF);
  }
  void TearDown() override {
    setUnderline(false);
    setStrikeThrough(false);
    clearHighlight();
    fb_enableClipping();
  }
  uint16_t at(int x, int y) { return fb_backBuffer()[y * 256 + x]; }
  // Whether a glyph of the 6 x 8 test font starts at (x, y).
  bool glyphAt(int x, int y) {
    return at(x, y) == kGlyphPixel && at(x + 5, y + 7) == kGlyphPixel &&
           (x == 0 || at(x - 1, y) == 0) && (y == 0 || at(x, y - 1) == 0);
  }

  TestFont font_{6, 8};
};

TEST_F(FbString, StartsAtTheRectangleCornerWithClippingOnOrOff) {
  for (bool clipping : {true, false}) {
    SetUp();
    if (!clipping) fb_disableClipping();
    fb_setClipping(40, 30, 200, 150);
    char text[] = "A";
    fb_dispString(5, 5, text);
    EXPECT_TRUE(glyphAt(45, 35)) << (clipping ? "clipping on" : "clipping off");
    EXPECT_EQ(countNot(fb_backBuffer(), 0), 6 * 8);
    EXPECT_TRUE(fb_needsUpdate());
  }
}

TEST_F(FbString, CharactersIgnoreTheRectangle) {
  fb_setClipping(40, 30, 200, 150);
  fb_dispChar(3, 4, 'A');
  EXPECT_TRUE(glyphAt(3, 4));
  EXPECT_TRUE(fb_needsUpdate());
}

TEST_F(FbString, SwapRestoresTheFullRectangleAndKeepsTheSwitch) {
  fb_disableClipping();
  fb_setClipping(40, 30, 200, 150);  // stores the rectangle, leaves clipping off
  fb_swapBuffers();
  char line[] = "AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA AAAAAAAAAAAAAAA";  // 52 glyphs, 312 px
  fb_dispString(0, 0, line);
  EXPECT_TRUE(glyphAt(0, 0)) << "rectangle back to (0, 0, 256, 256)";
  EXPECT_EQ(at(0, 10), 0) << "clipping still off: no wrap";

  fb_enableClipping();
  fb_swapBuffers();
  fb_dispString(0, 0, line);
  EXPECT_TRUE(glyphAt(0, 10)) << "clipping on: the last word wraps";
}

// The default rectangle's bottom is 256; lines, bands and the cursor bar of a
// line at row 251 would reach row 256, which here is the front bank's row 0.
TEST_F(FbString, DecorationsStopAtTheBuffersLastRow) {
  fb_swapBuffers();
  ASSERT_EQ(fb_backBuffer(), bankA());
  fillPattern(bankB(), 9);
  setUnderline(true);
  setStrikeThrough(true);
  setHighlight(0, 3);
  char text[] = "A A";
  fb_dispString(0, 251, text);
  EXPECT_TRUE(holdsPattern(bankB(), 9));
  EXPECT_EQ(at(0, 255), kGlyphPixel);
}

}  // namespace
