// The blitter and drawRect against straightforward reference versions of
// themselves, byte for byte, over many random records, flags, limits and
// positions (partly and wholly off the buffer). The references below are the
// plain readings of the drawing rules, one pixel at a time, with no caching.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "glyphcore/text_state.h"

namespace {

constexpr int kRowPixels = 256;
constexpr int kGuardRows = 64;
constexpr size_t kBufferPixels = (256 + 2 * kGuardRows) * kRowPixels;

// --- Reference blitter --------------------------------------------------------------------

void referenceSprite(int x, int y, const uint16* sprite, uint32 tc, uint32 colormask,
                     uint16* buffer, uint max_X, uint max_Y) {
  if (sprite == nullptr || buffer == nullptr) return;
  const bool packed = sprite[0] == 0xFFFF;
  const long long width = (packed ? sprite[1] : sprite[0]) + 1LL;
  const long long height = (packed ? sprite[2] : sprite[1]) + 1LL;
  const long long x0 = pane::textState.sprite.italics ? x + 2LL : x;
  const int maxX = static_cast<int>(max_X), maxY = static_cast<int>(max_Y);
  if (x0 + width <= 0 || y + height <= 0 || x0 > maxX || y > maxY) return;
  long long rows = height;
  if (y + height > maxY) rows = static_cast<long long>(maxY) - y;
  if (!pane::textState.sprite.italics) pane::textState.sprite.italicJump = -1;
  if (rows <= 0) return;

  const uint16 transparent = static_cast<uint16>(tc | 0x8000);
  const uint16 invert = pane::textState.sprite.inverse ? 0xFFFF : 0;
  const uint16 mask = static_cast<uint16>(colormask);
  uint16 palette[256] = {};
  int transparentIndex = -1;
  const uint32 entries = packed ? sprite[3] : 0;
  const uint32 bits = packed ? bitsFromPal(entries) : 0;
  for (uint32 k = 0; packed && k < entries && k < 256; ++k) {
    palette[k] = static_cast<uint16>(((sprite[4 + k] ^ invert) & mask) | 0x8000);
    if ((sprite[4 + k] | 0x8000) == transparent) transparentIndex = static_cast<int>(k);
  }
  const uint8* stream = reinterpret_cast<const uint8*>(sprite + 4 + entries);

  const int jump = pane::textState.sprite.italicJump;
  long long start = x0;
  int counter = 0;
  for (long long i = 0; i < rows; ++i) {
    for (long long j = 0; y + i >= 0 && j < width; ++j) {
      const long long cx = start + j;
      if (cx < 0) continue;
      if (cx > maxX || cx > 255) break;
      uint16* at = buffer + (y + i) * kRowPixels + cx;
      if (!packed) {
        const uint16 p = sprite[2 + i * width + j];
        if ((p | 0x8000) != transparent) *at = static_cast<uint16>(((p ^ invert) & mask) | 0x8000);
        continue;
      }
      uint32 index = 0;
      for (uint32 b = 0; b < bits; ++b) {  // bit by bit, most significant first
        const unsigned long long p = static_cast<unsigned long long>(i * width + j) * bits + b;
        index = index << 1 | ((stream[p / 8] >> (7 - p % 8)) & 1u);
      }
      if (static_cast<int>(index) != transparentIndex && index < entries && index < 256)
        *at = palette[index];
    }
    if (counter == jump) {
      --start;
      counter = 0;
    } else {
      ++counter;
    }
  }
}

void referenceRect(int x, int y, int bx, int by, uint16 c, uint16* buf, int max_y) {
  if (buf == nullptr || by < 0 || y > max_y || max_y < 0) return;
  if (by > max_y) by = max_y;
  if (y < 0) y = 0;
  if (x > bx) std::swap(x, bx);
  if (y > by) std::swap(y, by);
  for (long long cy = y; cy <= by; ++cy)
    for (long long cx = x < 0 ? 0 : x; cx <= bx && cx <= 255; ++cx)
      buf[cy * kRowPixels + cx] = static_cast<uint16>(c | 0x8000);
}

// --- Random cases --------------------------------------------------------------------------

class RandomCases {
 public:
  explicit RandomCases(unsigned seed) : rng_(seed) {}
  int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool chance(int percent) { return between(1, 100) <= percent; }
  // Colours that often hit the transparent one, with or without bit 15.
  uint16 colour(uint16 tc) {
    switch (between(0, 3)) {
      case 0:
        return tc;
      case 1:
        return static_cast<uint16>(tc | 0x8000);
      default:
        return static_cast<uint16>(between(0, 0xFFFF));
    }
  }
  int coordinate() {
    if (chance(3)) {
      const int extremes[] = {INT_MIN, INT_MIN + 1, -70000, 70000, INT_MAX - 1, INT_MAX};
      return extremes[between(0, 5)];
    }
    return between(-60, 280);
  }

