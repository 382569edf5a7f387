// A small fixed cache of working palettes (see working_palette.h): four slots
// for palettes of up to 16 entries, replaced in turn, and one slot for larger
// palettes.
#include "glyphcore/working_palette.h"

#include <stdint.h>

namespace pane::blit {

namespace {

constexpr uint32 kOpaque = 0x8000;

// What a working palette depends on besides its stored entries, in two words:
// the transparent colour and the mask, then the count, the width and inversion.
struct Key {
  uint32 colours;
  uint32 shape;
  bool operator==(const Key& other) const { return colours == other.colours && shape == other.shape; }
};

template <uint32 kEntries>
struct Slot {
  Key key;  // shape 0 marks an empty slot: every real key has bits >= 1
  uint16 stored[kEntries];
  uint32 colour[kEntries];

  bool matches(const Key& k, const uint16* entries, uint32 count) const {
    if (!(key == k)) return false;
    for (uint32 i = 0; i < count; ++i)
      if (stored[i] != entries[i]) return false;
    return true;
  }

  const uint32* build(const Key& k, const uint16* entries, uint32 count, uint32 bits,
                      uint32 transparent, uint32 mask, uint32 invert) {
    key = k;
    int transparentIndex = -1;
    for (uint32 i = 0; i < count; ++i) {
      const uint16 e = entries[i];
      stored[i] = e;
      colour[i] = ((e ^ invert) & mask) | kOpaque;
      if ((e | kOpaque) == transparent) transparentIndex = static_cast<int>(i);
    }
    for (uint32 i = count; i < (1u << bits); ++i) colour[i] = 0;
    if (transparentIndex >= 0) colour[transparentIndex] = 0;
    return colour;
  }
};

constexpr uint32 kSmallEntries = 16;
constexpr uint32 kSmallSlots = 4;
constexpr uint32 kHints = 8;
Slot<kSmallEntries> smallSlots[kSmallSlots];
// The slot a palette at a given address was found in last, asked first:
// a palette's address names its slot cheaply, its contents decide.
uint8 hints[kHints];
uint32 nextVictim = 0;  // slots are replaced in turn
Slot<256> largeSlot;

}  // namespace

const uint32* workingPalette(const uint16* entries, uint32 count, uint32 bits, uint32 tc,
                             uint32 mask, uint32 invert) {
  const uint32 transparent = (tc | kOpaque) & 0xFFFFu;
  mask &= 0xFFFFu;
  const Key key{transparent << 16 | mask, count << 8 | bits << 1 | (invert & 1u)};
  if ((1u << bits) > kSmallEntries) {
    if (largeSlot.matches(key, entries, count)) return largeSlot.colour;
    return largeSlot.build(key, entries, count, bits, transparent, mask, invert);
  }
  uint8& hint = hints[(reinterpret_cast<uintptr_t>(entries) >> 1) % kHints];
  if (smallSlots[hint].matches(key, entries, count)) return smallSlots[hint].colour;
  for (uint32 k = 0; k < kSmallSlots; ++k) {
    if (smallSlots[k].matches(key, entries, count)) {
      hint = static_cast<uint8>(k);
      return smallSlots[k].colour;
    }
  }
  hint = static_cast<uint8>(nextVictim);
  nextVictim = (nextVictim + 1) % kSmallSlots;
  return smallSlots[hint].build(key, entries, count, bits, transparent, mask, invert);
}

}  // namespace pane::blit
