// Dialog boxes drawn for real on the main screen and on the sub screen: the
// pixels of the frame, the text placed in the box, the animation's frames and
// swaps, the background picture around the animation, and buffer bounds.
#include <gtest/gtest.h>
#include <nds.h>
#include <nds/host.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "sprite_builder.h"
#include "test_font.h"

using namespace pane_test;

namespace {

constexpr uint16_t kMarker = 0x1234;  // "untouched": never written by a box
constexpr uint16_t kInterior = 0x8000;
constexpr uint16_t kTextColour = 0x83E0;
// The frame seen from outside in, on every side: greys 21, 23, 26, 28, white, black.
const uint16_t kProfile[6] = {0xD6B5, 0xDEF7, 0xEB5A, 0xF39C, 0xFFFF, 0x8000};

// The operations one screen offers, so every test runs on both screens.
struct ScreenOps {
  const char* name;
  void (*init)();
  uint16* (*backBuffer)();
  uint16* (*frontBuffer)();
  void (*setDialogBox)(int, int, int, int);
  void (*dispAnimatedBox)(int, int, int, int, int, int, const void*);
  void (*setBG)(uint16*);
  uint16* (*returnFrameBuffer)();
  void (*drawRect)(int, int, int, int, uint16);
  void (*dispString)(int, int, const void*);
  unsigned dmaPerSwap;  // the sub screen shows its back buffer by DMA
};

uint16* mainFront() { return fb_backBuffer() == VRAM_A ? VRAM_B : VRAM_A; }
uint16* subFront() { return VRAM_C; }

const ScreenOps kMain = {"main",
                         fb_init,
                         fb_backBuffer,
                         mainFront,
                         fb_setDialogBox,
                         fb_dispAnimatedBox,
                         fb_setBG,
                         fb_returnFrameBuffer,
                         fb_drawRect,
                         fb_dispString,
                         0};
const ScreenOps kSub = {"sub",
                        bg_init,
                        bg_backBuffer,
                        subFront,
                        bg_setDialogBox,
                        bg_dispAnimatedBox,
                        bg_setBG,
                        bg_returnFrameBuffer,
                        bg_drawRect,
                        bg_dispString,
                        1};

struct Extent {
  int width, height;
  bool operator==(const Extent& o) const { return width == o.width && height == o.height; }
};

std::ostream& operator<<(std::ostream& os, const Extent& e) {
  return os << e.width << " x " << e.height;
}

uint16_t pixel(const uint16* buffer, int x, int y) { return buffer[y * 256 + x]; }

// Size of a box with its top-left corner at (x, y) drawn over `empty`: the
// corners' last row and column are opaque up to the box's far edges.
Extent boxExtent(const uint16* buffer, int x, int y, uint16_t empty) {
  int right = x + 5, bottom = y + 5;
  for (int c = x; c < 256; ++c)
    if (pixel(buffer, c, y + 5) != empty) right = c;
  for (int r = y; r < 256; ++r)
    if (pixel(buffer, x + 5, r) != empty) bottom = r;
  return {right - x + 1, bottom - y + 1};
}

struct Bounds {
  int left = 256, top = 256, right = -1, bottom = -1;
};

Bounds boundsOf(const uint16* buffer, uint16_t colour) {
  Bounds b;
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x)
      if (pixel(buffer, x, y) == colour) {
        b.left = std::min(b.left, x), b.right = std::max(b.right, x);
        b.top = std::min(b.top, y), b.bottom = std::max(b.bottom, y);
      }
  return b;
}

void fill(uint16* buffer, uint16_t colour) { std::fill(buffer, buffer + 256 * 256, colour); }

// What each vertical blank of an animation found in the back buffer.
struct Frames {
  const ScreenOps* screen;
  int x, y;
  std::vector<Extent> sizes;
  std::vector<uint16*> backBuffers;
  std::vector<uint16_t> probe;  // pixel at (probeX, probeY)
  int probeX = 0, probeY = 0;
  int saved = 0;
};

void onVBlank(void* context) {
  Frames& f = *static_cast<Frames*>(context);
  uint16* back = f.screen->backBuffer();
  f.sizes.push_back(boxExtent(back, f.x, f.y, pixel(back, 255, 0)));
  f.backBuffers.push_back(back);
  f.probe.push_back(pixel(back, f.probeX, f.probeY));
  // PANELKIT_FRAMES=<dir> keeps every frame as a picture of both screens
  // (shown after the swap that follows, so the picture lags one frame).
  if (const char* dir = std::getenv("PANELKIT_FRAMES")) {
    const std::string path =
        std::string(dir) + "/" + f.screen->name + "_" + std::to_string(f.saved++) + ".png";
    hostSaveScreens(path.c_str());
  }
}

