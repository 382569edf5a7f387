// Buffer helpers shared by the framebuffer and sub-screen tests: patterned
// pictures, whole-buffer comparisons and the two main-screen banks.
#ifndef PANE_TEST_SCREEN_HELPERS_H
#define PANE_TEST_SCREEN_HELPERS_H

#include <gtest/gtest.h>
#include <libpane.h>
#include <nds.h>

#include <cstdint>
#include <vector>

namespace pane_test {

constexpr int kPixels = 256 * 256;

inline uint16_t* bankA() { return BG_GFX; }
inline uint16_t* bankB() { return BG_GFX + kPixels; }

// An opaque picture that differs from pixel to pixel and from seed to seed.
inline uint16_t patternPixel(int i, unsigned seed) {
  return static_cast<uint16_t>(0x8000 |
                               ((static_cast<unsigned>(i) * 2654435761u + seed * 40503u) >> 17));
}

inline std::vector<uint16_t> pattern(unsigned seed) {
  std::vector<uint16_t> picture(kPixels);
  for (int i = 0; i < kPixels; ++i) picture[i] = patternPixel(i, seed);
  return picture;
}

inline void fillPattern(uint16_t* buffer, unsigned seed) {
  for (int i = 0; i < kPixels; ++i) buffer[i] = patternPixel(i, seed);
}

inline bool holdsPattern(const uint16_t* buffer, unsigned seed) {
  for (int i = 0; i < kPixels; ++i)
    if (buffer[i] != patternPixel(i, seed)) return false;
  return true;
}

inline bool holdsOnly(const uint16_t* buffer, uint16_t value) {
  for (int i = 0; i < kPixels; ++i)
    if (buffer[i] != value) return false;
  return true;
}

inline int countNot(const uint16_t* buffer, uint16_t value) {
  int count = 0;
  for (int i = 0; i < kPixels; ++i) count += buffer[i] != value;
  return count;
}

// Whether every simulated register and every VRAM bank still holds its power-on zero.
inline bool ioAndVramUntouched() {
  for (uint32_t word : hostIoMemory)
    if (word != 0) return false;
  for (uint16_t halfword : hostVramMemory)
    if (halfword != 0) return false;
  return true;
}

// A fixture that starts every test from a powered-on DS and a fresh fb_init,
// with no one-shot refill request left over from an earlier test.
class FreshMainScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    hostReset();
    libPANE_bgPreserve = false;
    libPANE_bgDisabled = false;
    fb_init();
  }
};

}  // namespace pane_test

#endif
