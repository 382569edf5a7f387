// DS colours from the core's pixel formats, and the PNG form of screen pictures.
#include "screen_image.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace emulator {
namespace {

// The core widens DS green (5 bits) to RGB565's 6 bits as g << 1 | g >> 4.
uint16_t asTheCoreSendsIt(uint16_t ds) {
  const unsigned r = ds & 31u, g = (ds >> 5) & 31u, b = (ds >> 10) & 31u;
  return (uint16_t)(r << 11 | (g << 1 | g >> 4) << 5 | b);
}

TEST(CoreColours, Rgb565GivesBackEveryDsColour) {
  for (unsigned ds = 0; ds < 0x8000; ++ds) {
    ASSERT_EQ(rgb15FromRgb565(asTheCoreSendsIt((uint16_t)ds)), ds);
  }
}

TEST(CoreColours, Rgb1555SwapsRedAndBlue) {
  EXPECT_EQ(rgb15From0Rgb1555(0x7C00), 0x001F);  // red
  EXPECT_EQ(rgb15From0Rgb1555(0x03E0), 0x03E0);  // green
  EXPECT_EQ(rgb15From0Rgb1555(0x801F), 0x7C00);  // blue, top bit ignored
}

TEST(ScreenPng, RoundTripsEveryColour) {
  ScreenImage image;
  image.width = 256;
  image.height = 128;
  for (unsigned i = 0; i < 256 * 128; ++i) image.pixels.push_back((uint16_t)i);
  const auto path = std::filesystem::temp_directory_path() / "pane_screen_png_test.png";
  std::string error;
  ASSERT_TRUE(writePng(image, path.string(), error)) << error;
  ScreenImage back;
  ASSERT_TRUE(readPng(path.string(), back, error)) << error;
  std::filesystem::remove(path);
  EXPECT_EQ(back.width, 256u);
  EXPECT_EQ(back.height, 128u);
  EXPECT_EQ(back.pixels, image.pixels);
}

TEST(ScreenPng, ReportsFilesItCannotUse) {
  ScreenImage image;
  std::string error;
  EXPECT_FALSE(readPng("/nonexistent/screen.png", image, error));
  EXPECT_FALSE(error.empty());
  image.width = image.height = 1;
  image.pixels = {0};
  EXPECT_FALSE(writePng(image, "/nonexistent/dir/screen.png", error));
}

}  // namespace
}  // namespace emulator
