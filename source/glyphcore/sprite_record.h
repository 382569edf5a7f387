// Reading sprite records: the marker of the compressed form, the size words
// of either form and the index width of a palette.
#ifndef PANE_GLYPHCORE_SPRITE_RECORD_H
#define PANE_GLYPHCORE_SPRITE_RECORD_H

#include <stdint.h>

namespace pane {

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

}  // namespace pane

#endif
