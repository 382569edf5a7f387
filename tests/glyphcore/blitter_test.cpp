// Sprite blitter: clipping, transparency, colour mask and inversion, italic
// shear, compressed index extraction and safety with unusual records.
#include "glyphcore/blitter.h"

#include <gtest/gtest.h>

#include "glyphcore/text_state.h"
#include "sprite_builder.h"

using namespace pane_test;

namespace {

constexpr uint16_t kRed = 0x001F;
constexpr uint16_t kGreen = 0x03E0;
constexpr uint16_t kWhite = 0x7FFF;
constexpr uint16_t kMagenta = 0x7C1F;  // used as the transparent colour

// Every test starts from plain drawing and leaves it that way.
class Blitter : public ::testing::Test {
 protected:
  void SetUp() override { reset(); }
  void TearDown() override { reset(); }
  static void reset() { pane::resetTextState(); }
  void draw(Record& r, int x, int y, uint32 tc = kMagenta, uint32 mask = 0xFFFF, uint maxX = 255,
            uint maxY = 192) {
    dispCustomSprite(x, y, r.data(), tc, mask, canvas.data(), maxX, maxY);
  }
  Canvas canvas;
};

// A sprite whose every pixel has its own colour: row i, column j -> 1 + i*32 + j.
Record numberedSprite(int w, int h) {
  Record r = plainSprite(w, h, 0);
  for (int i = 0; i < h; ++i)
    for (int j = 0; j < w; ++j) r[2 + i * w + j] = static_cast<uint16_t>(1 + i * 32 + j);
  return r;
}

// Checks that exactly the visible part of a numbered sprite landed in place.
void expectNumberedAt(const Canvas& c, int x, int y, int w, int h, int lastCol, int endRow) {
  int expected = 0;
  for (int i = 0; i < h; ++i) {
    for (int j = 0; j < w; ++j) {
      const int cx = x + j, cy = y + i;
      if (cx < 0 || cx > lastCol || cy < 0 || cy >= endRow) continue;
      ++expected;
      ASSERT_EQ(c.at(cx, cy), 0x8000 | (1 + i * 32 + j)) << "row " << i << " col " << j;
    }
  }
  EXPECT_EQ(c.countNot(kBlank), expected);
  EXPECT_TRUE(c.guardsIntact());
}

struct ClipCase {
  int x, y;
  uint maxX, maxY;
};

TEST_F(Blitter, ClipsAtEachEdgeAndLimit) {
  const ClipCase cases[] = {
      {-3, 10, 255, 192},                         // loses its three leftmost columns
      {10, -2, 255, 192},                         // loses its two top rows
      {-3, -2, 255, 192},   {250, 10, 255, 192},  // cut after column 255
      {10, 188, 255, 192},                        // cut after row 191
      {255, 10, 255, 192},                        // only the first column
      {252, 188, 255, 192}, {20, 20, 22, 23},     // caller limits inside the buffer
      {0, 0, 0, 1},         {-7, -5, 255, 192},   // one pixel left
      {100, 250, 255, 256},                       // the buffer's last row
  };
  for (const ClipCase& k : cases) {
    SCOPED_TRACE(testing::Message() << "x " << k.x << " y " << k.y);
    canvas.fill(kBlank);
    Record r = numberedSprite(8, 6);
    draw(r, k.x, k.y, kMagenta, 0xFFFF, k.maxX, k.maxY);
    expectNumberedAt(canvas, k.x, k.y, 8, 6, static_cast<int>(k.maxX), static_cast<int>(k.maxY));
  }
}

TEST_F(Blitter, DrawsNothingOutsideTheLimits) {
  const ClipCase cases[] = {
      {-8, 0, 255, 192},
      {0, -6, 255, 192},
      {256, 0, 255, 192},
      {0, 192, 255, 192},
      {0, 193, 255, 192},
      {31, 0, 30, 192},
      {0, 0, 255, 0},
      {0, 0, 0xFFFFFFFFu, 192},
      {0, 0, 255, 0xFFFFFFFFu},  // negative limits compare as signed
      {-2147483647, 0, 255, 192},
      {2147483647, 0, 255, 192},
      {0, 2147483647, 255, 192},
  };
  for (const ClipCase& k : cases) {
    SCOPED_TRACE(testing::Message() << "x " << k.x << " y " << k.y);
    Record r = numberedSprite(8, 6);
    draw(r, k.x, k.y, kMagenta, 0xFFFF, k.maxX, k.maxY);
    EXPECT_EQ(canvas.countNot(kBlank), 0);
    EXPECT_TRUE(canvas.guardsIntact());
  }
}

TEST_F(Blitter, NeverWritesPastColumn255EvenWithWiderLimit) {
  Record r = plainSprite(10, 2, kRed);
  draw(r, 250, 0, kMagenta, 0xFFFF, 1000, 192);
  EXPECT_EQ(canvas.countNot(kBlank), 12);
  EXPECT_EQ(canvas.at(0, 1), kBlank);  // nothing wrapped into the next row
  EXPECT_EQ(canvas.at(255, 1), 0x801F);
}

TEST_F(Blitter, NullSpriteOrBufferDrawsNothing) {
  Record r = plainSprite(2, 2, kRed);
  dispCustomSprite(0, 0, nullptr, 0, 0xFFFF, canvas.data(), 255, 192);
  dispCustomSprite(0, 0, r.data(), 0, 0xFFFF, nullptr, 255, 192);
  pane::dispCustomSpriteNormal(0, 0, nullptr, 0, 0xFFFF, canvas.data(), 255, 192,
                               pane::textState.sprite);
  pane::dispCustomSpriteCompressed(0, 0, r.data(), 0, 0xFFFF, nullptr, 255, 192,
                                   pane::textState.sprite);
  EXPECT_EQ(canvas.countNot(kBlank), 0);
}

TEST_F(Blitter, TransparencyIgnoresBit15) {
  Record r = plainSprite({"XTt", "tXT"}, {{'X', kRed}, {'T', kMagenta}, {'t', 0x8000 | kMagenta}});
  draw(r, 0, 0, kMagenta);
  EXPECT_EQ(canvas.picture(0, 0, 3, 2, {{0x801F, 'X'}}), (std::vector<std::string>{"X..", ".X."}));
  canvas.fill(kBlank);
  draw(r, 0, 0, 0x8000 | kMagenta);
  EXPECT_EQ(canvas.countNot(kBlank), 2);
}

TEST_F(Blitter, WrittenPixelsCarryBit15AndTheMask) {
  struct {
    uint16_t stored;
    uint32 mask;
    bool inverse;
    uint16_t written;
  } cases[] = {
      {0x1234, 0xFFFF, false, 0x9234}, {0x9234, 0xFFFF, false, 0x9234},
      {kWhite, 0x001F, false, 0x801F}, {0x0000, 0xFFFF, false, 0x8000},
      {kWhite, 0xFFFF, true, 0x8000},  {0x0000, 0x001F, true, 0x801F},
      {kGreen, 0xFFFF, true, 0xFC1F},  {0x1234, 0x0000, false, 0x8000},
  };
  for (const auto& k : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << k.stored << " mask " << k.mask);
    if (k.inverse)
      drawInverse();
    else
      drawNormal();
    Record plain = plainSprite(1, 1, k.stored);
    Record packed = compressedSprite(1, 1, {k.stored}, {0});
    draw(plain, 0, 0, kMagenta, k.mask);
    draw(packed, 1, 0, kMagenta, k.mask);
    EXPECT_EQ(canvas.at(0, 0), k.written);
    EXPECT_EQ(canvas.at(1, 0), k.written);
  }
}

