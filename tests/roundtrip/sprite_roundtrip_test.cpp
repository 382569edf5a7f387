// pixport and palsqueeze to screen: the array text with its size header is a
// plain sprite record of the picture, the BIN file holds the same words, and the
// compressed record draws exactly what the plain one draws.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "picture_pattern.h"
#include "roundtrip_data.h"

namespace {

using roundtrip::kSpriteHeight;
using roundtrip::kSpriteWidth;

constexpr int kRow = 256;
constexpr uint16 kUntouched = 0x0421;

std::vector<uint16> freshBuffer() { return std::vector<uint16>(kRow * kRow, kUntouched); }

std::vector<unsigned char> readFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

TEST(RoundtripSprite, PixportTextIsAPlainRecordOfThePictureCorner) {
  EXPECT_EQ(roundtrip_plain[0], kSpriteWidth - 1);
  EXPECT_EQ(roundtrip_plain[1], kSpriteHeight - 1);
  EXPECT_EQ(getSpriteWidth(roundtrip_plain), static_cast<uint32>(kSpriteWidth));
  EXPECT_EQ(getSpriteHeight(roundtrip_plain), static_cast<uint32>(kSpriteHeight));
  ASSERT_EQ(roundtrip_plain_words, 2u + kSpriteWidth * kSpriteHeight);
}

TEST(RoundtripSprite, PlainRecordDrawsThePicturePixels) {
  const uint16 transparent = roundtrip::transparentRgb15();
  std::vector<uint16> drawn = freshBuffer();
  std::vector<uint16> expected = drawn;
  const int left = 30, top = 11;
  drawNormal();
  setItalics(false);

  dispCustomSprite(left, top, roundtrip_plain, transparent, 0xFFFF, drawn.data(), 255, 192);

  int transparentPixels = 0;
  for (int y = 0; y < kSpriteHeight; ++y) {
    for (int x = 0; x < kSpriteWidth; ++x) {
      const uint16 colour = roundtrip::toRgb15(roundtrip::picturePixel(x, y));
      if (colour == transparent) {
        ++transparentPixels;
        continue;
      }
      expected[(top + y) * kRow + left + x] = colour | 0x8000;
    }
  }
  EXPECT_GT(transparentPixels, 0);
  EXPECT_EQ(drawn, expected);
}

TEST(RoundtripSprite, BinFileHoldsTheRecordWords) {
  const std::vector<unsigned char> bytes = readFile(ROUNDTRIP_BIN_FILE);
  ASSERT_EQ(bytes.size(), 2 * roundtrip_plain_words);  // the 4-byte size header, then the pixels
  for (unsigned word = 0; word < roundtrip_plain_words; ++word) {
    const unsigned value = bytes[2 * word] | bytes[2 * word + 1] << 8;  // little-endian
    EXPECT_EQ(value, roundtrip_plain[word]) << "word " << word;
  }
}

TEST(RoundtripSprite, PalsqueezeRecordDrawsExactlyWhatThePlainOneDraws) {
  ASSERT_EQ(roundtrip_packed[0], 0xFFFF);
  EXPECT_EQ(getSpriteWidth(roundtrip_packed), static_cast<uint32>(kSpriteWidth));
  EXPECT_EQ(getSpriteHeight(roundtrip_packed), static_cast<uint32>(kSpriteHeight));
  const unsigned entries = roundtrip_packed[3];
  const unsigned bits = bitsFromPal(entries);
  EXPECT_EQ(bits, 5u);  // 23 colours: indices cross byte boundaries
  EXPECT_EQ(roundtrip_packed_words, 4 + entries + (kSpriteWidth * kSpriteHeight * bits + 15) / 16);

  struct Case {
    int x, y;
    uint32 mask;
    bool inverse;
  };
  // Inside the screen, cut at the top-left, cut at the right and bottom limits,
  // and with a colour mask and inverse colours.
  const Case cases[] = {{40, 60, 0xFFFF, false},
                        {-5, -4, 0xFFFF, false},
                        {249, 187, 0xFFFF, false},
                        {100, 100, 0x7C1F, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE("at " + std::to_string(c.x) + ", " + std::to_string(c.y));
    c.inverse ? drawInverse() : drawNormal();
    std::vector<uint16> plain = freshBuffer();
    std::vector<uint16> packed = freshBuffer();
    const uint16 transparent = roundtrip::transparentRgb15();
    dispCustomSprite(c.x, c.y, roundtrip_plain, transparent, c.mask, plain.data(), 255, 192);
    dispCustomSprite(c.x, c.y, roundtrip_packed, transparent, c.mask, packed.data(), 255, 192);
    EXPECT_NE(plain, freshBuffer());
    EXPECT_EQ(plain, packed);
  }
  drawNormal();
}

}  // namespace
