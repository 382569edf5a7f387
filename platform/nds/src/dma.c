/* DMA channel 3: the block copy the library uses for whole pictures. */
#include <nds.h>

/* The unit count field is 21 bits wide and a count of 0 means 0x200000 units
 * on the ARM9, so a copy is split into transfers that each fit the field. */
#define DMA_MAX_UNITS 0x100000u

void dmaCopy(const void* source, void* dest, u32 size) {
  u32 from = (u32)(uintptr_t)source;
  u32 to = (u32)(uintptr_t)dest;
  u32 units = size >> 1;
  while (units != 0) {
    const u32 count = units < DMA_MAX_UNITS ? units : DMA_MAX_UNITS;
    DMA3_SRC = from;
    DMA3_DEST = to;
    DMA3_CR = DMA_ENABLE | count;
    while (DMA3_CR & DMA_BUSY) {
    }
    from += count * 2;
    to += count * 2;
    units -= count;
  }
}
