// Font tables for tests, stated in a line or two:
//   TestFont font(6, 8);                 codes 32..255 get solid 6x8 glyphs, 0..31 stay empty
//   font.glyph('W', 9, 12).none('~').special(1, 5, 5).tab(25).underline(10).bias('g', 2);
//   setFont(font.table());               the table lives as long as the TestFont
// Tab distance 16 and underline offset = height unless set.
// Glyph pixels are kInk (drawn in the font colour), special glyphs kSpecialInk
// (drawn in their own colour); the transparent value is kTransparentInk.
#ifndef PANE_TEST_TEST_FONT_H
#define PANE_TEST_TEST_FONT_H

#include <libpane.h>

#include <array>
#include <vector>

namespace pane_test {

constexpr uint16 kInk = 0x7FFF;
constexpr uint16 kSpecialInk = 0x03E0;
constexpr uint16 kTransparentInk = 0x0000;

class TestFont {
 public:
  TestFont(int width, int height);
  TestFont(const TestFont&) = delete;
  TestFont& operator=(const TestFont&) = delete;

  TestFont& glyph(u32 code, int width, int height);    // solid glyph in kInk
  TestFont& special(u32 code, int width, int height);  // solid glyph in kSpecialInk
  TestFont& none(u32 code);                            // empty slot
  TestFont& tab(uint16 distance);
  TestFont& underline(uint16 offset);
  TestFont& bias(u32 code, int16 rows);  // adds the bias array on first use

  uint16** table();

 private:
  TestFont& set(u32 code, int width, int height, uint16 ink);

  std::array<std::vector<uint16>, 256> records_;
  std::array<uint16*, 260> slots_{};
  uint16 tab_ = 16;
  uint16 transparent_ = kTransparentInk;
  uint16 underline_;
  std::vector<int16> bias_;
};

}  // namespace pane_test

#endif
