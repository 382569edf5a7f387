// Font-table readers of the text code: glyph slots, advances, line heights and
// the font-wide values, with the control codes that strings may carry.
#ifndef PANE_GLYPHCORE_TEXT_FONT_H
#define PANE_GLYPHCORE_TEXT_FONT_H

#include <stdint.h>

#include "glyphcore/saturate.h"
#include "glyphcore/sprite_record.h"

namespace pane::text {

// Byte values with a meaning of their own inside strings.
enum : uint8_t {
  kEndOfString = 0,
  kBell = 7,       // pen one pixel right
  kBackspace = 8,  // pen one pixel left
  kTab = 9,
  kLineFeed = 10,
  kRowUp = 11,
  kRowDown = 12,
  kReturn = 13,
  kWrapMark = 27,  // line end; the layout writes it over the space a line wraps at
  kSpace = 32,
};

constexpr uint32_t kReplacementGlyph = 63;  // drawn and measured for codes without a glyph
constexpr uint32_t kUnboldedGlyph = 183;    // the one glyph bold never doubles
constexpr int kLineGap = 2;                 // rows between one line's height and the next top

// Font slots past the 256 glyphs.
constexpr int kTabSlot = 256;
constexpr int kTransparentSlot = 257;
constexpr int kUnderlineSlot = 258;
constexpr int kBiasSlot = 259;

inline bool isLineEnd(uint32_t c) { return c == kLineFeed || c == kReturn || c == kWrapMark; }

// Control codes never draw a glyph from a string; everything else is printable.
inline bool isControl(uint32_t c) { return (c >= kBell && c <= kReturn) || c == kWrapMark; }

// Codes outside 0..255 have no glyph, so they can never reach the settings slots.
inline uint16_t* glyphSlot(uint16_t** font, uint32_t c) { return c < 256 ? font[c] : nullptr; }

inline int spriteWidth(const uint16_t* sprite) {
  return sprite != nullptr ? static_cast<int>(getSpriteWidthInternal(sprite)) : 0;
}

inline int spriteHeight(const uint16_t* sprite) {
  return sprite != nullptr ? static_cast<int>(getSpriteHeightInternal(sprite)) : 0;
}

// The glyph a printable code is drawn with: its own, or the replacement glyph.
inline uint32_t shownGlyph(uint16_t** font, uint32_t c) {
  return glyphSlot(font, c) != nullptr ? c : kReplacementGlyph;
}

// Pen advance of a printable code.
inline int glyphWidth(uint16_t** font, uint32_t c) {
  return spriteWidth(font[shownGlyph(font, c)]);
}

// Height a code adds to its line: its own glyph, or the space for codes without one.
inline int glyphHeight(uint16_t** font, uint32_t c) {
  uint16_t* glyph = glyphSlot(font, c);
  return spriteHeight(glyph != nullptr ? glyph : font[kSpace]);
}

// Width of the code's own glyph, 0 without one: control codes have no replacement.
inline int ownWidth(uint16_t** font, uint32_t c) { return spriteWidth(glyphSlot(font, c)); }

inline int fontValue(uint16_t** font, int slot) { return font[slot] != nullptr ? *font[slot] : 0; }

inline int spaceHeight(uint16_t** font) { return spriteHeight(font[kSpace]); }
inline int tabDistance(uint16_t** font) { return fontValue(font, kTabSlot); }
inline int underlineOffset(uint16_t** font) { return fontValue(font, kUnderlineSlot); }
inline uint16_t transparentValue(uint16_t** font) {
  return static_cast<uint16_t>(fontValue(font, kTransparentSlot));
}

inline int verticalBias(uint16_t** font, uint32_t c) {
  const int16_t* bias = reinterpret_cast<const int16_t*>(font[kBiasSlot]);
  return bias != nullptr && c < 256 ? bias[c] : 0;
}

// Tab stops lie at multiples of the tab distance counted from column 0 of the
// buffer; a pen left of column 0 goes to column 0. A font without a tab
// distance leaves the pen where it is.
inline int tabStopAfter(int penX, int distance) {
  if (penX < 0) return 0;
  if (distance <= 0) return penX;
  return clampToInt((static_cast<long long>(penX / distance) + 1) * distance);
}

}  // namespace pane::text

#endif
