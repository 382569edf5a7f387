// Builders of sprite array texts for the palsqueeze tests, laid out the way the image
// converter writes them: a header line "{ w-1, h-1, //width, height", one row per line.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace palsqueeze_test {

constexpr char kCrLf[] = "\r\n";

// Row-by-row pixel texts as array text; separator is what follows each value.
inline std::string arrayText(int width, int height, const std::vector<std::string>& pixels,
                             const std::string& separator = ", ") {
  std::string text = "{ " + std::to_string(width - 1) + ", " + std::to_string(height - 1) +
                     ", //width, height" + kCrLf + "\t";
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    text += pixels[i];
    if (i + 1 == pixels.size()) break;
    text += separator;
    if ((i + 1) % static_cast<std::size_t>(width) == 0) text += std::string(kCrLf) + "\t";
  }
  return text + "};";
}

// Distinct decimal RGB15 values: palette entry k of a test sprite.
inline std::string colourText(std::size_t k) { return std::to_string((k * 123 + 7) % 32768); }

// width x height pixels using exactly `distinct` values: the first `distinct` pixels
// introduce them in order, the rest repeat them in a scrambled order.
inline std::vector<std::string> pixelsWithDistinctValues(int width, int height,
                                                         std::size_t distinct) {
  std::vector<std::string> pixels;
  const std::size_t count = static_cast<std::size_t>(width) * height;
  for (std::size_t i = 0; i < count; ++i) {
    pixels.push_back(colourText(i < distinct ? i : (i * 7919 + i / 3) % distinct));
  }
  return pixels;
}

}  // namespace palsqueeze_test
