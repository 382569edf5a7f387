// Solid rectangle fill and the two small integer helpers exported beside it.
#include <libpane.h>
#include <stddef.h>

#include "glyphcore/blit_kernels.h"

namespace {
using pane::blit::kRowPixels;
constexpr int kLastColumn = kRowPixels - 1;
}  // namespace

extern "C" {

// Rows are limited to 0..max_y. The rejection tests see the arguments as given,
// before limiting or ordering. Columns are also kept within 0..255, so that a
// rectangle reaching past either side is cut instead of spilling into the
// neighbouring rows or outside the buffer.
void drawRect(int x, int y, int bx, int by, uint16_t c, uint16_t* buf, int max_y) {
  if (buf == nullptr || by < 0 || y > max_y || max_y < 0) return;
  if (by > max_y) by = max_y;
  if (y < 0) y = 0;
  if (x > bx) xorSwap(&x, &bx);
  if (y > by) xorSwap(&y, &by);
  if (x < 0) x = 0;
  if (bx > kLastColumn) bx = kLastColumn;
  if (x > bx) return;

  // 0 <= x <= bx <= 255 and 0 <= y <= by; rows no buffer can reach are never visited.
  const long long lastRow = by < pane::blit::kRowLimit ? by : pane::blit::kRowLimit - 1;
  if (y > lastRow) return;
  const pane::blit::Block block{buf + static_cast<ptrdiff_t>(y) * kRowPixels + x,
                                static_cast<int>(lastRow - y + 1), bx - x + 1};
  pane::blit::fillBlock(block, static_cast<uint16_t>(c | 0x8000));
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
