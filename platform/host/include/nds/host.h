/* Host-only controls of the simulated DS: reset, vertical-blank and DMA
 * counters, and the display model that shows both screens as a picture.
 * Tests and tools include this; the library never does. */
#ifndef PANE_HOST_NDS_HOST_H
#define PANE_HOST_NDS_HOST_H

#include <pane_geometry.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Registers, VRAM, palettes, counters and the vertical-blank handler back to
 * their power-on state (all zero). */
void hostReset(void);

/* Vertical blanks waited for with swiWaitForVBlank since the last reset. */
unsigned hostVBlankCount(void);

/* Installs a function that each swiWaitForVBlank calls (null removes it). */
void hostOnVBlank(void (*handler)(void* context), void* context);

/* dmaCopy calls since the last reset. */
unsigned hostDmaCopyCount(void);

/* Screen size of the display model: the upper screen above the lower one. */
#define HOST_SCREEN_WIDTH PANE_SCREEN_WIDTH
#define HOST_SCREEN_HEIGHT PANE_SCREEN_HEIGHT
#define HOST_SCREENS_HEIGHT (2 * PANE_SCREEN_HEIGHT)

/* Composes what the DS shows from the simulated registers and VRAM into
 * rgba: 256 x 384 pixels, upper screen first, each pixel R | G << 8 |
 * B << 16 | 0xFF << 24 (bytes R, G, B, A in memory on a little-endian host),
 * each 5-bit channel v widened to v << 3 | v >> 2. */
void hostRenderScreens(uint32_t* rgba);

/* Renders both screens and writes them to a PNG file; 0 on success. */
int hostSaveScreens(const char* pngPath);

#ifdef __cplusplus
}
#endif

#endif /* PANE_HOST_NDS_HOST_H */
