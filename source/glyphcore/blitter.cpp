// The sprite blitter: draws a plain or palette-compressed sprite record into a
// 256-pixel-wide RGB15 buffer with transparency, colour mask, inversion,
// italic shear and clipping. This file decides which rows and columns are
// visible; the pixel loops (blit_kernels.cpp) only move pixels.
#include "glyphcore/blitter.h"

#include <libpane.h>
#include <stddef.h>
#include <stdint.h>

#include "glyphcore/blit_kernels.h"
#include "glyphcore/prepared_glyph.h"
#include "glyphcore/prepared_kernels.h"
#include "glyphcore/sprite_record.h"
#include "glyphcore/text_state.h"
#include "glyphcore/working_palette.h"

namespace pane {

namespace {

using blit::Block;
using blit::kRowLimit;
using blit::kRowPixels;
constexpr int kLastColumn = kRowPixels - 1;
constexpr uint32_t kFormatEntries = 256;

// Where a sprite lands: the rows to walk and the shear step, decided once per call.
// All positions are computed in 64 bits here, so no int argument can overflow.
struct Frame {
  int width;
  int y;
  int rows;
  int startColumn;  // column of row 0, already moved right by the italic offset
  int maxX;         // last writable column, never beyond the buffer's right edge
  int jump;         // the italic step as the rows see it
};

// Rejects sprites that cannot touch the visible area and fixes the frame.
// Sets the italic step to -1 for every non-italic sprite that is not rejected
// outright, so that text drawn later without italics never shears.
// The record's size words, minus one, sit at `size` (word 0 of a plain record,
// word 1 of a compressed one).
bool planFrame(int x, int y, const uint16_t* size, unsigned max_X, unsigned max_Y,
               SpriteStyle& style, Frame& f) {
  const long long width = size[0] + 1LL;
  const long long height = size[1] + 1LL;
  const long long x0 = style.italics ? x + 2LL : x;
  // Limits compare as signed ints.
  const int maxX = static_cast<int>(max_X);
  const int maxY = static_cast<int>(max_Y);

  if (x0 + width <= 0 || y + height <= 0 || x0 > maxX || y > maxY) return false;

  long long rows = height;
  if (y + height > maxY) rows = static_cast<long long>(maxY) - y;
  if (!style.italics) style.italicJump = -1;
  // Rows no buffer can reach are never visited.
  if (y + rows > kRowLimit) rows = kRowLimit - y;
  if (rows <= 0) return false;

  f.width = static_cast<int>(width);
  f.y = y;
  f.rows = static_cast<int>(rows);
  f.startColumn = static_cast<int>(x0);
  // Columns past 255 would land in the next row: never write them.
  f.maxX = maxX < kLastColumn ? maxX : kLastColumn;
  f.jump = style.italicJump;
  return true;
}

uint16_t* pixelAt(uint16_t* buffer, int row, int column) {
  return buffer + static_cast<ptrdiff_t>(row) * kRowPixels + column;
}

// Hands drawBlock(i, j, block) every visible part of the frame: sprite row i,
// sprite column j and the block of buffer pixels they land on. An unsheared
// sprite is one block, its visible columns computed once; a sheared one is a
// block per row. Rows above the buffer are not drawn but still count for the
// italic step.
template <typename DrawBlock>
void forEachBlock(const Frame& f, uint16_t* buffer, DrawBlock drawBlock) {
  // With the step at -1, or never reached before the last row, no row moves.
  if (f.jump < 0 || f.jump >= f.rows - 1) {
    const int i = f.y < 0 ? -f.y : 0;
    const int j = f.startColumn < 0 ? -f.startColumn : 0;
    const int lastVisible = f.maxX - f.startColumn + 1;
    const int iEnd = f.rows;
    const int jEnd = lastVisible < f.width ? lastVisible : f.width;
    if (i >= iEnd || j >= jEnd) return;
    drawBlock(i, j, Block{pixelAt(buffer, f.y + i, f.startColumn + j), iEnd - i, jEnd - j});
    return;
  }
  int rowStart = f.startColumn;
  int italicsCounter = 0;
  for (int i = 0; i < f.rows; ++i) {
    if (rowStart + f.width <= 0) return;  // row starts only move left
    if (f.y + i >= 0) {
      const int jBegin = rowStart < 0 ? -rowStart : 0;
      const int lastVisible = f.maxX - rowStart + 1;
      const int jEnd = lastVisible < f.width ? lastVisible : f.width;
      if (jBegin < jEnd)
        drawBlock(i, jBegin, Block{pixelAt(buffer, f.y + i, rowStart + jBegin), 1, jEnd - jBegin});
    }
    if (italicsCounter == f.jump) {
      --rowStart;
      italicsCounter = 0;
    } else {
      ++italicsCounter;
    }
  }
}

// XOR with this before masking turns every 5-bit channel c into 31 - c.
inline uint32_t inversionBits(const SpriteStyle& style) {
  return style.inverse ? 0xFFFFu : 0x0000u;
}

// The plain path.
void drawPlain(int x, int y, uint16_t* sprite, uint32_t tc, uint32_t colormask, uint16_t* bgFlag,
               unsigned max_X, unsigned max_Y, SpriteStyle& style) {
  Frame f;
  if (!planFrame(x, y, sprite, max_X, max_Y, style, f)) return;

  const uint32_t transparent = (tc | blit::kOpaque) & 0xFFFFu;
  const uint32_t mask = colormask & 0xFFFFu;
  blit::Ink ink = blit::Ink::Mask;
  if (style.inverse)
    ink = blit::Ink::InvertMask;
  else if ((mask | blit::kOpaque) == 0xFFFFu)
    ink = blit::Ink::Copy;
  const uint16_t* pixels = sprite + 2;
  const uint32_t width = static_cast<uint32_t>(f.width);
  forEachBlock(f, bgFlag, [=](int i, int j, const Block& block) {
    const uint16_t* src = pixels + static_cast<size_t>(static_cast<uint32_t>(i)) * width + j;
    blit::plainBlock(ink, src, width, block, transparent, mask);
  });
}

// The common case decided without 64-bit arithmetic: no italics, and the whole
// sprite inside the limits and the buffer's columns. planFrame would give the
// same frame (and sets the italic step to -1 in the same way).
bool wholeInside(int x, int y, uint32_t width, uint32_t height, unsigned max_X, unsigned max_Y,
                 bool italics) {
  const int maxX = static_cast<int>(max_X), maxY = static_cast<int>(max_Y);
  if (italics || x < 0 || y < 0 || maxX < 0 || maxY < 0) return false;
  const uint32_t lastColumn = maxX < kLastColumn ? static_cast<uint32_t>(maxX) : kLastColumn;
  const uint32_t end = static_cast<uint32_t>(y) + height;  // no wrap: y <= INT_MAX, height <= 65536
  return static_cast<uint32_t>(x) + width - 1 <= lastColumn && end <= static_cast<uint32_t>(maxY) &&
         end <= static_cast<uint32_t>(kRowLimit);
}

// A kept glyph drawn with its pixels clipped one by one to the frame's columns
// and rows; the frame of the whole record decides, as for any sprite, whether
// it is drawn at all (and so the italic step). Glyphs wholly inside the limits
// take drawPreparedTableGlyph before they get here.
void drawPreparedClipped(const text::PreparedGlyph& p, int x, int y, const uint16_t* sprite,
                         uint32_t colormask, uint16_t* buffer, unsigned max_X, unsigned max_Y,
                         SpriteStyle& style) {
  Frame f;
  if (!planFrame(x, y, sprite, max_X, max_Y, style, f) || p.size == 0 || f.maxX < 0) return;
  const long long rowEnd = static_cast<long long>(f.y) + f.rows;
  if (rowEnd <= 0) return;
  text::drawColourListClipped(
      text::preparedLists(p), buffer, static_cast<uint32_t>(x) + static_cast<uint32_t>(p.left),
      static_cast<uint32_t>(y) + static_cast<uint32_t>(p.top), static_cast<uint32_t>(f.maxX),
      static_cast<uint32_t>(rowEnd), style.inverse ? blit::Ink::InvertMask : blit::Ink::Mask,
      colormask & 0xFFFFu);
}

}  // namespace

void dispCustomSpriteNormal(int x, int y, uint16_t* sprite, uint32_t tc, uint32_t colormask,
                            uint16_t* bgFlag, unsigned max_X, unsigned max_Y, SpriteStyle& style) {
  if (bgFlag == nullptr || sprite == nullptr) return;
  drawPlain(x, y, sprite, tc, colormask, bgFlag, max_X, max_Y, style);
}

void dispCustomSpriteCompressed(int x, int y, uint16_t* sprite, uint32_t tc, uint32_t colormask,
                                uint16_t* bgFlag, unsigned max_X, unsigned max_Y,
                                SpriteStyle& style) {
  if (bgFlag == nullptr || sprite == nullptr) return;
  const uint32_t entries = sprite[3];
  const uint32_t width32 = sprite[1] + 1u;
  const uint32_t height32 = sprite[2] + 1u;
  const bool tile = entries <= 16 && width32 <= blit::kTilePixels &&
                    height32 <= blit::kTilePixels && width32 * height32 <= blit::kTilePixels;
  if (tile && wholeInside(x, y, width32, height32, max_X, max_Y, style.italics)) {
    style.italicJump = -1;
    const Block block{pixelAt(bgFlag, y, x), static_cast<int>(height32), static_cast<int>(width32)};
    blit::colourBlock(blit::expandedTile(sprite, tc, colormask, inversionBits(style)), width32,
                      block);
    return;
  }
  Frame f;
  if (!planFrame(x, y, sprite + 1, max_X, max_Y, style, f)) return;
  if (tile) {
    // Tiles are drawn from their expanded pixels.
    const uint16_t* pixels = blit::expandedTile(sprite, tc, colormask, inversionBits(style));
    forEachBlock(f, bgFlag, [=](int i, int j, const Block& block) {
      blit::colourBlock(pixels + static_cast<uint32_t>(i) * width32 + static_cast<uint32_t>(j),
                        width32, block);
    });
    return;
  }
  const uint32_t bits = indexBits(entries);
  // Palettes longer than the format allows use only their first 256 entries.
  const uint32_t* palette =
      blit::workingPalette(sprite + 4, entries < kFormatEntries ? entries : kFormatEntries, bits,
                           tc, colormask, inversionBits(style));

  // The stream is read byte by byte: the low byte of each word comes first on
  // the little-endian DS, and words after an odd palette need no alignment.
  const uint8_t* stream = reinterpret_cast<const uint8_t*>(sprite + 4 + entries);
  const unsigned long width = static_cast<unsigned long>(f.width);
  const unsigned long long recordBits =
      static_cast<unsigned long long>(width) * (sprite[2] + 1ULL) * bits;
  forEachBlock(f, bgFlag, [=](int i, int j, const Block& block) {
    const unsigned long long firstPixel =
        static_cast<unsigned long long>(i) * width + static_cast<unsigned long long>(j);
    blit::packedBlock(stream, bits, recordBits, firstPixel, width, block, palette);
  });
}

void dispGlyph(uint32_t c, int x, int y, uint16_t* sprite, uint32_t tc, uint32_t colormask,
               uint16_t* buffer, unsigned max_X, unsigned max_Y, SpriteStyle& style) {
  if (sprite == nullptr || buffer == nullptr) return;
  if (sprite[0] == kCompressedMarker) {
    dispCustomSpriteCompressed(x, y, sprite, tc, colormask, buffer, max_X, max_Y, style);
    return;
  }
  if (!style.italics) {
    const text::PreparedGlyph& p = text::preparedTableGlyph(sprite, c, tc);
    if (p.size != text::kUnprepared) {
      drawPreparedClipped(p, x, y, sprite, colormask, buffer, max_X, max_Y, style);
      return;
    }
  }
  drawPlain(x, y, sprite, tc, colormask, buffer, max_X, max_Y, style);
}

}  // namespace pane

// Sprites drawn directly take the current text style: italics and inverse
// apply to them as to glyphs.
extern "C" void dispCustomSprite(int x, int y, uint16_t* sprite, uint32_t tc, uint32_t colormask,
                                 uint16_t* bgFlag, unsigned max_X, unsigned max_Y) {
  if (sprite == nullptr || bgFlag == nullptr) return;
  pane::SpriteStyle& style = pane::textState.sprite;
  if (sprite[0] == pane::kCompressedMarker)
    pane::dispCustomSpriteCompressed(x, y, sprite, tc, colormask, bgFlag, max_X, max_Y, style);
  else
    pane::dispCustomSpriteNormal(x, y, sprite, tc, colormask, bgFlag, max_X, max_Y, style);
}
