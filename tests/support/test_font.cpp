// Test fonts: solid glyphs of chosen sizes in a 260-slot font table.
#include "test_font.h"

#include <cstddef>

namespace pane_test {

TestFont::TestFont(int width, int height) : underline_(static_cast<uint16>(height)) {
  for (u32 code = 32; code < 256; ++code) set(code, width, height, kInk);
}

TestFont& TestFont::set(u32 code, int width, int height, uint16 ink) {
  std::vector<uint16>& record = records_.at(code);
  record.assign(2 + static_cast<std::size_t>(width) * height, ink);
  record[0] = static_cast<uint16>(width - 1);
  record[1] = static_cast<uint16>(height - 1);
  return *this;
}

TestFont& TestFont::glyph(u32 code, int width, int height) {
  return set(code, width, height, kInk);
}

TestFont& TestFont::special(u32 code, int width, int height) {
  return set(code, width, height, kSpecialInk);
}

TestFont& TestFont::none(u32 code) {
  records_.at(code).clear();
  return *this;
}

TestFont& TestFont::tab(uint16 distance) {
  tab_ = distance;
  return *this;
}

TestFont& TestFont::underline(uint16 offset) {
  underline_ = offset;
  return *this;
}

TestFont& TestFont::bias(u32 code, int16 rows) {
  if (bias_.empty()) bias_.assign(256, 0);
  bias_.at(code) = rows;
  return *this;
}

uint16** TestFont::table() {
  for (std::size_t code = 0; code < records_.size(); ++code) {
    slots_[code] = records_[code].empty() ? nullptr : records_[code].data();
  }
  slots_[256] = &tab_;
  slots_[257] = &transparent_;
  slots_[258] = &underline_;
  slots_[259] = bias_.empty() ? nullptr : reinterpret_cast<uint16*>(bias_.data());
  return slots_.data();
}

}  // namespace pane_test
