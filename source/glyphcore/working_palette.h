// Working palettes of compressed records, kept between calls: boxes and
// sprite sheets draw the same few records over and over, and expanding a
// palette costs more than drawing a small tile.
#ifndef PANE_GLYPHCORE_WORKING_PALETTE_H
#define PANE_GLYPHCORE_WORKING_PALETTE_H

#include <libpane.h>

namespace pane::blit {

// The working palette of `count` stored entries (at most 256) read with
// `bits`-bit indices: 1 << bits colours, each (entry XOR invert) AND mask with
// bit 15 set; 0 for the transparent index (the highest entry equal to tc in
// bits 0-14) and for every index without an entry. `invert` is 0 or 0xFFFF.
//
// A palette is reused when the stored entries, their count and width, tc,
// mask and invert all equal those it was built from; the entries themselves
// are compared, not the record's address, so a record changed in place (or
// another record with the same palette) gets a correct palette. The pointer
// stays valid until the next call.
const uint32_t* workingPalette(const uint16_t* entries, uint32_t count, uint32_t bits, uint32_t tc,
                               uint32_t mask, uint32_t invert);

// Small compressed records (tiles) are kept expanded as well: at most
// kTilePixels pixels and 16 palette entries.
constexpr uint32_t kTilePixels = 64;

// The pixels of the compressed record `sprite` (within the tile limits) as
// working colours, row after row: the colour its working palette gives each
// index, 0 where nothing is drawn. Kept like palettes: matched by the
// record's size, palette and index stream words and the same tc, mask and
// invert, whatever its address; valid until the next call.
const uint16_t* expandedTile(const uint16_t* sprite, uint32_t tc, uint32_t mask, uint32_t invert);

}  // namespace pane::blit

#endif
