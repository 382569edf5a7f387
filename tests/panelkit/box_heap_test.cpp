// The opening animation when the heap cannot supply its temporary picture
// block: the animation runs, nothing is copied, the background stays as it was.
// This executable links with malloc wrapped so that picture-sized blocks can fail.
#include <gtest/gtest.h>

#include <cstdlib>
#include <numeric>

#include "recording_target.h"

using namespace panelkit_test;

namespace {
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
  void SetUp() override {
    startRecording();
    failPictureBlocks = true;
  }
  void TearDown() override {
    failPictureBlocks = false;
    hostReset();
  }
};

TEST_F(BoxWithoutHeap, AnimationRunsAndLeavesThePictureAlone) {
  rec.bgEnabled = true;
  std::iota(rec.picture.begin(), rec.picture.end(), uint16_t{0x8000});
  const std::vector<uint16_t> picture = rec.picture;
  pane::openDialogBox(kRecordingTarget, 10, 20, 200, 100, 0, 0, "Hi");

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

}  // namespace
