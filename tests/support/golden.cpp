// Golden-PNG comparison for pictures of the display model and of buffers.
#include "golden.h"

#include <nds/host.h>
#include <stb_image.h>
#include <stb_image_write.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace pane_test {

namespace {

bool updatingGoldens() {
  const char* flag = std::getenv("PANE_UPDATE_GOLDENS");
  return flag != nullptr && std::string(flag) == "1";
}

std::string describeFirstDifference(const RgbaPicture& expected, const RgbaPicture& actual) {
  std::ostringstream out;
  if (expected.width != actual.width || expected.height != actual.height) {
    out << "size " << actual.width << "x" << actual.height << ", golden " << expected.width << "x"
        << expected.height;
    return out.str();
  }
  size_t differing = 0;
  size_t first = 0;
  for (size_t i = 0; i < actual.pixels.size(); ++i) {
    if (actual.pixels[i] == expected.pixels[i]) continue;
    if (differing++ == 0) first = i;
  }
  if (differing == 0) return std::string();
  out << differing << " pixels differ; first at (" << first % actual.width << ", "
      << first / actual.width << "): 0x" << std::hex << actual.pixels[first] << ", golden 0x"
      << expected.pixels[first];
  return out.str();
}

}  // namespace

uint32_t rgbaOf(uint16_t rgb15) {
  auto widen = [](unsigned v) { return static_cast<uint32_t>(v << 3 | v >> 2); };
  return widen(rgb15 & 31u) | widen((rgb15 >> 5) & 31u) << 8 | widen((rgb15 >> 10) & 31u) << 16 |
         0xFF000000u;
}

std::string goldenPath(const std::string& name) {
  const char* root = std::getenv("PANE_SOURCE_DIR");
  if (root == nullptr || *root == '\0') return std::string();
  return std::string(root) + "/tests/golden/" + name + ".png";
}

bool readPng(const std::string& path, RgbaPicture& picture) {
  int channels = 0;
  unsigned char* data = stbi_load(path.c_str(), &picture.width, &picture.height, &channels, 4);
  if (data == nullptr) return false;
  picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
  for (size_t i = 0; i < picture.pixels.size(); ++i) {
    const unsigned char* p = data + i * 4;
    picture.pixels[i] = p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
  }
  stbi_image_free(data);
  return true;
}

bool writePng(const std::string& path, const RgbaPicture& picture) {
  std::vector<unsigned char> bytes(picture.pixels.size() * 4);
  for (size_t i = 0; i < picture.pixels.size(); ++i) {
    for (int k = 0; k < 4; ++k)
      bytes[i * 4 + k] = static_cast<unsigned char>(picture.pixels[i] >> (8 * k));
  }
  return stbi_write_png(path.c_str(), picture.width, picture.height, 4, bytes.data(),
                        picture.width * 4) != 0;
}

RgbaPicture renderScreens() {
  RgbaPicture picture;
  picture.width = HOST_SCREEN_WIDTH;
  picture.height = HOST_SCREENS_HEIGHT;
  picture.pixels.resize(static_cast<size_t>(picture.width) * picture.height);
  hostRenderScreens(picture.pixels.data());
  return picture;
}

::testing::AssertionResult pictureMatchesGolden(const std::string& name,
                                                const RgbaPicture& picture) {
  const std::string path = goldenPath(name);
  if (path.empty()) return ::testing::AssertionFailure() << "PANE_SOURCE_DIR is not set";
  if (updatingGoldens()) {
    if (!writePng(path, picture)) return ::testing::AssertionFailure() << "cannot write " << path;
    return ::testing::AssertionSuccess() << "golden rewritten: " << path;
  }
  const std::string errPath = path.substr(0, path.size() - 4) + "_err.png";
  RgbaPicture golden;
  std::string problem;
  if (!readPng(path, golden)) {
    problem = "no readable golden " + path + " (PANE_UPDATE_GOLDENS=1 creates it)";
  } else {
    problem = describeFirstDifference(golden, picture);
  }
  if (problem.empty()) {
    std::remove(errPath.c_str());
    return ::testing::AssertionSuccess();
  }
  writePng(errPath, picture);
  return ::testing::AssertionFailure()
         << name << ": " << problem << "; picture written to " << errPath;
}

::testing::AssertionResult screensMatchGolden(const std::string& name) {
  return pictureMatchesGolden(name, renderScreens());
}

}  // namespace pane_test
