// PNG form of the screen pictures, through the header-only stb image reader
// and writer.
#include "screen_image.h"

#include <cstdio>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>
#include <stb_image_write.h>

namespace emulator {

namespace {

uint8_t widen(unsigned channel5) { return (uint8_t)(channel5 << 3 | channel5 >> 2); }

}  // namespace

bool writePng(const ScreenImage& image, const std::string& path, std::string& error) {
  std::vector<uint8_t> rgb(image.pixels.size() * 3);
  for (size_t i = 0; i < image.pixels.size(); ++i) {
    const uint16_t c = image.pixels[i];
    rgb[i * 3 + 0] = widen(c & 31u);
    rgb[i * 3 + 1] = widen((c >> 5) & 31u);
    rgb[i * 3 + 2] = widen((c >> 10) & 31u);
  }
  const std::string partial = path + ".partial";
  if (!stbi_write_png(partial.c_str(), (int)image.width, (int)image.height, 3, rgb.data(),
                      (int)image.width * 3)) {
    std::remove(partial.c_str());
    error = "cannot write " + path;
    return false;
  }
  if (std::rename(partial.c_str(), path.c_str()) != 0) {
    std::remove(partial.c_str());
    error = "cannot write " + path;
    return false;
  }
  return true;
}

bool readPng(const std::string& path, ScreenImage& image, std::string& error) {
  int width = 0, height = 0, channels = 0;
  uint8_t* data = stbi_load(path.c_str(), &width, &height, &channels, 3);
  if (data == nullptr) {
    error = "cannot read " + path + ": " + stbi_failure_reason();
    return false;
  }
  image.width = (unsigned)width;
  image.height = (unsigned)height;
  image.pixels.resize((size_t)width * height);
  for (size_t i = 0; i < image.pixels.size(); ++i) {
    const uint8_t* p = data + i * 3;
    image.pixels[i] = (uint16_t)((p[0] >> 3) | (p[1] >> 3) << 5 | (p[2] >> 3) << 10);
  }
  stbi_image_free(data);
  return true;
}

}  // namespace emulator
