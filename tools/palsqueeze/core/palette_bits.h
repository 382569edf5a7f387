// Bits per palette index of a compressed sprite.
#pragma once

#include <cstddef>

namespace palsqueeze {

// Bits per palette index for a palette of n entries: 1 up to 2 entries, 2 up to 4,
// 3 up to 8, ... 8 for 129 and more.
int BitsForPalette(std::size_t n);

}  // namespace palsqueeze
