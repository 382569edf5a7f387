// The sprite blitter's two paths and the glyph path of the string renderer.
// They draw with the text style their caller hands them; the exported
// dispCustomSprite hands them the current one.
#ifndef PANE_GLYPHCORE_BLITTER_H
#define PANE_GLYPHCORE_BLITTER_H

#include <stdint.h>

namespace pane {

// The style a sprite is drawn with besides its colours: the part of the text
// state the blitter reads, handed to it by reference so that it costs one
// argument per sprite.
struct SpriteStyle {
  bool italics;    // shear rows by the italic step, row 0 two columns right
  bool inverse;    // every 5-bit channel c drawn as 31 - c before the colour mask
  int italicJump;  // the italic step (rows per step minus one, -1: none); a sprite
                   // drawn without italics leaves -1 here unless it lies wholly outside
};

void dispCustomSpriteNormal(int x, int y, uint16_t* sprite, uint32_t tc, uint32_t colormask,
                            uint16_t* bgFlag, unsigned max_X, unsigned max_Y, SpriteStyle& style);
void dispCustomSpriteCompressed(int x, int y, uint16_t* sprite, uint32_t tc, uint32_t colormask,
                                uint16_t* bgFlag, unsigned max_X, unsigned max_Y,
                                SpriteStyle& style);

// Draws glyph record `sprite` of character code c exactly as dispCustomSprite
// would. A plain record drawn without italics is drawn from its prepared
// pixels, each clipped to the limits; the text path first tries
// drawPreparedTableGlyph, which draws a glyph wholly inside them unclipped.
void dispGlyph(uint32_t c, int x, int y, uint16_t* sprite, uint32_t tc, uint32_t colormask,
               uint16_t* buffer, unsigned max_X, unsigned max_Y, SpriteStyle& style);

}  // namespace pane

#endif
