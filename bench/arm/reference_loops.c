/* Reference loops: what a straightforward copy costs on the ARM9. Built without
 * loop-to-memcpy rewriting so the C loop stays a loop of 16-bit loads and stores. */
#include "reference_loops.h"

void referenceCopy16(uint16* to, const uint16* from, int columns, int rows) {
  for (int r = 0; r < rows; ++r, to += 256, from += columns)
    for (int c = 0; c < columns; ++c) to[c] = from[c];
}

__attribute__((target("arm"))) void referenceCopyBlocks(void* to, const void* from, u32 bytes) {
  __asm__ volatile(
      "1:\n\t"
      "ldmia %1!, {r3-r10}\n\t"
      "stmia %0!, {r3-r10}\n\t"
      "subs %2, %2, #32\n\t"
      "bne 1b\n\t"
      : "+r"(to), "+r"(from), "+r"(bytes)
      :
      : "r3", "r4", "r5", "r6", "r7", "r8", "r9", "r10", "cc", "memory");
}
