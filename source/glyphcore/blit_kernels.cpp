// The blitter's pixel loops (see blit_kernels.h): one loop per ink for plain
// records, and one per index width for compressed ones, with fast paths that
// take whole stream bytes at 1, 2, 4 and 8 bits per index.
#include "glyphcore/blit_kernels.h"

#include <stdint.h>

namespace pane::blit {

namespace {

inline void put(uint16_t* d, uint32_t colour) {
  if (colour != 0) *d = static_cast<uint16_t>(colour);
}

template <Ink kInk>
inline void plainPixel(const uint16_t* s, uint16_t* d, uint32_t transparent, uint32_t ink) {
  const uint32_t q = *s | kOpaque;
  if (q == transparent) return;
  *d = static_cast<uint16_t>(kInk == Ink::Copy   ? q
                             : kInk == Ink::Mask ? q & ink
                                                 : (q ^ 0x7FFFu) & ink);
}

void colourRows(const uint16_t* src, uint32_t srcStride, uint16_t* dst, int rows, int columns) {
  if (columns == 1) {
    for (; rows > 0; --rows, src += srcStride, dst += kRowPixels) put(dst, *src);
    return;
  }
  for (; rows > 0; --rows, src += srcStride, dst += kRowPixels) {
    const uint16_t* s = src;
    uint16_t* d = dst;
    int n = columns;
    for (; n >= 4; n -= 4, s += 4, d += 4) {
      put(d, s[0]);
      put(d + 1, s[1]);
      put(d + 2, s[2]);
      put(d + 3, s[3]);
    }
    for (; n > 0; --n) put(d++, *s++);
  }
}

// Eight pixels per loop turn; the last 0 to 7 pixels of a row (all of a
// glyph's row, mostly) through a jump into an unrolled run that ends at the
// row's end.
template <Ink kInk>
void plainRows(const uint16_t* src, uint32_t srcStride, uint16_t* dst, int rows, int columns,
               uint32_t transparent, uint32_t mask) {
  const uint32_t ink = mask | kOpaque;
  const int whole = columns & ~7;
  const int rest = columns & 7;
  for (; rows > 0; --rows, src += srcStride, dst += kRowPixels) {
    const uint16_t* s = src;
    uint16_t* d = dst;
    for (const uint16_t* end = src + whole; s != end; s += 8, d += 8) {
#pragma GCC unroll 8
      for (int k = 0; k < 8; ++k) plainPixel<kInk>(s + k, d + k, transparent, ink);
    }
    s += rest;
    d += rest;
    switch (rest) {
      case 7:
        plainPixel<kInk>(s - 7, d - 7, transparent, ink);
        [[fallthrough]];
      case 6:
        plainPixel<kInk>(s - 6, d - 6, transparent, ink);
        [[fallthrough]];
      case 5:
        plainPixel<kInk>(s - 5, d - 5, transparent, ink);
        [[fallthrough]];
      case 4:
        plainPixel<kInk>(s - 4, d - 4, transparent, ink);
        [[fallthrough]];
      case 3:
        plainPixel<kInk>(s - 3, d - 3, transparent, ink);
        [[fallthrough]];
      case 2:
        plainPixel<kInk>(s - 2, d - 2, transparent, ink);
        [[fallthrough]];
      case 1:
        plainPixel<kInk>(s - 1, d - 1, transparent, ink);
        [[fallthrough]];
      default:
        break;
    }
  }
}

// 1, 2 or 4 bits per index: whole bytes of 8 / kBits pixels, with the row's
// first and last bytes taken pixel by pixel.
template <int kBits, typename Position>
void packedRowsSmall(const uint8_t* stream, Position bitPos, Position rowBits, uint16_t* dst,
                     int rows, int columns, const uint32_t* palette) {
  constexpr int kPerByte = 8 / kBits;
  constexpr uint32_t kMask = (1u << kBits) - 1u;
  for (; rows > 0; --rows, bitPos += rowBits, dst += kRowPixels) {
    const uint8_t* s = stream + (bitPos >> 3);
    uint16_t* d = dst;
    int n = columns;
    int k = static_cast<int>(bitPos & 7) / kBits;  // pixels of the first byte before ours
    if (k != 0) {
      const uint32_t byte = *s++;
      for (; k < kPerByte && n > 0; ++k, --n, ++d)
        put(d, palette[(byte >> (8 - kBits * (k + 1))) & kMask]);
    }
    for (; n >= kPerByte; n -= kPerByte, d += kPerByte) {
      const uint32_t byte = *s++;
#pragma GCC unroll 8
      for (int p = 0; p < kPerByte; ++p)
        put(d + p, palette[(byte >> (8 - kBits * (p + 1))) & kMask]);
    }
    if (n > 0) {
      const uint32_t byte = *s;
      for (int p = 0; p < n; ++p) put(d + p, palette[(byte >> (8 - kBits * (p + 1))) & kMask]);
    }
  }
}

void packedRows8(const uint8_t* stream, unsigned long long firstPixel, unsigned long width,
                 uint16_t* dst, int rows, int columns, const uint32_t* palette) {
  const uint8_t* row = stream + firstPixel;
  for (; rows > 0; --rows, row += width, dst += kRowPixels) {
    const uint8_t* s = row;
    uint16_t* d = dst;
    int n = columns;
    for (; n >= 4; n -= 4, s += 4, d += 4) {
      put(d, palette[s[0]]);
      put(d + 1, palette[s[1]]);
      put(d + 2, palette[s[2]]);
      put(d + 3, palette[s[3]]);
    }
    for (; n > 0; --n) put(d++, palette[*s++]);
  }
}

// Any width from 1 to 7: the stream's bits pass through a 32-bit window whose
// top `avail` bits are the next ones, refilled a byte at a time when fewer
// than one index is left, so no byte past the last index is read.
template <typename Position>
void packedRowsAny(const uint8_t* stream, uint32_t bits, Position bitPos, Position rowBits,
                   uint16_t* dst, int rows, int columns, const uint32_t* palette) {
  const uint32_t indexMask = (1u << bits) - 1u;
  if (columns == 1) {  // a column of pixels: one index per row
    for (; rows > 0; --rows, bitPos += rowBits, dst += kRowPixels) {
      const uint8_t* s = stream + (bitPos >> 3);
      const uint32_t end = static_cast<uint32_t>(bitPos & 7) + bits;
      const uint32_t window = end > 8 ? (static_cast<uint32_t>(s[0]) << 8 | s[1]) : s[0];
      put(dst, palette[(window >> ((end > 8 ? 16 : 8) - end)) & indexMask]);
    }
    return;
  }
  const uint32_t dropped = 32 - bits;
  for (; rows > 0; --rows, bitPos += rowBits, dst += kRowPixels) {
    const uint8_t* s = stream + (bitPos >> 3);
    const uint32_t offset = static_cast<uint32_t>(bitPos & 7);
    uint32_t window = static_cast<uint32_t>(*s++) << (24 + offset);
    uint32_t avail = 8 - offset;
    uint16_t* d = dst;
    for (int n = columns; n > 0; --n, ++d) {
      if (avail < bits) {
        window |= static_cast<uint32_t>(*s++) << (24 - avail);
        avail += 8;
      }
      put(d, palette[window >> dropped]);
      window <<= bits;
      avail -= bits;
    }
  }
}

// Two pixels in one word; buffers are uint16_t arrays, hence may_alias.
typedef uint32_t __attribute__((__may_alias__)) PixelPair;

void fillRows(uint16_t* dst, int rows, int columns, uint32_t colour) {
  const uint32_t pair = colour | colour << 16;
  for (; rows > 0; --rows, dst += kRowPixels) {
    uint16_t* d = dst;
    int n = columns;
    if ((reinterpret_cast<uintptr_t>(d) & 2) != 0) {
      *d++ = static_cast<uint16_t>(colour);
      --n;
    }
    PixelPair* w = static_cast<PixelPair*>(static_cast<void*>(d));
    for (; n >= 8; n -= 8, w += 4) {
      w[0] = pair;
      w[1] = pair;
      w[2] = pair;
      w[3] = pair;
    }
    for (; n >= 2; n -= 2) *w++ = pair;
    if (n > 0) *static_cast<uint16_t*>(static_cast<void*>(w)) = static_cast<uint16_t>(colour);
  }
}

void packedBits(const uint8_t* stream, uint32_t bits, uint32_t bitPos, uint32_t rowBits,
                const Block& block, const uint32_t* palette) {
  switch (bits) {
    case 4:
      packedRowsSmall<4>(stream, bitPos, rowBits, block.dst, block.rows, block.columns, palette);
      break;
    case 2:
      packedRowsSmall<2>(stream, bitPos, rowBits, block.dst, block.rows, block.columns, palette);
      break;
    case 1:
      packedRowsSmall<1>(stream, bitPos, rowBits, block.dst, block.rows, block.columns, palette);
      break;
    default:
      packedRowsAny(stream, bits, bitPos, rowBits, block.dst, block.rows, block.columns, palette);
      break;
  }
}

}  // namespace

void colourBlock(const uint16_t* src, uint32_t srcStride, const Block& block) {
  colourRows(src, srcStride, block.dst, block.rows, block.columns);
}

void fillBlock(const Block& block, uint16_t colour) {
  fillRows(block.dst, block.rows, block.columns, colour);
}

void plainBlock(Ink ink, const uint16_t* src, uint32_t srcStride, const Block& block,
                uint32_t transparent, uint32_t mask) {
  switch (ink) {
    case Ink::Copy:
      plainRows<Ink::Copy>(src, srcStride, block.dst, block.rows, block.columns, transparent, mask);
      break;
    case Ink::Mask:
      plainRows<Ink::Mask>(src, srcStride, block.dst, block.rows, block.columns, transparent, mask);
      break;
    case Ink::InvertMask:
      plainRows<Ink::InvertMask>(src, srcStride, block.dst, block.rows, block.columns, transparent,
                                 mask);
      break;
  }
}

void packedBlock(const uint8_t* stream, uint32_t bits, unsigned long long recordBits,
                 unsigned long long firstPixel, unsigned long width, const Block& block,
                 const uint32_t* palette) {
  if (bits == 8) {
    packedRows8(stream, firstPixel, width, block.dst, block.rows, block.columns, palette);
    return;
  }
  const unsigned long long bitPos = firstPixel * bits;
  const unsigned long long rowBits = static_cast<unsigned long long>(width) * bits;
  // Bit positions stay in 32 bits while every bit of the record has a 32-bit number.
  // Larger records (half a gigabyte and more) take the general loop in 64 bits.
  if (recordBits <= 0xFFFFFFFFULL)
    packedBits(stream, bits, static_cast<uint32_t>(bitPos), static_cast<uint32_t>(rowBits), block,
               palette);
  else
    packedRowsAny(stream, bits, bitPos, rowBits, block.dst, block.rows, block.columns, palette);
}

}  // namespace pane::blit
