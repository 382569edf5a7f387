/*! \file libpane.h
    \brief libpane: bitmap text, sprites, rectangles, a double-buffered main-screen
    framebuffer, a sub-screen target and dialog boxes for Nintendo DS programs.

    The one public header; compiles as C99 and as C++. Every operation is a plain
    function of the main loop: none reports an error, and bad input (a null sprite,
    buffer or string, a position outside the limits, a call before the screen's init)
    draws nothing. Colours are RGB15 (bit 15 is the opacity bit of the DS bitmap
    layers: every drawing operation sets it on what it writes); positions are buffer
    pixels of a 256-pixel-wide buffer, column x, row y, pixel (x, y) at element
    y * 256 + x. Drawing keeps its caches in static memory, so nothing here is for an
    interrupt handler.
*/
#ifndef LIBPANE_H
#define LIBPANE_H

/*! \defgroup version Version and DS integer types
    The library's version, and the DS short names of the integer types for programs
    that use them with this header alone.
    @{ */

/*! \brief Major version: changes when a program written for an older one may not build. */
#define LIBPANE_VERSION_MAJOR 1
/*! \brief Minor version: changes when something is added. */
#define LIBPANE_VERSION_MINOR 0
/*! \brief Patch version: changes when something is mended. */
#define LIBPANE_VERSION_PATCH 0
/*! \brief The three parts of the version as text, "major.minor.patch". */
#define LIBPANE_VERSION_STRING "1.0.0"

/*! @} */

#include <stddef.h>
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
/*! \cond PANE_INTERNAL */
#ifndef PANE_SHARED_INTEGER_TYPES
#define PANE_SHARED_INTEGER_TYPES
/*! \endcond */
#if !defined(_NDSTYPES_INCLUDE) && !defined(LIBNDS_NDS_NDSTYPES_H__)
/*! \addtogroup version
    @{ */
typedef uint8_t uint8;   /*!< \brief unsigned 8 bits, as libnds names it */
typedef uint16_t uint16; /*!< \brief unsigned 16 bits, as libnds names it */
typedef uint32_t uint32; /*!< \brief unsigned 32 bits, as libnds names it */
typedef int16_t int16;   /*!< \brief signed 16 bits, as libnds names it */
typedef uint32_t u32;    /*!< \brief unsigned 32 bits, as libnds names it */
/*! @} */
#endif
/*! \brief unsigned int, as the DS platform headers name it \ingroup version */
typedef unsigned int uint;
/*! \cond PANE_INTERNAL */
#endif
/*! \endcond */

