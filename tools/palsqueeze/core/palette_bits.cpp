// Bits per palette index of a compressed sprite.
#include "core/palette_bits.h"

namespace palsqueeze {

int BitsForPalette(std::size_t n) {
  int bits = 1;
  while (bits < 8 && (std::size_t{1} << bits) < n) ++bits;
  return bits;
}

}  // namespace palsqueeze
