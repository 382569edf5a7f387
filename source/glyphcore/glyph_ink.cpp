// The table of glyph ink boxes (see glyph_ink.h): two entries per character
// code, 6 KB of static memory.
#include "glyphcore/glyph_ink.h"

namespace pane::blit {

InkEntry inkTable[256][kInkWays];

const InkEntry& measureInk(InkEntry (&ways)[kInkWays], const uint16_t* glyph,
                           uint16_t transparent) {
  ways[1] = ways[0];
  InkEntry& entry = ways[0];
  const uint32_t width = glyph[0] + 1u;
  const uint32_t height = glyph[1] + 1u;
  const uint16_t* pixels = glyph + 2;
  uint32_t top = height, bottom = 0, left = width, right = 0;
  // Each row is read from the left up to its first ink and from the right down
  // to its last ink or the rightmost ink found so far: the middle of a glyph
  // is never read.
  for (uint32_t i = 0; i < height; ++i, pixels += width) {
    uint32_t j = 0;
    while (j < width && (pixels[j] | 0x8000u) == transparent) ++j;
    if (j == width) continue;  // no ink in this row
    if (top == height) top = i;
    bottom = i;
    if (j < left) left = j;
    uint32_t k = width - 1;  // pixels[j] is ink, so k stops at j at the latest when j > right
    while (k > right && (pixels[k] | 0x8000u) == transparent) --k;
    if (k > right) right = k;
  }
  entry.record = glyph;
  entry.transparent = transparent;
  if (top == height) {
    entry.top = 1;
    entry.bottom = entry.left = entry.right = 0;
    return entry;
  }
  entry.top = static_cast<uint8_t>(top);
  entry.bottom = static_cast<uint8_t>(bottom);
  entry.left = static_cast<uint8_t>(left);
  entry.right = static_cast<uint8_t>(right);
  return entry;
}

void forgetGlyphInk() {
  for (InkEntry(&ways)[kInkWays] : inkTable)
    for (InkEntry& e : ways) e.record = nullptr;
}

}  // namespace pane::blit
