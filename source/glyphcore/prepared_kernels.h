// The pixel loops of prepared glyphs: a kept glyph's lists written at a byte
// address of the buffer (see prepared_glyph.h). Built for libnds they run from
// the instruction TCM (ITCM_CODE on their definitions), where no cache miss
// stalls them.
#ifndef PANE_GLYPHCORE_PREPARED_KERNELS_H
#define PANE_GLYPHCORE_PREPARED_KERNELS_H

#include <stdint.h>

#include "glyphcore/blit_kernels.h"

namespace pane::text {

// A table glyph's list in the colours of ink: each pixel's colour q (bit 15
// set) written as q AND (mask | 0x8000), or (q XOR 0x7FFF) AND (mask | 0x8000)
// for InvertMask.
void drawColourList(const uint16_t* list, uint8_t* origin, blit::Ink ink, uint32_t mask);

// The same clipped pixel by pixel: the box's top-left pixel at column x and
// row y of buffer (modulo 2^32: left of or above the buffer wraps to a large
// number), and only pixels in columns 0..lastColumn and rows 0..rowEnd - 1 drawn.
void drawColourListClipped(const uint16_t* list, uint16_t* buffer, uint32_t x, uint32_t y,
                           uint32_t lastColumn, uint32_t rowEnd, blit::Ink ink, uint32_t mask);

// A Unicode glyph's lists of coverage 1 to amax: full coverage in ink (bit 15
// set), the rest blended with the pixels under them, or, when `known` is
// given, written as known[a], the blends over a known background.
void drawCoverageLists(const uint16_t* lists, uint8_t* origin, uint32_t amax, uint16_t ink,
                       const uint16_t* known);

}  // namespace pane::text

#endif
