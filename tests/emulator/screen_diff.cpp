// Screen comparison and its difference picture.
#include "screen_diff.h"

#include <cstdio>

namespace emulator {

namespace {

constexpr uint16_t kMarked = 0x001F;  // pure red

// A quarter of the brightness, so the marked pixels stand out.
uint16_t dimmed(uint16_t c) {
  return (uint16_t)(((c & 31u) >> 2) | (((c >> 5) & 31u) >> 2) << 5 |
                    (((c >> 10) & 31u) >> 2) << 10);
}

}  // namespace

ScreenDiff compareScreens(const ScreenImage& expected, const ScreenImage& actual) {
  ScreenDiff diff;
  diff.sameSize = expected.width == actual.width && expected.height == actual.height;
  if (!diff.sameSize) return diff;
  diff.picture = expected;
  for (unsigned y = 0; y < expected.height; ++y) {
    for (unsigned x = 0; x < expected.width; ++x) {
      uint16_t& shown = diff.picture.pixels[(size_t)y * expected.width + x];
      if ((expected.at(x, y) & 0x7FFF) == (actual.at(x, y) & 0x7FFF)) {
        shown = dimmed(shown);
        continue;
      }
      if (diff.differing++ == 0) {
        diff.firstX = x;
        diff.firstY = y;
      }
      shown = kMarked;
    }
  }
  return diff;
}

ScreenImage solidScreens(uint16_t upper, uint16_t lower) {
  ScreenImage image;
  image.width = 256;
  image.height = 384;
  image.pixels.assign((size_t)256 * 192, upper);
  image.pixels.resize((size_t)256 * 384, lower);
  return image;
}

std::string describe(const ScreenDiff& diff, const ScreenImage& expected,
                     const ScreenImage& actual) {
  char line[200];
  if (!diff.sameSize) {
    std::snprintf(line, sizeof line, "sizes differ: expected %ux%u, got %ux%u", expected.width,
                  expected.height, actual.width, actual.height);
  } else if (diff.differing == 0) {
    std::snprintf(line, sizeof line, "identical (%ux%u)", expected.width, expected.height);
  } else {
    std::snprintf(line, sizeof line,
                  "%zu pixels differ; the first at (%u, %u): expected 0x%04X, got 0x%04X",
                  diff.differing, diff.firstX, diff.firstY, expected.at(diff.firstX, diff.firstY),
                  actual.at(diff.firstX, diff.firstY));
  }
  return line;
}

}  // namespace emulator
