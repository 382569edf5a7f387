// The frame tiles decoded by the library's own blitter, against their index
// pictures, and the two colour values of the box module.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "panelkit/panelkit_internal.h"
#include "sprite_builder.h"

using namespace pane_test;

namespace {

constexpr uint16_t kGrey21 = 0x56B5;
constexpr uint16_t kGrey23 = 0x5EF7;
constexpr uint16_t kGrey26 = 0x6B5A;
constexpr uint16_t kGrey28 = 0x739C;
constexpr uint16_t kWhite = 0x7FFF;
constexpr uint16_t kBlack = 0x0000;
constexpr uint16_t kClear = 0x001F;
// In no tile's palette, so every tile pixel is drawn.
constexpr uint16_t kNotInTiles = 0x7C00;

struct TilePicture {
  pane::BoxPiece piece;
  std::vector<uint16_t> palette;
  std::vector<std::string> rows;  // palette indices, one digit per pixel
};

const std::vector<TilePicture>& tilePictures() {
  static const std::vector<TilePicture> tiles = {
      {pane::kTopLeft,
       {kClear, kGrey21, kGrey23, kGrey26, kGrey28, kWhite},
       {"000011", "001112", "011123", "011234", "112344", "123445"}},
      {pane::kTop,
       {kGrey21, kGrey23, kGrey26, kGrey28, kWhite, kBlack},
       {"0", "1", "2", "3", "4", "5"}},
      {pane::kTopRight,
       {kGrey21, kClear, kGrey23, kGrey26, kGrey28, kWhite},
       {"001111", "200011", "320001", "432001", "443200", "544320"}},
      {pane::kRight, {kBlack, kWhite, kGrey28, kGrey26, kGrey23, kGrey21}, {"012345"}},
      {pane::kBottomRight,
       {kWhite, kGrey28, kGrey26, kGrey23, kGrey21, kClear},
       {"011234", "112344", "123445", "234445", "344455", "445555"}},
      {pane::kBottom,
       {kBlack, kWhite, kGrey28, kGrey26, kGrey23, kGrey21},
       {"0", "1", "2", "3", "4", "5"}},
      {pane::kBottomLeft,
       {kGrey21, kGrey23, kGrey26, kGrey28, kWhite, kClear},
       {"012334", "001233", "500123", "500012", "550001", "555500"}},
      {pane::kLeft, {kGrey21, kGrey23, kGrey26, kGrey28, kWhite, kBlack}, {"012345"}},
  };
  return tiles;
}

TEST(BoxTiles, DecodeToTheirIndexPictures) {
  for (const TilePicture& tile : tilePictures()) {
    SCOPED_TRACE(testing::Message() << "piece " << tile.piece);
    uint16* record = pane::BoxPointers[tile.piece];
    const int width = static_cast<int>(tile.rows[0].size());
    const int height = static_cast<int>(tile.rows.size());
    ASSERT_EQ(getSpriteWidth(record), static_cast<uint32>(width));
    ASSERT_EQ(getSpriteHeight(record), static_cast<uint32>(height));
    EXPECT_EQ(record[3], tile.palette.size());

    Canvas canvas;
    dispCustomSprite(0, 0, record, kNotInTiles, 0xFFFF, canvas.data(), 255, 256);
    for (int row = 0; row < height; ++row)
      for (int col = 0; col < width; ++col) {
        const uint16_t colour = tile.palette[tile.rows[row][col] - '0'] | 0x8000;
        EXPECT_EQ(canvas.at(col, row), colour) << "row " << row << " column " << col;
      }
    EXPECT_EQ(canvas.countNot(kBlank), width * height);
  }
}

TEST(BoxTiles, TransparentAndInteriorColours) {
  EXPECT_EQ(getTransparentColorBox(), 0x001F);
  EXPECT_EQ(getBGColorBox(), 0);
  EXPECT_EQ(pane::BoxPointers[pane::kTransparentValue][0], 0x001F);
  EXPECT_EQ(pane::BoxPointers[pane::kBackgroundValue][0], 0);
}

}  // namespace
