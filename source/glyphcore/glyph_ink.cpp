// The table of glyph ink boxes (see glyph_ink.h): two entries per character
// code, 6 KB of static memory.
#include "glyphcore/glyph_ink.h"

namespace pane::blit {

InkEntry inkTable[256][kInkWays];

const InkEntry& measureInk(InkEntry (&ways)[kInkWays], const uint16* glyph, uint16 transparent) {
  ways[1] = ways[0];
  InkEntry& entry = ways[0];
  const uint32 width = glyph[0] + 1u;
  const uint32 height = glyph[1] + 1u;
  const uint16* pixels = glyph + 2;
  uint32 top = height, bottom = 0, left = width, right = 0;
  for (uint32 i = 0; i < height; ++i, pixels += width) {
    for (uint32 j = 0; j < width; ++j) {
      if ((pixels[j] | 0x8000u) == transparent) continue;
      if (top == height) top = i;
      bottom = i;
      if (j < left) left = j;
      if (j > right) right = j;
    }
  }
  entry.record = glyph;
  entry.transparent = transparent;
  if (top == height) {
    entry.top = 1;
    entry.bottom = entry.left = entry.right = 0;
    return entry;
  }
  entry.top = static_cast<uint8>(top);
  entry.bottom = static_cast<uint8>(bottom);
  entry.left = static_cast<uint8>(left);
  entry.right = static_cast<uint8>(right);
  return entry;
}

void forgetGlyphInk() {
  for (InkEntry (&ways)[kInkWays] : inkTable)
    for (InkEntry& e : ways) e.record = nullptr;
}

}  // namespace pane::blit
