// Background picture and colour, pixels, rectangles and sprites on the main
// screen, including the heap and buffer limits.
#include <libpane.h>
#include <nds.h>
#include <nds/host.h>

#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "heap_watch.h"
#include "screen_helpers.h"
#include "sprite_builder.h"

namespace {

using namespace pane_test;

class FbDraw : public FreshMainScreen {
 protected:
  uint16_t at(int x, int y) { return fb_backBuffer()[y * 256 + x]; }
};

TEST_F(FbDraw, SetBgCopiesThePictureAndEverySwapRefillsFromIt) {
  std::vector<uint16_t> picture = pattern(3);
  fb_setBG(picture.data());
  picture[0] = 0;  // the caller's buffer is the caller's again
  ASSERT_NE(fb_returnFrameBuffer(), nullptr);
  EXPECT_NE(fb_returnFrameBuffer(), picture.data());
  EXPECT_TRUE(holdsPattern(fb_returnFrameBuffer(), 3));
  EXPECT_TRUE(holdsPattern(fb_backBuffer(), 3));
  EXPECT_TRUE(fb_isbgEnabled());
  EXPECT_TRUE(fb_needsUpdate());
  fb_swapBuffers();
  EXPECT_TRUE(holdsPattern(fb_backBuffer(), 3));
  fb_setBGColor(0x001F);
  EXPECT_TRUE(holdsOnly(fb_backBuffer(), 0x801F));
  fb_swapBuffers();
  EXPECT_TRUE(holdsPattern(fb_backBuffer(), 3)) << "the picture still wins over the colour";
}

TEST_F(FbDraw, SetBgAgainReusesTheHeldCopy) {
  std::vector<uint16_t> first = pattern(1), second = pattern(2);
  const unsigned before = bufferBlockRequests();
  fb_setBG(first.data());
  uint16_t* copy = fb_returnFrameBuffer();
  fb_setBG(second.data());
  EXPECT_EQ(bufferBlockRequests() - before, 1u);
  EXPECT_EQ(fb_returnFrameBuffer(), copy);
  EXPECT_TRUE(holdsPattern(copy, 2));
  fb_setBG(copy);  // its own copy: unchanged
  EXPECT_TRUE(holdsPattern(copy, 2));
  EXPECT_TRUE(holdsPattern(fb_backBuffer(), 2));
}

TEST_F(FbDraw, SetBgWithoutHeapLeavesTheBackgroundAsItWas) {
  std::vector<uint16_t> picture = pattern(4);
  fb_setBGColor(0x03E0);
  {
    RefuseBufferBlocks refuse;
    fb_setBG(picture.data());
  }
  EXPECT_FALSE(fb_isbgEnabled());
  EXPECT_EQ(fb_returnFrameBuffer(), nullptr);
  EXPECT_TRUE(holdsOnly(fb_backBuffer(), 0x83E0));
  fb_swapBuffers();
  EXPECT_TRUE(holdsOnly(fb_backBuffer(), 0x83E0)) << "the colour still refills";

  fb_setBG(picture.data());
  {
    RefuseBufferBlocks refuse;
    std::vector<uint16_t> next = pattern(5);
    fb_setBG(next.data());
  }
  EXPECT_TRUE(holdsPattern(fb_returnFrameBuffer(), 5)) << "a held copy needs no new block";
}

TEST_F(FbDraw, EraseBgMakesTheOpaqueColourTheRefillAndReleasesThePicture) {
  std::vector<uint16_t> picture = pattern(6);
  fb_setBG(picture.data());
  fb_eraseBG();
  EXPECT_TRUE(holdsOnly(fb_backBuffer(), 0x8000)) << "colour 0 with bit 15: opaque black";
  EXPECT_FALSE(fb_isbgEnabled());
  EXPECT_EQ(fb_returnFrameBuffer(), nullptr);
  fb_swapBuffers();
  EXPECT_TRUE(holdsOnly(fb_backBuffer(), 0x8000));
}

TEST_F(FbDraw, ClearWritesTransparentZerosAndKeepsTheBackground) {
  std::vector<uint16_t> picture = pattern(8);
  fb_setBG(picture.data());
  fb_clear();
  EXPECT_TRUE(holdsOnly(fb_backBuffer(), 0));
  EXPECT_TRUE(fb_isbgEnabled());
  fb_swapBuffers();
  EXPECT_TRUE(holdsPattern(fb_backBuffer(), 8));
}

TEST_F(FbDraw, SetPixelWritesOnlyInsideTheBuffer) {
  struct Case {
    int x, y;
    bool written;
  };
  for (const Case c : {Case{255, 255, true}, Case{0, 0, true}, Case{256, 0, false},
                       Case{-1, 0, false}, Case{0, 256, false}, Case{0, -1, false}}) {
    SetUp();
    fb_setPixel(c.x, c.y, 0x001F);
    EXPECT_EQ(countNot(fb_backBuffer(), 0), c.written ? 1 : 0) << c.x << ", " << c.y;
    EXPECT_EQ(fb_needsUpdate(), c.written) << c.x << ", " << c.y;
    if (c.written) {
      EXPECT_EQ(at(c.x, c.y), 0x801F);
    }
  }
  EXPECT_TRUE(holdsOnly(VRAM_C, 0)) << "nothing past the last bank row";
}

TEST_F(FbDraw, RectanglesAreCutToTheBuffer) {
  struct Case {
    const char* name;
    int x, y, bx, by;
    int firstColumn, lastColumn, firstRow, lastRow;  // lastRow < firstRow: nothing
  };
  const Case cases[] = {
      {"rows past the bottom", 0, 250, 9, 300, 0, 9, 250, 255},
      {"columns left of 0", -5, 3, 3, 4, 0, 3, 3, 4},
      {"columns past 255", 250, 7, 300, 7, 250, 255, 7, 7},
      {"inverted columns", 300, 9, 250, 9, 250, 255, 9, 9},
      {"wholly left", -20, 2, -10, 2, 0, 0, 2, 1},
      {"wholly right", 256, 2, 400, 2, 0, 0, 2, 1},
  };
  for (const Case& c : cases) {
    SetUp();
    fillPattern(bankA(), 1);
    fb_drawRect(c.x, c.y, c.bx, c.by, 0x001F);
    const int rows = c.lastRow - c.firstRow + 1;
    const int columns = c.lastColumn - c.firstColumn + 1;
    EXPECT_EQ(countNot(fb_backBuffer(), 0), rows > 0 ? rows * columns : 0) << c.name;
    if (rows > 0) {
      EXPECT_EQ(at(c.firstColumn, c.firstRow), 0x801F) << c.name;
      EXPECT_EQ(at(c.lastColumn, c.lastRow), 0x801F) << c.name;
    }
    EXPECT_TRUE(holdsPattern(bankA(), 1)) << c.name << ": the front bank is untouched";
    EXPECT_TRUE(holdsOnly(VRAM_C, 0)) << c.name;
    EXPECT_TRUE(fb_needsUpdate()) << c.name;
  }
}

TEST_F(FbDraw, FilledRectDrawsItsFillAfterTheBorder) {
  fb_drawFilledRect(10, 10, 20, 20, 0x001F, 0x03E0);
  for (int i = 10; i <= 20; ++i) {
    EXPECT_EQ(at(i, 10), 0x801F);
    EXPECT_EQ(at(i, 20), 0x801F);
    EXPECT_EQ(at(10, i), 0x801F);
    EXPECT_EQ(at(20, i), 0x801F);
  }
  EXPECT_EQ(at(11, 11), 0x83E0);
  EXPECT_EQ(at(19, 19), 0x83E0);
  EXPECT_EQ(countNot(fb_backBuffer(), 0), 11 * 11);

  // A 2-pixel box hands the core the inverted fill (11, 11)-(10, 10), which
  // covers the whole box after normalisation.
  SetUp();
  fb_drawFilledRect(10, 10, 11, 11, 0x001F, 0x03E0);
  EXPECT_EQ(at(10, 10), 0x83E0);
  EXPECT_EQ(at(11, 11), 0x83E0);
  EXPECT_EQ(countNot(fb_backBuffer(), 0), 4);

  // Borders beyond the int range leave the whole buffer to the fill.
  SetUp();
  fb_drawFilledRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0x001F, 0x03E0);
  EXPECT_TRUE(holdsOnly(fb_backBuffer(), 0x83E0));
}

