// Pixel-for-pixel comparison of two screen pictures in DS colours, with a
// difference picture that shows where they part.
#ifndef PANE_TESTS_EMULATOR_SCREEN_DIFF_H
#define PANE_TESTS_EMULATOR_SCREEN_DIFF_H

#include <cstddef>
#include <string>

#include "screen_image.h"

namespace emulator {

struct ScreenDiff {
  bool sameSize = false;
  size_t differing = 0;             // pixels whose colours differ
  unsigned firstX = 0, firstY = 0;  // the first of them, row by row
  ScreenImage picture;              // expected picture dimmed, differing pixels red
};

ScreenDiff compareScreens(const ScreenImage& expected, const ScreenImage& actual);

// Both screens in one colour each: the upper screen's rows, then the lower's.
ScreenImage solidScreens(uint16_t upper, uint16_t lower);

// One line saying how two pictures differ, for a test log.
std::string describe(const ScreenDiff& diff, const ScreenImage& expected,
                     const ScreenImage& actual);

}  // namespace emulator

#endif