  // A plain or compressed record written into `storage` (the same address every
  // time, so cached palettes must notice changed contents).
  void record(std::vector<uint16>& storage, uint16 tc) {
    const bool wide = chance(10), tile = chance(30);
    const int w = wide ? between(250, 300) : between(1, tile ? 10 : 40);
    const int h = wide ? between(1, 3) : between(1, tile ? 10 : 40);
    storage.assign(storage.capacity(), 0);
    if (chance(50)) {
      storage[0] = static_cast<uint16>(w - 1);
      storage[1] = static_cast<uint16>(h - 1);
      for (int k = 0; k < w * h; ++k) storage[2 + k] = colour(tc);
      return;
    }
    const int sizes[] = {0, 1, 2, 3, 4, 6, 8, 16, 17, 32, 60, 128, 200, 256, 300};
    const int n = chance(10) ? between(0, 300) : sizes[between(0, 14)];
    const int bits = static_cast<int>(bitsFromPal(static_cast<uint32>(n)));
    storage[0] = 0xFFFF;
    storage[1] = static_cast<uint16>(w - 1);
    storage[2] = static_cast<uint16>(h - 1);
    storage[3] = static_cast<uint16>(n);
    for (int k = 0; k < n; ++k) storage[4 + k] = colour(tc);
    const int words = (w * h * bits + 15) / 16;
    for (int k = 0; k < words; ++k) storage[4 + n + k] = static_cast<uint16>(between(0, 0xFFFF));
  }

  // A plain record of transparent pixels around a random rectangle of ink.
  void bordered(std::vector<uint16>& storage, uint16 tc) {
    const int w = between(1, 20), h = between(1, 20);
    const int top = between(0, h - 1), bottom = between(top, h - 1);
    const int left = between(0, w - 1), right = between(left, w - 1);
    storage.assign(storage.capacity(), 0);
    storage[0] = static_cast<uint16>(w - 1);
    storage[1] = static_cast<uint16>(h - 1);
    for (int i = 0; i < h; ++i)
      for (int j = 0; j < w; ++j) {
        const bool ink = i >= top && i <= bottom && j >= left && j <= right;
        const uint16 border = static_cast<uint16>(chance(50) ? tc : tc | 0x8000);
        storage[2 + i * w + j] = ink ? colour(tc) : border;
      }
  }

