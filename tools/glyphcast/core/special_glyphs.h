// The fourteen DS button pictures that the font template carries as special glyphs,
// kept as readable pictures and turned into colour values on demand.
#pragma once

#include <QString>

#include <array>
#include <vector>

namespace glyphcast {

// The line that follows a special glyph array in the template.
enum class Separator { Tab, Empty, TwoEmpty };

constexpr int kSpecialGlyphRows = 11;

struct SpecialGlyph {
  int number;  // 1 to 14: the array <>_X001 to <>_X014
  int slot;    // font table slot that points to it
  Separator after;
  // One character per pixel: '.' transparent, 'o' grey, 'X' white.
  std::array<const char*, kSpecialGlyphRows> rows;

  int columns() const;
  QString name() const;  // with the "<>" prefix placeholder, e.g. "<>_X001"
};

// The pictures in template order.
const std::vector<SpecialGlyph>& specialGlyphs();

// RGB15 value of a picture character: '.' 0, 'o' 15855 (15 in each channel), 'X' 32767.
int pictureColour(char pixel);

}  // namespace glyphcast
