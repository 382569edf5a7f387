// Compression of sprite array text: output byte for byte, palette, reports, refusals.
#include "core/compressor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "core/palette_bits.h"
#include "sprite_texts.h"

namespace palsqueeze {
namespace {

using palsqueeze_test::arrayText;
using palsqueeze_test::pixelsWithDistinctValues;

constexpr char kComment[] = ", // width, height, # of pallate entries, pallate entries\r\n";

// Sixteen "0" and "1" digits as a stream word "0xHHLL": the first 8 bits are the low byte.
std::string wordText(const std::string& bits) {
  const unsigned value = static_cast<unsigned>(std::stoul(bits, nullptr, 2));
  char text[16];
  std::snprintf(text, sizeof text, "0x%02X%02X", value & 0xFFu, value >> 8);
  return text;
}

// The compression done the slow way, as text: a linear palette search, a string of
// "0" and "1" digits, and words cut from it.
std::string textStepsOutput(const std::string& declaration, int width, int height,
                            const std::vector<std::string>& pixels) {
  std::vector<std::string> list;
  std::string bitString;
  std::vector<std::size_t> indices;
  for (const std::string& pixel : pixels) {
    auto found = std::find(list.begin(), list.end(), pixel);
    if (found == list.end()) found = list.insert(list.end(), pixel);
    indices.push_back(static_cast<std::size_t>(found - list.begin()));
  }
  const int bits = BitsForPalette(list.size());
  for (std::size_t index : indices) {
    for (int bit = bits - 1; bit >= 0; --bit) bitString += (index >> bit & 1u) != 0 ? '1' : '0';
  }
  while (bitString.size() % 16 != 0) bitString += '0';
  std::string out = declaration + "{ 0xFFFF, " + std::to_string(width - 1) + ", " +
                    std::to_string(height - 1) + ", " + std::to_string(list.size());
  for (const std::string& entry : list) out += ", " + entry;
  out += kComment;
  for (std::size_t i = 0; i < bitString.size(); i += 16) {
    out += wordText(bitString.substr(i, 16)) + ", ";
  }
  return out.substr(0, out.size() - 2) + " };";
}

TEST(PalsqueezeCompress, WorkedExampleByteForByte) {
  const Result r = compress("uint16 spr[] = " + arrayText(2, 2, {"31", "32767", "32767", "31"}));
  ASSERT_EQ(r.status, Status::Compressed) << r.problem;
  EXPECT_EQ(r.output,
            std::string("uint16 spr[] = { 0xFFFF, 1, 1, 2, 31, 32767") + kComment + "0x0060 };");
  EXPECT_EQ(r.palette, (std::vector<std::string>{"31", "32767"}));
  EXPECT_EQ(r.sizeReport, "Sprite is 2 x 2.");
  EXPECT_EQ(r.bitsReport, "Sprite takes up 1 bits per pixel.");
}

TEST(PalsqueezeCompress, SixValuesInOneRowPackThreeBitsAcrossWords) {
  const Result r = compress(arrayText(6, 1, {"10", "11", "12", "13", "14", "15"}));
  ASSERT_EQ(r.status, Status::Compressed) << r.problem;
  EXPECT_EQ(r.bits, 3);
  EXPECT_EQ(r.output, std::string("{ 0xFFFF, 5, 0, 6, 10, 11, 12, 13, 14, 15") + kComment +
                          "0x3905, 0x0040 };");
}

TEST(PalsqueezeCompress, BitsFollowTheNumberOfDistinctValues) {
  const std::vector<std::pair<std::size_t, int>> cases = {{1, 1}, {2, 1}, {3, 2},  {5, 3},
                                                          {8, 3}, {9, 4}, {256, 8}};
  for (const auto& [distinct, bits] : cases) {
    const int width = 16;
    const int height = static_cast<int>(distinct / 16) + 2;
    const auto pixels = pixelsWithDistinctValues(width, height, distinct);
    const Result r = compress(arrayText(width, height, pixels));
    ASSERT_EQ(r.status, Status::Compressed) << distinct << ": " << r.problem;
    EXPECT_EQ(r.palette.size(), distinct);
    EXPECT_EQ(r.bits, bits) << distinct;
    EXPECT_EQ(r.bitsReport, "Sprite takes up " + std::to_string(bits) + " bits per pixel.");
    EXPECT_EQ(r.output, textStepsOutput("", width, height, pixels)) << distinct;
  }
}

TEST(PalsqueezeCompress, RefusesMoreThan256ValuesKeepingEveryEntryFound) {
  for (std::size_t distinct : {257u, 300u}) {
    const Result r = compress(arrayText(20, 20, pixelsWithDistinctValues(20, 20, distinct)));
    EXPECT_EQ(r.status, Status::TooManyEntries);
    EXPECT_EQ(r.problem, kTooManyEntriesMessage);
    EXPECT_EQ(r.palette.size(), distinct);
    EXPECT_EQ(r.sizeReport, "Sprite is 20 x 20.");
    EXPECT_TRUE(r.output.empty());
    EXPECT_TRUE(r.bitsReport.empty());
  }
}

TEST(PalsqueezeCompress, EqualColoursWrittenDifferentlyAreDifferentEntries) {
  const Result r = compress(arrayText(2, 2, {"0x7FFF", "32767", "0x7fff", "32767"}));
  ASSERT_EQ(r.status, Status::Compressed) << r.problem;
  EXPECT_EQ(r.palette, (std::vector<std::string>{"0x7FFF", "32767", "0x7fff"}));
  EXPECT_EQ(r.bits, 2);
}

TEST(PalsqueezeCompress, SpacingAroundValuesDoesNotMatter) {
  const std::vector<std::string> pixels = {"1", "2", "3", "3", "2", "1"};
  const std::string expected = compress(arrayText(3, 2, pixels, ", ")).output;
  ASSERT_FALSE(expected.empty());
  for (const char* separator : {",", " , ", "  ,\t", ",   "}) {
    EXPECT_EQ(compress(arrayText(3, 2, pixels, separator)).output, expected)
        << '"' << separator << '"';
  }
  EXPECT_EQ(compress("{2,1,1,2,3,3,2,1}").output, expected);
  EXPECT_EQ(compress("{ 2 , 1 ,  1, 2,3 ,3,2 ,  1 };").output, expected);
}

TEST(PalsqueezeCompress, ReadsOnlyTheFirstArray) {
  const std::string expected = compress("{ 1, 0, 5, 6 }").output;
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(compress("{ 1, 0, 5, 6 { 7, 8, 9 }").output, expected);
  EXPECT_EQ(compress("{ 1, 0, 5, 6 };\r\nuint16 other[] = { 0, 0, 7 };").output, expected);
}

TEST(PalsqueezeCompress, CopiesSizeWordsAsWrittenAndReportsThemPlusOne) {
  const Result r = compress(arrayText(16, 1, std::vector<std::string>(16, "0")));
  ASSERT_EQ(r.status, Status::Compressed) << r.problem;
  EXPECT_EQ(r.sizeReport, "Sprite is 16 x 1.");
  EXPECT_EQ(r.output.rfind("{ 0xFFFF, 15, 0, 1, 0, //", 0), 0u);
}

TEST(PalsqueezeCompress, OneValueGivesZeroWordsRoundedUp) {
  for (const auto& [width, words] : std::vector<std::pair<int, std::string>>{
           {1, "0x0000 };"}, {16, "0x0000 };"}, {17, "0x0000, 0x0000 };"}}) {
    const Result r = compress(arrayText(width, 1, std::vector<std::string>(width, "992")));
    ASSERT_EQ(r.status, Status::Compressed) << r.problem;
    EXPECT_EQ(r.bits, 1);
    EXPECT_EQ(r.output.substr(r.output.find("\r\n") + 2), words) << width;
  }
}

TEST(PalsqueezeCompress, MatchesTheTextStepsForManyShapes) {
  for (int width = 1; width <= 9; ++width) {
    for (int height = 1; height <= 4; ++height) {
      const std::size_t count = static_cast<std::size_t>(width) * height;
      for (std::size_t distinct = 1; distinct <= std::min<std::size_t>(count, 36); ++distinct) {
        const auto pixels = pixelsWithDistinctValues(width, height, distinct);
        EXPECT_EQ(compress("u16 s[] = " + arrayText(width, height, pixels)).output,
                  textStepsOutput("u16 s[] = ", width, height, pixels))
            << width << " x " << height << ", " << distinct << " values";
      }
    }
  }
  for (std::size_t distinct : {60u, 100u, 129u, 200u}) {
    const auto pixels = pixelsWithDistinctValues(23, 11, distinct);
    EXPECT_EQ(compress(arrayText(23, 11, pixels)).output, textStepsOutput("", 23, 11, pixels));
  }
}

TEST(PalsqueezeCompress, ReadsArraysWrittenByHand) {
  const std::string expected =
      compress("const uint16 arrow[] = " + arrayText(2, 2, {"0", "0x7FFF", "0x7FFF", "0"})).output;
  ASSERT_FALSE(expected.empty());
  const std::string byHand =
      "const uint16 arrow[] = {\n"
      "    1, 1,  // width - 1, height - 1\n"
      "    0, 0x7FFF, /* top row */\n"
      "    0x7FFF, 0,\n"
      "};\n";
  EXPECT_EQ(compress(byHand).output, expected);
}

TEST(PalsqueezeCompress, WritesDeclarationLineEndsAsCrLf) {
  const std::string pixels = "{ 0, 0, 5 };";
  for (const char* lineEnd : {"\n", "\r\n", "\r"}) {
    const Result r =
        compress(std::string("// arrow") + lineEnd + "const uint16 a[] =" + lineEnd + pixels);
    EXPECT_EQ(r.output.rfind("// arrow\r\nconst uint16 a[] =\r\n{ 0xFFFF, 0, 0, 1, 5,", 0), 0u)
        << r.output;
  }
}

TEST(PalsqueezeCompress, RefusesTextThatIsNotASpriteArray) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"", "no \"{\""},
      {"31, 32767, 32767, 31", "no \"{\""},
      {"{}", "at least two values"},
      {"{ 5 };", "at least two values"},
      {"{ a, 1, 2, 3, 4, 5 }", "width - 1"},
      {"{ 1, b, 2, 3, 4, 5 }", "height - 1"},
      {"{ -1, 0, 5 }", "width - 1"},
      {"{ 0x1, 0, 5, 6 }", "width - 1"},
      {"{ 01, 0, 5, 6 }", "leading zeros"},
      {"{ 65536, 0, 5 }", "from 0 to 65534"},
      {"{ 65535, 0, 5 }", "already a compressed sprite"},
      {"{ 0, 65536, 5 }", "from 0 to 65535"},
      {"{ 0xFFFF, 0, 0, 1, 5, 0x0000 };", "already a compressed sprite"},
      {"{ 0, 0 }", "holds 0"},
      {"{ 1, 1, 5, 6, 7 }", "takes 4 pixel values, but the array holds 3"},
      {"{ 1, 1, 5, 6, 7, 8, 9 }", "takes 4 pixel values, but the array holds 5"},
      {"{ 1, 1, 5, , 7, 8 }", "Pixel value 2 is empty"},
      {"{ 1, 1, 5,,7, 8 }", "Pixel value 2 is empty"}};
  for (const auto& [input, problem] : cases) {
    const Result r = compress(input);
    EXPECT_EQ(r.status, Status::Unreadable) << input;
    EXPECT_NE(r.problem.find(problem), std::string::npos) << input << " -> " << r.problem;
    EXPECT_TRUE(r.output.empty()) << input;
  }
}

}  // namespace
}  // namespace palsqueeze
