// Bits per palette index, by the palette size table.
#include "core/palette_bits.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace palsqueeze {
namespace {

TEST(PalsqueezeBitsForPalette, FollowsThePaletteSizeTable) {
  const std::vector<std::pair<std::size_t, int>> cases = {
      {0, 1},  {1, 1},  {2, 1},  {3, 2},  {4, 2},  {5, 3},   {8, 3},   {9, 4},   {16, 4},
      {17, 5}, {32, 5}, {33, 6}, {64, 6}, {65, 7}, {128, 7}, {129, 8}, {256, 8}, {1000, 8}};
  for (const auto& [entries, bits] : cases) EXPECT_EQ(BitsForPalette(entries), bits) << entries;
}

}  // namespace
}  // namespace palsqueeze
