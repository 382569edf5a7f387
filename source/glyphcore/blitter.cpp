// The sprite blitter: draws a plain or palette-compressed sprite record into a
// 256-pixel-wide RGB15 buffer with transparency, colour mask, inversion,
// italic shear and clipping.
#include "glyphcore/glyphcore_internal.h"

namespace pane {

namespace {

constexpr int kRowPixels = 256;
constexpr int kLastColumn = kRowPixels - 1;
constexpr uint16 kOpaque = 0x8000;
constexpr uint16 kCompressedMarker = 0xFFFF;
constexpr int kWorkingPaletteSize = 256;

// Where a sprite lands: the rows to walk and the shear step, decided once per call.
struct Frame {
  int width;
  int y;
  int rows;
  int startColumn;  // column of row 0, already moved right by the italic offset
  int maxX;         // last writable column, never beyond the buffer's right edge
  int jump;         // italicJump as the rows see it
};

// Rejects sprites that cannot touch the visible area and fixes the frame.
// Sets italicJump to -1 for every non-italic sprite that is not rejected
// outright, so that text drawn later without italics never shears.
bool planFrame(int x, int y, uint16* sprite, uint max_X, uint max_Y, Frame& f) {
  const long long width = getSpriteWidthInternal(sprite);
  const long long height = getSpriteHeightInternal(sprite);
  const long long x0 = italics ? x + 2LL : x;
  // Limits compare as signed ints.
  const int maxX = static_cast<int>(max_X);
  const int maxY = static_cast<int>(max_Y);

  if (x0 + width <= 0 || y + height <= 0 || x0 > maxX || y > maxY) return false;

  long long rows = height;
  if (y + height > maxY) rows = static_cast<long long>(maxY) - y;
  if (!italics) italicJump = -1;
  if (rows <= 0) return false;

  f.width = static_cast<int>(width);
  f.y = y;
  f.rows = static_cast<int>(rows);
  f.startColumn = static_cast<int>(x0);
  // Columns past 255 would land in the next row: never write them.
  f.maxX = maxX < kLastColumn ? maxX : kLastColumn;
  f.jump = italicJump;
  return true;
}

// Walks the frame's rows. For each visible row it hands drawRow the sprite row
// i, the visible column range [jBegin, jEnd) of the sprite and the buffer
// address of sprite column jBegin, so the pixel loops need no clipping tests.
// Rows above the buffer are not drawn but still count for the italic step.
template <typename DrawRow>
void walkRows(const Frame& f, uint16* buffer, DrawRow drawRow) {
  int rowStart = f.startColumn;
  int italicsCounter = 0;
  long rowOffset = static_cast<long>(f.y) * kRowPixels;  // element of column 0 in row y + i
  for (int i = 0; i < f.rows; ++i, rowOffset += kRowPixels) {
    if (static_cast<long long>(rowStart) + f.width <= 0) return;  // row starts only move left
    if (f.y + i >= 0) {
      const int jBegin = rowStart < 0 ? -rowStart : 0;
      const int lastVisible = f.maxX - rowStart + 1;
      const int jEnd = lastVisible < f.width ? lastVisible : f.width;
      if (jBegin < jEnd) drawRow(i, jBegin, jEnd, buffer + rowOffset + rowStart + jBegin);
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
inline uint16 inversionBits() { return inverse != 0 ? 0xFFFF : 0x0000; }

}  // namespace

void dispCustomSpriteNormal(int x, int y, uint16* sprite, uint32 tc, uint32 colormask,
                            uint16* bgFlag, uint max_X, uint max_Y) {
  if (bgFlag == nullptr || sprite == nullptr) return;
  Frame f;
  if (!planFrame(x, y, sprite, max_X, max_Y, f)) return;

  const uint16 transparent = static_cast<uint16>(tc | kOpaque);
  const uint16 mask = static_cast<uint16>(colormask);
  const uint16 invert = inversionBits();
  const uint16* pixels = sprite + 2;
  const int width = f.width;

  walkRows(f, bgFlag, [=](int i, int jBegin, int jEnd, uint16* dst) {
    const uint16* src = pixels + static_cast<long>(i) * width;
    for (int j = jBegin; j < jEnd; ++j, ++dst) {
      const uint16 p = src[j];
      if ((p | kOpaque) != transparent) *dst = static_cast<uint16>(((p ^ invert) & mask) | kOpaque);
    }
  });
}

namespace {

// The working palette: masked, opaque colours for every index the stream can
// hold. 0x0000 is never a drawn colour (bit 15 is always set), so it marks the
// transparent index and indices with no palette entry; both are skipped.
struct WorkingPalette {
  uint16 colour[kWorkingPaletteSize];
};

void buildWorkingPalette(const uint16* entries, uint32 count, uint32 tc, uint32 colormask,
                         WorkingPalette& out) {
  const uint16 transparent = static_cast<uint16>(tc | kOpaque);
  const uint16 mask = static_cast<uint16>(colormask);
  const uint16 invert = inversionBits();
  int transparentIndex = -1;
  for (uint32 k = 0; k < kWorkingPaletteSize; ++k) {
    if (k >= count) {
      out.colour[k] = 0;
      continue;
    }
    const uint16 e = entries[k];
    out.colour[k] = static_cast<uint16>(((e ^ invert) & mask) | kOpaque);
    if ((e | kOpaque) == transparent) transparentIndex = static_cast<int>(k);
  }
  if (transparentIndex >= 0) out.colour[transparentIndex] = 0;
}

}  // namespace

void dispCustomSpriteCompressed(int x, int y, uint16* sprite, uint32 tc, uint32 colormask,
                                uint16* bgFlag, uint max_X, uint max_Y) {
  if (bgFlag == nullptr || sprite == nullptr) return;
  Frame f;
  if (!planFrame(x, y, sprite, max_X, max_Y, f)) return;

  const uint32 entries = sprite[3];
  WorkingPalette palette;
  // Palettes longer than the format allows use only their first 256 entries.
  buildWorkingPalette(sprite + 4, entries < kWorkingPaletteSize ? entries : kWorkingPaletteSize,
                      tc, colormask, palette);
  const uint16* colours = palette.colour;

  // The stream is read byte by byte: the low byte of each word comes first on
  // the little-endian DS, and words after an odd palette need no alignment.
  const uint8* stream = reinterpret_cast<const uint8*>(sprite + 4 + entries);
  const uint32 bits = bitsFromPal(entries);
  const uint32 indexMask = bitMaskCalc(entries);
  const unsigned long width = static_cast<unsigned long>(f.width);

  if (bits == 8) {
    walkRows(f, bgFlag, [=](int i, int jBegin, int jEnd, uint16* dst) {
      const uint8* src = stream + i * width;
      for (int j = jBegin; j < jEnd; ++j, ++dst) {
        const uint16 c = colours[src[j]];
        if (c != 0) *dst = c;
      }
    });
    return;
  }

  walkRows(f, bgFlag, [=](int i, int jBegin, int jEnd, uint16* dst) {
    unsigned long bitPos = (i * width + static_cast<unsigned long>(jBegin)) * bits;
    for (int j = jBegin; j < jEnd; ++j, ++dst, bitPos += bits) {
      const uint8* at = stream + (bitPos >> 3);
      const uint32 end = static_cast<uint32>(bitPos & 7) + bits;  // bit just past the index
      // An index crossing a byte boundary takes the next byte as its low half.
      const uint32 window = end > 8 ? (static_cast<uint32>(at[0]) << 8 | at[1]) : at[0];
      const uint32 spare = (end > 8 ? 16 : 8) - end;
      const uint16 c = colours[(window >> spare) & indexMask];
      if (c != 0) *dst = c;
    }
  });
}

}  // namespace pane

extern "C" void dispCustomSprite(int x, int y, uint16* sprite, uint32 tc, uint32 colormask,
                                 uint16* bgFlag, uint max_X, uint max_Y) {
  if (sprite == nullptr || bgFlag == nullptr) return;
  if (sprite[0] == 0xFFFF)
    pane::dispCustomSpriteCompressed(x, y, sprite, tc, colormask, bgFlag, max_X, max_Y);
  else
    pane::dispCustomSpriteNormal(x, y, sprite, tc, colormask, bgFlag, max_X, max_Y);
}