// Row start columns of a 1-pixel-wide, 20-row sprite drawn at x = 30.
std::vector<int> italicRowStarts(Canvas& canvas, int jump, bool compressed) {
  canvas.fill(kBlank);
  Record r = compressed ? compressedSprite(1, 20, {kRed}, std::vector<unsigned>(20, 0))
                        : plainSprite(1, 20, kRed);
  setItalics(true);
  pane::textState.sprite.italicJump = jump;
  dispCustomSprite(30, 0, r.data(), kMagenta, 0xFFFF, canvas.data(), 255, 192);
  std::vector<int> starts;
  for (int y = 0; y < 20; ++y) {
    int found = -1;
    for (int x = 0; x < 256; ++x)
      if (canvas.at(x, y) != kBlank) found = x;
    starts.push_back(found);
  }
  return starts;
}

TEST_F(Blitter, ItalicsShiftBlocksOfRowsLeft) {
  std::vector<int> jump4, jump0, none;
  for (int i = 0; i < 20; ++i) {
    jump4.push_back(32 - i / 5);
    jump0.push_back(32 - i);
    none.push_back(32);
  }
  for (bool compressed : {false, true}) {
    EXPECT_EQ(italicRowStarts(canvas, 4, compressed), jump4);
    EXPECT_EQ(italicRowStarts(canvas, 0, compressed), jump0);
    EXPECT_EQ(italicRowStarts(canvas, -1, compressed), none);
  }
}

