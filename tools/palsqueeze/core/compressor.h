// Palette compression of a plain sprite record given as C array text: the palette,
// the size and bits reports, and the text of the compressed record, or a refusal.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace palsqueeze {

inline constexpr std::size_t kMaxPaletteEntries = 256;
inline constexpr char kTooManyEntriesMessage[] =
    "Sprite uncompressible, has too many pallate entries!  Sprite can have at most 256 entries.";
inline constexpr char kTooManyEntriesTitle[] = "ZOMG YOU FUCKED IT UP!";

enum class Status {
  Compressed,      // output holds the compressed record
  TooManyEntries,  // more than 256 distinct pixel values
  Unreadable,      // the text is not the array of a plain sprite record; see problem
};

struct Result {
  Status status = Status::Unreadable;
  std::string output;                // compressed record as C text, CR LF line ends
  std::vector<std::string> palette;  // distinct pixel texts, in order of first appearance
  std::string sizeReport;            // "Sprite is W x H." once the size has been read
  std::string bitsReport;            // "Sprite takes up B bits per pixel." when compressed
  std::string problem;               // why there is no output
  int bits = 0;                      // bits per palette index when compressed
};

// Compresses the pasted text of a plain sprite record. Pixel values are palette
// entries as text: "0x7FFF" and "32767" are two entries. The output is
//   <declaration>{ 0xFFFF, w-1, h-1, n, <palette...>, // width, height, ...CR LF
//   0xHHLL, ... };
// with the palette indices packed most significant bit first, b bits each.
Result compress(std::string_view text);

}  // namespace palsqueeze
