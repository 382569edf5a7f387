// Picture checks against golden PNGs under tests/golden/: a mismatch writes
// <case>_err.png beside the golden; PANE_UPDATE_GOLDENS=1 rewrites goldens.
//
//   EXPECT_TRUE(pane_test::screensMatchGolden("fb_orientation_1"));
//       renders both screens with hostRenderScreens (256 x 384) and compares.
//   pane_test::pictureMatchesGolden(name, rgba, width, height)   any picture.
//   pane_test::rgbaOf(0x801F)   the display model's pixel for an RGB15 colour.
// The goldens are found through the PANE_SOURCE_DIR environment variable that
// the test registration sets.
#ifndef PANE_TEST_GOLDEN_H
#define PANE_TEST_GOLDEN_H

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pane_test {

// Pixels are R | G << 8 | B << 16 | A << 24, as hostRenderScreens writes them.
struct RgbaPicture {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;
};

uint32_t rgbaOf(uint16_t rgb15);

// Path of tests/golden/<name>.png; empty when PANE_SOURCE_DIR is not set.
std::string goldenPath(const std::string& name);

bool readPng(const std::string& path, RgbaPicture& picture);
bool writePng(const std::string& path, const RgbaPicture& picture);

RgbaPicture renderScreens();

::testing::AssertionResult pictureMatchesGolden(const std::string& name,
                                                const RgbaPicture& picture);
::testing::AssertionResult screensMatchGolden(const std::string& name);

}  // namespace pane_test

#endif
