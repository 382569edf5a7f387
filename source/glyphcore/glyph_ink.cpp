// The table of glyph ink boxes (see glyph_ink.h): one entry per character
// code, 3 KB of static memory.
#include "glyphcore/glyph_ink.h"

namespace pane::blit {

namespace {

constexpr uint32 kOpaque = 0x8000;
constexpr uint32 kLargestSide = 256;

struct Entry {
  const uint16* record;  // null: nothing kept
  uint16 transparent;
  uint8 top, bottom, left, right;  // top > bottom: no ink at all
};

Entry table[256];

Entry measure(const uint16* glyph, uint16 transparent) {
  const uint32 width = glyph[0] + 1u;
  const uint32 height = glyph[1] + 1u;
  const uint16* pixels = glyph + 2;
  uint32 top = height, bottom = 0, left = width, right = 0;
  for (uint32 i = 0; i < height; ++i, pixels += width) {
    for (uint32 j = 0; j < width; ++j) {
      if ((pixels[j] | kOpaque) == transparent) continue;
      if (top == height) top = i;
      bottom = i;
      if (j < left) left = j;
      if (j > right) right = j;
    }
  }
  if (top == height) return Entry{glyph, transparent, 1, 0, 0, 0};
  return Entry{glyph, transparent, static_cast<uint8>(top), static_cast<uint8>(bottom),
               static_cast<uint8>(left), static_cast<uint8>(right)};
}

}  // namespace

bool glyphInk(u32 c, const uint16* glyph, uint32 tc, InkBox& box) {
  if (c > 255 || glyph[0] >= kLargestSide || glyph[1] >= kLargestSide) return false;
  const uint16 transparent = static_cast<uint16>(tc | kOpaque);
  Entry& e = table[c];
  if (e.record != glyph || e.transparent != transparent) e = measure(glyph, transparent);
  box = InkBox{e.top, e.bottom, e.left, e.right};
  return true;
}

void forgetGlyphInk() {
  for (Entry& e : table) e.record = nullptr;
}

}  // namespace pane::blit
