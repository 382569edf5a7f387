/* The ARM9's data cache, reached through coprocessor 15. */
#include <nds.h>

/* ARM946E-S data cache lines are 32 bytes. */
#define DCACHE_LINE 32u

/* CP15 operations exist in ARM state only, so this function is ARM code
 * whatever the rest of the library is built as. */
__attribute__((target("arm"))) void DC_FlushRange(const void* base, u32 size) {
  if (size == 0) return;
  u32 line = (u32)(uintptr_t)base & ~(DCACHE_LINE - 1u);
  const u32 end = (u32)(uintptr_t)base + size;
  for (; line < end; line += DCACHE_LINE) {
    /* Clean and invalidate the data cache line holding this address. */
    __asm__ volatile("mcr p15, 0, %0, c7, c14, 1" : : "r"(line) : "memory");
  }
  /* Drain the write buffer so that the written-back lines reach memory. */
  __asm__ volatile("mcr p15, 0, %0, c7, c10, 4" : : "r"(0) : "memory");
}
