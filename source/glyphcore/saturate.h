// Integer sums for positions and sizes that callers may pass anywhere in the
// int range: computed wide and stuck at INT_MIN or INT_MAX instead of wrapping.
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

inline int addSat(int a, int b) { return clampToInt(static_cast<long long>(a) + b); }

inline int addSat(int a, int b, int c) { return clampToInt(static_cast<long long>(a) + b + c); }

}  // namespace pane

#endif
