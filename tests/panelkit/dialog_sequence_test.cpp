// What the box code asks of a drawing target, call by call: box layout,
// animation frames, vertical blanks, swaps and the background save.
#include <gtest/gtest.h>

#include <climits>
#include <numeric>

#include "recording_target.h"

using namespace panelkit_test;
using Calls = std::vector<std::string>;

namespace {

class DialogSequence : public ::testing::Test {
 protected:
  void SetUp() override { startRecording(); }
  void TearDown() override { hostReset(); }
  void box(int x, int y, int width, int height) {
    pane::drawDialogBox(kRecordingTarget, x, y, width, height);
  }
  void open(int x, int y, int width, int height, const char* text = "Hi") {
    pane::openDialogBox(kRecordingTarget, x, y, width, height, 3, 4, text);
  }
  static int count(const std::string& prefix) {
    int n = 0;
    for (const std::string& c : recorded()) n += c.rfind(prefix, 0) == 0;
    return n;
  }
};

TEST_F(DialogSequence, BoxAtTenTwentyHundredByFifty) {
  box(10, 20, 100, 50);
  Calls expected = {"clip 16 26 98 58", "TL 10 20", "TR 104 20", "BR 104 64", "BL 10 64"};
  for (int i = 0; i < 88; ++i) {
    expected.push_back("T " + at(16 + i, 20));
    expected.push_back("B " + at(16 + i, 64));
  }
  for (int i = 0; i < 38; ++i) {
    expected.push_back("L " + at(10, 26 + i));
    expected.push_back("R " + at(104, 26 + i));
  }
  expected.push_back("rect 16 26 104 64 0");
  expected.push_back("update");
  EXPECT_EQ(recorded(), expected);
  EXPECT_TRUE(rec.coloursOk) << "tiles go out with transparent 0x001F and mask 0xFFFF";
}

TEST_F(DialogSequence, EdgePieceCountsFollowTheSizeLessTwoTiles) {
  struct Case {
    int width, height, across, down;
  };
  const Case cases[] = {
      {12, 30, 0, 18}, {13, 13, 1, 1}, {5, 5, 0, 0}, {100, 50, 88, 38}, {-20, 40, 0, 28},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
    startRecording();
    box(0, 0, c.width, c.height);
    EXPECT_EQ(count("T "), c.across);
    EXPECT_EQ(count("B "), c.across);
    EXPECT_EQ(count("L "), c.down);
    EXPECT_EQ(count("R "), c.down);
    EXPECT_EQ(count("rect "), 1);
  }
}

TEST_F(DialogSequence, WidthTwelveCornersTouch) {
  box(40, 50, 12, 30);
  const Calls corners(recorded().begin() + 1, recorded().begin() + 5);
  EXPECT_EQ(corners, (Calls{"TL 40 50", "TR 46 50", "BR 46 74", "BL 40 74"}));
  EXPECT_EQ(recorded()[0], "clip 46 56 40 68");
}

TEST_F(DialogSequence, AnimationWithoutBackgroundPicture) {
  open(10, 20, 200, 100);
  Calls expected = {"isbg"};
  for (int s = 25; s < 200; s += 15) {
    expected.insert(expected.end(),
                    {clipOf(10, 20, s, s < 100 ? s : 100), "update", "vblank", "swap"});
  }
  expected.insert(expected.end(),
                  {clipOf(10, 20, 200, 100), "update", "text 3 4 Hi", "isbg", "update"});
  EXPECT_EQ(outline(), expected);
  EXPECT_EQ(count("swap"), 12);
  EXPECT_EQ(hostVBlankCount(), 12u);
  EXPECT_EQ(hostDmaCopyCount(), 0u);
}

TEST_F(DialogSequence, AnimationSavesAndRestoresTheBackgroundPicture) {
  rec.bgEnabled = true;
  rec.keepPictures = true;
  std::iota(rec.picture.begin(), rec.picture.end(), uint16_t{0x8000});
  std::fill(rec.back.begin(), rec.back.end(), uint16_t{0x801F});
  const std::vector<uint16_t> picture = rec.picture;
  open(0, 0, 40, 30);

  const Calls expected = {"isbg",
                          "picture",
                          "dma",
                          "back",
                          "picture",
                          "dma",
                          clipOf(0, 0, 25, 25),
                          "update",
                          "vblank",
                          "swap",
                          clipOf(0, 0, 40, 30),
                          "update",
                          "text 3 4 Hi",
                          "isbg",
                          "picture",
                          "dma",
                          "update"};
  EXPECT_EQ(outline(), expected);
  EXPECT_EQ(rec.picture, picture) << "background picture differs after the call";
  // The one swap found the picture replaced by what was being drawn.
  ASSERT_EQ(rec.picturesAtSwaps.size(), 1u);
  EXPECT_EQ(rec.picturesAtSwaps[0], std::vector<uint16_t>(256 * 256, 0x801F));
}

TEST_F(DialogSequence, TallNarrowBoxAnimatesUntilItsHeight) {
  open(0, 0, 40, 300);
  Calls clips;
  for (const std::string& c : recorded())
    if (c.rfind("clip", 0) == 0) clips.push_back(c);
  ASSERT_EQ(clips.size(), 20u);  // 19 frames and the full box
  EXPECT_EQ(clips[0], clipOf(0, 0, 25, 25));
  for (int frame = 1; frame < 19; ++frame)
    EXPECT_EQ(clips[frame], clipOf(0, 0, 40, 25 + 15 * frame)) << "frame " << frame;
  EXPECT_EQ(clips[19], clipOf(0, 0, 40, 300));
  EXPECT_EQ(hostVBlankCount(), 19u);
}

TEST_F(DialogSequence, SmallBoxOpensWithoutFrames) {
  for (int side : {25, 10, 0, -5}) {
    startRecording();
    open(5, 5, side, side);
    EXPECT_EQ(outline(),
              (Calls{"isbg", clipOf(5, 5, side, side), "update", "text 3 4 Hi", "isbg", "update"}))
        << "side " << side;
    EXPECT_EQ(hostVBlankCount(), 0u);
  }
  startRecording();
  open(5, 5, 26, 10);
  EXPECT_EQ(hostVBlankCount(), 1u) << "a side above 25 takes one frame";
}

TEST_F(DialogSequence, NullTextIsNotDrawn) {
  open(0, 0, 20, 20, nullptr);
  EXPECT_EQ(count("text"), 0);
  EXPECT_EQ(count("update"), 2);
}

TEST_F(DialogSequence, BoxesBeyondTheCountersAreRefused) {
  box(0, 0, 65521, 20);
  box(0, 0, 20, -65521);
  box(INT_MAX, 0, 20, 20);
  box(0, INT_MIN, 20, 20);
  open(0, 0, 65531, 20);
  open(0, 0, 20, 70000);
  EXPECT_TRUE(recorded().empty());
  EXPECT_EQ(hostVBlankCount(), 0u);

  box(0, 0, 65520, 12);
  EXPECT_EQ(count("T "), 65508) << "the largest accepted side is drawn whole";
}

}  // namespace
