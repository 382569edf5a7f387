// The character classes of CJK line breaking. The punctuation that matters
// lies in two small blocks, U+3000 to U+30FF and U+FF00 to U+FFEF, so a bit
// table per block settles it in a few instructions; the ideographs are a
// handful of ranges.
#include "glyphcore/cjk_breaks.h"

namespace pane::text {

namespace {

enum class BreakClass : uint8_t { Other, Ideographic, NoLineStart, Opening };

// Bit c - base of a table is set for the block's code points of that class.
struct BlockBits {
  uint32_t noLineStart[8];
  uint32_t opening[8];
};

constexpr BlockBits makeBits(const uint16_t* noStart, int noStartCount, const uint16_t* open,
                             int openCount) {
  BlockBits b{};
  for (int i = 0; i < noStartCount; ++i) b.noLineStart[noStart[i] >> 5] |= 1u << (noStart[i] & 31);
  for (int i = 0; i < openCount; ++i) b.opening[open[i] >> 5] |= 1u << (open[i] & 31);
  return b;
}

// Offsets from U+3000: commas and full stops, closing brackets, the iteration
// marks, the small kana, the prolonged sound mark and the kana iteration marks.
constexpr uint16_t kCjkNoStart[] = {
    0x01, 0x02, 0x05, 0x09, 0x0B, 0x0D, 0x0F, 0x11, 0x15, 0x17, 0x19, 0x1B, 0x1E, 0x1F, 0x41,
    0x43, 0x45, 0x47, 0x49, 0x63, 0x83, 0x85, 0x87, 0x8E, 0x95, 0x96, 0x9D, 0x9E, 0xA1, 0xA3,
    0xA5, 0xA7, 0xA9, 0xC3, 0xE3, 0xE5, 0xE7, 0xEE, 0xF5, 0xF6, 0xFB, 0xFC, 0xFD, 0xFE};
constexpr uint16_t kCjkOpening[] = {0x08, 0x0A, 0x0C, 0x0E, 0x10, 0x14, 0x16, 0x18, 0x1A, 0x1D};
// Offsets from U+FF00: fullwidth ! ) , . : ; ? ] } and the halfwidth stops,
// brackets, small kana and sound marks.
constexpr uint16_t kWideNoStart[] = {0x01, 0x09, 0x0C, 0x0E, 0x1A, 0x1B, 0x1F, 0x3D, 0x5D,
                                     0x60, 0x61, 0x63, 0x64, 0x67, 0x68, 0x69, 0x6A, 0x6B,
                                     0x6C, 0x6D, 0x6E, 0x6F, 0x70, 0x9E, 0x9F};
constexpr uint16_t kWideOpening[] = {0x08, 0x3B, 0x5B, 0x5F, 0x62};

constexpr BlockBits kCjkBlock =
    makeBits(kCjkNoStart, sizeof kCjkNoStart / 2, kCjkOpening, sizeof kCjkOpening / 2);
constexpr BlockBits kWideBlock =
    makeBits(kWideNoStart, sizeof kWideNoStart / 2, kWideOpening, sizeof kWideOpening / 2);

bool bitSet(const uint32_t* bits, uint32_t offset) {
  return (bits[offset >> 5] >> (offset & 31)) & 1u;
}

BreakClass inBlock(const BlockBits& b, uint32_t offset, BreakClass otherwise) {
  if (bitSet(b.noLineStart, offset)) return BreakClass::NoLineStart;
  if (bitSet(b.opening, offset)) return BreakClass::Opening;
  return otherwise;
}

BreakClass classOf(uint32_t c) {
  if (c >= 0x4E00 && c <= 0x9FFF) return BreakClass::Ideographic;  // most Han first
  if (c >= 0x3000 && c <= 0x30FF)
    return inBlock(kCjkBlock, c - 0x3000,
                   c >= 0x3040 ? BreakClass::Ideographic : BreakClass::Other);
  if (c >= 0xAC00 && c <= 0xD7A3) return BreakClass::Ideographic;  // Hangul syllables
  if (c >= 0xFF00 && c <= 0xFFEF)
    return inBlock(kWideBlock, c - 0xFF00,
                   c >= 0xFF66 && c <= 0xFF9F ? BreakClass::Ideographic : BreakClass::Other);
  if ((c >= 0x2E80 && c <= 0x2FDF) || (c >= 0x3100 && c <= 0x31BF) ||
      (c >= 0x31F0 && c <= 0x31FF) || (c >= 0x3400 && c <= 0x4DBF) ||
      (c >= 0xF900 && c <= 0xFAFF) || (c >= 0x20000 && c <= 0x3FFFD))
    return c >= 0x31F0 && c <= 0x31FF ? BreakClass::NoLineStart : BreakClass::Ideographic;
  if (c >= 0xFE50 && c <= 0xFE57) return BreakClass::NoLineStart;  // small commas and stops
  return BreakClass::Other;
}

}  // namespace

// A line may end after an ideograph or closing punctuation and start again
// with an ideograph or an opening bracket.
bool cjkBreakBetweenSlow(uint32_t before, uint32_t after) {
  const BreakClass b = classOf(before), a = classOf(after);
  return (b == BreakClass::Ideographic || b == BreakClass::NoLineStart) &&
         (a == BreakClass::Ideographic || a == BreakClass::Opening);
}

}  // namespace pane::text
