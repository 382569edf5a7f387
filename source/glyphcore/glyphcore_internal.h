// Module state and internal operations of glyphcore, shared by its source files.
// Nothing outside source/glyphcore includes this, except the framebuffer
// modules, which use dispStringBounded to state their buffer's last row.
#ifndef PANE_GLYPHCORE_INTERNAL_H
#define PANE_GLYPHCORE_INTERNAL_H

#include <libpane.h>

namespace pane {

// Text settings (initial values in text_state.cpp).
extern uint16_t** currentFont;
extern uint16_t fontColor;
extern uint16_t highlightColor;
extern int highlightStart;
extern int highlightEnd;
extern bool bold;
extern bool italics;
extern bool underline;
extern bool strikethrough;
extern int inverse;
extern int border;
extern bool twoPass;
extern libPANE_charCallback callbackFunction;
extern bool callbackEnabled;
extern int italicJump;

// Cursor settings and the renderer's results.
extern bool cVis;
extern int curPos;
extern uint16_t cColor;
extern int cTop;
extern int cBottom;
extern int cLeft;
extern uint16_t cOldX;
extern uint16_t cOldY;
extern uint16_t cAbove;
extern uint16_t cBelow;
extern int lx;
extern int ly;

// Copies made before each callback call, read by calculateNewXY.
extern uint32_t calc_chr;
extern int calc_c_x;
extern int calc_c_bx;
extern int calc_x;
extern int calc_border;
extern int calc_tGetHeight;

// Word 0 of a compressed record.
constexpr uint16_t kCompressedMarker = 0xFFFF;

// Sizes are stored minus one; a compressed record carries them one word later.
// Inline: the text passes ask for them several times per character.
inline uint32_t getSpriteWidthInternal(const uint16_t* sprite) {
  return sprite[0] != kCompressedMarker ? sprite[0] + 1u : sprite[1] + 1u;
}

inline uint32_t getSpriteHeightInternal(const uint16_t* sprite) {
  return sprite[0] != kCompressedMarker ? sprite[1] + 1u : sprite[2] + 1u;
}

// Bits per index for a palette of `entries` entries: the smallest b with
// 2^b >= entries, at least 1 and at most 8 (bitsFromPal).
inline uint32_t indexBits(uint32_t entries) {
  uint32_t bits = 1;
  while (bits < 8 && (1u << bits) < entries) ++bits;
  return bits;
}

void dispCustomSpriteNormal(int x, int y, uint16_t* sprite, uint32_t tc, uint32_t colormask,
                            uint16_t* bgFlag, unsigned max_X, unsigned max_Y);
void dispCustomSpriteCompressed(int x, int y, uint16_t* sprite, uint32_t tc, uint32_t colormask,
                                uint16_t* bgFlag, unsigned max_X, unsigned max_Y);
int getVerticalBias(uint32_t c);

// dispString for a buffer whose last writable row is lastRow: decorations,
// highlight bands and the cursor bar never go below it. dispString itself
// passes the bound it can derive from its arguments.
int dispStringBounded(int x, int y, const void* inStr, uint16_t* buffer, uint32_t enableClipping,
                      int c_x, int c_y, int c_bx, int c_by, int lastRow);

}  // namespace pane

#endif
