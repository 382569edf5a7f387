/* libpane: bitmap text, sprites, rectangles, a double-buffered main-screen
 * framebuffer, a sub-screen target and dialog boxes for Nintendo DS programs.
 * The one public header; compiles as C99 and as C++. */
#ifndef LIBPANE_H
#define LIBPANE_H

/* The library's version: major, minor and patch, and the three as text. */
#define LIBPANE_VERSION_MAJOR 1
#define LIBPANE_VERSION_MINOR 0
#define LIBPANE_VERSION_PATCH 0
#define LIBPANE_VERSION_STRING "1.0.0"

#include <stdint.h>
#ifndef __cplusplus
#include <stdbool.h>
#endif

/* The DS short names uint8, uint16, uint32, int16, u32 and uint, for programs that
 * use them with this header alone; the interface itself uses the <stdint.h> names,
 * which are the same types. This project's platform headers define the set under
 * PANE_SHARED_INTEGER_TYPES, as this header does. libnds's <nds.h> knows nothing of
 * that macro: it declares all but uint itself (libnds 2 marks them deprecated), so
 * after its <nds/ndstypes.h>, whose include guard tells, only uint is declared here.
 * An <nds.h> that follows this header declares the same types again, which C11 and
 * GCC's gnu99 accept. */
#ifndef PANE_SHARED_INTEGER_TYPES
#define PANE_SHARED_INTEGER_TYPES
#if !defined(_NDSTYPES_INCLUDE) && !defined(LIBNDS_NDS_NDSTYPES_H__)
typedef uint8_t uint8;
typedef uint16_t uint16;
typedef uint32_t uint32;
typedef int16_t int16;
typedef uint32_t u32;
#endif
typedef unsigned int uint;
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---------------------------------------------------------------------------
 * Sprite records and font tables
 *
 * Plain sprite record (word 0 != 0xFFFF), uint16_t words:
 *   [0] width - 1   [1] height - 1   [2 ..] width*height RGB15 pixels, row by row.
 * Compressed sprite record (word 0 == 0xFFFF):
 *   [0] 0xFFFF  [1] width - 1  [2] height - 1  [3] n palette entries (1..256)
 *   [4 .. 3+n] palette   [4+n ..] index stream, b = bitsFromPal(n) bits per
 *   pixel, most significant bit first, read byte by byte in memory order.
 * Font table: 260 pointers. Slots 0-255 glyph records (null: none; slot 32 and
 * 63 required), 256 tab distance, 257 transparent value, 258 underline offset
 * (all pointers to one uint16_t), 259 int16_t[256] vertical bias or null.
 * The library keeps pointers to these tables; it never copies or frees them.
 * Glyph records are constant data: what the library learns from a record it
 * keeps by the record's address; a program that rewrites a glyph record in
 * place calls setFont with its font while that font is current.
 * ------------------------------------------------------------------------- */

/* Width in pixels of a plain or compressed record. */
uint32_t getSpriteWidth(uint16_t* sprite);
/* Height in pixels of a plain or compressed record. */
uint32_t getSpriteHeight(uint16_t* sprite);
/* Whether font table FP has a glyph for code c (false for a null table). */
bool isArbitraryGlyphAvailable(uint32_t c, uint16_t** FP);
/* Whether the current font has a glyph for code c (false while no font). */
bool isGlyphAvailable(uint32_t c);
/* Bits per palette index for a palette of palHigh entries (1..8). */
uint32_t bitsFromPal(uint32_t palHigh);
/* Index mask matching bitsFromPal. */
uint32_t bitMaskCalc(uint32_t palHigh);
/* Tab distance, transparent value and underline offset of the current font. */
uint32_t getTabStop(void);
uint16_t getTransparentColorFont(void);
uint32_t getUnderline(void);

/* ---------------------------------------------------------------------------
 * Blitting and rectangles. Buffers are 256 pixels wide, RGB15, bit 15 set on
 * every written pixel. Drawing keeps its caches in static memory, so it is for
 * the main loop, never for interrupt handlers.
 * ------------------------------------------------------------------------- */

