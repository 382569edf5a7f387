// Builders for plain and compressed sprite records and a guarded 256x256 canvas.
#include "sprite_builder.h"

#include <stdexcept>

namespace pane_test {

Record plainSprite(const std::vector<std::string>& rows, const ColourMap& colours) {
  const size_t height = rows.size();
  const size_t width = height ? rows[0].size() : 0;
  Record r{static_cast<uint16_t>(width - 1), static_cast<uint16_t>(height - 1)};
  for (const std::string& row : rows) {
    if (row.size() != width) throw std::invalid_argument("picture rows differ in length");
    for (char ch : row) {
      auto it = colours.find(ch);
      r.push_back(it != colours.end() ? it->second : kBlank);
    }
  }
  return r;
}

Record plainSprite(int width, int height, uint16_t colour) {
  Record r{static_cast<uint16_t>(width - 1), static_cast<uint16_t>(height - 1)};
  r.insert(r.end(), static_cast<size_t>(width) * height, colour);
  return r;
}

unsigned bitsFor(size_t paletteEntries) {
  unsigned bits = 1;
  while (bits < 8 && (size_t{1} << bits) < paletteEntries) ++bits;
  return bits;
}

// Reference packer: bit position p is bit 7 - p%8 of stream byte p/8, and
// stream byte k is the low (k even) or high (k odd) byte of word k/2.
std::vector<uint16_t> packIndices(const std::vector<unsigned>& indices, unsigned bits) {
  const size_t totalBits = indices.size() * bits;
  std::vector<uint16_t> words((totalBits + 15) / 16, 0);
  size_t pos = 0;
  for (unsigned v : indices) {
    for (unsigned b = 0; b < bits; ++b, ++pos) {
      if (((v >> (bits - 1 - b)) & 1u) == 0) continue;
      const size_t byte = pos / 8;
      const unsigned bitInByte = 7 - pos % 8;
      words[byte / 2] |= static_cast<uint16_t>(1u << (bitInByte + (byte % 2) * 8));
    }
  }
  return words;
}

Record compressedSprite(int width, int height, const std::vector<uint16_t>& palette,
                        const std::vector<unsigned>& indices) {
  if (indices.size() != static_cast<size_t>(width) * height)
    throw std::invalid_argument("index count differs from width * height");
  Record r{0xFFFF, static_cast<uint16_t>(width - 1), static_cast<uint16_t>(height - 1),
           static_cast<uint16_t>(palette.size())};
  r.insert(r.end(), palette.begin(), palette.end());
  const std::vector<uint16_t> stream = packIndices(indices, bitsFor(palette.size()));
  r.insert(r.end(), stream.begin(), stream.end());
  return r;
}

Record compressedSprite(const std::vector<uint16_t>& palette,
                        const std::vector<std::string>& rows) {
  const int height = static_cast<int>(rows.size());
  const int width = height ? static_cast<int>(rows[0].size()) : 0;
  std::vector<unsigned> indices;
  for (const std::string& row : rows) {
    if (static_cast<int>(row.size()) != width)
      throw std::invalid_argument("picture rows differ in length");
    for (char ch : row) {
      if (ch >= '0' && ch <= '9')
        indices.push_back(static_cast<unsigned>(ch - '0'));
      else if (ch >= 'a' && ch <= 'z')
        indices.push_back(static_cast<unsigned>(ch - 'a' + 10));
      else
        indices.push_back(0);
    }
  }
  return compressedSprite(width, height, palette, indices);
}

Canvas::Canvas() : pixels_((kHeight + 2 * kGuardRows) * kWidth, kGuard) { fill(kBlank); }

void Canvas::fill(uint16_t colour) {
  for (int i = 0; i < kWidth * kHeight; ++i) data()[i] = colour;
}

std::vector<std::string> Canvas::picture(int x, int y, int w, int h,
                                         const std::map<uint16_t, char>& chars) const {
  std::vector<std::string> rows;
  for (int cy = y; cy < y + h; ++cy) {
    std::string row;
    for (int cx = x; cx < x + w; ++cx) {
      const uint16_t v = at(cx, cy);
      auto it = chars.find(v);
      row += it != chars.end() ? it->second : (v == kBlank ? '.' : '?');
    }
    rows.push_back(row);
  }
  return rows;
}

int Canvas::countNot(uint16_t colour) const {
  int n = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) n += at(x, y) != colour;
  return n;
}

bool Canvas::guardsIntact() const {
  const size_t guardPixels = static_cast<size_t>(kGuardRows) * kWidth;
  for (size_t i = 0; i < guardPixels; ++i) {
    if (pixels_[i] != kGuard || pixels_[pixels_.size() - 1 - i] != kGuard) return false;
  }
  return true;
}

}  // namespace pane_test
