// Test helpers for sprite records and 256-pixel-wide buffers.
//
// Building records (all return std::vector<uint16_t>; pass .data() to the library):
//   plainSprite({"..XX..", ".X..X."}, {{'X', 0x001F}})   plain record; '.' and any
//       unmapped character become kBlank (0x0000) unless the map names them.
//   plainSprite(w, h, colour)                            plain record filled with one colour.
//   compressedSprite(w, h, palette, indices)              compressed record; indices are
//       packed with bitsFor(palette.size()) bits each, most significant bit first,
//       bytes filling each word low byte first, zero-padded to a whole word.
//   compressedSprite(palette, {"0120", "3.01"})           same, one character per
//       pixel: '0'-'9' then 'a'-'z' give indices 0..35; '.' means index 0.
//   packIndices(indices, bits)                            the bare index stream words.
//   bitsFor(n)                                            bits per index for n entries.
//
// Reading buffers:
//   Canvas c;             256x256 RGB15 buffer, cleared to 0, with guard rows above and
//                         below filled with kGuard; c.data() is pixel (0, 0).
//   c.at(x, y)            read pixel; c.fill(v) set every pixel.
//   c.picture(x, y, w, h, {{0x801F, 'X'}})  the region as strings: mapped colours give
//                         their character, 0x0000 gives '.', anything else '?'.
//   c.countNot(v)         pixels different from v.
//   c.guardsIntact()      whether nothing was written outside the 256x256 area.
#ifndef PANE_TEST_SPRITE_BUILDER_H
#define PANE_TEST_SPRITE_BUILDER_H

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace pane_test {

using Record = std::vector<uint16_t>;
using ColourMap = std::map<char, uint16_t>;

constexpr uint16_t kBlank = 0x0000;
constexpr uint16_t kGuard = 0x5A5A;

Record plainSprite(const std::vector<std::string>& rows, const ColourMap& colours);
Record plainSprite(int width, int height, uint16_t colour);

unsigned bitsFor(size_t paletteEntries);
std::vector<uint16_t> packIndices(const std::vector<unsigned>& indices, unsigned bits);
Record compressedSprite(int width, int height, const std::vector<uint16_t>& palette,
                        const std::vector<unsigned>& indices);
Record compressedSprite(const std::vector<uint16_t>& palette, const std::vector<std::string>& rows);

class Canvas {
 public:
  static constexpr int kWidth = 256;
  static constexpr int kHeight = 256;
  static constexpr int kGuardRows = 64;

  Canvas();
  uint16_t* data() { return &pixels_[kGuardRows * kWidth]; }
  uint16_t at(int x, int y) const { return pixels_[(kGuardRows + y) * kWidth + x]; }
  void fill(uint16_t colour);
  std::vector<std::string> picture(int x, int y, int w, int h,
                                   const std::map<uint16_t, char>& chars) const;
  int countNot(uint16_t colour) const;
  bool guardsIntact() const;

 private:
  std::vector<uint16_t> pixels_;
};

}  // namespace pane_test

#endif
