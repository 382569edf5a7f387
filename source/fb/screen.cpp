// Shared screen logic: buffer fills and copies, refill, background picture and
// colour, clipping rectangle, and the drawing operations that hand a screen's
// back buffer and limits to the rendering core.
#include "fb/screen.h"

#include <stdlib.h>
#include <string.h>

#include "glyphcore/saturate.h"
#include "glyphcore/text_render.h"

namespace pane {

namespace {

// Two pixels at once; the buffers are declared as uint16_t, hence may_alias.
typedef uint32_t __attribute__((__may_alias__)) PixelPair;
constexpr unsigned kBufferPairs = kBufferPixels / 2;

// Limits handed to the core: the blitter writes columns up to kLastColumn and
// rows above kBufferRows; rectangles and text decorations stop at kLastRow.
constexpr unsigned int kSpriteMaxX = kLastColumn;
constexpr unsigned int kSpriteMaxY = kBufferRows;

int clampColumn(int x) { return x < 0 ? 0 : (x > kLastColumn ? kLastColumn : x); }

void fillBufferPixels(uint16_t* buffer, uint16_t color) {
  for (unsigned i = 0; i < kBufferPixels; ++i) buffer[i] = color;
}

void releaseBackground(Screen& screen) {
  free(screen.bgFrameBuffer);
  screen.bgFrameBuffer = nullptr;
}

}  // namespace

#if defined(__arm__)
// On the ARM9 both run as ARM code storing eight registers at a time, sixteen
// pixels per instruction; VRAM takes the 32-bit stores like any other memory.
__attribute__((target("arm"), noinline)) void fillBufferWords(uint16_t* buffer, uint32_t word) {
  uint32_t bytes = kBufferBytes;
  __asm__ volatile(
      "mov r3, %[word]\n\tmov r4, %[word]\n\tmov r5, %[word]\n\tmov r6, %[word]\n\t"
      "mov r7, %[word]\n\tmov r8, %[word]\n\tmov r9, %[word]\n\tmov r10, %[word]\n"
      "1:\n\t"
      "stmia %[to]!, {r3-r10}\n\t"
      "stmia %[to]!, {r3-r10}\n\t"
      "subs %[bytes], %[bytes], #64\n\t"
      "bne 1b"
      : [to] "+r"(buffer), [bytes] "+r"(bytes)
      : [word] "r"(word)
      : "r3", "r4", "r5", "r6", "r7", "r8", "r9", "r10", "cc", "memory");
}

__attribute__((target("arm"), noinline)) void copyBufferWords(uint16_t* to, const uint16_t* from) {
  uint32_t bytes = kBufferBytes;
  __asm__ volatile(
      "1:\n\t"
      "ldmia %[from]!, {r3-r10}\n\t"
      "stmia %[to]!, {r3-r10}\n\t"
      "ldmia %[from]!, {r3-r10}\n\t"
      "stmia %[to]!, {r3-r10}\n\t"
      "subs %[bytes], %[bytes], #64\n\t"
      "bne 1b"
      : [to] "+r"(to), [from] "+r"(from), [bytes] "+r"(bytes)
      :
      : "r3", "r4", "r5", "r6", "r7", "r8", "r9", "r10", "cc", "memory");
}
#else
void fillBufferWords(uint16_t* buffer, uint32_t word) {
  PixelPair* to = static_cast<PixelPair*>(static_cast<void*>(buffer));
  for (unsigned i = 0; i < kBufferPairs; ++i) to[i] = word;
}

void copyBufferWords(uint16_t* to, const uint16_t* from) {
  PixelPair* dst = static_cast<PixelPair*>(static_cast<void*>(to));
  const PixelPair* src = static_cast<const PixelPair*>(static_cast<const void*>(from));
  for (unsigned i = 0; i < kBufferPairs; ++i) dst[i] = src[i];
}
#endif

void refillBackBuffer(Screen& screen) {
  if (screen.bgEnabled != 0 && screen.bgFrameBuffer != nullptr) {
    copyBufferWords(screen.framebuffer2, screen.bgFrameBuffer);
  } else {
    const uint32_t tColor = screen.bgColor | (uint32_t)screen.bgColor << 16;
    fillBufferWords(screen.framebuffer2, tColor);
  }
}

void resetScreenState(Screen& screen) {
  releaseBackground(screen);
  screen.bgEnabled = 0;
  screen.bgColor = 0;
  screen.update = 0;
  screen.clip = 1;
  screenSetDefaultClipping(screen);
}

// A held copy is reused for the new picture; when the heap cannot supply one,
// nothing changes.
void screenSetBackground(Screen& screen, const uint16_t* picture) {
  if (!screen.enabled || picture == nullptr) return;
  if (screen.bgFrameBuffer == nullptr) {
    screen.bgFrameBuffer = static_cast<uint16_t*>(malloc(kBufferBytes));
    if (screen.bgFrameBuffer == nullptr) return;
  }
  if (picture != screen.bgFrameBuffer) memmove(screen.bgFrameBuffer, picture, kBufferBytes);
  copyBufferWords(screen.framebuffer2, screen.bgFrameBuffer);
  screen.bgEnabled = 1;
  screen.update = 1;
}

void screenSetBackgroundColor(Screen& screen, uint16_t color) {
  if (!screen.enabled) return;
  screen.bgColor = color | kOpaque;
  fillBufferPixels(screen.framebuffer2, screen.bgColor);
  screen.update = 1;
}

void screenEraseBackground(Screen& screen) {
  if (!screen.enabled) return;
  screen.bgEnabled = 0;
  screen.bgColor |= kOpaque;
  fillBufferPixels(screen.framebuffer2, screen.bgColor);
  screen.update = 1;
  releaseBackground(screen);
}

void screenClear(Screen& screen) {
  if (!screen.enabled) return;
  fillBufferWords(screen.framebuffer2, 0);
  screen.update = 1;
}

void screenSetDefaultClipping(Screen& screen) {
  screenSetClipping(screen, 0, 0, kBufferWidth, kBufferRows);
}

void screenSetClipping(Screen& screen, int x, int y, int bx, int by) {
  screen.clip_x = x;
  screen.clip_y = y;
  screen.clip_bx = bx;
  screen.clip_by = by;
}

void screenSetPixel(Screen& screen, int x, int y, uint16_t color) {
  if (!screen.enabled || x < 0 || x > kLastColumn || y < 0 || y > kLastRow) return;
  screen.framebuffer2[y * kBufferWidth + x] = color | kOpaque;
  screen.update = 1;
}

// The core clips rows only; columns are cut to the buffer here, and a
// rectangle wholly left or right of it draws nothing.
void screenDrawRect(Screen& screen, int x, int y, int bx, int by, uint16_t color) {
  if (!screen.enabled) return;
  if (x > bx) {
    const int left = bx;
    bx = x;
    x = left;
  }
  if (bx >= 0 && x <= kLastColumn)
    ::drawRect(clampColumn(x), y, clampColumn(bx), by, color, screen.framebuffer2, kLastRow);
  screen.update = 1;
}

void screenDrawBox(Screen& screen, int x, int y, int bx, int by, uint16_t color) {
  screenDrawRect(screen, x, y, bx, y, color);
  screenDrawRect(screen, x, by, bx, by, color);
  screenDrawRect(screen, x, y, x, by, color);
  screenDrawRect(screen, bx, y, bx, by, color);
}

void screenDrawFilledRect(Screen& screen, int x, int y, int bx, int by, uint16_t borderColor,
                          uint16_t fillColor) {
  screenDrawBox(screen, x, y, bx, by, borderColor);
  screenDrawRect(screen, addSat(x, 1), addSat(y, 1), addSat(bx, -1), addSat(by, -1), fillColor);
}

void screenDispCustomSprite(Screen& screen, int x, int y, uint16_t* sprite, uint16_t tc,
                            uint16_t colormask) {
  if (!screen.enabled) return;
  ::dispCustomSprite(x, y, sprite, tc, colormask, screen.framebuffer2, kSpriteMaxX, kSpriteMaxY);
  screen.update = 1;
}

void screenDispChar(Screen& screen, int x, int y, int toDisp) {
  if (!screen.enabled) return;
  screen.update = 1;
  ::dispChar(x, y, (uint32_t)toDisp, screen.framebuffer2, kSpriteMaxX, kSpriteMaxY);
}

// The text starts at (x + clip_x, y + clip_y); the renderer's decorations and
// cursor bar stop at the buffer's last row even with the default bottom 256.
void screenDispString(Screen& screen, int x, int y, const void* toDisp) {
  if (!screen.enabled || toDisp == nullptr) return;
  dispStringBounded(x, y, toDisp, screen.framebuffer2, (uint32_t)screen.clip, screen.clip_x,
                    screen.clip_y, screen.clip_bx, screen.clip_by, kLastRow);
  screen.update = 1;
}

}  // namespace pane
