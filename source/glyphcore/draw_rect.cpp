// Solid rectangle fill and the two small integer helpers exported beside it.
#include "glyphcore/glyphcore_internal.h"

namespace {
constexpr int kRowPixels = 256;
constexpr int kLastColumn = kRowPixels - 1;
}  // namespace

extern "C" {

// Rows are limited to 0..max_y. The rejection tests see the arguments as given,
// before limiting or ordering. Columns are also kept within 0..255, so that a
// rectangle reaching past either side is cut instead of spilling into the
// neighbouring rows or outside the buffer.
void drawRect(int x, int y, int bx, int by, uint16 c, uint16* buf, int max_y) {
  if (buf == nullptr || by < 0 || y > max_y || max_y < 0) return;
  if (by > max_y) by = max_y;
  if (y < 0) y = 0;
  if (x > bx) xorSwap(&x, &bx);
  if (y > by) xorSwap(&y, &by);
  if (x < 0) x = 0;
  if (bx > kLastColumn) bx = kLastColumn;
  if (x > bx) return;

  const uint16 colour = static_cast<uint16>(c | 0x8000);
  const int count = bx - x + 1;
  uint16* row = buf + static_cast<long>(y) * kRowPixels + x;
  for (int cy = y; cy <= by; ++cy, row += kRowPixels) {
    for (int i = 0; i < count; ++i) row[i] = colour;
  }
}

int MAXFB(int a, int b) { return a > b ? a : b; }

// The exclusive-or exchange would zero a value swapped with itself.
void xorSwap(int* x, int* y) {
  if (x == y || x == nullptr || y == nullptr) return;
  *x ^= *y;
  *y ^= *x;
  *x ^= *y;
}

}  // extern "C"
