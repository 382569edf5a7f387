/* The ARM7 side of a DS program that needs nothing from the ARM7: interrupts
 * off, then the processor halted by the BIOS, in a loop in case anything
 * ever wakes it. */
  .syntax unified
  .cpu arm7tdmi
  .arm
  .section .crt0, "ax", %progbits
  .global _start
  .type _start, %function
_start:
  msr cpsr_c, #0xD3            /* supervisor mode, IRQ and FIQ masked */
  ldr sp, =__svc_stack_top     /* the BIOS call below runs on this stack */
  ldr r12, =0x04000208
  mov r0, #0
  str r0, [r12]                /* REG_IME */
  str r0, [r12, #8]            /* REG_IE */
  mvn r1, #0
  str r1, [r12, #12]           /* REG_IF: acknowledge whatever is pending */
1:
  swi 0x060000                 /* BIOS call 0x06: Halt */
  b 1b
  .size _start, . - _start
  .pool