/* Draws sprite at (x, y) into bgFlag: pixels equal to tc (bit 15 ignored) are
 * skipped, others are masked with colormask (inverted first while drawInverse
 * is on). Columns up to max_X inclusive and never past 255, rows below
 * max_Y exclusive. */
void dispCustomSprite(int x, int y, uint16_t* sprite, uint32_t tc, uint32_t colormask,
                      uint16_t* bgFlag, unsigned int max_X, unsigned int max_Y);
/* Fills (x, y)-(bx, by), both corners included, with c | 0x8000; rows limited
 * to 0..max_y, columns cut to 0..255. */
void drawRect(int x, int y, int bx, int by, uint16_t c, uint16_t* buf, int max_y);
/* The larger of a and b. */
int MAXFB(int a, int b);
/* Exchanges *x and *y; nothing when both point at the same int. */
void xorSwap(int* x, int* y);

/* ---------------------------------------------------------------------------
 * Text settings
 * ------------------------------------------------------------------------- */

/* Per-character callback: return -1 to stop the string. */
typedef int (*libPANE_charCallback)(int index, uint32_t chr, int pass, int x, int y);

/* One-shot requests read and cleared by the next fb_swapBuffers. */
extern bool libPANE_bgPreserve;
extern bool libPANE_bgDisabled;

void setFont(uint16_t** FP);           /* null is ignored */
void setColor(uint16_t color);         /* font colour mask, bit 15 set */
void setHighlightColor(uint16_t color);
void setHighlight(int start, int end); /* characters [min, max) */
void clearHighlight(void);
void setTwoPasEnabled(bool t);       /* callback also during layout */
void drawInverse(void);
void drawNormal(void);
void setWrapToBorder(void);          /* new lines start at the clip box's left */
void setWrapNormal(void);            /* new lines start at the string's column */
void setBold(bool b);
void setItalics(bool i);
void setUnderline(bool u);
void setStrikeThrough(bool s);
void setCallBack(libPANE_charCallback callback);
void clearCallBack(void);
int getLastX(void);                  /* pen x after the last character */
int getLastY(void);                  /* line top of the last character */
void disableBackgroundDraw(void);    /* next swap leaves the back buffer alone */
void preserveBackground(void);       /* next swap copies the shown page back */

/* ---------------------------------------------------------------------------
 * Text cursor
 * ------------------------------------------------------------------------- */

void setCursorPos(uint32_t pos);       /* character index the cursor stands before */
void showCursor(void);
void hideCursor(void);
void setCursorProperties(uint16_t color, int top, int height, int left);
uint32_t getPositionAbove(void);       /* index nearest the cursor, line above */
uint32_t getPositionBelow(void);       /* index nearest the cursor, line below */

/* ---------------------------------------------------------------------------
 * Metrics and wrapping (need a font set with setFont, except where FP given)
 * ------------------------------------------------------------------------- */

uint32_t getCharWidth(uint32_t toDisp);
uint32_t getCharHeight(uint32_t chr);
uint32_t getFontHeight(void);
int getStringWidth(const void* inStr, uint16_t** FP);
/* Line starts of inStr laid out as dispString would; *pts is grown with
 * realloc and owned by the caller (free it). Returns the entry count. */
unsigned int getWrapPoints(int x, int y, const void* inStr, int c_x, int c_y, int c_bx,
                   int c_by, int** pts, uint16_t** FP);

/* ---------------------------------------------------------------------------
 * Text drawing. inStr must be writable: wrap marks are written during the
 * call and restored before it returns.
 * ------------------------------------------------------------------------- */

void dispChar(int x, int y, uint32_t chr, uint16_t* buffer, unsigned int max_X, unsigned int max_Y);
/* Returns the height of the text block; a null buffer only lays out. */
int dispString(int x, int y, const void* inStr, uint16_t* buffer,
               uint32_t enableClipping, int c_x, int c_y, int c_bx, int c_by);
/* Inside a callback during drawing: the pen position of the current character. */
void calculateNewXY(int* xpos, int* ypos);

