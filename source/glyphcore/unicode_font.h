// Readers of Unicode fonts: the glyph of a code point through the font's
// ranges, and a glyph's metrics and pixels.
#ifndef PANE_GLYPHCORE_UNICODE_FONT_H
#define PANE_GLYPHCORE_UNICODE_FONT_H

#include <libpane.h>
#include <stdint.h>

namespace pane::text {

// The glyph index of code point c, PANE_NO_GLYPH without one. The first range
// is tried first, since fonts start with the Latin letters that most text
// uses; the rest are searched by halving, at most ceil(log2(ranges + 1)) probes.
inline uint32_t findGlyph(const PaneFont* font, uint32_t c) {
  const PaneRange* r = font->ranges;
  if (c - r[0].first < r[1].glyph - r[0].glyph) return r[0].glyph + (c - r[0].first);
  uint32_t lo = 0, hi = font->rangeCount;  // the range holding c, if any, lies in [lo, hi)
  while (hi - lo > 1) {
    const uint32_t mid = lo + (hi - lo) / 2;
    if (r[mid].first <= c)
      lo = mid;
    else
      hi = mid;
  }
  const uint32_t offset = c - r[lo].first;
  return c >= r[lo].first && offset < r[lo + 1].glyph - r[lo].glyph ? r[lo].glyph + offset
                                                                    : PANE_NO_GLYPH;
}

// The glyph a printable code point is drawn with: its own or the replacement.
inline uint32_t shownGlyph(const PaneFont* font, uint32_t c) {
  const uint32_t g = findGlyph(font, c);
  return g != PANE_NO_GLYPH ? g : font->replacement;
}

// Pen advance of glyph g; a font without a replacement glyph advances 0.
inline int glyphAdvance(const PaneFont* font, uint32_t g) {
  return g < font->glyphCount ? font->glyphs[g].advance : 0;
}

inline uint32_t glyphOffset(const PaneGlyph& g) {
  return g.offset[0] | (static_cast<uint32_t>(g.offset[1]) << 8) |
         (static_cast<uint32_t>(g.offset[2]) << 16);
}

inline bool isPicture(const PaneFont* font, uint32_t g) {
  return g - font->pictureFirst < font->pictureCount;
}

}  // namespace pane::text

#endif
