/* The DS platform header for the ARM9: libnds-named integer types, I/O
 * registers, VRAM, palettes, DMA, the data cache and the vertical-blank wait,
 * at their hardware addresses, under libnds's names (the host build's <nds.h>
 * defines the same ones; scripts/ds-check keeps the two in step).
 * Compiles as C99 and as C++. */
#ifndef PANE_NDS_H
#define PANE_NDS_H

#include <stdint.h>

/* Integer types: the same definitions as libpane.h, so both may be included. */
#include <nds/ndstypes.h>

/* Screen, page and VRAM geometry. */
#include <pane_geometry.h>

/* Code placement: libnds puts a function marked ITCM_CODE in the ARM9's
 * instruction TCM; this runtime has no such section and runs it from main RAM. */
#define ITCM_CODE

#ifdef __cplusplus
extern "C" {
#endif

/* An I/O register or memory word at a fixed ARM9 address. */
#define NDS_REG(type, address) (*(type*)(uintptr_t)(address))

/* ---------------------------------------------------------------------------
 * Display control and power
 * ------------------------------------------------------------------------- */

/* Main engine: mode bits 0-2, forced blank bit 7, BG0-3 enable bits 8-11,
 * display mode bits 16-17 (1 = normal graphics). */
#define REG_DISPCNT NDS_REG(vu32, 0x04000000u)
/* Bit 0 in vertical blank, bit 3 vertical-blank IRQ enable. */
#define REG_DISPSTAT NDS_REG(vu16, 0x04000004u)
/* Current scanline, 0-262; 192 starts the vertical blank. */
#define REG_VCOUNT NDS_REG(vu16, 0x04000006u)
/* Bit 0 LCDs, bit 1 main 2D engine, bit 9 sub 2D engine, bit 15 main engine
 * on the upper screen. */
#define REG_POWERCNT NDS_REG(vu16, 0x04000304u)

#define MODE_5_2D 0x00010005u
#define DISPLAY_BG2_ACTIVE (1u << 10)
#define DISPLAY_BG3_ACTIVE (1u << 11)

/* ---------------------------------------------------------------------------
 * Main engine backgrounds 2 and 3: control (priority bits 0-1, bit 2 with
 * bit 7 = direct-colour bitmap, base bits 8-12 in 16 KB, wrap bit 13, size
 * bits 14-15), affine parameters (signed 8.8), reference point (signed 20.8).
 * ------------------------------------------------------------------------- */

#define REG_BG2CNT NDS_REG(vu16, 0x0400000Cu)
#define REG_BG3CNT NDS_REG(vu16, 0x0400000Eu)

#define REG_BG2PA NDS_REG(vs16, 0x04000020u)
#define REG_BG2PB NDS_REG(vs16, 0x04000022u)
#define REG_BG2PC NDS_REG(vs16, 0x04000024u)
#define REG_BG2PD NDS_REG(vs16, 0x04000026u)
#define REG_BG2X NDS_REG(vs32, 0x04000028u)
#define REG_BG2Y NDS_REG(vs32, 0x0400002Cu)

#define REG_BG3PA NDS_REG(vs16, 0x04000030u)
#define REG_BG3PB NDS_REG(vs16, 0x04000032u)
#define REG_BG3PC NDS_REG(vs16, 0x04000034u)
#define REG_BG3PD NDS_REG(vs16, 0x04000036u)
#define REG_BG3X NDS_REG(vs32, 0x04000038u)
#define REG_BG3Y NDS_REG(vs32, 0x0400003Cu)

#define BG_PRIORITY(n) ((n)&3u)
#define BG_BMP_BASE(base) ((base) << 8)
#define BG_BMP16_256x256 ((1u << 14) | (1u << 7) | (1u << 2))

/* ---------------------------------------------------------------------------
 * Sub engine: the main engine's registers + 0x1000
 * ------------------------------------------------------------------------- */

#define REG_DISPCNT_SUB NDS_REG(vu32, 0x04001000u)
#define REG_BG2CNT_SUB NDS_REG(vu16, 0x0400100Cu)
#define REG_BG3CNT_SUB NDS_REG(vu16, 0x0400100Eu)

#define REG_BG2PA_SUB NDS_REG(vs16, 0x04001020u)
#define REG_BG2PB_SUB NDS_REG(vs16, 0x04001022u)
#define REG_BG2PC_SUB NDS_REG(vs16, 0x04001024u)
#define REG_BG2PD_SUB NDS_REG(vs16, 0x04001026u)
#define REG_BG2X_SUB NDS_REG(vs32, 0x04001028u)
#define REG_BG2Y_SUB NDS_REG(vs32, 0x0400102Cu)

#define REG_BG3PA_SUB NDS_REG(vs16, 0x04001030u)
#define REG_BG3PB_SUB NDS_REG(vs16, 0x04001032u)
#define REG_BG3PC_SUB NDS_REG(vs16, 0x04001034u)
#define REG_BG3PD_SUB NDS_REG(vs16, 0x04001036u)
#define REG_BG3X_SUB NDS_REG(vs32, 0x04001038u)
#define REG_BG3Y_SUB NDS_REG(vs32, 0x0400103Cu)

/* ---------------------------------------------------------------------------
 * DMA channel 3: CR holds the unit count in bits 0-20, bit 26 for 32-bit
 * units, bit 31 enable / busy.
 * ------------------------------------------------------------------------- */

#define DMA3_SRC NDS_REG(vu32, 0x040000D4u)
#define DMA3_DEST NDS_REG(vu32, 0x040000D8u)
#define DMA3_CR NDS_REG(vu32, 0x040000DCu)

#define DMA_ENABLE (1u << 31)
#define DMA_BUSY (1u << 31)
#define DMA_32_BIT (1u << 26)

/* Copies size bytes from source to dest on DMA channel 3 in 16-bit units and
 * returns once the transfer is done. DMA bypasses the data cache: flush both
 * ranges first where main RAM is cached. */
void dmaCopy(const void* source, void* dest, u32 size);

/* Writes the data cache lines covering [base, base + size) back to memory and
 * drops them, so that DMA reads current data and the CPU later reads what DMA
 * wrote. */
void DC_FlushRange(const void* base, u32 size);

/* ---------------------------------------------------------------------------
 * Interrupts
 * ------------------------------------------------------------------------- */

#define REG_IME NDS_REG(vu32, 0x04000208u)
#define REG_IE NDS_REG(vu32, 0x04000210u)
#define REG_IF NDS_REG(vu32, 0x04000214u)

/* Sleeps in the BIOS (call 0x05) until the next vertical blank. The program's
 * IRQ handler must acknowledge REG_IF and set the BIOS check flags for it to
 * return. */
void swiWaitForVBlank(void);

/* ---------------------------------------------------------------------------
 * VRAM banks: control registers (enable bit 7 | mode), the banks, and the
 * background memory as the CPU sees it once the banks are mapped there.
 * ------------------------------------------------------------------------- */

#define VRAM_A_CR NDS_REG(vu8, 0x04000240u)
#define VRAM_B_CR NDS_REG(vu8, 0x04000241u)
#define VRAM_C_CR NDS_REG(vu8, 0x04000242u)
#define VRAM_D_CR NDS_REG(vu8, 0x04000243u)

#define VRAM_ENABLE (1u << 7)

typedef enum { VRAM_A_LCD = 0, VRAM_A_MAIN_BG = 1 } VRAM_A_TYPE;
typedef enum { VRAM_B_LCD = 0, VRAM_B_MAIN_BG = 1, VRAM_B_MAIN_BG_0x06020000 = 9 } VRAM_B_TYPE;
typedef enum { VRAM_C_LCD = 0, VRAM_C_MAIN_BG = 1, VRAM_C_SUB_BG = 4 } VRAM_C_TYPE;
typedef enum { VRAM_D_LCD = 0, VRAM_D_MAIN_BG = 1 } VRAM_D_TYPE;

/* The control registers are 8 bits wide; a byte store is right for them
 * (only VRAM itself drops 8-bit writes). */
static inline void vramSetBankA(VRAM_A_TYPE a) { VRAM_A_CR = (u8)(VRAM_ENABLE | (u32)a); }
static inline void vramSetBankB(VRAM_B_TYPE b) { VRAM_B_CR = (u8)(VRAM_ENABLE | (u32)b); }
static inline void vramSetBankC(VRAM_C_TYPE c) { VRAM_C_CR = (u8)(VRAM_ENABLE | (u32)c); }
static inline void vramSetBankD(VRAM_D_TYPE d) { VRAM_D_CR = (u8)(VRAM_ENABLE | (u32)d); }

/* The banks at their LCD-controller addresses: readable and writable there
 * only while the bank is in LCD mode (VRAM_x_LCD). Once a bank is mapped as
 * background memory, reach it through BG_GFX or BG_GFX_SUB instead. */
#define VRAM_A ((u16*)0x06800000u)
#define VRAM_B ((u16*)0x06820000u)
#define VRAM_C ((u16*)0x06840000u)
#define VRAM_D ((u16*)0x06860000u)

/* Main background memory (bank A at 0x06000000, bank B at 0x06020000 with
 * VRAM_B_MAIN_BG_0x06020000) and sub background memory (bank C with
 * VRAM_C_SUB_BG). 8-bit writes to VRAM are dropped: write 16 or 32 bits. */
#define BG_GFX ((u16*)PANE_VRAM_MAIN_BG)
#define BG_GFX_SUB ((u16*)PANE_VRAM_SUB_BG)

/* Palette entry 0 of each engine is its backdrop colour. */
#define BG_PALETTE ((u16*)0x05000000u)
#define BG_PALETTE_SUB ((u16*)0x05000400u)

#ifdef __cplusplus
}
#endif

#endif /* PANE_NDS_H */
