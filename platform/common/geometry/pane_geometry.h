/* Pixel geometry of the DS as libpane draws it: the screen, the page (one
 * 256 x 256 direct-colour bitmap, exactly one 128 KB VRAM bank) and the VRAM
 * bases the pages live at. One definition for the library, both platforms,
 * the tests and the tools. Compiles as C99 and as C++. */
#ifndef PANE_GEOMETRY_H
#define PANE_GEOMETRY_H

/* The screen: 256 x 192 pixels, each of both. */
#define PANE_SCREEN_WIDTH 256
#define PANE_SCREEN_HEIGHT 192

/* A page: rows of PANE_SCREEN_WIDTH RGB15 pixels, pixel (x, y) at element
 * y * PANE_SCREEN_WIDTH + x; the screen shows 192 of its 256 rows (or 192 of
 * its columns when turned). */
#define PANE_PAGE_ROWS 256
#define PANE_PAGE_PIXELS (PANE_SCREEN_WIDTH * PANE_PAGE_ROWS)
#define PANE_PAGE_BYTES (PANE_PAGE_PIXELS * 2)

/* Background memory: the main engine's (bank A there, bank B one page later
 * with VRAM_B_MAIN_BG_0x06020000) and the sub engine's (bank C with
 * VRAM_C_SUB_BG). */
#define PANE_VRAM_MAIN_BG 0x06000000u
#define PANE_VRAM_SUB_BG 0x06200000u

#endif /* PANE_GEOMETRY_H */