/* ---------------------------------------------------------------------------
 * Main-screen framebuffer: two 256x256 RGB15 pages in VRAM banks A and B.
 * Every operation but fb_init and the clipping setters does nothing before
 * fb_init, except that fb_dispSprite still marks the frame as updated.
 * ------------------------------------------------------------------------- */

void fb_init(void);
void fb_swapBuffers(void);
uint16_t* fb_backBuffer(void);
uint16_t* fb_returnFrameBuffer(void);   /* the background copy, or null */
void fb_setOrientation(int orientation); /* 0..3: quarter turns */
bool fb_needsUpdate(void);
void fb_setUpdate(void);
bool fb_isbgEnabled(void);

void fb_setBG(uint16_t* buffer);       /* copies a 256x256 picture */
void fb_setBGColor(uint16_t color);
void fb_eraseBG(void);
void fb_clear(void);

void fb_enableClipping(void);
void fb_disableClipping(void);
void fb_setDefaultClipping(void);
void fb_setClipping(int x, int y, int bx, int by);

void fb_setPixel(int x, int y, uint16_t color);
void fb_drawRect(int x, int y, int bx, int by, uint16_t c);
void fb_drawBox(int x, int y, int bx, int by, uint16_t c);
void fb_drawFilledRect(int x, int y, int bx, int by, uint16_t borderColor,
                       uint16_t fillColor);
void fb_dispCustomSprite(int x, int y, uint16_t* sprite, uint16_t tc, uint16_t colormask);
void fb_dispSprite(int x, int y, uint16_t* sprite, uint16_t tc);
void fb_dispChar(int x, int y, int toDisp);
void fb_dispString(int x, int y, const void* toDisp);

/* ---------------------------------------------------------------------------
 * Sub screen: one 256x256 RGB15 bitmap in VRAM bank C (what the lower screen
 * shows) plus a 128 KB heap back buffer. Same contracts as the fb_ family,
 * except: every bg_ operation, the clipping setters included, does nothing
 * before bg_init (or when bg_init could not get its back buffer);
 * bg_swapBuffers copies the back buffer to bank C by DMA and ignores the
 * one-shot requests libPANE_bgPreserve and libPANE_bgDisabled.
 * ------------------------------------------------------------------------- */

void bg_init(void);
void bg_swapBuffers(void);
uint16_t* bg_backBuffer(void);
uint16_t* bg_returnFrameBuffer(void);
bool bg_needsUpdate(void);
void bg_setUpdate(void);
bool bg_isbgEnabled(void);

void bg_setBG(uint16_t* buffer);
void bg_setBGColor(uint16_t color);
void bg_eraseBG(void);
void bg_clear(void);

void bg_enableClipping(void);
void bg_disableClipping(void);
void bg_setDefaultClipping(void);
void bg_setClipping(int x, int y, int bx, int by);

void bg_setPixel(int x, int y, uint16_t color);
void bg_drawRect(int x, int y, int bx, int by, uint16_t c);
void bg_drawBox(int x, int y, int bx, int by, uint16_t c);
void bg_drawFilledRect(int x, int y, int bx, int by, uint16_t borderColor,
                       uint16_t fillColor);
void bg_dispCustomSprite(int x, int y, uint16_t* sprite, uint16_t tc, uint16_t colormask);
void bg_dispSprite(int x, int y, uint16_t* sprite, uint16_t tc);
void bg_dispChar(int x, int y, int toDisp);
void bg_dispString(int x, int y, const void* toDisp);

/* ---------------------------------------------------------------------------
 * Dialog boxes
 * ------------------------------------------------------------------------- */

uint16_t getTransparentColorBox(void);
uint16_t getBGColorBox(void);
void fb_setDialogBox(int x, int y, int width, int height);
void fb_dispAnimatedBox(int x, int y, int width, int height, int tx, int ty,
                        const void* strDisp);
void bg_setDialogBox(int x, int y, int width, int height);
void bg_dispAnimatedBox(int x, int y, int width, int height, int tx, int ty,
                        const void* strDisp);

#ifdef __cplusplus
}
#endif

#endif /* LIBPANE_H */
