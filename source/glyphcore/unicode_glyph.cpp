// The Unicode glyph path. Rows are walked in the glyph's ink box only; a 1-bit
// row of up to 25 pixels is read as one word whose top bit is the row's first
// pixel, and drawn as runs of ink found by counting bits. Coverage rows blend
// pixel by pixel, or write from the known background's table.
#include "glyphcore/unicode_glyph.h"

#include <stddef.h>

#include "glyphcore/blit_kernels.h"
#include "glyphcore/coverage_blend.h"
#include "glyphcore/unicode_font.h"

namespace pane::text {

namespace {

constexpr int kLastColumn = blit::kRowPixels - 1;
constexpr int kWordPixels = 25;  // a row that fits one 32-bit window at any bit offset

// Rows of a sheared glyph move one column left every `jump + 1` rows of the
// cell, starting two columns right of the pen, as glyph records do.
int thirdOf(int height) {
  return static_cast<int>((static_cast<uint32_t>(height) * 0xAAABu) >> 17);
}

// A glyph's rows read in order from its bit stream, a byte at a time and
// never past the glyph's last byte. A row of up to 25 pixels comes back as the
// top bits of a word, its first pixel in bit 31, the bits below it clear.
class RowReader {
 public:
  explicit RowReader(const uint8_t* bits) : p_(bits) {}
  uint32_t next(int width) {
    while (avail_ < width) {
      acc_ |= static_cast<uint32_t>(*p_++) << (24 - avail_);
      avail_ += 8;
    }
    const uint32_t row = acc_ & (~0u << (32 - width));
    acc_ <<= width;
    avail_ -= width;
    return row;
  }

