// Helpers shared by the library's fuzz harnesses: values drawn from the input,
// a guarded 256-pixel-wide canvas, and failing loudly.
#ifndef PANE_FUZZ_INPUT_H
#define PANE_FUZZ_INPUT_H

#include <fuzzer/FuzzedDataProvider.h>
#include <libpane.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace pane_fuzz {

[[noreturn]] inline void fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

// A position or bound: near the buffer most of the time, else anywhere in the
// int range, with its ends and their neighbourhoods well represented.
inline int coordinate(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 4)) {
    case 0:
      return in.ConsumeIntegralInRange(INT_MIN, INT_MIN + 0x20000);
    case 1:
      return in.ConsumeIntegralInRange(INT_MAX - 0x20000, INT_MAX);
    case 2:
      return in.ConsumeIntegral<int>();
    default:
      return in.ConsumeIntegralInRange(-300, 300);
  }
}

// Appends count words taken from the input, zeros once it runs out.
inline void appendWords(FuzzedDataProvider& in, std::vector<uint16>& to, size_t count) {
  const std::vector<uint8_t> bytes = in.ConsumeBytes<uint8_t>(count * 2);
  for (size_t k = 0; k < count; ++k) {
    const size_t b = 2 * k;
    to.push_back(static_cast<uint16>((b < bytes.size() ? bytes[b] : 0) |
                                     (b + 1 < bytes.size() ? bytes[b + 1] : 0) << 8));
  }
}

// 256 x rows pixels cleared to 0, with guard rows above and below. Made once
// and reset before each run: a fresh one per run would cost more than the run.
class Canvas {
 public:
  static constexpr int kGuardRows = 8;
  static constexpr uint16 kGuard = 0x5A5A;
  explicit Canvas(int rows = 256)
      : rows_(rows), pixels_(static_cast<size_t>(rows + 2 * kGuardRows) * 256) {
    reset();
  }
  void reset() {
    std::fill(pixels_.begin(), pixels_.end(), kGuard);
    std::memset(data(), 0, static_cast<size_t>(rows_) * 256 * sizeof(uint16));
  }
  uint16* data() { return &pixels_[kGuardRows * 256]; }
  const std::vector<uint16>& all() const { return pixels_; }
  int rows() const { return rows_; }
  // Whether rows before `first` and from `end` on (guards included) hold what
  // they held after reset().
  bool untouchedOutside(int first, int end) const {
    static const std::vector<uint16> zeros(256, 0), guards(256, kGuard);
    for (int r = -kGuardRows; r < rows_ + kGuardRows; ++r) {
      if (r >= first && r < end) continue;
      const uint16* want = r < 0 || r >= rows_ ? guards.data() : zeros.data();
      if (std::memcmp(&pixels_[(r + kGuardRows) * 256], want, 256 * sizeof(uint16)) != 0)
        return false;
    }
    return true;
  }

 private:
  int rows_;
  std::vector<uint16> pixels_;
};

inline void expectSame(const Canvas& drawn, const Canvas& expected) {
  const std::vector<uint16>& a = drawn.all();
  const std::vector<uint16>& b = expected.all();
  if (std::memcmp(a.data(), b.data(), a.size() * sizeof(uint16)) == 0) return;
  for (size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) {
      std::fprintf(stderr, "pixel (%d, %d): drawn 0x%04X, expected 0x%04X\n",
                   static_cast<int>(i % 256), static_cast<int>(i / 256) - Canvas::kGuardRows, a[i],
                   b[i]);
      fail("the drawing differs from the model");
    }
  }
}

}  // namespace pane_fuzz

#endif
