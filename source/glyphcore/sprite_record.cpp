// Sprite records and font tables: reading sizes from plain and compressed
// records, palette index widths, and the font-wide values of the current font.
#include "glyphcore/sprite_record.h"

#include <libpane.h>

#include "glyphcore/text_state.h"

namespace pane {

namespace {
constexpr int kTabStopSlot = 256;
constexpr int kTransparentSlot = 257;
constexpr int kUnderlineSlot = 258;

uint16_t fontValue(int slot) {
  if (textState.currentFont == nullptr || textState.currentFont[slot] == nullptr) return 0;
  return *textState.currentFont[slot];
}
}  // namespace

}  // namespace pane

using namespace pane;

extern "C" {

uint32_t getSpriteWidth(uint16_t* sprite) { return getSpriteWidthInternal(sprite); }

uint32_t getSpriteHeight(uint16_t* sprite) { return getSpriteHeightInternal(sprite); }

bool isArbitraryGlyphAvailable(uint32_t c, uint16_t** FP) {
  if (FP == nullptr || c > 255) return false;
  return FP[c] != nullptr;
}

bool isGlyphAvailable(uint32_t c) {
  if (textState.unicodeFont != nullptr) return isUnicodeGlyphAvailable(c, textState.unicodeFont);
  return isArbitraryGlyphAvailable(c, textState.currentFont);
}

uint32_t bitsFromPal(uint32_t palHigh) { return indexBits(palHigh); }

uint32_t bitMaskCalc(uint32_t palHigh) { return (1u << bitsFromPal(palHigh)) - 1u; }

// Font-wide values read 0 while no font is set, instead of dereferencing null.
uint32_t getTabStop(void) {
  const PaneFont* unicode = textState.unicodeFont;
  return unicode != nullptr ? unicode->tabDistance : fontValue(kTabStopSlot);
}

uint16_t getTransparentColorFont(void) {
  const PaneFont* unicode = textState.unicodeFont;
  return unicode != nullptr ? unicode->transparent : fontValue(kTransparentSlot);
}

uint32_t getUnderline(void) {
  const PaneFont* unicode = textState.unicodeFont;
  return unicode != nullptr ? unicode->underline : fontValue(kUnderlineSlot);
}

}  // extern "C"
