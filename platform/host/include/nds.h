/* The DS platform header for host builds: libnds-named integer types, I/O
 * registers, VRAM, palettes, DMA and the vertical-blank wait under libnds's
 * names, all backed by simulated memory laid out as on the DS. Compiles as
 * C99 and as C++. */
#ifndef PANE_HOST_NDS_H
#define PANE_HOST_NDS_H

#include <stdint.h>

/* Integer types: the same definitions as libpane.h, so both may be included. */
#include <nds/ndstypes.h>

/* Screen, page and VRAM geometry. */
#include <pane_geometry.h>

/* Code placement: libnds puts a function marked ITCM_CODE in the ARM9's
 * instruction TCM; the host runs it where it is. */
#define ITCM_CODE

#ifdef __cplusplus
extern "C" {
#endif

/* ---------------------------------------------------------------------------
 * Simulated memory. Registers live in an I/O block indexed by DS address
 * - 0x04000000; each VRAM bank is 128 KB; the two BG palettes are 512 bytes.
 * ------------------------------------------------------------------------- */

#define HOST_IO_SIZE 0x2000u
#define HOST_VRAM_BANK_HALFWORDS ((u32)PANE_PAGE_PIXELS)

extern u32 hostIoMemory[HOST_IO_SIZE / 4];
/* Banks A, B, C, D one after the other. */
extern u16 hostVramMemory[4 * HOST_VRAM_BANK_HALFWORDS];
/* Palette memory 0x05000000-0x050007FF: main BG, main OBJ, sub BG, sub OBJ
 * palettes of 256 entries each. */
extern u16 hostPaletteMemory[0x400];

#define HOST_IO(type, address) (*(type*)((u8*)hostIoMemory + ((address)-0x04000000u)))

/* ---------------------------------------------------------------------------
 * Display control and power
 * ------------------------------------------------------------------------- */

/* Main engine: mode bits 0-2, forced blank bit 7, BG0-3 enable bits 8-11,
 * display mode bits 16-17 (1 = normal graphics). */
#define REG_DISPCNT HOST_IO(vu32, 0x04000000u)
#define REG_DISPSTAT HOST_IO(vu16, 0x04000004u)
#define REG_VCOUNT HOST_IO(vu16, 0x04000006u)
/* Bit 0 LCDs, bit 1 main 2D engine, bit 9 sub 2D engine, bit 15 main engine
 * on the upper screen. */
#define REG_POWERCNT HOST_IO(vu16, 0x04000304u)

#define MODE_5_2D 0x00010005u
#define DISPLAY_BG2_ACTIVE (1u << 10)
#define DISPLAY_BG3_ACTIVE (1u << 11)

/* ---------------------------------------------------------------------------
 * Main engine backgrounds 2 and 3: control (priority bits 0-1, bit 2 with
 * bit 7 = direct-colour bitmap, base bits 8-12 in 16 KB, wrap bit 13, size
 * bits 14-15), affine parameters (signed 8.8), reference point (signed 20.8).
 * ------------------------------------------------------------------------- */

#define REG_BG2CNT HOST_IO(vu16, 0x0400000Cu)
#define REG_BG3CNT HOST_IO(vu16, 0x0400000Eu)

#define REG_BG2PA HOST_IO(vs16, 0x04000020u)
#define REG_BG2PB HOST_IO(vs16, 0x04000022u)
#define REG_BG2PC HOST_IO(vs16, 0x04000024u)
#define REG_BG2PD HOST_IO(vs16, 0x04000026u)
#define REG_BG2X HOST_IO(vs32, 0x04000028u)
#define REG_BG2Y HOST_IO(vs32, 0x0400002Cu)

#define REG_BG3PA HOST_IO(vs16, 0x04000030u)
#define REG_BG3PB HOST_IO(vs16, 0x04000032u)
#define REG_BG3PC HOST_IO(vs16, 0x04000034u)
#define REG_BG3PD HOST_IO(vs16, 0x04000036u)
#define REG_BG3X HOST_IO(vs32, 0x04000038u)
#define REG_BG3Y HOST_IO(vs32, 0x0400003Cu)

#define BG_PRIORITY(n) ((n)&3u)
#define BG_BMP_BASE(base) ((base) << 8)
#define BG_BMP16_256x256 ((1u << 14) | (1u << 7) | (1u << 2))

/* ---------------------------------------------------------------------------
 * Sub engine: the main engine's registers + 0x1000
 * ------------------------------------------------------------------------- */

#define REG_DISPCNT_SUB HOST_IO(vu32, 0x04001000u)
#define REG_BG2CNT_SUB HOST_IO(vu16, 0x0400100Cu)
#define REG_BG3CNT_SUB HOST_IO(vu16, 0x0400100Eu)

#define REG_BG2PA_SUB HOST_IO(vs16, 0x04001020u)
#define REG_BG2PB_SUB HOST_IO(vs16, 0x04001022u)
#define REG_BG2PC_SUB HOST_IO(vs16, 0x04001024u)
#define REG_BG2PD_SUB HOST_IO(vs16, 0x04001026u)
#define REG_BG2X_SUB HOST_IO(vs32, 0x04001028u)
#define REG_BG2Y_SUB HOST_IO(vs32, 0x0400102Cu)

#define REG_BG3PA_SUB HOST_IO(vs16, 0x04001030u)
#define REG_BG3PB_SUB HOST_IO(vs16, 0x04001032u)
#define REG_BG3PC_SUB HOST_IO(vs16, 0x04001034u)
#define REG_BG3PD_SUB HOST_IO(vs16, 0x04001036u)
#define REG_BG3X_SUB HOST_IO(vs32, 0x04001038u)
#define REG_BG3Y_SUB HOST_IO(vs32, 0x0400103Cu)

/* ---------------------------------------------------------------------------
 * DMA channel 3: CR holds the unit count in bits 0-20, bit 26 for 32-bit
 * units, bit 31 enable / busy.
 * ------------------------------------------------------------------------- */

#define DMA3_SRC HOST_IO(vu32, 0x040000D4u)
#define DMA3_DEST HOST_IO(vu32, 0x040000D8u)
#define DMA3_CR HOST_IO(vu32, 0x040000DCu)

#define DMA_ENABLE (1u << 31)
#define DMA_BUSY (1u << 31)
#define DMA_32_BIT (1u << 26)

/* Copies size bytes from source to dest on DMA channel 3 in 16-bit units and
 * returns once the transfer is done. */
void dmaCopy(const void* source, void* dest, u32 size);

/* Writes the CPU data cache back to memory before a DMA reads the range (the
 * host has no cache: nothing to do). */
static inline void DC_FlushRange(const void* base, u32 size) {
  (void)base;
  (void)size;
}

/* ---------------------------------------------------------------------------
 * Interrupts
 * ------------------------------------------------------------------------- */

#define REG_IME HOST_IO(vu32, 0x04000208u)
#define REG_IE HOST_IO(vu32, 0x04000210u)
#define REG_IF HOST_IO(vu32, 0x04000214u)

/* Sleeps until the next vertical blank (the host runs its vertical-blank
 * handler and counts the frame). */
void swiWaitForVBlank(void);

/* ---------------------------------------------------------------------------
 * VRAM banks: control registers (enable bit 7 | mode), the banks, and the
 * background memory as the CPU sees it once the banks are mapped there.
 * ------------------------------------------------------------------------- */

#define VRAM_A_CR HOST_IO(vu8, 0x04000240u)
#define VRAM_B_CR HOST_IO(vu8, 0x04000241u)
#define VRAM_C_CR HOST_IO(vu8, 0x04000242u)
#define VRAM_D_CR HOST_IO(vu8, 0x04000243u)

#define VRAM_ENABLE (1u << 7)

typedef enum { VRAM_A_LCD = 0, VRAM_A_MAIN_BG = 1 } VRAM_A_TYPE;
typedef enum { VRAM_B_LCD = 0, VRAM_B_MAIN_BG = 1, VRAM_B_MAIN_BG_0x06020000 = 9 } VRAM_B_TYPE;
typedef enum { VRAM_C_LCD = 0, VRAM_C_MAIN_BG = 1, VRAM_C_SUB_BG = 4 } VRAM_C_TYPE;
typedef enum { VRAM_D_LCD = 0, VRAM_D_MAIN_BG = 1 } VRAM_D_TYPE;

static inline void vramSetBankA(VRAM_A_TYPE a) { VRAM_A_CR = (u8)(VRAM_ENABLE | (u32)a); }
static inline void vramSetBankB(VRAM_B_TYPE b) { VRAM_B_CR = (u8)(VRAM_ENABLE | (u32)b); }
static inline void vramSetBankC(VRAM_C_TYPE c) { VRAM_C_CR = (u8)(VRAM_ENABLE | (u32)c); }
static inline void vramSetBankD(VRAM_D_TYPE d) { VRAM_D_CR = (u8)(VRAM_ENABLE | (u32)d); }

#define VRAM_A ((u16*)hostVramMemory)
#define VRAM_B ((u16*)hostVramMemory + HOST_VRAM_BANK_HALFWORDS)
#define VRAM_C ((u16*)hostVramMemory + 2 * HOST_VRAM_BANK_HALFWORDS)
#define VRAM_D ((u16*)hostVramMemory + 3 * HOST_VRAM_BANK_HALFWORDS)

/* Main background memory (0x06000000) and sub background memory
 * (0x06200000). The host's CPU view assumes the usual mapping: bank A at
 * 0x06000000, bank B right after it, bank C as sub background memory. The
 * display model itself follows the bank control registers. */
#define BG_GFX VRAM_A
#define BG_GFX_SUB VRAM_C

/* Palette entry 0 of each engine is its backdrop colour. */
#define BG_PALETTE ((u16*)hostPaletteMemory)
#define BG_PALETTE_SUB ((u16*)hostPaletteMemory + 0x200)

#ifdef __cplusplus
}
#endif

#endif /* PANE_HOST_NDS_H */
