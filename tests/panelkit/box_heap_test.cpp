// The opening animation when the heap cannot supply its temporary picture
// block: the animation runs, nothing is copied, the background stays as it was.
// This executable links with malloc wrapped so that picture-sized blocks can fail.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "recording_target.h"

using namespace panelkit_test;

namespace {
// Armed only around the call under test: the tests' own pictures are the same size.
bool failPictureBlocks = false;
constexpr size_t kPictureBytes = 256 * 256 * 2;
}  // namespace

extern "C" void* __real_malloc(size_t size);
extern "C" void* __wrap_malloc(size_t size) {
  if (failPictureBlocks && size == kPictureBytes) return nullptr;
  return __real_malloc(size);
}

namespace {

class BoxWithoutHeap : public ::testing::Test {
 protected:
  void SetUp() override { startRecording(); }
  void TearDown() override {
    failPictureBlocks = false;
    hostReset();
  }
};

TEST_F(BoxWithoutHeap, AnimationRunsAndLeavesThePictureAlone) {
  rec.bgEnabled = true;
  std::iota(rec.picture.begin(), rec.picture.end(), uint16_t{0x8000});
  const std::vector<uint16_t> picture = rec.picture;
  failPictureBlocks = true;
  pane::openDialogBox(kRecordingTarget, 10, 20, 200, 100, 0, 0, "Hi");
  failPictureBlocks = false;

  std::vector<std::string> expected = {"isbg"};
  for (int s = 25; s < 200; s += 15)
    expected.insert(expected.end(),
                    {clipOf(10, 20, s, s < 100 ? s : 100), "update", "vblank", "swap"});
  expected.insert(expected.end(),
                  {clipOf(10, 20, 200, 100), "update", "text 0 0 Hi", "isbg", "update"});
  EXPECT_EQ(outline(), expected);
  EXPECT_EQ(hostDmaCopyCount(), 0u);
  EXPECT_EQ(rec.picture, picture);
}

struct Screen {
  const char* name;
  void (*setBG)(uint16*);
  uint16* (*returnFrameBuffer)();
  void (*dispAnimatedBox)(int, int, int, int, int, int, const void*);
  unsigned dmaPerSwap;  // the sub screen shows its back buffer by DMA
};

TEST_F(BoxWithoutHeap, ScreensKeepTheirPictureAndStillAnimate) {
  const Screen screens[] = {
      {"main", fb_setBG, fb_returnFrameBuffer, fb_dispAnimatedBox, 0},
      {"sub", bg_setBG, bg_returnFrameBuffer, bg_dispAnimatedBox, 1},
  };
  std::vector<uint16_t> picture(256 * 256);
  std::iota(picture.begin(), picture.end(), uint16_t{0x8000});
  for (const Screen& screen : screens) {
    SCOPED_TRACE(screen.name);
    hostReset();
    fb_init();
    bg_init();
    screen.setBG(picture.data());
    failPictureBlocks = true;
    screen.dispAnimatedBox(10, 20, 200, 100, 0, 0, "");
    failPictureBlocks = false;
    EXPECT_EQ(hostVBlankCount(), 12u);
    EXPECT_EQ(hostDmaCopyCount(), 12 * screen.dmaPerSwap) << "no picture copies";
    ASSERT_NE(screen.returnFrameBuffer(), nullptr);
    EXPECT_TRUE(std::equal(picture.begin(), picture.end(), screen.returnFrameBuffer()));
  }
}

}  // namespace
