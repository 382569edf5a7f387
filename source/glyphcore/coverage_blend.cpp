// The colour table of coverage glyphs over a known background.
#include "glyphcore/coverage_blend.h"

namespace pane::text {

namespace {

// Every sum blendChannel can divide, at both depths, comes out as a division would.
constexpr bool divisionHolds(uint32_t amax) {
  for (uint32_t x = 0; x <= 31 * amax + amax / 2; ++x)
    if (divideByMax(x, amax) != x / amax) return false;
  return true;
}
static_assert(divisionHolds(3) && divisionHolds(15), "the multiplications divide exactly");

}  // namespace

KnownBackgroundTable knownTable;

void buildKnownBackgroundTable(uint32_t ink, uint32_t background, uint32_t amax) {
  for (uint32_t a = 1; a <= amax; ++a)
    knownTable.colours[a] = blendCoverage(background, ink, a, amax);
  knownTable.ink = ink;
  knownTable.background = background;
  knownTable.amax = amax;
}

}  // namespace pane::text