TEST_F(Blitter, ItalicStepCountsRowsAboveTheBuffer) {
  Record r = plainSprite(1, 10, kRed);
  setItalics(true);
  pane::textState.sprite.italicJump = 1;
  draw(r, 10, -4);  // rows 0-1 at 12, 2-3 at 11, 4-5 at 10 -> buffer rows 0-1 at 10
  EXPECT_EQ(canvas.at(10, 0), 0x801F);
  EXPECT_EQ(canvas.at(10, 1), 0x801F);
  EXPECT_EQ(canvas.at(9, 2), 0x801F);
  EXPECT_EQ(canvas.countNot(kBlank), 6);
}

TEST_F(Blitter, ItalicRowsClipAtTheLeftEdge) {
  Record r = plainSprite(3, 8, kRed);
  setItalics(true);
  pane::textState.sprite.italicJump = 0;
  draw(r, -2, 0);  // row i starts at column -i
  for (int i = 0; i < 8; ++i) EXPECT_EQ(canvas.at(0, i), i < 3 ? 0x801F : kBlank) << i;
  EXPECT_EQ(canvas.countNot(kBlank), 3 + 2 + 1);
  EXPECT_TRUE(canvas.guardsIntact());
}

TEST_F(Blitter, DrawingWithoutItalicsResetsTheStep) {
  Record r = plainSprite(2, 2, kRed);
  pane::textState.sprite.italicJump = 3;
  draw(r, 300, 0);  // rejected: the step stays
  EXPECT_EQ(pane::textState.sprite.italicJump, 3);
  draw(r, 0, 0);
  EXPECT_EQ(pane::textState.sprite.italicJump, -1);
  setItalics(true);
  pane::textState.sprite.italicJump = 3;
  draw(r, 0, 0);
  EXPECT_EQ(pane::textState.sprite.italicJump, 3);
}

// A compressed sprite draws exactly like the plain sprite of its expanded colours.
TEST_F(Blitter, CompressedIndicesCrossByteBoundaries) {
  for (size_t entries : {2u, 4u, 5u, 8u, 16u, 17u, 64u, 128u, 200u, 256u}) {
    SCOPED_TRACE(testing::Message() << entries << " entries");
    std::vector<uint16_t> palette;
    for (size_t k = 0; k < entries; ++k) palette.push_back(static_cast<uint16_t>(0x0400 + k * 37));
    const int w = 7, h = 5;  // odd width: rows start mid-byte
    std::vector<unsigned> idx;
    Record plain = plainSprite(w, h, 0);
    for (int p = 0; p < w * h; ++p) {
      idx.push_back(static_cast<unsigned>((p * 7 + 3) % entries));
      plain[2 + p] = palette[idx.back()];
    }
    Record packed = compressedSprite(w, h, palette, idx);
    Canvas expected;
    for (int x : {-3, 0, 252}) {
      dispCustomSprite(x, 1, plain.data(), kMagenta, 0xFFFF, expected.data(), 255, 192);
      draw(packed, x, 1);
    }
    EXPECT_EQ(canvas.picture(0, 0, 256, 8, {}), expected.picture(0, 0, 256, 8, {}));
  }
}

