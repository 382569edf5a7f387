// The cache of prepared glyphs (see prepared_glyph.h): a slot per glyph,
// chosen by its address, and one pool of pixel lists filled in order and
// emptied whole. A generation number forgets every slot at once.
#include "glyphcore/prepared_glyph.h"

#include <stddef.h>

#include "glyphcore/blit_kernels.h"
#include "glyphcore/unicode_font.h"

namespace pane::text {

PreparedGlyph preparedSlots[kPreparedSets][2];
alignas(4) uint16_t preparedPool[kPoolHalfwords];
uint16_t preparedGeneration = 1;  // slots start at 0: none is kept

namespace {

uint32_t poolUsed = 0;

constexpr uint32_t kMaxColumns = 255;  // the widest ink box a slot holds
constexpr uint32_t kMaxRows = 128;     // the tallest: offsets stay within 16 bits

// The kept glyph for key and tag in the second way, moved first, or null.
PreparedGlyph* findSecond(PreparedGlyph (&ways)[2], const void* key, uint32_t tag) {
  if (!keeps(ways[1], key, tag)) return nullptr;
  const PreparedGlyph hit = ways[1];
  ways[1] = ways[0];
  ways[0] = hit;
  return &ways[0];
}

// The first way, emptied for key and tag; what it held moves second.
PreparedGlyph& freshSlot(PreparedGlyph (&ways)[2], const void* key, uint32_t tag) {
  ways[1] = ways[0];
  PreparedGlyph& s = ways[0];
  s.key = key;
  s.tag = tag;
  s.generation = preparedGeneration;
  s.size = kUnprepared;
  return s;
}

void startGeneration() {
  poolUsed = 0;
  if (++preparedGeneration != 0) return;
  for (PreparedGlyph(&ways)[2] : preparedSlots)  // wrapped: no old slot may match
    for (PreparedGlyph& s : ways) s.generation = 0;
  preparedGeneration = 1;
}

// The ink box, inclusive; top > bottom: no ink.
struct Box {
  uint32_t top, bottom, left, right;
};

// The box of a glyph of width x height pixels whose pixel (row, column) has
// coverage level(row, column), 0 for none.
template <class Level>
Box inkBox(uint32_t width, uint32_t height, Level level) {
  Box b{1, 0, width, 0};
  bool ink = false;
  for (uint32_t i = 0; i < height; ++i)
    for (uint32_t j = 0; j < width; ++j) {
      if (level(i, j) == 0) continue;
      if (!ink) b.top = i;
      ink = true;
      b.bottom = i;
      if (j < b.left) b.left = j;
      if (j > b.right) b.right = j;
    }
  return b;
}

typedef uint32_t __attribute__((__may_alias__)) PoolWord;

// Appends to the pool from poolUsed + at on, returning false when it is full.
class ListWriter {
 public:
  explicit ListWriter(const Box& b) : box_(b) {}
  bool put(uint16_t v) {
    if (poolUsed + at_ == kPoolHalfwords) return false;
    preparedPool[poolUsed + at_++] = v;
    return true;
  }
  // A word at an even halfword of the pool (poolUsed is kept even).
  bool putWord(uint32_t v) {
    if (poolUsed + at_ + 2 > kPoolHalfwords) return false;
    *static_cast<PoolWord*>(static_cast<void*>(preparedPool + poolUsed + at_)) = v;
    at_ += 2;
    return true;
  }
  uint32_t at() const { return at_; }
  void setCount(uint32_t where, uint32_t n) {
    preparedPool[poolUsed + where] = static_cast<uint16_t>(n);
  }
  uint16_t offset(uint32_t i, uint32_t j) const {
    return static_cast<uint16_t>(2 * ((i - box_.top) * blit::kRowPixels + (j - box_.left)));
  }

