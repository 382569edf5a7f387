/* ARM9 start-up: masks interrupts, cleans the caches, places DTCM and ITCM,
 * turns on the protection unit with main RAM cached (as libnds's start-up does), sets up the stacks, zeroes .bss, installs the interrupt
 * handler, powers the 2D engines, runs the constructors and calls main. */
#include "runtime_layout.h"

  .syntax unified
  .arch armv5te
  .arm
  .section .crt0, "ax", %progbits
  .global _start
  .type _start, %function
_start:
  /* Supervisor mode with IRQ and FIQ masked until everything is in place. */
  msr cpsr_c, #(PSR_MODE_SVC | PSR_IRQ_MASK | PSR_FIQ_MASK)

  /* No interrupt may reach the BIOS before the handler is installed. */
  ldr r12, =REG_IME_ADDR
  mov r0, #0
  str r0, [r12]                        /* REG_IME */
  str r0, [r12, #(REG_IE_ADDR - REG_IME_ADDR)]
  mvn r1, #0
  str r1, [r12, #(REG_IF_ADDR - REG_IME_ADDR)]  /* writing 1 acknowledges */

  bl setUpMemorySystem

  /* Stacks in DTCM, below the 128 bytes the BIOS keeps at its top. */
  msr cpsr_c, #(PSR_MODE_IRQ | PSR_IRQ_MASK | PSR_FIQ_MASK)
  ldr sp, =__irq_stack_top
  msr cpsr_c, #(PSR_MODE_SVC | PSR_IRQ_MASK | PSR_FIQ_MASK)
  ldr sp, =__svc_stack_top
  msr cpsr_c, #(PSR_MODE_SYS | PSR_IRQ_MASK | PSR_FIQ_MASK)
  ldr sp, =__sys_stack_top

  /* .bss is word aligned by the linker script. */
  ldr r0, =__bss_start
  ldr r1, =__bss_end
  mov r2, #0
1:
  cmp r0, r1
  strlo r2, [r0], #4
  blo 1b

  bl clearPalettes
  bl powerDisplay
  bl installInterrupts

  /* Constructors of static objects, in link order. */
  ldr r4, =__init_array_start
  ldr r5, =__init_array_end
2:
  cmp r4, r5
  bhs 3f
  ldr r3, [r4], #4
  blx r3
  b 2b
3:

  mov r0, #0
  mov r1, #0
  ldr r3, =main
  blx r3

  /* main returned: nothing is left to do but sleep through vertical blanks. */
4:
  swi BIOS_WAIT_FOR_VBLANK_ARM
  b 4b
  .size _start, . - _start

/* Cleans the data cache (a loader may have left dirty lines that hold this
 * very program), places DTCM at __dtcm_start and ITCM at 0, then runs with
 * the protection unit and both caches on, the way DS programs run: main RAM
 * cached for instructions and data (write-back), everything else (I/O,
 * palettes, VRAM, OAM, the cartridge bus) uncached. DMA reads main RAM, not
 * the data cache: a buffer the CPU wrote must be flushed (DC_FlushRange)
 * before DMA copies it, as bg_swapBuffers does. */
  .type setUpMemorySystem, %function
setUpMemorySystem:
  mov r1, #0
5:
  mov r0, #0
6:
  orr r2, r1, r0
  mcr p15, 0, r2, c7, c14, 2           /* clean and invalidate by segment and index */
  add r0, r0, #DCACHE_LINE_BYTES
  cmp r0, #(DCACHE_LINES_PER_SEGMENT * DCACHE_LINE_BYTES)
  bne 6b
  adds r1, r1, #DCACHE_SEGMENT_STEP
  bne 5b

  mrc p15, 0, r0, c1, c0, 0
  bic r0, r0, #(CP15_PROTECTION_UNIT | CP15_DCACHE)
  bic r0, r0, #CP15_ICACHE
  bic r0, r0, #(CP15_DTCM_LOAD_MODE | CP15_ITCM_LOAD_MODE)
  mcr p15, 0, r0, c1, c0, 0
  mov r1, #0
  mcr p15, 0, r1, c7, c5, 0            /* invalidate the instruction cache */
  mcr p15, 0, r1, c7, c6, 0            /* invalidate the data cache */
  mcr p15, 0, r1, c7, c10, 4           /* drain the write buffer */

  ldr r1, =(__dtcm_start + TCM_REGION_16K)
  mcr p15, 0, r1, c9, c1, 0
  ldr r1, =TCM_REGION_32K               /* ITCM base is always 0 */
  mcr p15, 0, r1, c9, c1, 1
  orr r0, r0, #(CP15_DTCM_ENABLE | CP15_ITCM_ENABLE)
  mcr p15, 0, r0, c1, c0, 0

  /* Region 0: the whole address space, uncached; region 1 (which takes
   * precedence): main RAM, cached and write-buffered. Both read and write
   * for every mode, code and data alike. */
  ldr r1, =(MPU_REGION_ALL)
  mcr p15, 0, r1, c6, c0, 0
  ldr r1, =(MPU_REGION_MAIN_RAM)
  mcr p15, 0, r1, c6, c1, 0
  mov r1, #0
  mcr p15, 0, r1, c6, c2, 0
  mcr p15, 0, r1, c6, c3, 0
  mcr p15, 0, r1, c6, c4, 0
  mcr p15, 0, r1, c6, c5, 0
  mcr p15, 0, r1, c6, c6, 0
  mcr p15, 0, r1, c6, c7, 0
  ldr r1, =MPU_ACCESS_REGIONS_0_1
  mcr p15, 0, r1, c5, c0, 2             /* data access permissions */
  mcr p15, 0, r1, c5, c0, 3             /* instruction access permissions */
  mov r1, #MPU_CACHED_REGIONS
  mcr p15, 0, r1, c2, c0, 0             /* data cacheable */
  mcr p15, 0, r1, c2, c0, 1             /* instruction cacheable */
  mcr p15, 0, r1, c3, c0, 0             /* write buffer: write-back */
  orr r0, r0, #(CP15_PROTECTION_UNIT | CP15_DCACHE)
  orr r0, r0, #CP15_ICACHE
  mcr p15, 0, r0, c1, c0, 0
  bx lr
  .size setUpMemorySystem, . - setUpMemorySystem

/* The backdrop is palette entry 0: start from black on both engines, as after
 * power-on, whatever a loader left there. Palette RAM takes 16/32-bit stores only. */
  .type clearPalettes, %function
clearPalettes:
  ldr r0, =PALETTE_RAM_ADDR
  add r1, r0, #PALETTE_RAM_BYTES
  mov r2, #0
7:
  str r2, [r0], #4
  cmp r0, r1
  blo 7b
  bx lr
  .size clearPalettes, . - clearPalettes

/* LCDs and both 2D engines on, the main engine on the upper screen. */
  .type powerDisplay, %function
powerDisplay:
  ldr r0, =POWER_CR_ADDR
  ldr r1, =POWER_CR_VALUE
  strh r1, [r0]
  bx lr
  .size powerDisplay, . - powerDisplay

/* The BIOS jumps to the address at DTCM + 0x3FFC on an interrupt and wakes
 * swiWaitForVBlank once the handler has set the vertical-blank bit in the
 * check flags at DTCM + 0x3FF8. */
  .type installInterrupts, %function
installInterrupts:
  ldr r0, =(__dtcm_start + BIOS_IRQ_FLAGS_OFFSET)
  mov r1, #0
  str r1, [r0]                          /* check flags */
  ldr r1, =ndsIrqHandler
  str r1, [r0, #4]                      /* handler address */

  ldr r0, =REG_DISPSTAT_ADDR
  ldrh r1, [r0]
  orr r1, r1, #DISPSTAT_VBLANK_IRQ
  strh r1, [r0]

  ldr r12, =REG_IME_ADDR
  mov r1, #IRQ_VBLANK
  str r1, [r12, #(REG_IE_ADDR - REG_IME_ADDR)]
  str r1, [r12, #(REG_IF_ADDR - REG_IME_ADDR)]
  mov r1, #1
  str r1, [r12]                         /* REG_IME */
  mrs r0, cpsr
  bic r0, r0, #PSR_IRQ_MASK
  msr cpsr_c, r0
  bx lr
  .size installInterrupts, . - installInterrupts

  .pool
