// Drawing one glyph of a Unicode font: 1-bit ink in the font colour, or a
// picture in its own colours, with inverse, italic shear and clipping as the
// sprite blitter applies them to glyph records.
#ifndef PANE_GLYPHCORE_UNICODE_GLYPH_H
#define PANE_GLYPHCORE_UNICODE_GLYPH_H

#include <libpane.h>
#include <stdint.h>

#include "glyphcore/blitter.h"

namespace pane::text {

// Draws glyph g (an index below the glyph count) of font for the pen at column
// x on the line whose top is row `top`, row by row from its bits (the text
// code first tries the glyph's prepared pixels): columns up to maxX inclusive
// and never past 255, rows below maxY, none left of column 0 or above row 0.
// Ink is drawn as colourMask | 0x8000 (inverse: black), and coverage blends it
// with what lies under it, or over *background when that is given; with
// italics the line's cell is sheared as a glyph record of the line's height
// would be.
void drawUnicodeGlyphRows(const PaneFont* font, uint32_t g, int x, int top, uint16_t* buffer,
                          unsigned maxX, unsigned maxY, uint32_t colourMask,
                          const SpriteStyle& style, const uint16_t* background);

}  // namespace pane::text

#endif
