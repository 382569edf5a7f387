// screen_compare: fails unless two screen pictures are equal in DS colours
// (each PNG channel reduced to 5 bits); on a mismatch it writes a difference
// picture. Usage:
//   screen_compare EXPECTED.png ACTUAL.png DIFF.png
//   screen_compare --solid UPPER LOWER ACTUAL.png DIFF.png   (colours as RGB15 numbers)
#include <cstdio>
#include <cstdlib>
#include <string>

#include "screen_diff.h"

namespace {

bool parseColor(const char* text, uint16_t& color) {
  char* end = nullptr;
  const unsigned long value = std::strtoul(text, &end, 0);
  color = (uint16_t)value;
  return *text != '\0' && *end == '\0' && value <= 0x7FFF;
}

int fail(const std::string& message) {
  std::fprintf(stderr, "screen_compare: %s\n", message.c_str());
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace emulator;
  ScreenImage expected, actual;
  std::string actualPath, diffPath, error;
  if (argc == 6 && std::string(argv[1]) == "--solid") {
    uint16_t upper = 0, lower = 0;
    if (!parseColor(argv[2], upper) || !parseColor(argv[3], lower)) {
      return fail("colours are RGB15 numbers up to 0x7FFF");
    }
    expected = solidScreens(upper, lower);
    actualPath = argv[4];
    diffPath = argv[5];
  } else if (argc == 4) {
    if (!readPng(argv[1], expected, error)) return fail(error);
    actualPath = argv[2];
    diffPath = argv[3];
  } else {
    return fail(
        "usage: screen_compare EXPECTED.png ACTUAL.png DIFF.png\n"
        "       screen_compare --solid UPPER LOWER ACTUAL.png DIFF.png");
  }
  if (!readPng(actualPath, actual, error)) return fail(error);

  const ScreenDiff diff = compareScreens(expected, actual);
  const std::string summary = describe(diff, expected, actual);
  if (diff.sameSize && diff.differing == 0) {
    std::printf("%s: %s\n", actualPath.c_str(), summary.c_str());
    return 0;
  }
  std::fprintf(stderr, "%s: %s\n", actualPath.c_str(), summary.c_str());
  if (diff.sameSize) {
    if (!writePng(diff.picture, diffPath, error)) return fail(error);
    std::fprintf(stderr, "difference picture (mismatches in red): %s\n", diffPath.c_str());
  }
  return 1;
}
