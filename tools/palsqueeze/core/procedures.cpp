// The compressor's text procedures; the compression itself uses faster equivalents.
#include "core/procedures.h"

namespace palsqueeze {

std::string DecimalToBinary(std::uint32_t decimalNum) {
  std::string digits;
  do {
    digits.insert(digits.begin(), static_cast<char>('0' + (decimalNum & 1u)));
    decimalNum >>= 1;
  } while (decimalNum != 0);
  if (digits.size() < 8) digits.insert(0, 8 - digits.size(), '0');
  return digits;
}

int BitsForPalette(std::size_t n) {
  int bits = 1;
  while (bits < 8 && (std::size_t{1} << bits) < n) ++bits;
  return bits;
}

std::string NibbleToHex(std::string_view nibble) {
  if (nibble.size() != 4) return {};
  int value = 0;
  for (char c : nibble) {
    if (c != '0' && c != '1') return {};
    value = value * 2 + (c - '0');
  }
  return std::string(1, "0123456789ABCDEF"[value]);
}

namespace {

// Two hexadecimal digits of an 8-character group: high nibble, then low nibble.
std::string byteToHex(std::string_view group) {
  const std::string_view high = group.substr(0, 4);
  const std::string_view low = group.size() > 4 ? group.substr(4, 4) : std::string_view{};
  return NibbleToHex(high) + NibbleToHex(low);
}

}  // namespace

std::string BinaryToHexWord(std::string_view bits) {
  const std::string_view first = bits.substr(0, 8);
  const std::string_view last = bits.size() > 8 ? bits.substr(8, 8) : std::string_view{};
  return "0x" + byteToHex(last) + byteToHex(first);
}

}  // namespace palsqueeze
