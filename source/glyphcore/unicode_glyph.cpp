// The Unicode glyph path. Rows are walked in the glyph's ink box only; a row
// of up to 25 pixels is read as one word whose top bit is the row's first
// pixel, so the row ends as soon as its last ink pixel is written.
#include "glyphcore/unicode_glyph.h"

#include <stddef.h>

#include "glyphcore/blit_kernels.h"
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

// Bits first .. first + count - 1 of the stream (count <= 25), the first in bit 31.
uint32_t rowWindow(const uint8_t* bits, uint32_t first, int count) {
  const uint8_t* p = bits + (first >> 3);
  const uint32_t skip = first & 7u;
  const int bytes = static_cast<int>((skip + static_cast<uint32_t>(count) + 7u) >> 3);
  uint32_t word = 0;
  for (int k = 0; k < bytes; ++k) word |= static_cast<uint32_t>(p[k]) << (24 - 8 * k);
  return word << skip;
}

struct Rows {
  int first, end;  // ink rows to draw, [first, end)
};

// Visible ink rows of a glyph whose first ink row lands on row y.
Rows visibleRows(int y, int height, unsigned maxY) {
  const long long limit =
      static_cast<int>(maxY) < blit::kRowLimit ? static_cast<int>(maxY) : blit::kRowLimit;
  Rows r{y < 0 ? -y : 0, height};
  if (static_cast<long long>(y) + height > limit) r.end = static_cast<int>(limit - y);
  return r;
}

void drawInkRow(const uint8_t* bits, uint32_t firstBit, int from, int to, uint16_t* dst,
                uint16_t colour) {
  if (to - from <= kWordPixels) {
    uint32_t word = rowWindow(bits, firstBit + static_cast<uint32_t>(from), to - from);
    word &= ~0u << (32 - (to - from));
    for (uint16_t* p = dst + from; word != 0; word <<= 1, ++p)
      if ((word & 0x80000000u) != 0) *p = colour;
    return;
  }
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

}  // namespace

void drawUnicodeGlyph(const PaneFont* font, uint32_t g, int x, int top, uint16_t* buffer,
                      unsigned maxX, unsigned maxY, uint32_t colourMask, const SpriteStyle& style) {
  const PaneGlyph& glyph = font->glyphs[g];
  const int width = glyph.width;
  const long long y0 = static_cast<long long>(top) + glyph.top;
  if (width == 0 || glyph.height == 0 || y0 > blit::kRowLimit || y0 + glyph.height <= 0) return;
  const int lastColumn =
      static_cast<int>(maxX) < kLastColumn ? static_cast<int>(maxX) : kLastColumn;
  if (lastColumn < 0) return;
  const Rows rows = visibleRows(static_cast<int>(y0), glyph.height, maxY);
  const long long x0 = static_cast<long long>(x) + glyph.left + (style.italics ? 2 : 0);
  const int jump = style.italics ? thirdOf(font->lineHeight) + 1 : 0;

  const uint32_t inversion = style.inverse ? 0xFFFFu : 0u;
  const bool picture = isPicture(font, g);
  const uint8_t* data = font->bitmaps + glyphOffset(glyph);
  const uint16_t ink = static_cast<uint16_t>(((0x7FFFu ^ inversion) & colourMask) | blit::kOpaque);
  const uint32_t transparent = (font->transparent | blit::kOpaque) & 0xFFFFu;

  for (int i = rows.first; i < rows.end; ++i) {
    const long long start = jump != 0 ? x0 - (glyph.top + i) / jump : x0;
    if (start > lastColumn) continue;
    if (start + width <= 0) {
      if (jump != 0) break;  // rows only move left
      continue;
    }
    const int left = static_cast<int>(start);
    const int from = left < 0 ? -left : 0;
    const int to = lastColumn - left + 1 < width ? lastColumn - left + 1 : width;
    uint16_t* row =
        buffer + static_cast<ptrdiff_t>(static_cast<int>(y0) + i) * blit::kRowPixels + left;
    const uint32_t rowFirst = static_cast<uint32_t>(i) * static_cast<uint32_t>(width);
    if (picture)
      drawPictureRow(data + 2 * rowFirst, from, to, row, transparent, inversion);
    else
      drawInkRow(data, rowFirst * font->bitsPerPixel, from, to, row, ink);
  }
}

}  // namespace pane::text