 private:
  const uint8_t* p_;
  uint32_t acc_ = 0;
  int avail_ = 0;
};

int leadingZeros(uint32_t word) { return __builtin_clz(word); }

// Writes the set bits of `word` (some set) as runs of pixels from p on: each
// run costs two bit counts, whatever its length, and blank pixels cost nothing.
void drawRuns(uint32_t word, uint16_t* p, uint16_t colour) {
  do {
    const int gap = leadingZeros(word);
    p += gap;
    word <<= gap;
    int run = leadingZeros(~word);  // never all ones: a row is at most 25 bits
    word <<= run;
    do *p++ = colour;
    while (--run != 0);
  } while (word != 0);
}

struct Rows {
  int first, end;  // ink rows to draw, [first, end)
};

// Visible ink rows of a glyph whose first ink row lands on row y: none above
// row 0 and none at or below maxY (taken as the signed int the limits of the
// blitter are), worked out in 64 bits so no bound wraps.
Rows visibleRows(int y, int height, unsigned maxY) {
  const long long limit =
      static_cast<int>(maxY) < blit::kRowLimit ? static_cast<int>(maxY) : blit::kRowLimit;
  const long long first = y < 0 ? -static_cast<long long>(y) : 0;
  long long end = height;
  if (y + end > limit) end = limit - y;
  if (end <= first) return {0, 0};
  return {static_cast<int>(first), static_cast<int>(end)};
}

// A row too wide for one word, pixel by pixel.
void drawWideRow(const uint8_t* bits, uint32_t firstBit, int from, int to, uint16_t* dst,
                 uint16_t colour) {
  for (int j = from; j < to; ++j) {
    const uint32_t bit = firstBit + static_cast<uint32_t>(j);
    if ((bits[bit >> 3] & (0x80u >> (bit & 7u))) != 0) dst[j] = colour;
  }
}

void drawPictureRow(const uint8_t* pixels, int from, int to, uint16_t* dst, uint32_t transparent,
                    uint32_t inversion) {
  for (int j = from; j < to; ++j) {
    const uint32_t p = pixels[2 * j] | (static_cast<uint32_t>(pixels[2 * j + 1]) << 8);
    if ((p | blit::kOpaque) != transparent)
      dst[j] = static_cast<uint16_t>((p ^ inversion) | blit::kOpaque);
  }
}

// The coverage of a row: pixels of bpp bits, read in words of at most 24
// bits; columns outside [from, to) are read and left alone. With a table the
// pixels are written from it, else blended with what is under them.
struct Coverage {
  int bpp;
  uint32_t amax;
  uint32_t ink;
  const uint16_t* table;
};

// Columns [from, to) of one chunk of n pixels that starts at column `first`:
// the pixels left of from shifted out, those from `to` on cleared, blank
// pixels skipped by counting leading zeros.
template <int kBpp, bool kTable>
void drawCoverageChunk(uint32_t word, int first, int n, int from, int to, uint16_t* row,
                       const Coverage& c) {
  constexpr uint32_t kMax = (1u << kBpp) - 1u;
  const int hi = to - first;
  if (hi <= 0) return;
  if (hi < n) word &= ~0u << (32 - hi * kBpp);
  int j = first;
  if (from > first) {
    if (from - first >= n) return;
    word <<= (from - first) * kBpp;
    j = from;
  }
  while (word != 0) {
    const int blank = leadingZeros(word) / kBpp;
    j += blank;
    word <<= blank * kBpp;
    const uint32_t a = word >> (32 - kBpp);
    if (kTable)
      row[j] = c.table[a];
    else
      row[j] = a == kMax ? static_cast<uint16_t>(c.ink) : blendCoverage(row[j], c.ink, a, kMax);
    word <<= kBpp;
    ++j;
  }
}

template <int kBpp, bool kTable>
void coverageRowOf(RowReader& reader, int width, int from, int to, uint16_t* row,
                   const Coverage& c) {
  constexpr int kChunk = 24 / kBpp;
  for (int first = 0; first < width; first += kChunk) {
    const int n = width - first < kChunk ? width - first : kChunk;
    drawCoverageChunk<kBpp, kTable>(reader.next(n * kBpp), first, n, from, to, row, c);
  }
}

void drawCoverageRow(RowReader& reader, int width, int from, int to, uint16_t* row,
                     const Coverage& c) {
  if (c.bpp == 2)
    c.table != nullptr ? coverageRowOf<2, true>(reader, width, from, to, row, c)
                       : coverageRowOf<2, false>(reader, width, from, to, row, c);
  else
    c.table != nullptr ? coverageRowOf<4, true>(reader, width, from, to, row, c)
                       : coverageRowOf<4, false>(reader, width, from, to, row, c);
}

// One row of ink: the bits of columns [from, to) of the row's word, drawn
// from row + from.
inline void drawInkBits(uint32_t bits, int from, int to, uint16_t* row, uint16_t ink) {
  bits = (bits << from) & (~0u << (32 - (to - from)));
  if (bits != 0) drawRuns(bits, row + from, ink);
}

}  // namespace

void drawUnicodeGlyphRows(const PaneFont* font, uint32_t g, int x, int top, uint16_t* buffer,
                          unsigned maxX, unsigned maxY, uint32_t colourMask,
                          const SpriteStyle& style, const uint16_t* background) {
  const uint32_t inversion = style.inverse ? 0xFFFFu : 0u;
  const bool picture = isPicture(font, g);
  const uint16_t ink = static_cast<uint16_t>(((0x7FFFu ^ inversion) & colourMask) | blit::kOpaque);
  const PaneGlyph& glyph = font->glyphs[g];
  const int width = glyph.width;
  const int lastColumn =
      static_cast<int>(maxX) < kLastColumn ? static_cast<int>(maxX) : kLastColumn;
  // Positions are settled in 64 bits once: a glyph that can reach the buffer
  // lies within a few hundred pixels of it, so the rows below work in ints.
  const long long y0 = static_cast<long long>(top) + glyph.top;
  const long long x0 = static_cast<long long>(x) + glyph.left + (style.italics ? 2 : 0);
  if (width == 0 || lastColumn < 0 || y0 > blit::kRowLimit || y0 + glyph.height <= 0 ||
      x0 > lastColumn || x0 + width <= 0)
    return;
  const Rows rows = visibleRows(static_cast<int>(y0), glyph.height, maxY);
  if (rows.first >= rows.end) return;
  const int left = static_cast<int>(x0);
  const int jump = style.italics ? thirdOf(font->lineHeight) + 1 : 0;

  const uint8_t* data = font->bitmaps + glyphOffset(glyph);
  const uint32_t transparent = (font->transparent | blit::kOpaque) & 0xFFFFu;
  const int bpp = picture ? 16 : font->bitsPerPixel;
  const bool word = bpp == 1 && width <= kWordPixels;
  Coverage coverage{bpp, (1u << bpp) - 1u, ink, nullptr};
  if (bpp == 2 || bpp == 4) {
    if (background != nullptr)
      coverage.table = knownBackgroundTable(ink, *background, coverage.amax);
  }

  uint16_t* row =
      buffer + static_cast<ptrdiff_t>(static_cast<int>(y0) + rows.first) * blit::kRowPixels;
  RowReader reader(data);
  for (int i = 0; i < rows.first && word; ++i) reader.next(width);
  for (int i = 0; i < rows.first && (bpp == 2 || bpp == 4); ++i)
    drawCoverageRow(reader, width, 0, 0, row, coverage);

  // Unsheared: the same columns on every row.
  if (jump == 0 && word) {
    const int from = left < 0 ? -left : 0;
    const int to = lastColumn - left + 1 < width ? lastColumn - left + 1 : width;
    for (int i = rows.first; i < rows.end; ++i, row += blit::kRowPixels)
      drawInkBits(reader.next(width), from, to, row + left, ink);
    return;
  }

  // Sheared rows move one column left every `jump` rows of the cell.
  const int cellRow = glyph.top + rows.first;
  int shift = jump != 0 ? cellRow / jump : 0;
  int stepIn = jump != 0 ? jump - cellRow % jump : 0;
  for (int i = rows.first; i < rows.end; ++i, row += blit::kRowPixels) {
    const int start = left - shift;
    const uint32_t bits = word ? reader.next(width) : 0;
    if (jump != 0 && --stepIn == 0) {
      ++shift;
      stepIn = jump;
    }
    if (start + width <= 0) break;  // rows only move left
    int from = start < 0 ? -start : 0;
    int to = lastColumn - start + 1 < width ? lastColumn - start + 1 : width;
    if (from >= to) from = to = 0;  // the row lies right of the limit
    const uint32_t rowFirst = static_cast<uint32_t>(i) * static_cast<uint32_t>(width);
    if (bpp == 2 || bpp == 4)
      drawCoverageRow(reader, width, from, to, from == to ? row : row + start, coverage);
    else if (from == to)
      continue;
    else if (picture)
      drawPictureRow(data + 2 * rowFirst, from, to, row + start, transparent, inversion);
    else if (word)
      drawInkBits(bits, from, to, row + start, ink);
    else
      drawWideRow(data, rowFirst, from, to, row + start, ink);
  }
}

}  // namespace pane::text