class ScreenBox : public ::testing::TestWithParam<const ScreenOps*> {
 protected:
  void SetUp() override {
    hostReset();
    drawNormal();
    setItalics(false);
    fb_init();
    bg_init();
    frames.screen = &ops();
  }
  void TearDown() override { hostReset(); }
  const ScreenOps& ops() { return *GetParam(); }
  uint16* back() { return ops().backBuffer(); }
  void watch(int x, int y) {
    frames.x = x, frames.y = y;
    hostOnVBlank(onVBlank, &frames);
  }
  Frames frames;
};

TEST_P(ScreenBox, FramePixelsOfTenTwentyHundredByFifty) {
  fill(back(), kMarker);
  ops().setDialogBox(10, 20, 100, 50);
  const uint16* b = back();

  int changed = 0, outside = 0;
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) {
      const bool inBox = x >= 10 && x <= 109 && y >= 20 && y <= 69;
      if (pixel(b, x, y) != kMarker) (inBox ? changed : outside)++;
    }
  EXPECT_EQ(outside, 0);
  EXPECT_EQ(changed, 100 * 50 - 4 * 8) << "all but the corners' 8 transparent pixels each";
  for (auto [x, y] : {std::pair{10, 20}, {109, 20}, {109, 69}, {10, 69}, {13, 20}, {10, 23}})
    EXPECT_EQ(pixel(b, x, y), kMarker) << "transparent corner pixel " << x << ", " << y;

  for (int y = 26; y <= 64; ++y)
    for (int x = 16; x <= 104; ++x) ASSERT_EQ(pixel(b, x, y), kInterior) << x << ", " << y;

  for (int i = 0; i < 6; ++i) {
    for (int x : {16, 60, 103}) {
      EXPECT_EQ(pixel(b, x, 20 + i), kProfile[i]) << "top edge, column " << x;
      if (i > 0) {
        EXPECT_EQ(pixel(b, x, 69 - i), kProfile[i]) << "bottom edge, column " << x;
      }
    }
    for (int y : {26, 45, 63}) {
      EXPECT_EQ(pixel(b, 10 + i, y), kProfile[i]) << "left edge, row " << y;
      if (i > 0) {
        EXPECT_EQ(pixel(b, 109 - i, y), kProfile[i]) << "right edge, row " << y;
      }
    }
  }
  EXPECT_EQ(pixel(b, 109, 64), kProfile[0]) << "bottom-right corner's top-right pixel";
}

TEST_P(ScreenBox, WidthTwelveCornersTouch) {
  fill(back(), kMarker);
  ops().setDialogBox(30, 40, 12, 20);
  const uint16* b = back();
  for (int x = 30; x < 42; ++x) {
    EXPECT_NE(pixel(b, x, 45), kMarker) << "row 45 is closed across, column " << x;
    EXPECT_EQ(pixel(b, x, 40), x < 34 || x > 37 ? kMarker : kProfile[0]) << "column " << x;
  }
  EXPECT_EQ(pixel(b, 36, 47), kInterior);
  EXPECT_EQ(boxExtent(b, 30, 40, kMarker), (Extent{12, 20}));
}

TEST_P(ScreenBox, TextStartsInsideTheClippingRectangle) {
  TestFont font(4, 8);
  setFont(font.table());
  setColor(0x03E0);
  char text[] = "X";
  ops().setDialogBox(10, 20, 100, 50);
  ops().dispString(3, 4, text);
  Bounds b = boundsOf(back(), kTextColour);
  EXPECT_EQ(b.left, 19);
  EXPECT_EQ(b.top, 30);

  // The bottom bound is 58, one tile above the interior's last row 64.
  ops().setDialogBox(10, 20, 100, 50);
  ops().dispString(40, 27, text);
  b = boundsOf(back(), kTextColour);
  EXPECT_EQ(b.right, 59);
  EXPECT_EQ(b.bottom, 57);
}

TEST_P(ScreenBox, AnimationGrowsTheBoxOneFramePerVerticalBlank) {
  TestFont font(4, 8);
  setFont(font.table());
  setColor(0x03E0);
  char text[] = "X";
  watch(10, 20);
  const unsigned dmaBefore = hostDmaCopyCount();
  ops().dispAnimatedBox(10, 20, 200, 100, 3, 4, text);

  std::vector<Extent> expected;
  for (int s = 25; s < 200; s += 15) expected.push_back({s, s < 100 ? s : 100});
  EXPECT_EQ(frames.sizes, expected);
  EXPECT_EQ(hostVBlankCount(), 12u);
  EXPECT_EQ(hostDmaCopyCount() - dmaBefore, 12 * ops().dmaPerSwap) << "twelve swaps";
  if (&ops() == &kMain) {
    ASSERT_EQ(frames.backBuffers.size(), 12u);
    for (size_t k = 0; k < 12; ++k)
      EXPECT_EQ(frames.backBuffers[k], k % 2 ? VRAM_A : VRAM_B) << "a swap after frame " << k;
    EXPECT_EQ(back(), VRAM_B) << "twelve swaps, none after the last frame";
  }

  // The full box and its text wait in the back buffer; the screen still
  // shows the last animation frame.
  EXPECT_EQ(boxExtent(back(), 10, 20, 0), (Extent{200, 100}));
  EXPECT_EQ(boxExtent(ops().frontBuffer(), 10, 20, 0), (Extent{190, 100}));
  const Bounds t = boundsOf(back(), kTextColour);
  EXPECT_EQ(t.left, 19);
  EXPECT_EQ(t.top, 30);
}

