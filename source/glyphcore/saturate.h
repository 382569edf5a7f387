// Integer sums for positions and sizes that callers may pass anywhere in the
// int range: never wrapping, they stick at INT_MIN or INT_MAX instead.
// Nothing lands that far from the buffer, so a stuck value draws as the exact
// one would; ordinary values are unchanged. Used per character or per call,
// never per pixel.
#ifndef PANE_GLYPHCORE_SATURATE_H
#define PANE_GLYPHCORE_SATURATE_H

#include <limits.h>

namespace pane {

inline int clampToInt(long long v) {
  return v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : static_cast<int>(v));
}

// The overflow test is a flag check on the ARM9 (adds, then a branch on V), so the
// common case costs one instruction more than a plain sum; 64-bit sums would cost a
// dozen in Thumb code, per character.
inline int addSat(int a, int b) {
  int sum;
  if (!__builtin_add_overflow(a, b, &sum)) return sum;
  return b > 0 ? INT_MAX : INT_MIN;
}

// Exact: only when a + b itself leaves the range is the wide sum needed.
inline int addSat(int a, int b, int c) {
  int ab;
  if (!__builtin_add_overflow(a, b, &ab)) return addSat(ab, c);
  return clampToInt(static_cast<long long>(a) + b + c);
}

}  // namespace pane

#endif
