// Simulated DS memory (I/O registers, VRAM banks, palettes), DMA channel 3,
// the vertical-blank wait and the host counters.
#include <nds.h>
#include <nds/host.h>

#include <string.h>

u32 hostIoMemory[HOST_IO_SIZE / 4];
// Word-aligned as on the DS: whole pages are filled and copied in 32-bit words.
alignas(4) u16 hostVramMemory[4 * HOST_VRAM_BANK_HALFWORDS];
u16 hostPaletteMemory[0x400];

namespace {

unsigned vblankCount;
unsigned dmaCopyCount;
void (*vblankHandler)(void* context);
void* vblankContext;

// A DMA unit count field is 21 bits wide; 0 means the maximum on the DS.
constexpr u32 kDmaCountMask = 0x1FFFFFu;

}  // namespace

extern "C" void hostReset(void) {
  memset(hostIoMemory, 0, sizeof hostIoMemory);
  memset(hostVramMemory, 0, sizeof hostVramMemory);
  memset(hostPaletteMemory, 0, sizeof hostPaletteMemory);
  vblankCount = 0;
  dmaCopyCount = 0;
  vblankHandler = nullptr;
  vblankContext = nullptr;
}

extern "C" unsigned hostVBlankCount(void) { return vblankCount; }

extern "C" void hostOnVBlank(void (*handler)(void* context), void* context) {
  vblankHandler = handler;
  vblankContext = context;
}

extern "C" unsigned hostDmaCopyCount(void) { return dmaCopyCount; }

extern "C" void swiWaitForVBlank(void) {
  ++vblankCount;
  if (vblankHandler != nullptr) vblankHandler(vblankContext);
}

// The registers get the low 32 bits of each address, as a DS program would
// write them; the copy itself runs on the real host pointers, forward in
// 16-bit units like the DMA engine.
extern "C" void dmaCopy(const void* source, void* dest, u32 size) {
  const u32 units = size >> 1;
  DMA3_SRC = (u32)(uintptr_t)source;
  DMA3_DEST = (u32)(uintptr_t)dest;
  DMA3_CR = DMA_ENABLE | (units & kDmaCountMask);
  const volatile u16* from = static_cast<const volatile u16*>(source);
  volatile u16* to = static_cast<volatile u16*>(dest);
  for (u32 i = 0; i < units; ++i) to[i] = from[i];
  DMA3_CR = DMA3_CR & ~DMA_BUSY;
  ++dmaCopyCount;
}