TEST_P(ScreenBox, SmallBoxOpensWithoutAnimation) {
  char text[] = "";
  watch(0, 0);
  uint16* backBefore = back();
  ops().dispAnimatedBox(0, 0, 25, 25, 0, 0, text);
  EXPECT_EQ(hostVBlankCount(), 0u);
  EXPECT_EQ(back(), backBefore);
  EXPECT_EQ(boxExtent(back(), 0, 0, 0), (Extent{25, 25}));
}

TEST_P(ScreenBox, TallNarrowBoxAnimatesItsHeight) {
  char text[] = "";
  watch(100, 0);
  ops().dispAnimatedBox(100, 0, 40, 300, 0, 0, text);
  ASSERT_EQ(frames.sizes.size(), 19u);
  EXPECT_EQ(frames.sizes[0], (Extent{25, 25}));
  for (size_t k = 1; k < frames.sizes.size(); ++k) {
    const int height = 25 + 15 * static_cast<int>(k);
    EXPECT_EQ(frames.sizes[k], (Extent{40, height < 256 ? height : 256})) << "frame " << k;
  }
}

TEST_P(ScreenBox, BackgroundPictureIsTheSameAfterTheAnimation) {
  std::vector<uint16_t> picture(256 * 256);
  for (size_t i = 0; i < picture.size(); ++i)
    picture[i] = static_cast<uint16_t>(0x8000 | (i % 0x7C00));
  ops().setBG(picture.data());
  // Drawn before the call: the animation frames keep it, the picture does not.
  ops().drawRect(200, 200, 210, 210, 0x7C00);
  frames.probeX = 205, frames.probeY = 205;
  watch(10, 20);
  const unsigned dmaBefore = hostDmaCopyCount();
  char text[] = "";
  ops().dispAnimatedBox(10, 20, 100, 60, 0, 0, text);

  const uint16* kept = ops().returnFrameBuffer();
  ASSERT_NE(kept, nullptr);
  EXPECT_TRUE(std::equal(picture.begin(), picture.end(), kept));
  EXPECT_EQ(hostDmaCopyCount() - dmaBefore, 3 + 5 * ops().dmaPerSwap);
  ASSERT_EQ(frames.probe.size(), 5u);
  for (uint16_t p : frames.probe) EXPECT_EQ(p, 0xFC00);
  EXPECT_EQ(pixel(back(), 205, 205), 0xFC00);
  EXPECT_EQ(pixel(back(), 0, 255), picture[255 * 256]);
}

TEST_P(ScreenBox, BoxesReachingPastTheColumnsStayInTheBuffer) {
  struct Case {
    int x, y, width, height;
  };
  const Case cases[] = {{200, 10, 100, 40},
                        {-50, 10, 100, 40},
                        {200, 230, 100, 26},
                        {-60, 240, 100, 40},
                        {-300, 0, 600, 100}};
  uint16* b = back();
  const bool backInVram = b == VRAM_A || b == VRAM_B;
  const size_t backStart = backInVram ? static_cast<size_t>(b - VRAM_A) : 0;
  fill(b, kMarker);
  const std::vector<uint16_t> vramBefore(hostVramMemory,
                                         hostVramMemory + 4 * HOST_VRAM_BANK_HALFWORDS);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << ", " << c.y << ", " << c.width << " x " << c.height);
    fill(b, kMarker);
    ops().setDialogBox(c.x, c.y, c.width, c.height);
    for (int y = 0; y < 256; ++y)
      for (int x = 0; x < 256; ++x) {
        const bool inBox = x >= c.x && x < c.x + c.width && y >= c.y && y < c.y + c.height;
        if (!inBox) {
          ASSERT_EQ(pixel(b, x, y), kMarker) << x << ", " << y;
        }
      }
  }
  // Nothing else in video memory changed: the other banks, the front buffer.
  for (size_t i = 0; i < vramBefore.size(); ++i) {
    if (backInVram && i >= backStart && i < backStart + 256 * 256) continue;
    ASSERT_EQ(hostVramMemory[i], vramBefore[i]) << "VRAM halfword " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenBox, ::testing::Values(&kMain, &kSub),
                         [](const auto& info) { return std::string(info.param->name); });

}  // namespace
