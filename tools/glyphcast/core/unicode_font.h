// A Unicode font as libpane reads it (libpane.h, "Unicode fonts"): a code-point
// map of runs, 8-byte glyph records and bit-packed pixels, built from the glyphs
// a conversion captured and written as C source, its header, or the binary file.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace glyphcast {

// One glyph as captured, before it has a place in the bitmaps.
struct UnicodeGlyph {
  std::uint32_t codePoint = 0;
  int advance = 0;
  int width = 0;  // ink box; 0 x 0 draws nothing
  int height = 0;
  int left = 0;  // ink box's first column from the pen column
  int top = 0;   // ink box's first row from the line top
  bool picture = false;
  // Other glyphs: width x height values, row by row, each 0 (nothing) to the font's
  // full value, (1 << bitsPerPixel) - 1: 1 is ink at one bit per pixel, 3 or 15
  // full coverage at two or four.
  std::vector<std::uint8_t> levels;
  std::vector<std::uint16_t> colours;  // picture: width x height RGB15 values
};

struct FontMetrics {
  int lineHeight = 0;
  int baseline = 0;
  int underline = 0;
  int tabDistance = 0;
  int transparent = 0;
};

struct FontRange {
  std::uint32_t first = 0;
  std::uint32_t glyph = 0;
};

// What a PaneFont points to and holds, in the binary file's order.
struct UnicodeFont {
  std::vector<FontRange> ranges;     // closing entry {0x110000, glyphCount} included
  std::vector<std::uint8_t> glyphs;  // 8 bytes per glyph, as PaneGlyph
  std::vector<std::uint8_t> bitmaps;
  std::uint32_t glyphCount = 0;
  std::uint32_t pictureFirst = 0;
  std::uint32_t pictureCount = 0;
  std::uint32_t replacement = 0;
  int bitsPerPixel = 1;  // of the glyphs that are not pictures: 1, 2 or 4
  FontMetrics metrics;

  // Runs before the closing entry.
  std::uint32_t rangeCount() const {
    return ranges.empty() ? 0 : static_cast<std::uint32_t>(ranges.size() - 1);
  }
};

constexpr std::uint32_t kNoGlyph = 0xFFFFFFFFu;
// Largest bitmap offset a glyph record holds (24 bits).
constexpr std::uint32_t kMaxBitmapOffset = 0xFFFFFF;

// Lays out glyphs (sorted by code point, each point once, the pictures a run of
// consecutive points) as a font. The replacement is the glyph of U+FFFD, else that
// of '?', else kNoGlyph. Each glyph's levels take bitsPerPixel bits.
UnicodeFont buildUnicodeFont(const std::vector<UnicodeGlyph>& glyphs, const FontMetrics& metrics,
                             int bitsPerPixel = 1);

// The binary file, version 1, little-endian: header, ranges, glyphs, bitmaps.
QByteArray binaryFontBytes(const UnicodeFont& font);

// C source defining const PaneFont name, after the generated line, the include of
// <libpane.h> and the comment lines given (each with its "// "). CR LF line ends.
QString unicodeSourceText(const UnicodeFont& font, const QString& name, const QString& about);

// The header declaring extern const PaneFont name. CR LF line ends.
QString unicodeHeaderText(const QString& name, const QString& about);

}  // namespace glyphcast
