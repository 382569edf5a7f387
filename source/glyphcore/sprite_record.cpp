// Sprite records and font tables: reading sizes from plain and compressed
// records, palette index widths, and the font-wide values of the current font.
#include "glyphcore/glyphcore_internal.h"

namespace pane {

namespace {
constexpr int kTabStopSlot = 256;
constexpr int kTransparentSlot = 257;
constexpr int kUnderlineSlot = 258;
constexpr int kVerticalBiasSlot = 259;

uint16 fontValue(int slot) {
  if (currentFont == nullptr || currentFont[slot] == nullptr) return 0;
  return *currentFont[slot];
}
}  // namespace

int getVerticalBias(u32 c) {
  if (currentFont == nullptr) return 0;
  const int16* bias = reinterpret_cast<const int16*>(currentFont[kVerticalBiasSlot]);
  if (bias == nullptr) return 0;
  return bias[c & 0xFF];
}

}  // namespace pane

using namespace pane;

extern "C" {

uint32 getSpriteWidth(uint16* sprite) { return getSpriteWidthInternal(sprite); }

uint32 getSpriteHeight(uint16* sprite) { return getSpriteHeightInternal(sprite); }

bool isArbitraryGlyphAvailable(u32 c, uint16** FP) {
  if (FP == nullptr || c > 255) return false;
  return FP[c] != nullptr;
}

bool isGlyphAvailable(u32 c) { return isArbitraryGlyphAvailable(c, currentFont); }

uint32 bitsFromPal(uint32 palHigh) { return indexBits(palHigh); }

uint32 bitMaskCalc(uint32 palHigh) { return (1u << bitsFromPal(palHigh)) - 1u; }

// Font-wide values read 0 while no font is set, instead of dereferencing null.
uint32 getTabStop(void) { return fontValue(kTabStopSlot); }

uint16 getTransparentColorFont(void) { return fontValue(kTransparentSlot); }

uint32 getUnderline(void) { return fontValue(kUnderlineSlot); }

}  // extern "C"
