// Drawing a glyph from its prepared pixels, inline where the text passes and
// the blitter draw glyphs: a kept glyph wholly within the limits costs a
// lookup, a bounds test and the call of its pixel loop.
#ifndef PANE_GLYPHCORE_PREPARED_DRAW_H
#define PANE_GLYPHCORE_PREPARED_DRAW_H

#include <libpane.h>
#include <stdint.h>

#include "glyphcore/blit_kernels.h"
#include "glyphcore/blitter.h"
#include "glyphcore/coverage_blend.h"
#include "glyphcore/prepared_glyph.h"
#include "glyphcore/prepared_kernels.h"

namespace pane::text {

// A plain table record (not compressed) of character code c as dispGlyph draws
// it without italics; false, having drawn nothing, when it must take the
// general path.
inline bool drawPreparedTableGlyph(const uint16_t* glyph, uint32_t c, uint32_t tc,
                                   uint32_t colormask, int x, int y, uint16_t* buffer,
                                   unsigned maxX, unsigned maxY, SpriteStyle& style) {
  const PreparedGlyph& p = preparedTableGlyph(glyph, c, tc);
  if (p.size == kUnprepared || p.size == 0) return false;
  uint8_t* origin = insideOrigin(p, buffer, x, y, maxX, maxY);
  if (origin == nullptr) return false;
  style.italicJump = -1;  // as the blitter leaves it for a sprite drawn without italics
  drawColourList(preparedLists(p), origin, style.inverse ? blit::Ink::InvertMask : blit::Ink::Mask,
                 colormask & 0xFFFFu);
  return true;
}

// Glyph g of a Unicode font (not a picture) as drawUnicodeGlyphRows draws it without
// italics, in ink (bit 15 set) and over *background when that is given; false,
// having drawn nothing, when it must take the general path.
inline bool drawPreparedUnicodeGlyph(const PaneFont* font, uint32_t g, int x, int top,
                                     uint16_t* buffer, unsigned maxX, unsigned maxY, uint16_t ink,
                                     const uint16_t* background) {
  const PreparedGlyph& p = preparedUnicodeGlyph(font, g);
  if (p.size == kUnprepared) return false;
  if (p.size == 0) return true;
  uint8_t* origin = insideOrigin(p, buffer, x, top, maxX, maxY);
  if (origin == nullptr) return false;
  const uint32_t amax = (1u << font->bitsPerPixel) - 1u;
  drawCoverageLists(
      preparedLists(p), origin, amax, ink,
      amax != 1 && background != nullptr ? knownBackgroundTable(ink, *background, amax) : nullptr);
  return true;
}

}  // namespace pane::text

#endif
