// A small fixed cache of working palettes (see working_palette.h): four slots
// for palettes of up to 16 entries, taken in turn, and one for larger ones.
#include "glyphcore/working_palette.h"

namespace pane::blit {

namespace {

constexpr uint32 kOpaque = 0x8000;

template <uint32 kEntries>
struct Slot {
  bool valid;
  uint32 count, bits, transparent, mask, invert;
  uint16 stored[kEntries];
  uint32 colour[kEntries];

  bool matches(const uint16* entries, uint32 n, uint32 b, uint32 t, uint32 m, uint32 inv) const {
    if (!valid || count != n || bits != b || transparent != t || mask != m || invert != inv)
      return false;
    for (uint32 k = 0; k < n; ++k)
      if (stored[k] != entries[k]) return false;
    return true;
  }

  const uint32* build(const uint16* entries, uint32 n, uint32 b, uint32 t, uint32 m, uint32 inv) {
    valid = true;
    count = n;
    bits = b;
    transparent = t;
    mask = m;
    invert = inv;
    int transparentIndex = -1;
    for (uint32 k = 0; k < n; ++k) {
      const uint16 e = entries[k];
      stored[k] = e;
      colour[k] = ((e ^ inv) & m & 0xFFFFu) | kOpaque;
      if ((e | kOpaque) == t) transparentIndex = static_cast<int>(k);
    }
    for (uint32 k = n; k < (1u << b); ++k) colour[k] = 0;
    if (transparentIndex >= 0) colour[transparentIndex] = 0;
    return colour;
  }
};

constexpr uint32 kSmallEntries = 16;
constexpr uint32 kSmallSlots = 4;
Slot<kSmallEntries> smallSlots[kSmallSlots];
uint32 nextSmallSlot;
Slot<256> largeSlot;

}  // namespace

const uint32* workingPalette(const uint16* entries, uint32 count, uint32 bits, uint32 tc,
                             uint32 mask, uint32 invert) {
  const uint32 transparent = (tc | kOpaque) & 0xFFFFu;
  mask &= 0xFFFFu;
  if ((1u << bits) <= kSmallEntries) {
    for (Slot<kSmallEntries>& slot : smallSlots)
      if (slot.matches(entries, count, bits, transparent, mask, invert)) return slot.colour;
    Slot<kSmallEntries>& slot = smallSlots[nextSmallSlot];
    nextSmallSlot = (nextSmallSlot + 1) % kSmallSlots;
    return slot.build(entries, count, bits, transparent, mask, invert);
  }
  if (largeSlot.matches(entries, count, bits, transparent, mask, invert)) return largeSlot.colour;
  return largeSlot.build(entries, count, bits, transparent, mask, invert);
}

}  // namespace pane::blit
