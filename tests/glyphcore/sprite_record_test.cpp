// Sprite record sizes, palette index widths, font table look-ups and the
// index stream layout that the test packer shares with the blitter.
#include "glyphcore/sprite_record.h"

#include <gtest/gtest.h>

#include <array>

#include "glyphcore/text_state.h"
#include "sprite_builder.h"

using namespace pane_test;

namespace {

TEST(SpriteRecord, SizesOfPlainAndCompressedRecords) {
  Record single{0, 0, 0x1234};
  EXPECT_EQ(getSpriteWidth(single.data()), 1u);
  EXPECT_EQ(getSpriteHeight(single.data()), 1u);

  Record plain = plainSprite({"abc", "def"}, {});
  EXPECT_EQ(plain.size(), 8u);
  EXPECT_EQ(getSpriteWidth(plain.data()), 3u);
  EXPECT_EQ(getSpriteHeight(plain.data()), 2u);

  Record packed{0xFFFF, 4, 6, 1, 0x0000};  // width from word 1, height from word 2
  EXPECT_EQ(getSpriteWidth(packed.data()), 5u);
  EXPECT_EQ(getSpriteHeight(packed.data()), 7u);
  EXPECT_EQ(pane::getSpriteWidthInternal(packed.data()), 5u);
  EXPECT_EQ(pane::getSpriteHeightInternal(packed.data()), 7u);

  Record widest{0xFFFE, 0, 0};
  EXPECT_EQ(getSpriteWidth(widest.data()), 0xFFFFu);
}

TEST(SpriteRecord, BitsAndMaskFollowPaletteSize) {
  const struct {
    uint32 entries, bits, mask;
  } cases[] = {{0, 1, 0x01},   {1, 1, 0x01},   {2, 1, 0x01},          {3, 2, 0x03},
               {4, 2, 0x03},   {5, 3, 0x07},   {8, 3, 0x07},          {9, 4, 0x0F},
               {16, 4, 0x0F},  {17, 5, 0x1F},  {32, 5, 0x1F},         {33, 6, 0x3F},
               {64, 6, 0x3F},  {65, 7, 0x7F},  {128, 7, 0x7F},        {129, 8, 0xFF},
               {256, 8, 0xFF}, {300, 8, 0xFF}, {0xFFFFFFFFu, 8, 0xFF}};
  for (const auto& k : cases) {
    EXPECT_EQ(bitsFromPal(k.entries), k.bits) << k.entries;
    EXPECT_EQ(bitMaskCalc(k.entries), k.mask) << k.entries;
    EXPECT_EQ(bitsFor(k.entries), k.bits) << k.entries;  // the test packer agrees
  }
}

TEST(SpriteRecord, PackerPutsFirstPixelInTopBitsOfLowByte) {
  // 3 x 2 pixels, 4 entries: 12 bits. Pixels 0-3 fill the low byte of word 8,
  // pixels 4-5 the top four bits of its high byte.
  Record r = compressedSprite(3, 2, {1, 2, 3, 4}, {3, 2, 1, 0, 2, 3});
  ASSERT_EQ(r.size(), 9u);
  EXPECT_EQ(r[8], 0xB0E4);  // low byte 11 10 01 00, high byte 10 11 0000
  EXPECT_EQ(packIndices({1}, 1), std::vector<uint16_t>{0x0080});
  EXPECT_EQ(packIndices({0xAB, 0xCD, 0xEF}, 8), (std::vector<uint16_t>{0xCDAB, 0x00EF}));
}

// A font table with only the slots the look-ups read.
struct MiniFont {
  std::array<uint16*, 260> slots{};
  Record glyph = plainSprite(1, 1, 0x7FFF);
  uint16 tab = 24, transparent = 0x7C1F, underlineRow = 9;
  MiniFont() {
    slots[32] = slots[63] = slots['A'] = glyph.data();
    slots[256] = &tab;
    slots[257] = &transparent;
    slots[258] = &underlineRow;
  }
};

TEST(FontTable, LooksUpGlyphsAndFontValues) {
  MiniFont font;
  uint16** table = font.slots.data();
  EXPECT_TRUE(isArbitraryGlyphAvailable('A', table));
  EXPECT_FALSE(isArbitraryGlyphAvailable('B', table));
  EXPECT_FALSE(isArbitraryGlyphAvailable(256, table));  // settings slots are no glyphs
  EXPECT_FALSE(isArbitraryGlyphAvailable('A', nullptr));

  uint16** saved = pane::textState.currentFont;
  pane::textState.currentFont = nullptr;
  EXPECT_FALSE(isGlyphAvailable('A'));
  EXPECT_EQ(getTabStop(), 0u);  // no font: harmless zeros

  setFont(table);
  EXPECT_TRUE(isGlyphAvailable('A'));
  EXPECT_FALSE(isGlyphAvailable('B'));
  EXPECT_EQ(getTabStop(), 24u);
  EXPECT_EQ(getTransparentColorFont(), 0x7C1F);
  EXPECT_EQ(getUnderline(), 9u);
  pane::textState.currentFont = saved;
}

}  // namespace
