// paneFontFromMemory: a binary Unicode font read in place. Every count, range
// and offset is checked against the bytes given before any pointer is made,
// in 64-bit arithmetic, so that whatever the bytes, the font that comes out
// reads only inside them.
#include <libpane.h>
#include <stdint.h>
#include <string.h>

#include "glyphcore/prepared_glyph.h"
#include "glyphcore/unicode_font.h"

namespace pane::text {

namespace {

constexpr uint32_t kHeaderBytes = 44;
constexpr uint32_t kVersion = 1;
constexpr uint32_t kCodePointEnd = 0x110000;
constexpr uint64_t kEntryBytes = 8;  // a range entry and a glyph alike

uint32_t read16(const uint8_t* p) { return p[0] | (static_cast<uint32_t>(p[1]) << 8); }
uint32_t read32(const uint8_t* p) { return read16(p) | (read16(p + 2) << 16); }

bool depthKnown(uint32_t bits) { return bits == 1 || bits == 2 || bits == 4; }

// Runs sorted and apart, glyph indices rising from 0 to the glyph count, and
// every run inside the code space.
bool rangesHold(const PaneRange* r, uint32_t count, uint32_t glyphs) {
  if (r[0].glyph != 0 || r[count].glyph != glyphs || r[count].first != kCodePointEnd) return false;
  for (uint32_t i = 0; i < count; ++i) {
    const uint64_t length = static_cast<uint64_t>(r[i + 1].glyph) - r[i].glyph;
    if (r[i + 1].glyph <= r[i].glyph || r[i].first + length > r[i + 1].first) return false;
  }
  return true;
}

// Each glyph's pixels lie inside the bitmap bytes.
bool glyphsHold(const PaneFont& f) {
  for (uint32_t g = 0; g < f.glyphCount; ++g) {
    const PaneGlyph& glyph = f.glyphs[g];
    const uint64_t pixels = static_cast<uint64_t>(glyph.width) * glyph.height;
    const uint64_t bytes = isPicture(&f, g) ? pixels * 2 : (pixels * f.bitsPerPixel + 7) / 8;
    if (glyphOffset(glyph) + bytes > f.bitmapBytes) return false;
  }
  return true;
}

int readFont(const uint8_t* p, size_t size, PaneFont& f) {
  if (size < kHeaderBytes) return PANE_FONT_TRUNCATED;
  if (memcmp(p, "PFNT", 4) != 0) return PANE_FONT_NOT_A_FONT;
  if (read16(p + 4) != kVersion || !depthKnown(p[6])) return PANE_FONT_VERSION;
  if ((reinterpret_cast<uintptr_t>(p) & 3u) != 0) return PANE_FONT_MISALIGNED;

  f.bitsPerPixel = p[6];
  f.reserved = 0;
  f.lineHeight = static_cast<uint16_t>(read16(p + 8));
  f.baseline = static_cast<uint16_t>(read16(p + 10));
  f.underline = static_cast<uint16_t>(read16(p + 12));
  f.tabDistance = static_cast<uint16_t>(read16(p + 14));
  f.transparent = static_cast<uint16_t>(read16(p + 16));
  f.rangeCount = read32(p + 20);
  f.glyphCount = read32(p + 24);
  f.bitmapBytes = read32(p + 28);
  f.pictureFirst = read32(p + 32);
  f.pictureCount = read32(p + 36);
  f.replacement = read32(p + 40);

  const uint64_t rangeBytes = (f.rangeCount + 1ULL) * kEntryBytes;
  const uint64_t glyphBytes = f.glyphCount * kEntryBytes;
  if (kHeaderBytes + rangeBytes + glyphBytes + f.bitmapBytes > size) return PANE_FONT_TRUNCATED;
  if (f.rangeCount == 0 || f.glyphCount == 0) return PANE_FONT_CORRUPT;
  if (static_cast<uint64_t>(f.pictureFirst) + f.pictureCount > f.glyphCount ||
      (f.replacement >= f.glyphCount && f.replacement != PANE_NO_GLYPH))
    return PANE_FONT_CORRUPT;

  f.ranges = reinterpret_cast<const PaneRange*>(p + kHeaderBytes);
  f.glyphs = reinterpret_cast<const PaneGlyph*>(p + kHeaderBytes + rangeBytes);
  f.bitmaps = p + kHeaderBytes + rangeBytes + glyphBytes;
  if (!rangesHold(f.ranges, f.rangeCount, f.glyphCount) || !glyphsHold(f)) return PANE_FONT_CORRUPT;
  return PANE_FONT_OK;
}

}  // namespace

}  // namespace pane::text

// The ranges are read through PaneRange pointers in the machine's byte order:
// the format is little-endian, as the DS is.
extern "C" int paneFontFromMemory(const void* data, size_t size, PaneFont* out) {
  if (data == nullptr || out == nullptr) return PANE_FONT_NULL;
  PaneFont font;
  const int result = pane::text::readFont(static_cast<const uint8_t*>(data), size, font);
  if (result != PANE_FONT_OK) return result;
  // The new font may lie where an older one was: what was prepared from that is stale.
  pane::text::forgetPreparedGlyphs();
  *out = font;
  return result;
}
