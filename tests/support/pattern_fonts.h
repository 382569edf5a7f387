// One set of patterned glyphs as both kinds of font, so that tests can draw
// the same text through a table and through a Unicode font and compare:
//   PatternFonts fonts({0x3042, 0x4E00});   ASCII 32..126, '?', these code points
//   setFont(fonts.table());                 the codes below 256
//   setUnicodeFont(fonts.font());           all of them, and a picture at U+E000
//   fonts.binary()                          the Unicode font as a binary file
// Glyphs are kLineHeight rows tall; ASCII glyphs are 3 to 6 columns wide with
// a pattern of ink and a blank column or row at their edges, other code points
// 8 columns. The space has no ink. The table's code 1 and the Unicode font's
// U+E000 hold the same picture.
#ifndef PANE_TEST_PATTERN_FONTS_H
#define PANE_TEST_PATTERN_FONTS_H

#include <libpane.h>

#include <array>
#include <cstdint>
#include <vector>

namespace pane_test {

class PatternFonts {
 public:
  static constexpr int kLineHeight = 10;
  static constexpr uint16_t kUnderline = 8;
  static constexpr uint16_t kTab = 20;

  // bitsPerPixel 2 or 4 makes coverage glyphs: ink pixels get coverage 1 to amax
  // by a pattern of their own, or amax everywhere with fullInk.
  explicit PatternFonts(const std::vector<uint32_t>& extraCodePoints = {}, int bitsPerPixel = 1,
                        bool fullInk = false);
  PatternFonts(const PatternFonts&) = delete;
  PatternFonts& operator=(const PatternFonts&) = delete;

  uint16_t** table() { return slots_.data(); }
  const PaneFont* font() const { return &font_; }
  std::vector<uint8_t> binary() const;

  static int widthOf(uint32_t c);
  static bool inkAt(uint32_t c, int x, int y);
  // The coverage a glyph pixel has in this font (0 .. amax; 1-bit: 0 or 1).
  uint32_t coverageAt(uint32_t c, int x, int y) const;

 private:
  void addGlyph(uint32_t c, bool picture);

  std::array<std::vector<uint16_t>, 256> records_;
  std::array<uint16_t*, 260> slots_{};
  uint16_t tab_ = kTab, transparent_ = 0, underline_ = kUnderline;
  int bpp_;
  bool fullInk_;

  std::vector<PaneRange> ranges_;
  std::vector<PaneGlyph> glyphs_;
  std::vector<uint8_t> bitmaps_;
  PaneFont font_{};
};

}  // namespace pane_test

#endif