 private:
  std::mt19937 rng_;
};

struct Buffers {
  std::vector<uint16> expected = std::vector<uint16>(kBufferPixels);
  std::vector<uint16> actual = std::vector<uint16>(kBufferPixels);
  uint16* expectedAt() { return expected.data() + kGuardRows * kRowPixels; }
  uint16* actualAt() { return actual.data() + kGuardRows * kRowPixels; }
  void fill(RandomCases& r) {
    const uint16 background = static_cast<uint16>(r.between(0, 0xFFFF));
    std::fill(expected.begin(), expected.end(), background);
    actual = expected;
  }
  bool same() const { return std::memcmp(expected.data(), actual.data(), kBufferPixels * 2) == 0; }
};

TEST(BlitterRandom, DrawsByteForByteAsTheReference) {
  RandomCases r(20261208u);
  Buffers b;
  std::vector<uint16> storage;
  storage.reserve(4 + 300 + 300 * 40);
  for (int round = 0; round < 1500; ++round) {
    // Mostly the same colour and mask, so records with new contents at the same
    // address meet palettes cached for the same settings.
    const uint16 tc = r.chance(70) ? 0x7C1F : static_cast<uint16>(r.between(0, 0xFFFF));
    r.record(storage, tc);
    const uint32 mask = r.chance(40)   ? 0xFFFFu
                        : r.chance(50) ? 0x83E0u
                                       : static_cast<uint32>(r.between(0, 0xFFFF));
    const uint maxX = r.chance(5) ? 0xFFFFFFFFu : static_cast<uint>(r.between(-5, 300));
    const uint maxY =
        r.chance(5) ? 0xFFFFFFFFu : static_cast<uint>(r.between(-5, 256 + kGuardRows - 40));
    int x = r.coordinate(), y = r.coordinate();
    if (r.chance(30)) {  // the sprite's right or bottom edge a pixel or two from a limit
      const bool packed = storage[0] == 0xFFFF;
      const int w = storage[packed ? 1 : 0] + 1, h = storage[packed ? 2 : 1] + 1;
      const int lastX = static_cast<int>(maxX) < 255 ? static_cast<int>(maxX) : 255;
      x = lastX - w + r.between(-2, 2);
      y = static_cast<int>(maxY) - h + r.between(-2, 2);
    }
    setItalics(r.chance(25));
    if (r.chance(10))
      drawInverse();
    else
      drawNormal();
    const int jump = r.chance(20) ? -1 : r.between(0, 6);
    // Several draws of one record: the second and later find its palette cached.
    b.fill(r);
    for (int repeat = r.between(1, 3); repeat > 0; --repeat) {
      pane::textState.sprite.italicJump = jump;
      referenceSprite(x, y, storage.data(), tc, mask, b.expectedAt(), maxX, maxY);
      const int expectedJump = pane::textState.sprite.italicJump;
      pane::textState.sprite.italicJump = jump;
      dispCustomSprite(x, y, storage.data(), tc, mask, b.actualAt(), maxX, maxY);
      ASSERT_EQ(pane::textState.sprite.italicJump, expectedJump) << "round " << round;
    }
    ASSERT_TRUE(b.same()) << "round " << round << " record " << storage[0] << "," << storage[1]
                          << "," << storage[2] << "," << storage[3] << " at " << x << "," << y
                          << " limits " << maxX << "," << maxY << " mask " << mask;
  }
  setItalics(false);
  drawNormal();
}

// A compressed record as its parts, written into a buffer at a fixed address.
struct Packed {
  int w = 1, h = 1;
  std::vector<uint16> palette, stream;

  static Packed random(RandomCases& r, uint16 tc) {
    Packed p;
    const bool tile = r.chance(50);  // at most 64 pixels and 16 entries: kept expanded
    p.w = tile ? r.between(1, 8) : r.between(9, 40);
    p.h = tile ? r.between(1, 64 / p.w) : r.between(2, 40);
    // Counts whose index width is that of one entry fewer.
    const int counts[] = {2, 6, 7, 8, 12, 15, 16, 30, 100, 256};
    const int n = counts[r.between(0, tile ? 6 : 9)];
    for (int k = 0; k < n; ++k) p.palette.push_back(r.colour(tc));
    const int bits = static_cast<int>(bitsFromPal(static_cast<uint32>(n)));
    for (int k = 0; k < (p.w * p.h * bits + 15) / 16; ++k)
      p.stream.push_back(static_cast<uint16>(r.between(0, 0xFFFF)));
    return p;
  }