TEST_F(FbDraw, SpriteIsCutAfterTheLastColumnWithoutWrapping) {
  const Record sprite = plainSprite(8, 2, 0x001F);
  fb_dispSprite(252, 10, const_cast<uint16_t*>(sprite.data()), 0x7C00);
  for (int x = 252; x <= 255; ++x) EXPECT_EQ(at(x, 10), 0x801F);
  EXPECT_EQ(countNot(fb_backBuffer(), 0), 8) << "four columns of two rows, nothing in the next row";
}

TEST_F(FbDraw, SpritesAreCutBeforeRow256AndMaskedByTheCaller) {
  const Record sprite = plainSprite({"XY", "XY", "XY"}, {{'X', 0x7FFF}, {'Y', 0x001F}});
  fb_dispCustomSprite(0, 254, const_cast<uint16_t*>(sprite.data()), 0x001F, 0x03E0);
  EXPECT_EQ(at(0, 254), 0x83E0);
  EXPECT_EQ(at(1, 254), 0) << "the transparent colour is left out";
  EXPECT_EQ(countNot(fb_backBuffer(), 0), 2);
  EXPECT_TRUE(holdsOnly(VRAM_C, 0));
}

TEST_F(FbDraw, EveryDrawingOperationMarksTheFrame) {
  const Record sprite = plainSprite(2, 2, 0x001F);
  uint16_t* record = const_cast<uint16_t*>(sprite.data());
  std::vector<uint16_t> picture = pattern(1);
  const std::pair<const char*, std::function<void()>> operations[] = {
      {"fb_setUpdate", [] { fb_setUpdate(); }},
      {"fb_setBG", [&] { fb_setBG(picture.data()); }},
      {"fb_setBGColor", [] { fb_setBGColor(1); }},
      {"fb_eraseBG", [] { fb_eraseBG(); }},
      {"fb_clear", [] { fb_clear(); }},
      {"fb_drawRect", [] { fb_drawRect(1, 1, 2, 2, 1); }},
      {"fb_drawBox", [] { fb_drawBox(1, 1, 5, 5, 1); }},
      {"fb_drawFilledRect", [] { fb_drawFilledRect(1, 1, 5, 5, 1, 2); }},
      {"fb_dispCustomSprite", [&] { fb_dispCustomSprite(1, 1, record, 0, 0xFFFF); }},
      {"fb_dispSprite", [&] { fb_dispSprite(1, 1, record, 0); }},
  };
  for (const auto& operation : operations) {
    SetUp();
    operation.second();
    EXPECT_TRUE(fb_needsUpdate()) << operation.first;
  }
}

}  // namespace
