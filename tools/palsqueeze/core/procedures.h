// The small text procedures of the compressor: decimal to binary digits, bits per
// palette index, and binary digits to hexadecimal digits and stream words.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace palsqueeze {

// Binary digits of decimalNum, most significant first, left-padded with "0" to at
// least 8 characters: 0 -> "00000000", 5 -> "00000101", 300 -> "100101100".
std::string DecimalToBinary(std::uint32_t decimalNum);

// Bits per palette index for a palette of n entries: 1 up to 2 entries, 2 up to 4,
// 3 up to 8, ... 8 for 129 and more.
int BitsForPalette(std::size_t n);

// Four characters of "0" and "1" as one capital hexadecimal digit; any other text
// gives an empty text.
std::string NibbleToHex(std::string_view nibble);

// Sixteen characters of "0" and "1" as a stream word "0xHHLL": the first 8 bits are
// the word's low byte, the next 8 its high byte, so the word stored little-endian
// keeps the bits in stream order. A piece that is not binary gives fewer digits.
std::string BinaryToHexWord(std::string_view bits);

}  // namespace palsqueeze
