// Prepared glyphs: the ink of a glyph as lists of the pixels it sets, worked
// out the first time the glyph is drawn and kept in a fixed cache, so that a
// glyph drawn again costs one lookup, one bounds test and a load and a store
// per pixel it sets. Table records and Unicode glyphs at 1, 2 and 4 bits share
// the cache. A table glyph that reaches past the limits is clipped pixel by
// pixel from its lists; a sheared glyph, a Unicode glyph that reaches past the
// limits, a picture and a glyph the cache cannot hold (an ink box over 255
// columns or 128 rows, more pixels than the pool) take the general path.
#ifndef PANE_GLYPHCORE_PREPARED_GLYPH_H
#define PANE_GLYPHCORE_PREPARED_GLYPH_H

#include <libpane.h>
#include <stddef.h>
#include <stdint.h>

#include "glyphcore/blit_kernels.h"

namespace pane::text {

// A kept glyph's pixels are lists of byte offsets from the top-left pixel of
// its ink box in a 256-pixel-wide buffer (2 * (row * 256 + column), so boxes
// are at most 128 rows tall). A table glyph's list is its pixel count and a
// halfword of padding, then a word per pixel: the offset in its top half, the
// colour in its bottom one. A Unicode glyph at amax = 2^bpp - 1 has one list
// per coverage, amax first, each its count and then its offsets.
struct PreparedGlyph {
  const void* key;      // the table record or the PaneGlyph; null: nothing kept
  uint32_t tag;         // table: its transparent colour with bit 15; Unicode: the font's bitmaps
  uint16_t generation;  // kept glyphs of older generations are forgotten
  uint16_t first;       // its lists' first halfword in the pool
  uint16_t size;        // halfwords of its lists; 0: no ink; kUnprepared: the general path
  int16_t left, top;    // the ink box's first column and row, from the glyph's origin
  uint8_t width, height;
};

constexpr uint16_t kUnprepared = 0xFFFF;

// The cache's bound: 256 kept glyphs (5 KB) and a pool of 6,144 halfwords
// (12 KB). A glyph whose lists do not fit in what is left of the pool empties
// the cache first.
constexpr uint32_t kPreparedSlots = 256;
constexpr uint32_t kPoolHalfwords = 6144;

// Two ways per set, the one found or prepared last first. A glyph's set is
// its character code or glyph index, not its address, so the glyphs of one
// font never meet in a set before 128 of them are in use, and two fonts drawn
// in turn (a title font and a body font) both stay kept, wherever their
// glyphs lie in memory.
constexpr uint32_t kPreparedSets = kPreparedSlots / 2;
extern PreparedGlyph preparedSlots[kPreparedSets][2];
extern uint16_t preparedGeneration;

inline PreparedGlyph (&preparedSet(uint32_t index))[2] {
  return preparedSlots[index & (kPreparedSets - 1)];
}

inline bool keeps(const PreparedGlyph& s, const void* key, uint32_t tag) {
  return s.key == key && s.tag == tag && s.generation == preparedGeneration;
}

// What the two lookups below do when the first way misses: find the glyph in
// the second way or prepare it.
const PreparedGlyph& findTableGlyph(PreparedGlyph (&ways)[2], const uint16_t* glyph,
                                    uint32_t transparent);
const PreparedGlyph& findUnicodeGlyph(PreparedGlyph (&ways)[2], const PaneFont* font, uint32_t g,
                                      uint32_t tag);

// The kept glyph for table record `glyph` of character code c drawn with
// transparent colour tc, prepared now if it is not kept.
inline const PreparedGlyph& preparedTableGlyph(const uint16_t* glyph, uint32_t c, uint32_t tc) {
  const uint32_t transparent = (tc | blit::kOpaque) & 0xFFFFu;
  PreparedGlyph(&ways)[2] = preparedSet(c);
  return keeps(ways[0], glyph, transparent) ? ways[0] : findTableGlyph(ways, glyph, transparent);
}

// The kept glyph g of a Unicode font (not a picture), prepared now if it is not kept.
inline const PreparedGlyph& preparedUnicodeGlyph(const PaneFont* font, uint32_t g) {
  const PaneGlyph* glyph = &font->glyphs[g];
  const uint32_t tag = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(font->bitmaps));
  PreparedGlyph(&ways)[2] = preparedSet(g);
  return keeps(ways[0], glyph, tag) ? ways[0] : findUnicodeGlyph(ways, font, g, tag);
}

// The lists of a kept glyph.
extern uint16_t preparedPool[kPoolHalfwords];
inline const uint16_t* preparedLists(const PreparedGlyph& p) { return preparedPool + p.first; }

// Forgets every kept glyph: glyph data changed in place is prepared afresh.
void forgetPreparedGlyphs();

// The byte address of p's ink box, its glyph's origin at (x, y), when the box
// lies wholly in columns 0 .. min(maxX, 255) and rows 0 .. min(maxY, the row
// limit) - 1, the limits taken as signed ints as the blitter takes them; null
// when it does not. Positions are added modulo 2^32, so a box left of column 0
// or above row 0 wraps to a large position and fails.
inline uint8_t* insideOrigin(const PreparedGlyph& p, uint16_t* buffer, int x, int y, unsigned maxX,
                             unsigned maxY) {
  constexpr int kLast = blit::kRowPixels - 1;
  const int mx = static_cast<int>(maxX), my = static_cast<int>(maxY);
  if (mx < 0 || my <= 0) return nullptr;
  const uint32_t lastColumn = static_cast<uint32_t>(mx < kLast ? mx : kLast);
  const uint32_t rowEnd =
      my < blit::kRowLimit ? static_cast<uint32_t>(my) : static_cast<uint32_t>(blit::kRowLimit);
  const uint32_t left = static_cast<uint32_t>(x) + static_cast<uint32_t>(int32_t{p.left});
  const uint32_t top = static_cast<uint32_t>(y) + static_cast<uint32_t>(int32_t{p.top});
  if (left <= lastColumn && lastColumn - left + 1 >= p.width && top <= rowEnd &&
      rowEnd - top >= p.height)
    return reinterpret_cast<uint8_t*>(buffer + static_cast<size_t>(top) * blit::kRowPixels + left);
  return nullptr;
}

}  // namespace pane::text

#endif
