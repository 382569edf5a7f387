/* libpane: bitmap text, sprites, rectangles, a double-buffered main-screen
 * framebuffer, a sub-screen target and dialog boxes for Nintendo DS programs.
 * The one public header; compiles as C99 and as C++. */
#ifndef LIBPANE_H
#define LIBPANE_H

#include <stdint.h>
#ifndef __cplusplus
#include <stdbool.h>
#endif

/* Integer types as the DS platform headers name them. <nds.h> defines the same
 * set under the same guard, so a C99 program may include both in either order. */
#ifndef PANE_SHARED_INTEGER_TYPES
#define PANE_SHARED_INTEGER_TYPES
typedef uint8_t uint8;
typedef uint16_t uint16;
typedef uint32_t uint32;
typedef int16_t int16;
typedef uint32_t u32;
typedef unsigned int uint;
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---------------------------------------------------------------------------
 * Sprite records and font tables
 *
 * Plain sprite record (word 0 != 0xFFFF), uint16 words:
 *   [0] width - 1   [1] height - 1   [2 ..] width*height RGB15 pixels, row by row.
 * Compressed sprite record (word 0 == 0xFFFF):
 *   [0] 0xFFFF  [1] width - 1  [2] height - 1  [3] n palette entries (1..256)
 *   [4 .. 3+n] palette   [4+n ..] index stream, b = bitsFromPal(n) bits per
 *   pixel, most significant bit first, read byte by byte in memory order.
 * Font table: 260 pointers. Slots 0-255 glyph records (null: none; slot 32 and
 * 63 required), 256 tab distance, 257 transparent value, 258 underline offset
 * (all pointers to one uint16), 259 int16[256] vertical bias or null.
 * The library keeps pointers to these tables; it never copies or frees them.
 * Glyph records are constant data: what the library learns from a record it
 * keeps by the record's address; a program that rewrites a glyph record in
 * place calls setFont with its font while that font is current.
 * ------------------------------------------------------------------------- */

/* Width in pixels of a plain or compressed record. */
uint32 getSpriteWidth(uint16* sprite);
/* Height in pixels of a plain or compressed record. */
uint32 getSpriteHeight(uint16* sprite);
/* Whether font table FP has a glyph for code c (false for a null table). */
bool isArbitraryGlyphAvailable(u32 c, uint16** FP);
/* Whether the current font has a glyph for code c (false while no font). */
bool isGlyphAvailable(u32 c);
/* Bits per palette index for a palette of palHigh entries (1..8). */
uint32 bitsFromPal(uint32 palHigh);
/* Index mask matching bitsFromPal. */
uint32 bitMaskCalc(uint32 palHigh);
/* Tab distance, transparent value and underline offset of the current font. */
uint32 getTabStop(void);
uint16 getTransparentColorFont(void);
uint32 getUnderline(void);

/* ---------------------------------------------------------------------------
 * Blitting and rectangles. Buffers are 256 pixels wide, RGB15, bit 15 set on
 * every written pixel. Drawing keeps its caches in static memory, so it is for
 * the main loop, never for interrupt handlers.
 * ------------------------------------------------------------------------- */

/* Draws sprite at (x, y) into bgFlag: pixels equal to tc (bit 15 ignored) are
 * skipped, others are masked with colormask (inverted first while drawInverse
 * is on). Columns up to max_X inclusive and never past 255, rows below
 * max_Y exclusive. */
void dispCustomSprite(int x, int y, uint16* sprite, uint32 tc, uint32 colormask,
                      uint16* bgFlag, uint max_X, uint max_Y);
/* Fills (x, y)-(bx, by), both corners included, with c | 0x8000; rows limited
 * to 0..max_y, columns cut to 0..255. */
void drawRect(int x, int y, int bx, int by, uint16 c, uint16* buf, int max_y);
/* The larger of a and b. */
int MAXFB(int a, int b);
/* Exchanges *x and *y; nothing when both point at the same int. */
void xorSwap(int* x, int* y);

/* ---------------------------------------------------------------------------
 * Text settings
 * ------------------------------------------------------------------------- */

/* Per-character callback: return -1 to stop the string. */
typedef int (*libPANE_charCallback)(int index, u32 chr, int pass, int x, int y);

/* One-shot requests read and cleared by the next fb_swapBuffers. */
extern bool libPANE_bgPreserve;
extern bool libPANE_bgDisabled;

void setFont(uint16** FP);           /* null is ignored */
void setColor(uint16 color);         /* font colour mask, bit 15 set */
void setHighlightColor(uint16 color);
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