 private:
  Box box_;
  uint32_t at_ = 0;
};

// A Unicode glyph's lists: for each coverage from amax down to 1, its count and
// the offsets of its pixels.
template <class Level>
bool writeCoverageLists(const Box& b, uint32_t amax, Level level, uint32_t& size) {
  ListWriter w(b);
  for (uint32_t a = amax; a >= 1; --a) {
    const uint32_t countAt = w.at();
    if (!w.put(0)) return false;
    uint32_t n = 0;
    for (uint32_t i = b.top; i <= b.bottom; ++i)
      for (uint32_t j = b.left; j <= b.right; ++j) {
        if (level(i, j) != a) continue;
        if (!w.put(w.offset(i, j))) return false;
        ++n;
      }
    w.setCount(countAt, n);
  }
  size = w.at();
  return true;
}

// A table glyph's list: its count and a halfword of padding, then a word per
// pixel, its offset in the top half and its colour in the bottom one.
template <class Colour>
bool writeColourList(const Box& b, Colour colour, uint32_t& size) {
  ListWriter w(b);
  if (!w.put(0) || !w.put(0)) return false;
  uint32_t n = 0;
  for (uint32_t i = b.top; i <= b.bottom; ++i)
    for (uint32_t j = b.left; j <= b.right; ++j) {
      const uint32_t q = colour(i, j);
      if (q == 0) continue;
      if (!w.putWord(static_cast<uint32_t>(w.offset(i, j)) << 16 | q)) return false;
      ++n;
    }
  w.setCount(0, n);
  size = w.at();
  return true;
}

// Prepares slot s, its glyph of width x height pixels at (left, top) from its
// origin, with writeLists(box, size); a glyph whose box or lists the cache
// cannot hold stays unprepared.
template <class Level, class WriteLists>
void prepare(PreparedGlyph& s, uint32_t width, uint32_t height, int left, int top, Level level,
             WriteLists writeLists) {
  const Box b = inkBox(width, height, level);
  if (b.top > b.bottom) {
    s.size = 0;
    s.width = s.height = 0;
    s.left = s.top = 0;
    return;
  }
  if (b.bottom - b.top >= kMaxRows || b.right - b.left >= kMaxColumns) return;
  uint32_t size = 0;
  if (!writeLists(b, size)) {
    startGeneration();  // empties the pool; this slot is stamped again below
    s.generation = preparedGeneration;
    if (!writeLists(b, size)) return;
  }
  s.first = static_cast<uint16_t>(poolUsed);
  s.size = static_cast<uint16_t>(size);
  poolUsed += (size + 1) & ~1u;  // every glyph's lists start at a word
  s.left = static_cast<int16_t>(left + static_cast<int>(b.left));
  s.top = static_cast<int16_t>(top + static_cast<int>(b.top));
  s.width = static_cast<uint8_t>(b.right - b.left + 1);
  s.height = static_cast<uint8_t>(b.bottom - b.top + 1);
}

}  // namespace

const PreparedGlyph& findTableGlyph(PreparedGlyph (&ways)[2], const uint16_t* glyph,
                                    uint32_t transparent) {
  if (PreparedGlyph* kept = findSecond(ways, glyph, transparent)) return *kept;
  PreparedGlyph& s = freshSlot(ways, glyph, transparent);
  const uint32_t width = glyph[0] + 1u, height = glyph[1] + 1u;
  if (width > kMaxColumns + 1 || height > 2 * kMaxRows) return s;
  const uint16_t* pixels = glyph + 2;
  // A pixel's colour with bit 15 set, 0 where it is transparent.
  const auto colour = [=](uint32_t i, uint32_t j) -> uint32_t {
    const uint32_t q = pixels[i * width + j] | blit::kOpaque;
    return q != transparent ? q : 0;
  };
  prepare(s, width, height, 0, 0, colour,
          [=](const Box& b, uint32_t& size) { return writeColourList(b, colour, size); });
  return s;
}

const PreparedGlyph& findUnicodeGlyph(PreparedGlyph (&ways)[2], const PaneFont* font, uint32_t g,
                                      uint32_t tag) {
  const PaneGlyph* glyph = &font->glyphs[g];
  if (PreparedGlyph* kept = findSecond(ways, glyph, tag)) return *kept;
  PreparedGlyph& s = freshSlot(ways, glyph, tag);
  const uint32_t bpp = font->bitsPerPixel;
  if (bpp != 1 && bpp != 2 && bpp != 4) return s;  // not a depth fonts have: left unprepared
  const uint32_t amax = (1u << bpp) - 1u;
  const uint32_t width = glyph->width;
  const uint8_t* bits = font->bitmaps + glyphOffset(*glyph);
  // Pixels are bpp bits each, the first in the top bits of the first byte, rows unpadded.
  const auto level = [=](uint32_t i, uint32_t j) -> uint32_t {
    const uint32_t bit = (i * width + j) * bpp;
    return (bits[bit >> 3] >> (8 - bpp - (bit & 7u))) & amax;
  };
  prepare(s, width, glyph->height, glyph->left, glyph->top, level,
          [=](const Box& b, uint32_t& size) { return writeCoverageLists(b, amax, level, size); });
  return s;
}

void forgetPreparedGlyphs() { startGeneration(); }

}  // namespace pane::text
