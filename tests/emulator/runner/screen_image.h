// Both DS screens as a picture of 15-bit colours (red bits 0-4, green 5-9,
// blue 10-14), 256 x 384, the upper screen first; and its PNG form, each
// 5-bit channel v widened to v << 3 | v >> 2.
#ifndef PANE_EMULATOR_SCREEN_IMAGE_H
#define PANE_EMULATOR_SCREEN_IMAGE_H

#include <cstdint>
#include <string>
#include <vector>

namespace emulator {

struct ScreenImage {
  unsigned width = 0;
  unsigned height = 0;
  std::vector<uint16_t> pixels;  // RGB15, row after row

  uint16_t at(unsigned x, unsigned y) const { return pixels[y * width + x]; }
};

// A DS colour from the core's RGB565, whose green the core widened from the
// DS's 5 bits as g6 = g5 << 1 | g5 >> 4: g5 = g6 >> 1 recovers it exactly.
inline uint16_t rgb15FromRgb565(uint16_t pixel) {
  const unsigned r = pixel >> 11, g = (pixel >> 6) & 31u, b = pixel & 31u;
  return (uint16_t)(r | g << 5 | b << 10);
}

inline uint16_t rgb15From0Rgb1555(uint16_t pixel) {
  const unsigned r = (pixel >> 10) & 31u, g = (pixel >> 5) & 31u, b = pixel & 31u;
  return (uint16_t)(r | g << 5 | b << 10);
}

// Writes the picture as an RGB PNG; the file appears only once complete.
bool writePng(const ScreenImage& image, const std::string& path, std::string& error);
// Reads an RGB or RGBA PNG and reduces each channel to 5 bits (v >> 3).
bool readPng(const std::string& path, ScreenImage& image, std::string& error);

}  // namespace emulator

#endif
