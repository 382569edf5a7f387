// The two kinds of font as the string renderer sees them: a 260-slot table,
// read byte by byte, and a Unicode font, read as UTF-8. The drawing pass is
// one template over these faces, so both kinds share every rule of layout,
// decoration, cursor and callback.
#ifndef PANE_GLYPHCORE_TEXT_FACE_H
#define PANE_GLYPHCORE_TEXT_FACE_H

#include <libpane.h>
#include <pane_geometry.h>
#include <stdint.h>

#include "glyphcore/blitter.h"
#include "glyphcore/prepared_draw.h"
#include "glyphcore/sprite_record.h"
#include "glyphcore/text_font.h"
#include "glyphcore/text_state.h"
#include "glyphcore/unicode_font.h"
#include "glyphcore/unicode_glyph.h"
#include "glyphcore/utf8.h"

namespace pane::text {

void drawTableGlyph(uint16_t** font, int x, int y, uint32_t chr, uint16_t* buffer, unsigned maxX,
                    unsigned maxY);

// The same for the glyph a code is shown with (as shownGlyph gives it) and a
// buffer that is there: from its prepared pixels when it can be.
inline void drawShownTableGlyph(uint16_t** font, uint32_t shown, int x, int y, uint16_t* buffer,
                                unsigned maxX, unsigned maxY) {
  const uint16_t* glyph = font[shown];
  if (glyph == nullptr || shown == kSpace) return;
  // Glyphs below 32 are pictures in their own colours; the rest take the font colour.
  const uint32_t mask = shown < kSpace ? 0xFFFFu : textState.fontColor;
  const int top = addSat(y, verticalBias(font, shown));
  const uint32_t tc = transparentValue(font);
  SpriteStyle& style = textState.sprite;
  if (!style.italics && glyph[0] != kCompressedMarker &&
      drawPreparedTableGlyph(glyph, shown, tc, mask, x, top, buffer, maxX, maxY, style))
    return;
  dispGlyph(shown, x, top, const_cast<uint16_t*>(glyph), tc, mask, buffer, maxX, maxY, style);
}

constexpr unsigned kTextLastColumn = PANE_SCREEN_WIDTH - 1;
constexpr uint32_t kUnboldedCodePoint = 0xB7;  // the middle dot, as code 183 of tables

struct TableFace {
  static constexpr bool kUnicode = false;
  uint16_t** font;

  Decoded decode(const uint8_t* s) const { return {*s, 1}; }
  // The glyph a printable code is drawn with, found once per character.
  uint32_t glyphOf(uint32_t c) const { return shownGlyph(font, c); }
  int advanceOf(uint32_t shown) const { return spriteWidth(font[shown]); }
  int advance(uint32_t c) const { return glyphWidth(font, c); }
  int height(uint32_t c) const { return glyphHeight(font, c); }
  // Height of a line that a character starts after a forced break.
  int breakHeight(uint32_t c) const { return glyphHeight(font, shownGlyph(font, c)); }
  int tab() const { return tabDistance(font); }
  void draw(uint32_t shown, uint32_t c, int x, int top, uint16_t* buffer, unsigned rowEnd,
            bool onBand) const {
    (void)c, (void)onBand;
    drawShownTableGlyph(font, shown, x, top, buffer, kTextLastColumn, rowEnd);
    if (textState.bold && shown != kUnboldedGlyph)
      drawShownTableGlyph(font, shown, addSat(x, 1), top, buffer, kTextLastColumn, rowEnd);
  }
};

// One glyph of a Unicode font in the current style: from its prepared pixels
// when it is neither sheared nor a picture and lies within the limits, else
// row by row from its bits.
inline void drawUnicodeGlyph(const PaneFont* font, uint32_t g, int x, int top, uint16_t* buffer,
                             unsigned maxX, unsigned maxY, bool picture, uint32_t mask,
                             const uint16_t* under) {
  const SpriteStyle& style = textState.sprite;
  if (!style.italics && !picture) {
    const uint32_t inversion = style.inverse ? 0xFFFFu : 0u;
    const uint16_t ink = static_cast<uint16_t>(((0x7FFFu ^ inversion) & mask) | 0x8000u);
    if (drawPreparedUnicodeGlyph(font, g, x, top, buffer, maxX, maxY, ink, under)) return;
  }
  drawUnicodeGlyphRows(font, g, x, top, buffer, maxX, maxY, mask, style, under);
}

struct UnicodeFace {
  static constexpr bool kUnicode = true;
  const PaneFont* font;

  Decoded decode(const uint8_t* s) const { return decodeUtf8(s); }
  uint32_t glyphOf(uint32_t c) const { return text::shownGlyph(font, c); }
  int advanceOf(uint32_t g) const { return glyphAdvance(font, g); }
  int advance(uint32_t c) const { return advanceOf(glyphOf(c)); }
  int height(uint32_t) const { return font->lineHeight; }
  int breakHeight(uint32_t) const { return font->lineHeight; }
  int tab() const { return font->tabDistance; }
  // A glyph on a highlight band blends with the band, not the known background.
  void draw(uint32_t g, uint32_t c, int x, int top, uint16_t* buffer, unsigned rowEnd,
            bool onBand) const {
    if (g >= font->glyphCount) return;
    const bool picture = isPicture(font, g);
    const uint32_t mask = picture ? 0xFFFFu : textState.fontColor;
    const uint16_t* under =
        textState.backgroundKnown && !onBand ? &textState.textBackground : nullptr;
    drawUnicodeGlyph(font, g, x, top, buffer, kTextLastColumn, rowEnd, picture, mask, under);
    // Bold's second pass lands on the first one's ink: it blends with what is there.
    if (textState.bold && c != kUnboldedCodePoint)
      drawUnicodeGlyph(font, g, addSat(x, 1), top, buffer, kTextLastColumn, rowEnd, picture, mask,
                       nullptr);
  }
};

// dispChar's one glyph of a Unicode font, the line top at y.
inline void drawUnicodeCharacter(const PaneFont* font, int x, int y, uint32_t c, uint16_t* buffer,
                                 unsigned maxX, unsigned maxY) {
  const uint32_t g = text::shownGlyph(font, c);
  if (buffer == nullptr || g >= font->glyphCount) return;
  const bool picture = isPicture(font, g);
  drawUnicodeGlyph(font, g, x, y, buffer, maxX, maxY, picture,
                   picture ? 0xFFFFu : textState.fontColor,
                   textState.backgroundKnown ? &textState.textBackground : nullptr);
}

}  // namespace pane::text

#endif
