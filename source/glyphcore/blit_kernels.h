// The blitter's pixel loops: whole blocks of visible rows and columns, with
// clipping already done by the caller. On the DS they are built as ARM code
// even in a Thumb build (source/CMakeLists.txt): the ARM9 runs ARM code from
// its cache fastest, and ARM's conditional stores let the loops skip
// transparent pixels without branching.
#ifndef PANE_GLYPHCORE_BLIT_KERNELS_H
#define PANE_GLYPHCORE_BLIT_KERNELS_H

#include <libpane.h>
#include <limits.h>
#include <pane_geometry.h>
#include <stdint.h>

namespace pane::blit {

constexpr int kRowPixels = PANE_SCREEN_WIDTH;
constexpr uint32_t kOpaque = 0x8000;
// Rows at or past this one have element indices beyond any address space (and
// beyond an int); the blitter and drawRect never visit them.
constexpr long long kRowLimit =
    (PTRDIFF_MAX / kRowPixels < INT_MAX ? PTRDIFF_MAX / kRowPixels : INT_MAX);

// How a plain pixel q (its colour with bit 15 set) becomes the written colour.
enum class Ink {
  Copy,        // q itself: colour mask 0xFFFF, no inversion
  Mask,        // q AND (mask | 0x8000)
  InvertMask,  // (q XOR 0x7FFF) AND (mask | 0x8000)
};

// A block of `rows` rows of `columns` pixels (both > 0) whose top-left pixel is
// written at dst; dst advances 256 pixels per row.
struct Block {
  uint16_t* dst;
  int rows;
  int columns;
};

// Plain pixels from src (srcStride pixels per row): a pixel whose colour with
// bit 15 set equals `transparent` is skipped, every other one written by ink.
void plainBlock(Ink ink, const uint16_t* src, uint32_t srcStride, const Block& block,
                uint32_t transparent, uint32_t mask);

// Indices of `bits` bits (1 to 8) from a stream of recordBits bits, the
// block's first pixel at stream pixel number firstPixel, rows `width` pixels
// apart; each index looks up a colour in palette, and 0 there means nothing
// is written.
void packedBlock(const uint8_t* stream, uint32_t bits, unsigned long long recordBits,
                 unsigned long long firstPixel, unsigned long width, const Block& block,
                 const uint32_t* palette);

// Working colours from src (srcStride pixels per row): 0 is skipped, every
// other colour written as it is.
void colourBlock(const uint16_t* src, uint32_t srcStride, const Block& block);

// Fills the block with one colour, two pixels per 32-bit store wherever a pair
// of pixels starts on a word boundary.
void fillBlock(const Block& block, uint16_t colour);

}  // namespace pane::blit

#endif
