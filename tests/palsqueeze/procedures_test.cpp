// The compressor's four text procedures with their documented results.
#include "core/procedures.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace palsqueeze {
namespace {

TEST(PalsqueezeDecimalToBinary, PadsToEightDigitsAndGrowsBeyond) {
  const std::vector<std::pair<std::uint32_t, std::string>> cases = {
      {0, "00000000"}, {5, "00000101"}, {255, "11111111"}, {256, "100000000"}, {300, "100101100"}};
  for (const auto& [number, digits] : cases) EXPECT_EQ(DecimalToBinary(number), digits) << number;
}

TEST(PalsqueezeBitsForPalette, FollowsThePaletteSizeTable) {
  const std::vector<std::pair<std::size_t, int>> cases = {
      {0, 1},  {1, 1},  {2, 1},  {3, 2},  {4, 2},  {5, 3},   {8, 3},   {9, 4},   {16, 4},
      {17, 5}, {32, 5}, {33, 6}, {64, 6}, {65, 7}, {128, 7}, {129, 8}, {256, 8}, {1000, 8}};
  for (const auto& [entries, bits] : cases) EXPECT_EQ(BitsForPalette(entries), bits) << entries;
}

TEST(PalsqueezeNibbleToHex, GivesCapitalDigitsAndNothingForOtherText) {
  EXPECT_EQ(NibbleToHex("0000"), "0");
  EXPECT_EQ(NibbleToHex("1001"), "9");
  EXPECT_EQ(NibbleToHex("1010"), "A");
  EXPECT_EQ(NibbleToHex("1111"), "F");
  for (const char* other : {"", "101", "10101", "10a1", "2000", " 101"}) {
    EXPECT_EQ(NibbleToHex(other), "") << '"' << other << '"';
  }
}

TEST(PalsqueezeBinaryToHexWord, FirstEightBitsAreTheLowByte) {
  EXPECT_EQ(BinaryToHexWord("0000010100111001"), "0x3905");
  EXPECT_EQ(BinaryToHexWord("0100000000000000"), "0x0040");
  EXPECT_EQ(BinaryToHexWord("0110000000000000"), "0x0060");
  EXPECT_EQ(BinaryToHexWord("1111111100000000"), "0x00FF");
  EXPECT_EQ(BinaryToHexWord("0000000010101011"), "0xAB00");
}

}  // namespace
}  // namespace palsqueeze
