// Coverage glyphs: a pixel of coverage a out of amax (3 for 2-bit glyphs, 15
// for 4-bit ones) moves each 5-bit channel of what is under it towards the
// ink colour by a / amax, rounded to the nearest value; bit 15 is set. Over a
// background the program has named, the results for every coverage come from
// a table built once per colour change, so those glyphs are only written.
#ifndef PANE_GLYPHCORE_COVERAGE_BLEND_H
#define PANE_GLYPHCORE_COVERAGE_BLEND_H

#include <stdint.h>

namespace pane::text {

// (x + amax / 2) / amax for the weighted sums of two channels, x <= 31 * amax
// + amax / 2, by a multiplication: the ARM9 has no divide instruction.
constexpr uint32_t divideByMax(uint32_t x, uint32_t amax) {
  return amax == 3 ? (x * 0xAAABu) >> 17 : (x * 0x8889u) >> 19;
}

inline uint32_t blendChannel(uint32_t under, uint32_t ink, uint32_t a, uint32_t amax) {
  return divideByMax(under * (amax - a) + ink * a + amax / 2, amax);
}

// What coverage a (1 .. amax) of ink makes of the pixel `under`.
inline uint16_t blendCoverage(uint32_t under, uint32_t ink, uint32_t a, uint32_t amax) {
  if (a == amax) return static_cast<uint16_t>(ink | 0x8000u);
  const uint32_t r = blendChannel(under & 31u, ink & 31u, a, amax);
  const uint32_t g = blendChannel((under >> 5) & 31u, (ink >> 5) & 31u, a, amax);
  const uint32_t b = blendChannel((under >> 10) & 31u, (ink >> 10) & 31u, a, amax);
  return static_cast<uint16_t>(r | g << 5 | b << 10 | 0x8000u);
}

// The blends of one ink over one background for coverage 0 .. amax (entry 0
// unused), and what they were built for.
struct KnownBackgroundTable {
  uint32_t ink = 0xFFFFFFFFu;  // no colour: the first request builds the table
  uint32_t background = 0;
  uint32_t amax = 0;
  uint16_t colours[16] = {};
};
extern KnownBackgroundTable knownTable;

void buildKnownBackgroundTable(uint32_t ink, uint32_t background, uint32_t amax);

// The blend of ink over `background` for coverage 0 .. amax (entry 0 unused),
// rebuilt only when the ink, the background or the depth changes.
inline const uint16_t* knownBackgroundTable(uint32_t ink, uint32_t background, uint32_t amax) {
  const KnownBackgroundTable& t = knownTable;
  if (t.ink != ink || t.background != background || t.amax != amax)
    buildKnownBackgroundTable(ink, background, amax);
  return knownTable.colours;
}

}  // namespace pane::text

#endif
