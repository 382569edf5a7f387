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

struct Table {
  uint32_t ink = 0xFFFFFFFFu;  // no colour: the first request builds the table
  uint32_t background = 0;
  uint32_t amax = 0;
  uint16_t colours[16] = {};
};

Table table;

}  // namespace

const uint16_t* knownBackgroundTable(uint32_t ink, uint32_t background, uint32_t amax) {
  if (table.ink != ink || table.background != background || table.amax != amax) {
    for (uint32_t a = 1; a <= amax; ++a) table.colours[a] = blendCoverage(background, ink, a, amax);
    table.ink = ink;
    table.background = background;
    table.amax = amax;
  }
  return table.colours;
}

}  // namespace pane::text
