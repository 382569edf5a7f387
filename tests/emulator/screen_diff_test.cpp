// Pixel-for-pixel screen comparison and its difference picture.
#include "screen_diff.h"

#include <gtest/gtest.h>

namespace emulator {
namespace {

TEST(ScreenDiff, EqualPicturesHaveNoDifference) {
  const ScreenImage a = solidScreens(0x1234, 0x0042);
  const ScreenDiff diff = compareScreens(a, a);
  EXPECT_TRUE(diff.sameSize);
  EXPECT_EQ(diff.differing, 0u);
  EXPECT_EQ(describe(diff, a, a), "identical (256x384)");
}

TEST(ScreenDiff, CountsAndMarksDifferingPixels) {
  const ScreenImage expected = solidScreens(0x7FFF, 0x0000);
  ScreenImage actual = expected;
  actual.pixels[5 * 256 + 7] = 0x7FFE;
  actual.pixels[300 * 256 + 0] = 0x0400;
  const ScreenDiff diff = compareScreens(expected, actual);
  EXPECT_EQ(diff.differing, 2u);
  EXPECT_EQ(diff.firstX, 7u);
  EXPECT_EQ(diff.firstY, 5u);
  EXPECT_EQ(diff.picture.at(7, 5), 0x001F);
  EXPECT_EQ(diff.picture.at(0, 300), 0x001F);
  EXPECT_EQ(diff.picture.at(8, 5), 0x1CE7);  // white at a quarter
  EXPECT_EQ(describe(diff, expected, actual),
            "2 pixels differ; the first at (7, 5): expected 0x7FFF, got 0x7FFE");
}

TEST(ScreenDiff, OpacityBitIsNotAColour) {
  ScreenImage a = solidScreens(0x0001, 0x0001);
  ScreenImage b = a;
  b.pixels[0] = 0x8001;
  EXPECT_EQ(compareScreens(a, b).differing, 0u);
}

TEST(ScreenDiff, DifferentSizesNeverMatch) {
  const ScreenImage a = solidScreens(0, 0);
  ScreenImage b = a;
  b.height = 192;
  b.pixels.resize(256 * 192);
  const ScreenDiff diff = compareScreens(a, b);
  EXPECT_FALSE(diff.sameSize);
  EXPECT_EQ(describe(diff, a, b), "sizes differ: expected 256x384, got 256x192");
}

TEST(SolidScreens, UpperRowsThenLowerRows) {
  const ScreenImage image = solidScreens(0x03E0, 0x7C00);
  EXPECT_EQ(image.at(255, 191), 0x03E0);
  EXPECT_EQ(image.at(0, 192), 0x7C00);
  EXPECT_EQ(image.pixels.size(), 256u * 384u);
}

}  // namespace
}  // namespace emulator
