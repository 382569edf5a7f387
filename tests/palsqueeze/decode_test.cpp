// Compressed output read back as a sprite record: drawn by the library's blitter it
// must give the same pixels as the plain record it was made from.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "core/compressor.h"
#include "libpane.h"
#include "sprite_texts.h"

namespace {

using palsqueeze_test::arrayText;
using palsqueeze_test::pixelsWithDistinctValues;

constexpr int kSide = 256;

// The uint16 words of array text as a C compiler reads them: values between the
// braces, "//" comments dropped, decimal or 0x hexadecimal.
std::vector<uint16> wordsOf(const std::string& text) {
  std::string body = text.substr(text.find('{') + 1);
  body = body.substr(0, body.find('}'));
  for (auto comment = body.find("//"); comment != std::string::npos; comment = body.find("//")) {
    body.erase(comment, body.find('\n', comment) - comment);
  }
  std::vector<uint16> words;
  const char* p = body.c_str();
  char* end = nullptr;
  for (unsigned long value = std::strtoul(p, &end, 0); end != p; value = std::strtoul(p, &end, 0)) {
    words.push_back(static_cast<uint16>(value));
    p = end;
    while (*p == ',' || *p == ' ' || *p == '\r' || *p == '\n' || *p == '\t') ++p;
  }
  return words;
}

std::vector<uint16> drawn(std::vector<uint16> record, uint32 transparent) {
  std::vector<uint16> buffer(kSide * kSide, 0);
  dispCustomSprite(3, 5, record.data(), transparent, 0xFFFF, buffer.data(), kSide - 1, kSide);
  return buffer;
}

TEST(PalsqueezeDecodeBack, CompressedRecordDrawsLikeThePlainOne) {
  struct Case {
    int width, height;
    std::size_t distinct;
  };
  const std::vector<Case> cases = {{1, 1, 1},    {7, 3, 2},     {5, 5, 3},
                                   {13, 4, 5},   {9, 9, 17},    {31, 7, 33},
                                   {33, 9, 100}, {60, 40, 200}, {64, 64, 256}};
  for (const Case& c : cases) {
    const std::string plainText =
        arrayText(c.width, c.height, pixelsWithDistinctValues(c.width, c.height, c.distinct));
    const palsqueeze::Result result = palsqueeze::compress(plainText);
    ASSERT_EQ(result.status, palsqueeze::Status::Compressed) << result.problem;
    const std::vector<uint16> plain = wordsOf(plainText);
    const std::vector<uint16> compressed = wordsOf(result.output);
    ASSERT_EQ(plain.size(), 2u + c.width * c.height);
    ASSERT_EQ(compressed[0], 0xFFFF);
    ASSERT_EQ(compressed.size(), 4 + c.distinct + (c.width * c.height * result.bits + 15) / 16);

    const std::string what = std::to_string(c.width) + " x " + std::to_string(c.height) + ", " +
                             std::to_string(c.distinct) + " values";
    const uint32 unused = 0x7FFF;  // no test colour: every pixel is drawn
    const std::vector<uint16> expected = drawn(plain, unused);
    EXPECT_EQ(drawn(compressed, unused), expected) << what;
    EXPECT_EQ(expected[5 * kSide + 3], plain[2] | 0x8000) << what;
    EXPECT_EQ(drawn(compressed, plain[2]), drawn(plain, plain[2])) << what << ", transparent";
  }
}

}  // namespace