  uint16* write(std::vector<uint16>& storage) const {
    storage.assign(storage.capacity(), 0);
    storage[0] = 0xFFFF;
    storage[1] = static_cast<uint16>(w - 1);
    storage[2] = static_cast<uint16>(h - 1);
    storage[3] = static_cast<uint16>(palette.size());
    std::copy(palette.begin(), palette.end(), storage.begin() + 4);
    std::copy(stream.begin(), stream.end(),
              storage.begin() + 4 + static_cast<std::ptrdiff_t>(palette.size()));
    return storage.data();
  }
};

struct Settings {
  uint16 tc;
  uint32 mask;
  bool inverted;
};

// Kept palettes and tiles must notice every one of these between two draws of
// a record: each draw is compared with the reference.
enum class Change {
  TransparentColour,
  Mask,
  Inversion,
  FewerEntries,
  StreamWord,
  PaletteEntry,
  OtherRecord,
};

TEST(BlitterRandom, RedrawsCorrectlyAfterEachChange) {
  const struct {
    Change change;
    const char* name;
  } cases[] = {
      {Change::TransparentColour, "transparent colour"},
      {Change::Mask, "mask"},
      {Change::Inversion, "inversion"},
      {Change::FewerEntries, "one palette entry fewer"},
      {Change::StreamWord, "one stream word"},
      {Change::PaletteEntry, "one palette entry"},
      {Change::OtherRecord, "another record with the same size and palette"},
  };
  RandomCases r(4242u);
  Buffers b;
  std::vector<uint16> first, second;
  first.reserve(4 + 256 + 40 * 40);
  second.reserve(first.capacity());
  for (const auto& c : cases) {
    for (int round = 0; round < 300; ++round) {
      const uint16 tc = static_cast<uint16>(r.between(0, 0xFFFF));
      Packed p = Packed::random(r, tc);
      const uint32 mask = r.chance(30) ? 0xFFFFu : static_cast<uint32>(r.between(0, 0xFFFF));
      Settings s{tc, mask, r.chance(50)};
      const int x = r.chance(80) ? r.between(0, 200) : r.between(-10, 250);
      const int y = r.chance(80) ? r.between(0, 150) : r.between(-10, 190);
      auto draw = [&](uint16* sprite, const Settings& at) {
        setItalics(false);
        if (at.inverted)
          drawInverse();
        else
          drawNormal();
        b.fill(r);
        referenceSprite(x, y, sprite, at.tc, at.mask, b.expectedAt(), 255, 192);
        dispCustomSprite(x, y, sprite, at.tc, at.mask, b.actualAt(), 255, 192);
        return b.same();
      };
      ASSERT_TRUE(draw(p.write(first), s)) << c.name << ", round " << round << ": first draw";
      auto any = [&](std::vector<uint16>& words) -> uint16& {
        return words[static_cast<size_t>(r.between(0, static_cast<int>(words.size()) - 1))];
      };
      std::vector<uint16>* storage = &first;
      switch (c.change) {
        case Change::TransparentColour:
          s.tc = any(p.palette) ^ 0x8000;
          break;
        case Change::Mask:
          s.mask ^= static_cast<uint32>(r.between(1, 0x7FFF));
          break;
        case Change::Inversion:
          s.inverted = !s.inverted;
          break;
        case Change::FewerEntries:
          p.palette.pop_back();
          break;
        case Change::StreamWord:
          any(p.stream) ^= static_cast<uint16>(r.between(1, 0xFFFF));
          break;
        case Change::PaletteEntry:
          any(p.palette) ^= static_cast<uint16>(r.between(1, 0x7FFF));
          break;
        case Change::OtherRecord:
          for (uint16& word : p.stream) word = static_cast<uint16>(r.between(0, 0xFFFF));
          storage = &second;
          break;
      }
      ASSERT_TRUE(draw(p.write(*storage), s))
          << c.name << ", round " << round << ": record " << p.w << "x" << p.h << ", "
          << p.palette.size() << " entries, at " << x << "," << y;
    }
  }
  drawNormal();
}

// Glyphs go through the text path's ink boxes: drawn with dispChar, they must
// land exactly as the whole record would, with two fonts set in turn, after a
// glyph is rewritten in place and its font set again, and after the font's
// transparent value changes (without setFont). Half the glyphs are transparent
// around a rectangle of ink, so that boxes trim them.
TEST(BlitterRandom, DrawsGlyphsByteForByteAsTheReference) {
  RandomCases r(777u);
  Buffers b;
  // Static: the library keeps the font after the test.
  static std::vector<std::vector<uint16>> records[2] = {std::vector<std::vector<uint16>>(256),
                                                        std::vector<std::vector<uint16>>(256)};
  static std::vector<uint16*> tables[2] = {std::vector<uint16*>(260), std::vector<uint16*>(260)};
  static uint16 transparent = 0;
  static uint16 tab = 16, underline = 8;
  auto makeGlyph = [&](int font, int code) {
    std::vector<uint16>& record = records[font][static_cast<size_t>(code)];
    record.reserve(4 + 300 + 300 * 40);
    if (r.chance(50))
      r.bordered(record, transparent);
    else
      r.record(record, transparent);
    tables[font][static_cast<size_t>(code)] = record.data();
  };
  for (int font : {0, 1}) {
    std::vector<uint16*>& table = tables[font];
    table[256] = &tab;
    table[257] = &transparent;
    table[258] = &underline;
    for (int code : {32, 63, 1, 65, 66, 200}) makeGlyph(font, code);
  }
  int current = 0;
  setFont(tables[current].data());
  setColor(static_cast<uint16>(r.between(0, 0xFFFF)));
  for (int round = 0; round < 1500; ++round) {
    if (r.chance(10)) {  // the other font
      current ^= 1;
      setFont(tables[current].data());
    }
    if (r.chance(10)) {  // a glyph rewritten in place (or a new one), then its font set again
      makeGlyph(current, r.chance(50) ? 65 : r.between(1, 255));
      setFont(tables[current].data());
    }
    if (r.chance(5)) {
      const uint16 values[] = {0, 0x7C1F, static_cast<uint16>(r.between(0, 0xFFFF))};
      transparent = values[r.between(0, 2)];
    }
    const std::vector<uint16*>& table = tables[current];
    const int codes[] = {65, 66, 200, 1, 63, 32, 99};
    const u32 c = static_cast<u32>(codes[r.between(0, 6)]);
    const int x = r.coordinate(), y = r.coordinate();
    const uint maxX = static_cast<uint>(r.between(-5, 300));
    const uint maxY = static_cast<uint>(r.between(-5, 256 + kGuardRows - 40));
    setItalics(r.chance(20));
    if (r.chance(10))
      drawInverse();
    else
      drawNormal();
    pane::textState.sprite.italicJump = r.between(-1, 4);
    const int jump = pane::textState.sprite.italicJump;
    b.fill(r);
    const u32 shown = table[c] != nullptr ? c : 63;
    if (shown != 32 && table[shown] != nullptr)
      referenceSprite(x, y, table[shown], transparent,
                      shown < 32 ? 0xFFFFu : pane::textState.fontColor, b.expectedAt(), maxX, maxY);
    const int expectedJump = pane::textState.sprite.italicJump;
    pane::textState.sprite.italicJump = jump;
    dispChar(x, y, c, b.actualAt(), maxX, maxY);
    ASSERT_EQ(pane::textState.sprite.italicJump, expectedJump) << "round " << round;
    ASSERT_TRUE(b.same()) << "round " << round << " code " << c << " at " << x << "," << y;
  }
  setItalics(false);
  drawNormal();
}

// --- Unicode glyphs -------------------------------------------------------------------------

// A Unicode font of random glyphs at 1, 2 or 4 bits (the last two pictures),
// built in place so that tests can rewrite its pixels. Code point 0x41 + k
// is glyph k.
struct RandomFont {
  std::vector<PaneRange> ranges;
  std::vector<PaneGlyph> glyphs;
  std::vector<uint8_t> bitmaps;
  PaneFont font{};

