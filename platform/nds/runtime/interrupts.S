/* The ARM9 interrupt handler. The BIOS calls it in IRQ mode (ARM state) with
 * r0-r3, r12 and lr saved; it acknowledges the enabled sources that are
 * pending and reports them in the BIOS check flags, which is what wakes
 * swiWaitForVBlank. It also counts vertical blanks in ndsVBlankCount. */
#include "runtime_layout.h"

  .syntax unified
  .arch armv5te
  .arm
  .section .text.ndsIrqHandler, "ax", %progbits
  .global ndsIrqHandler
  .type ndsIrqHandler, %function
ndsIrqHandler:
  ldr r12, =REG_IE_ADDR
  ldr r0, [r12]                               /* REG_IE */
  ldr r1, [r12, #(REG_IF_ADDR - REG_IE_ADDR)] /* REG_IF */
  and r0, r0, r1
  str r0, [r12, #(REG_IF_ADDR - REG_IE_ADDR)] /* writing 1 bits acknowledges them */

  ldr r12, =(__dtcm_start + BIOS_IRQ_FLAGS_OFFSET)
  ldr r1, [r12]
  orr r1, r1, r0
  str r1, [r12]

  tst r0, #IRQ_VBLANK
  ldrne r12, =ndsVBlankCount
  ldrne r1, [r12]
  addne r1, r1, #1
  strne r1, [r12]
  bx lr
  .size ndsIrqHandler, . - ndsIrqHandler
  .pool
