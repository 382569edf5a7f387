/* A ROM that checks the runtime where it matters, on a DS: start-up state,
 * constructors, heap, C++ hooks, stacks, power and vertical blanks. The upper
 * screen turns green when every check passed, red otherwise (the failed
 * checks' bits in blue for checks 0-4, in green for 5-6); the lower screen
 * turns blue, which shows that the sub engine is powered and the main engine
 * drives the upper screen. */
#include <nds.h>
#include <stdint.h>
#include <stdlib.h>

#include "nds_runtime.h"
#include "runtime_check.h"

#define RGB15(r, g, b) ((u16)((r) | ((g) << 5) | ((b) << 10)))

static volatile u32 zeroed[64];
static volatile u32 initialised = 0x12345678u;
static int constructorRan;

__attribute__((constructor)) static void markConstructed(void) { constructorRan = 1; }

static int bssAndDataReady(void) {
  for (unsigned i = 0; i < sizeof zeroed / sizeof zeroed[0]; i++) {
    if (zeroed[i] != 0) return 0;
  }
  return initialised == 0x12345678u;
}

/* 1 MB fits in main RAM; 8 MB never does and must fail cleanly. */
static int heapBehaves(void) {
  void* block = malloc(1u << 20);
  void* tooLarge = malloc(8u << 20);
  int ok = block != NULL && tooLarge == NULL && (uintptr_t)block >= 0x02000000u &&
           (uintptr_t)block + (1u << 20) <= 0x02400000u;
  free(block);
  return ok;
}

/* Stacks live in DTCM (0x0B000000, 16 KB) below the BIOS's top 128 bytes. */
static int stackInDtcm(void) {
  volatile u32 local = 0;
  uintptr_t at = (uintptr_t)&local;
  return at >= 0x0B000000u && at < 0x0B003F80u;
}

static uintptr_t stackPointer(void) {
  uintptr_t sp;
  __asm__ volatile("mov %0, sp" : "=r"(sp));
  return sp;
}

/* Each call sleeps until the next vertical blank, which the handler counts,
 * and gives back all the stack it took. */
static int vblankWaitsCount(void) {
  swiWaitForVBlank();
  u32 before = ndsVBlankCount;
  uintptr_t stackBefore = stackPointer();
  for (int i = 0; i < 3; i++) swiWaitForVBlank();
  return ndsVBlankCount - before == 3 && stackPointer() == stackBefore;
}

int main(void) {
  u32 failed = 0;
  if (!bssAndDataReady()) failed |= 1u << 0;
  if (!constructorRan || !runtimeCheckCxxConstructed()) failed |= 1u << 1;
  if (!heapBehaves()) failed |= 1u << 2;
  if (!runtimeCheckNewDelete()) failed |= 1u << 3;
  if (!stackInDtcm()) failed |= 1u << 4;
  if (REG_POWERCNT != 0x8203) failed |= 1u << 5;
  if (!vblankWaitsCount()) failed |= 1u << 6;

  /* Display mode 1 with no layer on: each screen shows its backdrop colour. */
  BG_PALETTE[0] = failed == 0 ? RGB15(0, 31, 0) : RGB15(31, (failed >> 5) & 31u, failed & 31u);
  BG_PALETTE_SUB[0] = RGB15(0, 0, 31);
  REG_DISPCNT = 0x00010000u;
  REG_DISPCNT_SUB = 0x00010000u;
  for (;;) swiWaitForVBlank();
}