#ifdef __cplusplus
extern "C" {
#endif

/*! \defgroup sprites Sprite records and font tables
    The data the tools write and the library reads in place.

    A plain sprite record (word 0 != 0xFFFF) is `uint16_t` words: [0] width - 1,
    [1] height - 1, then width * height RGB15 pixels, row by row. A compressed record
    (word 0 == 0xFFFF): [0] 0xFFFF, [1] width - 1, [2] height - 1, [3] n palette
    entries (1..256), [4 .. 3+n] the palette, then the index stream, bitsFromPal(n)
    bits per pixel, most significant bit first, read byte by byte in memory order.

    A font table is 260 pointers: slots 0-255 glyph records (null: none; slot 32, the
    space, and 63, '?', which stands in for every missing glyph, are required),
    256 the tab distance, 257 the transparent value, 258 the underline offset (each a
    pointer to one `uint16_t`), 259 an `int16_t[256]` of vertical biases or null.
    Glyphs in slots 1-31 are drawn in their own colours. The library keeps pointers to
    these tables; it never copies, changes or frees them. Glyph records are constant
    data: what the library learns from a record it keeps by the record's address; a
    program that rewrites a glyph record in place calls setFont with its font while
    that font is current.
    @{ */

/*! \brief Width in pixels of a plain or compressed sprite record (1..65536).
    The record is trusted: sprite must point at a valid record. */
uint32_t getSpriteWidth(uint16_t* sprite);
/*! \brief Height in pixels of a plain or compressed sprite record (1..65536).
    The record is trusted: sprite must point at a valid record. */
uint32_t getSpriteHeight(uint16_t* sprite);
/*! \brief Whether font table FP has a glyph for character code c.
    \return false for a null table and for codes above 255. */
bool isArbitraryGlyphAvailable(uint32_t c, uint16_t** FP);
/*! \brief Whether the current font has a glyph for character code c.
    \return false while no font is set, and for codes above 255. */
bool isGlyphAvailable(uint32_t c);
/*! \brief Bits per palette index for a palette of palHigh entries.
    \return 1 for 0..2 entries, 2 for 3..4, 3 for 5..8, ... 8 for 129 and more. */
uint32_t bitsFromPal(uint32_t palHigh);
/*! \brief The index mask matching bitsFromPal(palHigh): (1 << bits) - 1, 0x01..0xFF. */
uint32_t bitMaskCalc(uint32_t palHigh);
/*! \brief Distance between tab stops of the current font, in pixels (slot 256).
    \return 0 while no font is set. */
uint32_t getTabStop(void);
/*! \brief Transparent value of the current font (slot 257): the colour no glyph draws.
    \return 0 while no font is set. */
uint16_t getTransparentColorFont(void);
/*! \brief Underline offset of the current font (slot 258): rows from a line's top to
    its underline; strike-through and highlight band derive from it.
    \return 0 while no font is set. */
uint32_t getUnderline(void);

/*! @} */

/*! \defgroup unicode Unicode fonts
    A second kind of font beside the 260-slot tables: any number of glyphs for code
    points U+0000 to U+10FFFF, stored bit-packed and read in place. While one is
    current (setUnicodeFont), every text call reads its strings as UTF-8 and takes
    code points where it takes character codes; setFont makes a table current again.

    The data is constant: glyphcast writes it as C source (a `const PaneFont`) or as
    a binary file that paneFontFromMemory reads in place, without copying a glyph and
    without the heap.

    Each glyph's ink box holds width x height pixels of bitsPerPixel bits, row by row
    with no padding between rows, most significant bit first, starting at byte
    `offset` of `bitmaps`; a set bit of a 1-bit glyph is ink. In a font of 2 or 4 bits per
    pixel each pixel is a coverage a from 0 to amax (3 or 15): it moves every 5-bit channel
    of the pixel under it towards the ink colour by a / amax, rounded to the nearest value
    (bit 15 set); 0 leaves the pixel alone and amax draws what a 1-bit ink pixel does. A
    glyph at an index from
    pictureFirst to pictureFirst + pictureCount - 1 is a picture instead: width x
    height RGB15 pixels (two bytes each, low byte first) drawn in their own colours,
    pixels equal to `transparent` left out. glyphcast puts the DS button pictures there,
    at private-use code points from U+E000.
    @{ */

/*! \brief One run of consecutive code points with consecutive glyphs: code point
    first + k has glyph index glyph + k, for k below the next range's glyph minus
    this one's. Ranges do not overlap; the closing entry's first is 0x110000. */
typedef struct PaneRange {
  uint32_t first; /*!< \brief first code point of the run */
  uint32_t glyph; /*!< \brief glyph index of that code point */
} PaneRange;

/*! \brief One glyph's metrics and where its pixels are: 8 bytes, no alignment. */
typedef struct PaneGlyph {
  uint8_t offset[3]; /*!< \brief byte offset of its pixels in bitmaps, little-endian */
  uint8_t advance;   /*!< \brief pen advance in pixels */
  uint8_t width;     /*!< \brief ink box width in pixels (0: nothing to draw) */
  uint8_t height;    /*!< \brief ink box height in pixels */
  int8_t left;       /*!< \brief ink box's first column, from the pen column */
  uint8_t top;       /*!< \brief ink box's first row, from the line top */
} PaneGlyph;

/*! \brief A Unicode font. Every glyph is lineHeight rows tall as text lays it out;
    the line pitch is lineHeight + 2, as with tables. */
typedef struct PaneFont {
  const PaneRange* ranges; /*!< \brief rangeCount runs sorted by code point, then one closing
                                entry whose glyph is glyphCount */
  const PaneGlyph* glyphs; /*!< \brief glyphCount glyphs */
  const uint8_t* bitmaps;  /*!< \brief bitmapBytes bytes of glyph pixels */
  uint32_t rangeCount;     /*!< \brief runs before the closing entry */
  uint32_t glyphCount;     /*!< \brief glyphs */
  uint32_t bitmapBytes;    /*!< \brief bytes at bitmaps */
  uint32_t pictureFirst;   /*!< \brief index of the first picture glyph */
  uint32_t pictureCount;   /*!< \brief picture glyphs (0: none) */
  uint32_t replacement;    /*!< \brief glyph of missing code points and malformed UTF-8 (U+FFFD
                                or '?'); PANE_NO_GLYPH: they draw nothing and advance 0 */
  uint16_t lineHeight;     /*!< \brief rows of a line */
  uint16_t baseline;       /*!< \brief rows from a line's top to its baseline */
  uint16_t underline;      /*!< \brief rows from a line's top to its underline */
  uint16_t tabDistance;    /*!< \brief distance between tab stops in pixels */
  uint16_t transparent;    /*!< \brief the colour picture glyphs leave out */
  uint8_t bitsPerPixel;    /*!< \brief bits per pixel of the glyphs that are not pictures: 1, or
                                2 or 4 of coverage */
  uint8_t reserved;        /*!< \brief 0 */
} PaneFont;

/*! \brief A glyph index that stands for no glyph. */
#define PANE_NO_GLYPH 0xFFFFFFFFu

/*! \brief The code point of the first button picture glyphcast captures: A, B, X, Y,
    left, up, down, right, Select, Start, L, R, and the two arrows ^ and v follow in
    this order, U+E000 to U+E00D. */
#define PANE_BUTTON_FIRST 0xE000u

/*! \brief What paneFontFromMemory found wrong. */
enum PaneFontError {
  PANE_FONT_OK = 0,         /*!< \brief the font was filled in */
  PANE_FONT_NULL = 1,       /*!< \brief data or out is null */
  PANE_FONT_TRUNCATED = 2,  /*!< \brief size is smaller than the header or its counts need */
  PANE_FONT_NOT_A_FONT = 3, /*!< \brief the magic bytes are not "PFNT" */
  PANE_FONT_VERSION = 4,    /*!< \brief a version or pixel depth this library does not read */
  PANE_FONT_MISALIGNED = 5, /*!< \brief data does not start at a 4-byte boundary */
  PANE_FONT_CORRUPT = 6     /*!< \brief a count, offset or range does not hold together */
};

/*! \brief Reads a binary font in place: checks every count and offset of the size
    bytes at data, then points out's arrays into data (which must stay alive and
    unchanged while the font is in use). On an error out is left as it was.
    \return PANE_FONT_OK or a PaneFontError. */
int paneFontFromMemory(const void* data, size_t size, PaneFont* out);
/*! \brief Makes font the current font: strings are read as UTF-8 from now on. A null
    font is ignored. The font is kept by pointer, never copied. Glyphs are prepared for
    drawing the first time they are drawn and kept while their font lives; setting the
    current font again forgets what was prepared, for a font changed in place. */
void setUnicodeFont(const PaneFont* font);
/*! \brief The current Unicode font, or null while a table is current or none is set. */
const PaneFont* getUnicodeFont(void);
/*! \brief Says that the text drawn from now on stands on color: coverage glyphs are then
    written from a table of their blends over it, built once per colour change, instead of
    being blended with the buffer (highlighted characters still blend with their band).
    The result equals blending wherever the text does stand on color. */
void setTextBackground(uint16_t color);
/*! \brief Coverage glyphs blend with the buffer again (the initial setting). */
void clearTextBackground(void);
/*! \brief Whether font has a glyph of its own for code point c. */
bool isUnicodeGlyphAvailable(uint32_t c, const PaneFont* font);
/*! \brief getStringWidth for a UTF-8 string in font. \return 0 for a null font or string. */
int getUnicodeStringWidth(const void* inStr, const PaneFont* font);
/*! \brief getWrapPoints for a UTF-8 string in font: the same list, of byte offsets,
    each at the start of a UTF-8 sequence. Lines may also break between two CJK
    characters, and none starts with closing punctuation where a break before it
    can be avoided. */
unsigned int getUnicodeWrapPoints(int x, int y, const void* inStr, int c_x, int c_y, int c_bx,
                                  int c_by, int** pts, const PaneFont* font);

/*! @} */

/*! \defgroup blit Blitting and rectangles
    Drawing into any 256-pixel-wide RGB15 buffer of the program's; bit 15 is set on
    every written pixel. The blitter knows no buffer height: the caller's bottom limit
    keeps it inside.
    @{ */

/*! \brief Draws a plain or compressed sprite record with its top-left pixel at
    (x, y) of buffer bgFlag; x and y may be negative.

    Pixels equal to tc (bit 15 ignored on both sides) are skipped; the others are
    written as (pixel AND colormask) | 0x8000, the pixel inverted first (each channel
    31 minus itself) while drawInverse is on. Columns up to max_X inclusive, and never
    past 255, rows below max_Y exclusive; left of column 0 and above row 0 are cut.
    While setItalics is on every sprite is sheared, starting two columns right of x.
    A null sprite or buffer draws nothing. */
void dispCustomSprite(int x, int y, uint16_t* sprite, uint32_t tc, uint32_t colormask,
                      uint16_t* bgFlag, unsigned int max_X, unsigned int max_Y);
/*! \brief Fills the rectangle with corners (x, y) and (bx, by), both included and in
    either order, with c | 0x8000 in buffer buf.

    Rows are limited to 0..max_y; columns are cut to 0..255. A null buffer, by < 0
    or y > max_y (the arguments as given) draws nothing. */
void drawRect(int x, int y, int bx, int by, uint16_t c, uint16_t* buf, int max_y);
/*! \brief The larger of a and b (b when they are equal). */
int MAXFB(int a, int b);
/*! \brief Exchanges *x and *y; nothing when both point at the same int or one is null. */
void xorSwap(int* x, int* y);

/*! @} */

/*! \defgroup textset Text settings
    Module-wide settings that every following text call uses until changed; nothing
    resets them but these setters. Colour setters store their colour with bit 15 set.
    @{ */

/*! \brief Per-character callback of dispString (setCallBack).

    Called with the character's index in the string, its code (27 for a wrap mark),
    the pass (1 layout, only with setTwoPasEnabled; 2 drawing) and the pen position
    (column, line top). Return -1 to stop the string at once; any other value goes
    on. Inside pass 2, calculateNewXY gives where the character will really go. */
typedef int (*libPANE_charCallback)(int index, uint32_t chr, int pass, int x, int y);

/*! \brief One-shot request, set by preserveBackground: the next fb_swapBuffers copies
    the page it has just shown into the new back buffer instead of refilling it, then
    clears the flag. bg_swapBuffers ignores it. */
extern bool libPANE_bgPreserve;
/*! \brief One-shot request, set by disableBackgroundDraw: the next fb_swapBuffers
    leaves the new back buffer as it is (it holds the frame of two swaps ago), then
    clears the flag. bg_swapBuffers ignores it. */
extern bool libPANE_bgDisabled;

/*! \brief Makes FP the current font for every text operation; a null FP is ignored
    and the current font stays. The table is kept by pointer, never copied. */
void setFont(uint16_t** FP);
/*! \brief Colour mask of ordinary glyphs, underline and strike-through (stored with
    bit 15 set; 0 before the first call, which draws glyphs black). Special glyphs,
    slots 1-31, keep their own colours. */
void setColor(uint16_t color);
/*! \brief Colour of the highlight band behind the characters of setHighlight's range
    (stored with bit 15 set). */
void setHighlightColor(uint16_t color);
/*! \brief Highlights the characters with index min(start, end) up to, not including,
    max(start, end); an empty range (start == end) highlights nothing. */
void setHighlight(int start, int end);
/*! \brief Ends the highlight: no character is highlighted. */
void clearHighlight(void);
/*! \brief With t true, the callback is also called during dispString's layout pass
    (pass 1), which runs only while clipping is on. */
void setTwoPasEnabled(bool t);
/*! \brief Draws every sprite and glyph from now on with its colour channels inverted
    (31 minus each) before the colour mask applies. */
void drawInverse(void);
/*! \brief Ends drawInverse: colours are drawn as stored. */
void drawNormal(void);
/*! \brief New lines of a string start at the clip box's left edge c_x. */
void setWrapToBorder(void);
/*! \brief New lines of a string start at the string's own start column x + c_x
    (the initial setting). */
void setWrapNormal(void);
/*! \brief Bold: each glyph is drawn twice, the second time one column to the right;
    the pen advances by the glyph width only. Character 183 is drawn once. */
void setBold(bool b);
/*! \brief Italics: every sprite is sheared, also those drawn outside text, starting
    two columns right and stepping one column left every glyph height / 3 + 1 rows. */
void setItalics(bool i);
/*! \brief Underline under each character, at the font's underline offset below the
    line top, one column wider than the glyph so neighbours join. */
void setUnderline(bool u);
/*! \brief A line through each character, at underline offset / 2 + 1 below the line top. */
void setStrikeThrough(bool s);
/*! \brief Installs the per-character callback of dispString; null is the same as
    clearCallBack. */
void setCallBack(libPANE_charCallback callback);
/*! \brief Removes the per-character callback. */
void clearCallBack(void);
/*! \brief Pen column after the last character the latest dispString handled, so that
    more text can continue there. */
int getLastX(void);
/*! \brief Line top of the last character the latest dispString handled. */
int getLastY(void);
/*! \brief Sets libPANE_bgDisabled: the next fb_swapBuffers leaves the new back
    buffer untouched instead of refilling it. */
void disableBackgroundDraw(void);
/*! \brief Sets libPANE_bgPreserve: the next fb_swapBuffers copies the page just
    shown into the new back buffer, so the next frame draws on top of this one. */
void preserveBackground(void);

/*! @} */

/*! \defgroup cursor Text cursor
    A one-pixel-wide vertical bar that dispString draws while the cursor is shown,
    and the neighbouring positions it finds on the lines above and below.
    @{ */

/*! \brief Puts the cursor before the character with index pos (the string's length:
    after the last character). */
void setCursorPos(uint32_t pos);
/*! \brief Draws and tracks the cursor in every following dispString. */
void showCursor(void);
/*! \brief Stops drawing and tracking the cursor. */
void hideCursor(void);
/*! \brief Cursor colour (stored with bit 15 set) and geometry: the bar covers rows
    line top + top to line top + line height + height, both included, at column
    pen x + left. Before the first call: top -1, height 1, left 0, colour black. */
void setCursorProperties(uint16_t color, int top, int height, int left);
/*! \brief Index of the character nearest the cursor's column on the line above, as
    the latest dispString found it; the cursor's own index on the first line. Can be
    passed back to setCursorPos. */
uint32_t getPositionAbove(void);
/*! \brief Index of the character nearest the cursor's column on the line below, as
    the latest dispString found it; the cursor's own index on the last line. */
uint32_t getPositionBelow(void);

/*! @} */

/*! \defgroup metrics Metrics and wrapping
    Measuring text without drawing it, by the same rules as dispString.
    @{ */

/*! \brief Width in pixels of the glyph of toDisp in the current font, or of glyph 63
    ('?') when the font has none. \return 0 while no font is set. */
uint32_t getCharWidth(uint32_t toDisp);
/*! \brief Height in pixels of the glyph of chr in the current font, or of glyph 32
    (space) when the font has none. \return 0 while no font is set. */
uint32_t getCharHeight(uint32_t chr);
/*! \brief Distance between the tops of two lines of plain text: the height of the
    space glyph plus 2. \return 0 while no font is set. */
uint32_t getFontHeight(void);
/*! \brief Width in pixels of the first line of inStr (up to its first line end) in
    font FP. Tabs add nothing; a backspace subtracts 1, so the result may be negative.
    \return 0 for a null font, a null string or an empty one. */
int getStringWidth(const void* inStr, uint16_t** FP);
/*! \brief The line starts of inStr laid out as dispString would at offset x inside
    a clip box from column c_x to c_bx, in font FP (y, c_y and c_by are ignored).

    Writes a list of byte indices, entry 0 being 0, to *pts: a block from malloc,
    grown with realloc, that belongs to the caller. A non-null *pts on entry is freed
    first, so keep one pointer (starting null), pass its address to every call and
    free it at the end. inStr must be writable: wrap marks are written into it and
    taken out again; every byte 27 comes out as a space.
    \return the number of entries: 1 for an empty string; 0, with *pts null, for a
    null FP or pts' first allocation failing; a later failing allocation ends the
    list early, what it holds staying valid. */
unsigned int getWrapPoints(int x, int y, const void* inStr, int c_x, int c_y, int c_bx, int c_by,
                           int** pts, uint16_t** FP);

/*! @} */

/*! \defgroup textdraw Text drawing
    Strings are zero-terminated bytes, one character code each. Codes 7 and 8 move the
    pen one pixel right and left, 9 is a tab (stops at multiples of the font's tab
    distance from column 0), 10, 13 and 27 end a line, 11 and 12 move one row up and
    down. A string passed to a text operation must be writable: wrap marks are written
    into it during the call and restored before it returns (a string literal in
    read-only memory is not).
    @{ */

/*! \brief Draws the glyph of character chr with its top-left corner at (x, y plus
    the character's vertical bias) in buffer, cut after column max_X and before row
    max_Y as dispCustomSprite does.

    A missing glyph draws '?'; the space draws nothing; special glyphs (1-31) keep
    their own colours; others use setColor's mask. Nothing while no font is set. */
void dispChar(int x, int y, uint32_t chr, uint16_t* buffer, unsigned int max_X, unsigned int max_Y);
/*! \brief Draws inStr in the current font, with word wrap, styles, highlight, cursor
    and callback, into buffer.

    The text starts at (x + c_x, y + c_y). With enableClipping non-zero, lines wrap
    at the last space before column c_bx (a longer word breaks before its first
    character that does not fit) and no line starts at or below row c_by; without it
    nothing wraps and no line starts at or below row 192. Glyphs are cut at column 255
    and before row c_by; highlight, underline, strike-through and cursor may cover row
    c_by, never past the buffer's row 255. A null buffer draws nothing but lays out,
    tracks the cursor and returns the same height.
    \return the height of the text block in pixels: last line top minus first line
    top plus the last line's height (the space glyph's height for an empty string);
    0 while no font is set or for a null string. */
int dispString(int x, int y, const void* inStr, uint16_t* buffer, uint32_t enableClipping, int c_x,
               int c_y, int c_bx, int c_by);
/*! \brief Inside a callback of pass 2: moves the pen position (*xpos, *ypos) to where
    the current character will really be drawn, the start of the next line when it
    does not fit before c_bx; unchanged otherwise. Null pointers are ignored. */
void calculateNewXY(int* xpos, int* ypos);

/*! @} */

/*! \defgroup fb Main-screen framebuffer
    Two 256 x 256 RGB15 pages in VRAM banks A and B, shown by the main engine's BG2
    and BG3 in bitmap mode 5: one in front, one drawn into. fb_init takes over
    REG_DISPCNT (written whole, so call oamInit after it), banks A and B and the two
    layers' control and affine registers; banks C to I, BG0, BG1, sprites, palettes,
    interrupts and DMA stay the program's. Every operation but fb_init and the
    clipping setters does nothing before fb_init, except that fb_dispSprite still
    marks the frame as updated.
    @{ */

/*! \brief Takes over the main screen (REG_DISPCNT = mode 5 with BG2 and BG3, banks
    A and B as main background memory), clears both pages to 0x0000 (transparent),
    and resets the state: page A in front, orientation 0, no background picture (a
    held copy is released), colour 0, nothing drawn, clipping on with the rectangle
    (0, 0, 256, 256). Calling it again resets all of that. */
void fb_init(void);
/*! \brief Shows the back page and refills the new back page, by the first rule that
    applies: a copy of the page just shown (preserveBackground), nothing
    (disableBackgroundDraw), the background picture (fb_setBG), else the background
    colour (fb_setBGColor; 0x0000, transparent, until set).

    Also resets the clipping rectangle to (0, 0, 256, 256) (the clipping switch
    keeps its value) and clears both one-shot requests. Does not wait for the
    vertical blank: call swiWaitForVBlank first to avoid tearing. */
void fb_swapBuffers(void);
/*! \brief The page being drawn (256 x 256 pixels in VRAM: write 16 or 32 bits at a
    time, never 8), which changes at every swap; null before fb_init. */
uint16_t* fb_backBuffer(void);
/*! \brief The heap copy of the background picture that refills the back page
    (not the front page); null when no picture is in use. */
uint16_t* fb_returnFrameBuffer(void);
/*! \brief Rotates the picture on the screen in quarter turns: 0 upright, 1 a quarter
    turn counter-clockwise, 2 a half turn, 3 a quarter turn clockwise. In 1 and 3 the
    screen shows buffer columns 0-191 and rows 0-255. Other values write no register
    (but are remembered); the same value twice writes once. */
void fb_setOrientation(int orientation);
/*! \brief Whether anything was drawn since fb_init (or fb_setUpdate was called);
    it stays true across swaps. */
bool fb_needsUpdate(void);
/*! \brief Marks the frame as updated (see fb_needsUpdate). */
void fb_setUpdate(void);
/*! \brief Whether a background picture (fb_setBG) refills the back page at each swap. */
bool fb_isbgEnabled(void);

/*! @} */

/*! \defgroup fbbackground Main-screen background and clipping
    What each swap refills the back page with, and the text clipping rectangle that
    fb_dispString hands to the renderer (sprites, pixels and rectangles are limited
    only by the buffer).
    @{ */

/*! \brief Copies the 256 x 256 picture in buffer (131,072 bytes, opaque pixels
    with bit 15 set; the caller keeps its buffer) into a heap copy of the library's,
    draws it into the back page and makes it the refill of every swap.
    A null buffer, or a heap without 128 KB to spare, changes nothing. */
void fb_setBG(uint16_t* buffer);
/*! \brief Fills the back page with color | 0x8000 and makes it the refill colour; a
    background picture in use keeps refilling until fb_eraseBG. */
void fb_setBGColor(uint16_t color);
/*! \brief Ends the background picture (its copy is freed): fills the back page with
    the background colour, bit 15 set (opaque black 0x8000 if none was set), which
    refills from now on. */
void fb_eraseBG(void);
/*! \brief Clears the back page to 0x0000 (transparent); the background settings stay. */
void fb_clear(void);

/*! \brief Turns text clipping on: fb_dispString wraps and stops inside the rectangle. */
void fb_enableClipping(void);
/*! \brief Turns text clipping off: text runs on (cut at column 255) and stops at row
    192; the rectangle still places it. */
void fb_disableClipping(void);
/*! \brief Sets the clipping rectangle to the whole page, (0, 0, 256, 256). */
void fb_setDefaultClipping(void);
/*! \brief Sets the clipping rectangle: left column x, top row y, right limit bx,
    bottom limit by, taken as given. It places fb_dispString's text (which starts at
    its x and y counted from (x, y) here) and holds until the next swap; it does not
    switch clipping on. */
void fb_setClipping(int x, int y, int bx, int by);

/*! @} */

/*! \defgroup fbdraw Drawing on the main screen
    Each draws into the back page, cut to its 256 x 256 pixels, and marks the frame as
    updated.
    @{ */

/*! \brief Writes color | 0x8000 at (x, y); outside 0..255 in either coordinate
    nothing is written and the frame is not marked. */
void fb_setPixel(int x, int y, uint16_t color);
/*! \brief Fills the rectangle with corners (x, y) and (bx, by), both included and in
    either order, with c | 0x8000; rows and columns are cut to 0..255. */
void fb_drawRect(int x, int y, int bx, int by, uint16_t c);
/*! \brief Draws the one-pixel outline of the rectangle (x, y)-(bx, by) in c. */
void fb_drawBox(int x, int y, int bx, int by, uint16_t c);
/*! \brief Draws the outline of (x, y)-(bx, by) in borderColor, then fills the inside
    (x + 1, y + 1)-(bx - 1, by - 1) in fillColor; for a box one or two pixels wide
    that inside is inverted and covers the border. */
void fb_drawFilledRect(int x, int y, int bx, int by, uint16_t borderColor, uint16_t fillColor);
/*! \brief dispCustomSprite into the back page with transparent colour tc and colour
    mask colormask, cut after column 255 and before row 256. */
void fb_dispCustomSprite(int x, int y, uint16_t* sprite, uint16_t tc, uint16_t colormask);
/*! \brief Draws sprite at (x, y) in its own colours, leaving out tc; marks the frame
    as updated even before fb_init. */
void fb_dispSprite(int x, int y, uint16_t* sprite, uint16_t tc);
/*! \brief dispChar of character code toDisp at (x, y) into the back page, with no
    clipping rectangle. */
void fb_dispChar(int x, int y, int toDisp);
/*! \brief dispString of toDisp (a writable string) into the back page, starting at
    (x + clip x, y + clip y) of the clipping rectangle, wrapped and stopped inside it
    while clipping is on. The text block's height is not returned. */
void fb_dispString(int x, int y, const void* toDisp);

/*! @} */

/*! \defgroup sub Sub screen
    The same operations as the main screen's under bg_ names, for the lower screen:
    one 256 x 256 RGB15 bitmap in VRAM bank C, shown by the sub engine's BG3, plus a
    128 KB heap back buffer. Every bg_ operation, the clipping setters included, does
    nothing before bg_init (or when bg_init could not get its back buffer).
    bg_swapBuffers copies the back buffer to bank C by DMA and ignores the one-shot
    requests libPANE_bgPreserve and libPANE_bgDisabled.
    @{ */

/*! \brief Takes over the sub screen (REG_DISPCNT_SUB = mode 5 with BG3, written
    whole; bank C as sub background memory; BG3's control and affine registers),
    gets the 128 KB back buffer from the heap once (without it the sub screen stays
    off), clears both buffers and resets the state as fb_init does. */
void bg_init(void);
/*! \brief Flushes the back buffer from the data cache, copies it to bank C with DMA
    channel 3, then refills it with the background picture or colour and resets the
    clipping rectangle. Ignores preserveBackground and disableBackgroundDraw. */
void bg_swapBuffers(void);
/*! \brief The heap back buffer being drawn (it stays the same buffer); null before
    bg_init. */
uint16_t* bg_backBuffer(void);
/*! \brief The heap copy of the sub screen's background picture; null when none is in use. */
uint16_t* bg_returnFrameBuffer(void);
/*! \brief Whether anything was drawn on the sub screen since bg_init. */
bool bg_needsUpdate(void);
/*! \brief Marks the sub screen's frame as updated. */
void bg_setUpdate(void);
/*! \brief Whether a background picture (bg_setBG) refills the sub screen's back buffer. */
bool bg_isbgEnabled(void);

/*! \brief fb_setBG for the sub screen. */
void bg_setBG(uint16_t* buffer);
/*! \brief fb_setBGColor for the sub screen. */
void bg_setBGColor(uint16_t color);
/*! \brief fb_eraseBG for the sub screen. */
void bg_eraseBG(void);
/*! \brief fb_clear for the sub screen. */
void bg_clear(void);

/*! \brief fb_enableClipping for the sub screen. */
void bg_enableClipping(void);
/*! \brief fb_disableClipping for the sub screen. */
void bg_disableClipping(void);
/*! \brief fb_setDefaultClipping for the sub screen. */
void bg_setDefaultClipping(void);
/*! \brief fb_setClipping for the sub screen; it holds until the next bg_swapBuffers. */
void bg_setClipping(int x, int y, int bx, int by);

/*! \brief fb_setPixel for the sub screen. */
void bg_setPixel(int x, int y, uint16_t color);
/*! \brief fb_drawRect for the sub screen. */
void bg_drawRect(int x, int y, int bx, int by, uint16_t c);
/*! \brief fb_drawBox for the sub screen. */
void bg_drawBox(int x, int y, int bx, int by, uint16_t c);
/*! \brief fb_drawFilledRect for the sub screen. */
void bg_drawFilledRect(int x, int y, int bx, int by, uint16_t borderColor, uint16_t fillColor);
/*! \brief fb_dispCustomSprite for the sub screen. */
void bg_dispCustomSprite(int x, int y, uint16_t* sprite, uint16_t tc, uint16_t colormask);
/*! \brief fb_dispSprite for the sub screen; before bg_init it draws and marks nothing. */
void bg_dispSprite(int x, int y, uint16_t* sprite, uint16_t tc);
/*! \brief fb_dispChar for the sub screen. */
void bg_dispChar(int x, int y, int toDisp);
/*! \brief fb_dispString for the sub screen (toDisp must be writable). */
void bg_dispString(int x, int y, const void* toDisp);

/*! @} */

/*! \defgroup dialog Dialog boxes
    Framed boxes: a 6-pixel shaded frame with rounded corners, a black interior, and a
    text clipping rectangle inside it, on the main screen (fb_) or the sub screen (bg_).
    A box must lie within columns 0 to 255.
    @{ */

/*! \brief The colour the frame tiles leave transparent, 0x001F. */
uint16_t getTransparentColorBox(void);
/*! \brief The interior colour as the tiles' data states it, 0 (drawn as opaque black). */
uint16_t getBGColorBox(void);
/*! \brief Draws a box into the back page: top-left pixel (x, y), width columns,
    height rows; sets the clipping rectangle to (x + 6, y + 6, x + width - 12,
    y + height - 12), so text drawn next in the same frame starts inside the box
    (clipping is not switched on or off). A box narrower or lower than 13 pixels gets
    no edge pieces on that side. */
void fb_setDialogBox(int x, int y, int width, int height);
/*! \brief Opens a box with an animation, then writes strDisp (a writable string) in it.

    The box grows from 25 x 25 pixels in steps of 15, each frame followed by
    swiWaitForVBlank and fb_swapBuffers, so the call blocks for one vertical blank
    per frame; while a background picture is in use, each frame shows the picture as
    it was when the call began. Then the full box and the text at (tx, ty) inside it
    are drawn into the back page, which the caller's next swap shows. Saving the
    picture takes a temporary 128 KB of heap; without it the animation runs over
    the refill picture as it stands. */
void fb_dispAnimatedBox(int x, int y, int width, int height, int tx, int ty, const void* strDisp);
/*! \brief fb_setDialogBox on the sub screen. */
void bg_setDialogBox(int x, int y, int width, int height);
/*! \brief fb_dispAnimatedBox on the sub screen. */
void bg_dispAnimatedBox(int x, int y, int width, int height, int tx, int ty, const void* strDisp);

/*! @} */

#ifdef __cplusplus
}
#endif

#endif /* LIBPANE_H */
