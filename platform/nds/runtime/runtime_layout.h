/* Addresses and constants of the ARM9 runtime, shared by the start-up code and
 * the interrupt handler (assembly) and by the C parts. */
#ifndef PANE_NDS_RUNTIME_LAYOUT_H
#define PANE_NDS_RUNTIME_LAYOUT_H

/* Processor modes and interrupt masks of the CPSR. */
#define PSR_MODE_IRQ 0x12
#define PSR_MODE_SVC 0x13
#define PSR_MODE_SYS 0x1F
#define PSR_FIQ_MASK 0x40
#define PSR_IRQ_MASK 0x80

/* I/O registers. */
#define REG_DISPSTAT_ADDR 0x04000004
#define REG_IME_ADDR 0x04000208
#define REG_IE_ADDR 0x04000210
#define REG_IF_ADDR 0x04000214
#define POWER_CR_ADDR 0x04000304

#define DISPSTAT_VBLANK_IRQ 0x0008
#define IRQ_VBLANK 0x0001

/* POWCNT1: LCDs (bit 0), main 2D engine (bit 1), sub 2D engine (bit 9), main
 * engine on the upper screen (bit 15). */
#define POWER_CR_VALUE 0x8203

/* Both engines' background and sprite palettes. */
#define PALETTE_RAM_ADDR 0x05000000
#define PALETTE_RAM_BYTES 0x800

/* CP15 control register bits. */
#define CP15_PROTECTION_UNIT (1 << 0)
#define CP15_DCACHE (1 << 2)
#define CP15_ICACHE (1 << 12)
#define CP15_DTCM_ENABLE (1 << 16)
#define CP15_DTCM_LOAD_MODE (1 << 17)
#define CP15_ITCM_ENABLE (1 << 18)
#define CP15_ITCM_LOAD_MODE (1 << 19)

/* TCM region registers: base | size code << 1, the size being 512 << code. */
#define TCM_REGION_16K (5 << 1)
#define TCM_REGION_32K (6 << 1)

/* Protection unit regions: base | size code << 1 | enable, the size being
 * 2 << code bytes: the 4 GB address space and the 4 MB of main RAM. */
#define MPU_REGION_ALL ((31 << 1) | 1)
#define MPU_REGION_MAIN_RAM (0x02000000 | (21 << 1) | 1)
/* Access permission 3 (read and write in every mode), four bits a region. */
#define MPU_ACCESS_REGIONS_0_1 0x33
/* Region 1 is cacheable and write-buffered. */
#define MPU_CACHED_REGIONS 0x02

/* The 4 KB data cache: 4 segments (bits 30-31) of 32 lines of 32 bytes. */
#define DCACHE_LINE_BYTES 32
#define DCACHE_LINES_PER_SEGMENT 32
#define DCACHE_SEGMENT_STEP 0x40000000

/* The BIOS's words at the top of DTCM: interrupt check flags, then the
 * address of the program's interrupt handler. */
#define BIOS_IRQ_FLAGS_OFFSET 0x3FF8

/* BIOS call 0x05, VBlankIntrWait, as an ARM-state SWI. */
#define BIOS_WAIT_FOR_VBLANK_ARM 0x050000

#endif
