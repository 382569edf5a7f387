// Rectangle fill: corner order, row limits, column bounds; MAXFB and xorSwap.
#include <gtest/gtest.h>

#include <libpane.h>

#include "sprite_builder.h"

using namespace pane_test;

namespace {

struct RectCase {
  int x, y, bx, by, maxY;
  int left, top, right, bottom;  // expected filled area; right < left for none
};

TEST(DrawRect, FillsNormalisedRectangleWithinLimits) {
  const RectCase cases[] = {
      {10, 5, 10, 5, 191, 10, 5, 10, 5},      // one pixel
      {20, 8, 10, 2, 191, 10, 2, 20, 8},      // both corners swapped
      {0, -5, 3, 3, 191, 0, 0, 3, 3},         // starts above row 0
      {4, 180, 6, 250, 191, 4, 180, 6, 191},  // cut at the bottom limit, inclusive
      {4, 195, 6, 2, 191, 0, 0, -1, 0},       // y below the limit: nothing, even with by < y
      {4, -9, 6, -1, 191, 0, 0, -1, 0},       // wholly above the buffer
      {4, 0, 6, 3, -1, 0, 0, -1, 0},          // negative limit
      {-5, 1, 2, 1, 191, 0, 1, 2, 1},         // columns kept inside the row
      {250, 1, 300, 1, 191, 250, 1, 255, 1}, {300, 1, 280, 1, 191, 0, 0, -1, 0},
  };
  for (const RectCase& k : cases) {
    SCOPED_TRACE(testing::Message() << k.x << "," << k.y << " - " << k.bx << "," << k.by);
    Canvas c;
    drawRect(k.x, k.y, k.bx, k.by, 0x001F, c.data(), k.maxY);
    const int expected = k.right < k.left ? 0 : (k.right - k.left + 1) * (k.bottom - k.top + 1);
    EXPECT_EQ(c.countNot(kBlank), expected);
    if (expected > 0) {
      EXPECT_EQ(c.at(k.left, k.top), 0x801F);
      EXPECT_EQ(c.at(k.right, k.bottom), 0x801F);
    }
    EXPECT_TRUE(c.guardsIntact());
    drawRect(k.x, k.y, k.bx, k.by, 0x001F, nullptr, k.maxY);  // no buffer: a no-op, not a fault
  }
}

TEST(MaxFb, ReturnsTheLarger) {
  EXPECT_EQ(MAXFB(3, 7), 7);
  EXPECT_EQ(MAXFB(7, 3), 7);
  EXPECT_EQ(MAXFB(-4, -9), -4);
  EXPECT_EQ(MAXFB(5, 5), 5);
}

TEST(XorSwap, ExchangesAndLeavesOneIntAlone) {
  int a = 12, b = -7;
  xorSwap(&a, &b);
  EXPECT_EQ(a, -7);
  EXPECT_EQ(b, 12);
  xorSwap(&a, &a);
  EXPECT_EQ(a, -7);
  xorSwap(&a, nullptr);
  EXPECT_EQ(a, -7);
}

}  // namespace