TEST_F(Blitter, CompressedReadsThreeBitIndexSpanningTwoBytes) {
  // Pixel 2 of a 3-bit stream: two low bits of byte 0 and the top bit of byte 1.
  std::vector<uint16_t> palette{0x0001, 0x0002, 0x0003, 0x0004, 0x0005, 0x0006, 0x0007, 0x0008};
  Record r = compressedSprite(3, 1, palette, {0, 0, 0});
  r[4 + 8] = 0x8003;  // byte 0 = 0000 0011, byte 1 = 1000 0000: pixel 2 = 0b111
  draw(r, 0, 0);
  EXPECT_EQ(canvas.at(2, 0), 0x8008);
  EXPECT_EQ(canvas.at(0, 0), 0x8001);
}

TEST_F(Blitter, CompressedTransparencyUsesTheHighestMatchingIndex) {
  Record r = compressedSprite({kRed, kMagenta, 0x8000 | kMagenta, kGreen}, {"0123"});
  draw(r, 0, 0);
  EXPECT_EQ(canvas.picture(0, 0, 4, 1, {{0x801F, 'R'}, {0xFC1F, 'M'}, {0x83E0, 'G'}}),
            std::vector<std::string>{"RM.G"});
}

TEST_F(Blitter, CompressedSkipsIndicesWithoutAPaletteEntry) {
  Record three = compressedSprite({kRed, kGreen, kWhite}, {"0123"});  // index 3 has no colour
  draw(three, 0, 0);
  EXPECT_EQ(canvas.picture(0, 0, 4, 1, {{0x801F, 'R'}, {0x83E0, 'G'}, {0xFFFF, 'W'}}),
            std::vector<std::string>{"RGW."});

  Record empty{0xFFFF, 3, 0, 0, 0xFFFF};  // no palette at all
  draw(empty, 0, 1);
  EXPECT_EQ(canvas.countNot(kBlank), 3);
}

TEST_F(Blitter, CompressedUsesAtMost256PaletteEntries) {
  const size_t entries = 300;
  std::vector<uint16_t> palette(entries, kGreen);
  palette[255] = kRed;
  palette[299] = kMagenta;  // beyond the working palette: cannot make red transparent
  Record r = compressedSprite(2, 1, palette, {255, 0});
  draw(r, 0, 0);
  EXPECT_EQ(canvas.at(0, 0), 0x801F);
  EXPECT_EQ(canvas.at(1, 0), 0x83E0);
}

TEST_F(Blitter, CompressedStreamAfterOddPaletteNeedsNoAlignment) {
  std::vector<uint16_t> palette(129, kGreen);  // 8-bit indices, stream at an odd word
  palette[128] = kRed;
  Record r = compressedSprite(3, 1, palette, {128, 1, 128});
  draw(r, 0, 0);
  EXPECT_EQ(canvas.picture(0, 0, 3, 1, {{0x801F, 'R'}, {0x83E0, 'G'}}),
            std::vector<std::string>{"RGR"});
}

TEST_F(Blitter, SafeAtEveryPositionAroundTheBuffer) {
  Record plain = numberedSprite(5, 4);
  Record packed = compressedSprite(5, 4, {kRed, kGreen, kWhite}, std::vector<unsigned>(20, 1));
  for (bool italic : {false, true}) {
    setItalics(italic);
    for (int y = -6; y <= 258; y += 3) {
      for (int x = -8; x <= 260; x += 4) {
        pane::textState.sprite.italicJump = 0;
        draw(plain, x, y, kMagenta, 0xFFFF, 255, 256);
        draw(packed, x, y, kMagenta, 0xFFFF, 255, 256);
      }
    }
  }
  EXPECT_TRUE(canvas.guardsIntact());
}

}  // namespace