  void make(RandomCases& r, int bpp) {
    const int n = 24;
    ranges = {{0x41, 0}, {0x110000, static_cast<uint32_t>(n)}};
    glyphs.assign(static_cast<size_t>(n), PaneGlyph{});
    bitmaps.assign(40000, 0);  // room for the largest glyphs; the address never changes
    uint32_t offset = 0;
    for (int g = 0; g < n; ++g) {
      const bool picture = g >= n - 2;
      // Mostly small glyphs; some so large that their pixels overflow the cache,
      // some taller than it keeps.
      const int big = r.between(1, 100);
      const int w = big > 97 ? r.between(100, 140) : big > 94 ? r.between(0, 3) : r.between(1, 24);
      const int h = big > 97 ? r.between(100, 140) : r.between(0, 24);
      PaneGlyph& gl = glyphs[static_cast<size_t>(g)];
      gl = PaneGlyph{{static_cast<uint8_t>(offset), static_cast<uint8_t>(offset >> 8),
                      static_cast<uint8_t>(offset >> 16)},
                     static_cast<uint8_t>(r.between(0, 30)),
                     static_cast<uint8_t>(w),
                     static_cast<uint8_t>(h),
                     static_cast<int8_t>(r.between(-6, 6)),
                     static_cast<uint8_t>(r.between(0, 12))};
      const uint32_t bits = static_cast<uint32_t>(w * h * (picture ? 16 : bpp));
      const int density = r.between(5, 100);
      for (uint32_t b = 0; b < bits; ++b)
        if (r.chance(density)) bitmaps[(offset + b / 8)] |= static_cast<uint8_t>(0x80u >> (b % 8));
      offset += (bits + 7) / 8;
    }
    font = PaneFont{ranges.data(),
                    glyphs.data(),
                    bitmaps.data(),
                    1,
                    static_cast<uint32_t>(n),
                    offset,
                    static_cast<uint32_t>(n - 2),
                    2,
                    0,
                    static_cast<uint16_t>(r.between(1, 40)),
                    8,
                    9,
                    16,
                    static_cast<uint16_t>(r.between(0, 3) == 0 ? 0 : r.between(0, 0xFFFF)),
                    static_cast<uint8_t>(bpp),
                    0};
  }
};

uint32_t channelBlend(uint32_t under, uint32_t ink, uint32_t a, uint32_t amax) {
  return (under * (amax - a) + ink * a + amax / 2) / amax;
}

// dispChar of a Unicode font read plainly: each pixel of the glyph, sheared
// by its row of the cell, tested against the limits on its own.
void referenceUnicodeChar(const PaneFont& f, uint32_t c, int x, int y, uint16* buffer, uint maxX,
                          uint maxY, const uint16* background) {
  const uint32_t g = c - 0x41 < f.glyphCount ? c - 0x41 : f.replacement;
  if (g >= f.glyphCount) return;
  const PaneGlyph& gl = f.glyphs[g];
  const bool picture = g - f.pictureFirst < f.pictureCount;
  const uint32_t inversion = pane::textState.sprite.inverse ? 0xFFFFu : 0u;
  const uint32_t ink =
      ((0x7FFFu ^ inversion) & (picture ? 0xFFFFu : pane::textState.fontColor)) | 0x8000u;
  const uint32_t bpp = picture ? 16 : f.bitsPerPixel, amax = (1u << bpp) - 1u;
  const bool italics = pane::textState.sprite.italics;
  const long long jump = f.lineHeight / 3 + 1;
  const long long lastColumn = std::min(static_cast<int>(maxX), 255);
  const uint8_t* bits = f.bitmaps + (gl.offset[0] | gl.offset[1] << 8 | gl.offset[2] << 16);
  // As for sprites, a glyph whose first row starts right of the limit is not drawn.
  if (static_cast<long long>(x) + gl.left + (italics ? 2 : 0) > lastColumn) return;
  for (long long i = 0; i < gl.height; ++i)
    for (long long j = 0; j < gl.width; ++j) {
      const long long cy = static_cast<long long>(y) + gl.top + i;
      const long long shift = italics ? 2 - (gl.top + i) / jump : 0;
      const long long cx = static_cast<long long>(x) + gl.left + shift + j;
      if (cx < 0 || cx > lastColumn || cy < 0 || cy >= static_cast<int>(maxY)) continue;
      uint32_t v = 0;
      for (uint32_t b = 0; b < bpp; ++b) {
        const uint32_t bit = static_cast<uint32_t>(i * gl.width + j) * bpp + b;
        v = v << 1 | ((bits[bit / 8] >> (7 - bit % 8)) & 1u);
      }
      uint16& at = buffer[cy * kRowPixels + cx];
      if (picture) {
        const uint32_t p = (v >> 8) | (v & 0xFFu) << 8;  // stored low byte first
        if ((p | 0x8000u) != (f.transparent | 0x8000u))
          at = static_cast<uint16>((p ^ inversion) | 0x8000u);
        continue;
      }
      if (v == 0) continue;
      const uint32_t under = background != nullptr ? *background : at;
      uint32_t out = 0x8000u;
      for (uint32_t shiftBits : {0u, 5u, 10u})
        out |= (v == amax
                    ? (ink >> shiftBits) & 31u
                    : channelBlend((under >> shiftBits) & 31u, (ink >> shiftBits) & 31u, v, amax))
               << shiftBits;
      at = static_cast<uint16>(out);
    }
}

// Glyphs of Unicode fonts go through their prepared pixels when they lie within
// the limits unsheared, else row by row: either way they must land as the
// reference draws them, at every depth, over VRAM or a known background, after
// pixels are rewritten in place and the font set again, and after the cache
// has filled and started afresh.
TEST(BlitterRandom, DrawsUnicodeGlyphsByteForByteAsTheReference) {
  RandomCases r(1208u);
  Buffers b;
  static RandomFont fonts[2];  // static: the library keeps the font after the test
  for (RandomFont& f : fonts) f.make(r, 1);
  int current = 0;
  setColor(static_cast<uint16>(r.between(0, 0xFFFF)));
  for (int round = 0; round < 3000; ++round) {
    if (r.chance(3)) {  // a new font at the same addresses, set again
      const int depths[] = {1, 2, 4};
      fonts[current].make(r, depths[r.between(0, 2)]);
      setUnicodeFont(&fonts[current].font);
    }
    if (r.chance(10)) current ^= 1;
    setUnicodeFont(&fonts[current].font);
    const PaneFont& f = fonts[current].font;
    const uint16 known = static_cast<uint16>(r.between(0, 0xFFFF) | 0x8000);
    if (r.chance(30))
      setTextBackground(known);
    else
      clearTextBackground();
    const uint32_t c = 0x41 + static_cast<uint32_t>(r.between(0, 26));  // a few have no glyph
    int x = r.coordinate(), y = r.coordinate();
    if (r.chance(60)) x = r.between(-8, 250), y = r.between(-8, 200);
    const uint maxX = r.chance(80) ? 255u : static_cast<uint>(r.between(-5, 300));
    const uint maxY = r.chance(80) ? 192u : static_cast<uint>(r.between(-5, 256 + kGuardRows - 40));
    setItalics(r.chance(15));
    if (r.chance(10))
      drawInverse();
    else
      drawNormal();
    b.fill(r);
    for (int repeat = r.between(1, 2); repeat > 0; --repeat) {
      referenceUnicodeChar(f, c, x, y, b.expectedAt(), maxX, maxY,
                           pane::textState.backgroundKnown ? &known : nullptr);
      dispChar(x, y, c, b.actualAt(), maxX, maxY);
    }
    ASSERT_TRUE(b.same()) << "round " << round << " glyph " << c - 0x41 << " at " << x << "," << y
                          << " limits " << maxX << "," << maxY << " depth " << int{f.bitsPerPixel};
  }
  clearTextBackground();
  setItalics(false);
  drawNormal();
}

TEST(DrawRectRandom, FillsByteForByteAsTheReference) {
  RandomCases r(515u);
  Buffers b;
  for (int round = 0; round < 1500; ++round) {
    const int x = r.between(-300, 300), bx = r.between(-300, 300);
    const int y = r.between(-300, 300), by = r.between(-300, 300);
    const int maxY = r.between(-5, 255);
    const uint16 c = static_cast<uint16>(r.between(0, 0xFFFF));
    b.fill(r);
    referenceRect(x, y, bx, by, c, b.expectedAt(), maxY);
    drawRect(x, y, bx, by, c, b.actualAt(), maxY);
    ASSERT_TRUE(b.same()) << "round " << round << ": " << x << "," << y << " " << bx << "," << by
                          << " max " << maxY;
  }
}

}  // namespace
