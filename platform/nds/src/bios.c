/* BIOS calls of the ARM9. */
#include <nds.h>

/* BIOS call 0x05 halts the CPU until the IRQ handler has flagged a vertical
 * blank in the BIOS check flags. The call number sits in the low byte of a
 * Thumb SWI and in bits 16-23 of an ARM one. The BIOS may use r0-r3 and r12;
 * lr is clobbered when the caller itself runs in supervisor mode.
 *
 * The branch right before the SWI is for DeSmuME's JIT: it restarts a BIOS
 * wait that has to halt from the first instruction of the compiled block that
 * holds the SWI, so the push of this function's prologue would run again on
 * every wait and the stack would lose a word each time. A branch ends the
 * block, so the SWI starts one of its own. On hardware it costs a cycle and
 * changes nothing. */
void swiWaitForVBlank(void) {
#if defined(__thumb__)
  __asm__ volatile("b 1f\n1:\n\tswi 0x05" : : : "r0", "r1", "r2", "r3", "r12", "lr", "memory");
#else
  __asm__ volatile("b 1f\n1:\n\tswi 0x050000" : : : "r0", "r1", "r2", "r3", "r12", "lr", "memory");
#endif
}
