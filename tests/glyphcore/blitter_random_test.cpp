// The blitter and drawRect against straightforward reference versions of
// themselves, byte for byte, over many random records, flags, limits and
// positions (partly and wholly off the buffer). The references below are the
// plain readings of the drawing rules, one pixel at a time, with no caching.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

#include "glyphcore/glyphcore_internal.h"

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
  const long long x0 = pane::italics ? x + 2LL : x;
  const int maxX = static_cast<int>(max_X), maxY = static_cast<int>(max_Y);
  if (x0 + width <= 0 || y + height <= 0 || x0 > maxX || y > maxY) return;
  long long rows = height;
  if (y + height > maxY) rows = static_cast<long long>(maxY) - y;
  if (!pane::italics) pane::italicJump = -1;
  if (rows <= 0) return;

  const uint16 transparent = static_cast<uint16>(tc | 0x8000);
  const uint16 invert = pane::inverse != 0 ? 0xFFFF : 0;
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

  const int jump = pane::italicJump;
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
      case 0: return tc;
      case 1: return static_cast<uint16>(tc | 0x8000);
      default: return static_cast<uint16>(between(0, 0xFFFF));
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
    const uint maxY = r.chance(5) ? 0xFFFFFFFFu : static_cast<uint>(r.between(-5, 256 + kGuardRows - 40));
    int x = r.coordinate(), y = r.coordinate();
    if (r.chance(30)) {  // the sprite's right or bottom edge a pixel or two from a limit
      const bool packed = storage[0] == 0xFFFF;
      const int w = storage[packed ? 1 : 0] + 1, h = storage[packed ? 2 : 1] + 1;
      const int lastX = static_cast<int>(maxX) < 255 ? static_cast<int>(maxX) : 255;
      x = lastX - w + r.between(-2, 2);
      y = static_cast<int>(maxY) - h + r.between(-2, 2);
    }
    setItalics(r.chance(25));
    if (r.chance(10)) drawInverse(); else drawNormal();
    const int jump = r.chance(20) ? -1 : r.between(0, 6);
    // Several draws of one record: the second and later find its palette cached.
    b.fill(r);
    for (int repeat = r.between(1, 3); repeat > 0; --repeat) {
      pane::italicJump = jump;
      referenceSprite(x, y, storage.data(), tc, mask, b.expectedAt(), maxX, maxY);
      const int expectedJump = pane::italicJump;
      pane::italicJump = jump;
      dispCustomSprite(x, y, storage.data(), tc, mask, b.actualAt(), maxX, maxY);
      ASSERT_EQ(pane::italicJump, expectedJump) << "round " << round;
    }
    ASSERT_TRUE(b.same()) << "round " << round << " record " << storage[0] << "," << storage[1]
                          << "," << storage[2] << "," << storage[3] << " at " << x << "," << y
                          << " limits " << maxX << "," << maxY << " mask " << mask;
  }
  setItalics(false);
  drawNormal();
}

// Glyphs go through the text path's ink boxes: drawn with dispChar, they must
// land exactly as the whole record would, also after a glyph is rewritten in
// place and the font set again, or the font's transparent value changes.
TEST(BlitterRandom, DrawsGlyphsByteForByteAsTheReference) {
  RandomCases r(777u);
  Buffers b;
  // Static: the library keeps the font after the test.
  static std::vector<std::vector<uint16>> records(256);
  static std::vector<uint16*> table(260, nullptr);
  static uint16 transparent = 0;
  static uint16 tab = 16, underline = 8;
  table[256] = &tab;
  table[257] = &transparent;
  table[258] = &underline;
  auto makeGlyph = [&](int code) {
    records[code].reserve(4 + 300 + 300 * 40);
    r.record(records[code], transparent);
    table[code] = records[code].data();
  };
  for (int code : {32, 63, 1, 65, 66, 200}) makeGlyph(code);
  setFont(table.data());
  setColor(static_cast<uint16>(r.between(0, 0xFFFF)));
  for (int round = 0; round < 1500; ++round) {
    if (r.chance(15)) {  // a glyph rewritten in place (or a new one), then the font set again
      makeGlyph(r.chance(50) ? 65 : r.between(1, 255));
      setFont(table.data());
    }
    if (r.chance(5)) transparent = static_cast<uint16>(r.between(0, 0xFFFF));
    const int codes[] = {65, 66, 200, 1, 63, 32, 99};
    const u32 c = static_cast<u32>(codes[r.between(0, 6)]);
    const int x = r.coordinate(), y = r.coordinate();
    const uint maxX = static_cast<uint>(r.between(-5, 300));
    const uint maxY = static_cast<uint>(r.between(-5, 256 + kGuardRows - 40));
    setItalics(r.chance(20));
    if (r.chance(10)) drawInverse(); else drawNormal();
    pane::italicJump = r.between(-1, 4);
    const int jump = pane::italicJump;
    b.fill(r);
    const u32 shown = table[c] != nullptr ? c : 63;
    if (shown != 32 && table[shown] != nullptr)
      referenceSprite(x, y, table[shown], transparent, shown < 32 ? 0xFFFFu : pane::fontColor,
                      b.expectedAt(), maxX, maxY);
    const int expectedJump = pane::italicJump;
    pane::italicJump = jump;
    dispChar(x, y, c, b.actualAt(), maxX, maxY);
    ASSERT_EQ(pane::italicJump, expectedJump) << "round " << round;
    ASSERT_TRUE(b.same()) << "round " << round << " code " << c << " at " << x << "," << y;
  }
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