void setCursorPos(uint32 pos);       /* character index the cursor stands before */
void showCursor(void);
void hideCursor(void);
void setCursorProperties(uint16 color, int top, int height, int left);
uint32 getPositionAbove(void);       /* index nearest the cursor, line above */
uint32 getPositionBelow(void);       /* index nearest the cursor, line below */

/* ---------------------------------------------------------------------------
 * Metrics and wrapping (need a font set with setFont, except where FP given)
 * ------------------------------------------------------------------------- */

uint32 getCharWidth(u32 toDisp);
uint32 getCharHeight(u32 chr);
uint32 getFontHeight(void);
int getStringWidth(const void* inStr, uint16** FP);
/* Line starts of inStr laid out as dispString would; *pts is grown with
 * realloc and owned by the caller (free it). Returns the entry count. */
uint getWrapPoints(int x, int y, const void* inStr, int c_x, int c_y, int c_bx,
                   int c_by, int** pts, uint16** FP);

/* ---------------------------------------------------------------------------
 * Text drawing. inStr must be writable: wrap marks are written during the
 * call and restored before it returns.
 * ------------------------------------------------------------------------- */

void dispChar(int x, int y, u32 chr, uint16* buffer, uint max_X, uint max_Y);
/* Returns the height of the text block; a null buffer only lays out. */
int dispString(int x, int y, const void* inStr, uint16* buffer,
               uint32 enableClipping, int c_x, int c_y, int c_bx, int c_by);
/* Inside a callback during drawing: the pen position of the current character. */
void calculateNewXY(int* xpos, int* ypos);

/* ---------------------------------------------------------------------------
 * Main-screen framebuffer: two 256x256 RGB15 pages in VRAM banks A and B.
 * Every operation but fb_init and the clipping setters does nothing before
 * fb_init, except that fb_dispSprite still marks the frame as updated.
 * ------------------------------------------------------------------------- */

void fb_init(void);
void fb_swapBuffers(void);
uint16* fb_backBuffer(void);
uint16* fb_returnFrameBuffer(void);   /* the background copy, or null */
void fb_setOrientation(int orientation); /* 0..3: quarter turns */
bool fb_needsUpdate(void);
void fb_setUpdate(void);
bool fb_isbgEnabled(void);

void fb_setBG(uint16* buffer);       /* copies a 256x256 picture */
void fb_setBGColor(uint16 color);
void fb_eraseBG(void);
void fb_clear(void);

void fb_enableClipping(void);
void fb_disableClipping(void);
void fb_setDefaultClipping(void);
void fb_setClipping(int x, int y, int bx, int by);

void fb_setPixel(int x, int y, uint16 color);
void fb_drawRect(int x, int y, int bx, int by, uint16 c);
void fb_drawBox(int x, int y, int bx, int by, uint16 c);
void fb_drawFilledRect(int x, int y, int bx, int by, uint16 borderColor,
                       uint16 fillColor);
void fb_dispCustomSprite(int x, int y, uint16* sprite, uint16 tc, uint16 colormask);
void fb_dispSprite(int x, int y, uint16* sprite, uint16 tc);
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
uint16* bg_backBuffer(void);
uint16* bg_returnFrameBuffer(void);
bool bg_needsUpdate(void);
void bg_setUpdate(void);
bool bg_isbgEnabled(void);

void bg_setBG(uint16* buffer);
void bg_setBGColor(uint16 color);
void bg_eraseBG(void);
void bg_clear(void);

void bg_enableClipping(void);
void bg_disableClipping(void);
void bg_setDefaultClipping(void);
void bg_setClipping(int x, int y, int bx, int by);

void bg_setPixel(int x, int y, uint16 color);
void bg_drawRect(int x, int y, int bx, int by, uint16 c);
void bg_drawBox(int x, int y, int bx, int by, uint16 c);
void bg_drawFilledRect(int x, int y, int bx, int by, uint16 borderColor,
                       uint16 fillColor);
void bg_dispCustomSprite(int x, int y, uint16* sprite, uint16 tc, uint16 colormask);
void bg_dispSprite(int x, int y, uint16* sprite, uint16 tc);
void bg_dispChar(int x, int y, int toDisp);
void bg_dispString(int x, int y, const void* toDisp);

/* ---------------------------------------------------------------------------
 * Dialog boxes
 * ------------------------------------------------------------------------- */

uint16 getTransparentColorBox(void);
uint16 getBGColorBox(void);
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
