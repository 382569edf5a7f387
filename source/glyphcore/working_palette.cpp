// A small fixed cache of working palettes (see working_palette.h): four slots
// for palettes of up to 16 entries, replaced in turn, and one slot for larger
// palettes.
#include "glyphcore/working_palette.h"

#include <stdint.h>

#include "glyphcore/sprite_record.h"

namespace pane::blit {

namespace {

constexpr uint32_t kOpaque = 0x8000;

// Which slot of a small cache holds what: the slot a record at a given address
// was found in last, asked first (an address names its slot cheaply, the
// contents decide), and the slot replaced next (slots are replaced in turn).
constexpr uint32_t kHints = 8;
struct Ways {
  uint8_t hints[kHints];
  uint32_t nextVictim;
};

// The slot that `matches` accepts, or the one to replace (found false).
template <typename Slot, uint32_t kSlots, typename Matches>
inline Slot& findSlot(Slot (&slots)[kSlots], Ways& ways, const void* address, Matches matches,
                      bool& found) {
  uint8_t& hint = ways.hints[(reinterpret_cast<uintptr_t>(address) >> 1) % kHints];
  found = true;
  if (matches(slots[hint])) return slots[hint];
  for (uint32_t k = 0; k < kSlots; ++k) {
    if (matches(slots[k])) {
      hint = static_cast<uint8_t>(k);
      return slots[k];
    }
  }
  found = false;
  hint = static_cast<uint8_t>(ways.nextVictim);
  ways.nextVictim = (ways.nextVictim + 1) % kSlots;
  return slots[hint];
}

// What a working palette depends on besides its stored entries, in two words:
// the transparent colour and the mask, then the count, the width and inversion.
struct Key {
  uint32_t colours;
  uint32_t shape;
  bool operator==(const Key& other) const {
    return colours == other.colours && shape == other.shape;
  }
};

template <uint32_t kEntries>
struct Slot {
  Key key;  // shape 0 marks an empty slot: every real key has bits >= 1
  uint16_t stored[kEntries];
  // 32-bit colours although 16 bits would hold them: ARM code has no halfword
  // load with a scaled index, and 16-bit entries cost the pixel loops up to one
  // more instruction per pixel (6.20 to 6.45 at 1 bit per index, 7.61 to 8.61
  // at 8); the 1.1 KB they would save is not worth that.
  uint32_t colour[kEntries];

  bool matches(const Key& k, const uint16_t* entries, uint32_t count) const {
    if (!(key == k)) return false;
    for (uint32_t i = 0; i < count; ++i)
      if (stored[i] != entries[i]) return false;
    return true;
  }

  const uint32_t* build(const Key& k, const uint16_t* entries, uint32_t count, uint32_t bits,
                        uint32_t transparent, uint32_t mask, uint32_t invert) {
    key = k;
    int transparentIndex = -1;
    for (uint32_t i = 0; i < count; ++i) {
      const uint16_t e = entries[i];
      stored[i] = e;
      colour[i] = ((e ^ invert) & mask) | kOpaque;
      if ((e | kOpaque) == transparent) transparentIndex = static_cast<int>(i);
    }
    for (uint32_t i = count; i < (1u << bits); ++i) colour[i] = 0;
    if (transparentIndex >= 0) colour[transparentIndex] = 0;
    return colour;
  }
};

constexpr uint32_t kSmallEntries = 16;
constexpr uint32_t kSmallSlots = 4;
Slot<kSmallEntries> smallSlots[kSmallSlots];
Ways smallWays;
Slot<256> largeSlot;

// Two record words at once; records are uint16_t arrays, hence may_alias.
typedef uint32_t __attribute__((__may_alias__)) Pair;

// An expanded tile: the record's header, palette and stream words as they
// were, and its pixels in working colours.
struct Tile {
  uint32_t colours;    // transparent << 16 | mask; 0 (never a real value): empty slot
  uint16_t header[4];  // words 1 to 3 of the record, then inversion
  uint32_t words;      // palette and stream words kept
  alignas(4) uint16_t stored[kSmallEntries + kTilePixels * 4 / 16];
  uint16_t pixels[kTilePixels];

  bool matches(uint32_t c, const uint16_t* sprite, uint16_t invert) const {
    if (colours != c || header[0] != sprite[1] || header[1] != sprite[2] ||
        header[2] != sprite[3] || header[3] != invert)
      return false;
    const uint16_t* from = sprite + 4;
    uint32_t i = 0;
    if ((reinterpret_cast<uintptr_t>(from) & 3) == 0) {  // two words at a time where aligned
      const Pair* a = static_cast<const Pair*>(static_cast<const void*>(stored));
      const Pair* b = static_cast<const Pair*>(static_cast<const void*>(from));
      for (; i + 2 <= words; i += 2)
        if (*a++ != *b++) return false;
    }
    for (; i < words; ++i)
      if (stored[i] != from[i]) return false;
    return true;
  }
};

constexpr uint32_t kTiles = 4;
Tile tiles[kTiles];
Ways tileWays;

}  // namespace

const uint16_t* expandedTile(const uint16_t* sprite, uint32_t tc, uint32_t mask, uint32_t invert) {
  const uint32_t colours = ((tc | kOpaque) & 0xFFFFu) << 16 | (mask & 0xFFFFu);
  const uint16_t inverted = static_cast<uint16_t>(invert & 1u);
  bool found;
  Tile& tile = findSlot(
      tiles, tileWays, sprite, [&](const Tile& t) { return t.matches(colours, sprite, inverted); },
      found);
  if (found) return tile.pixels;
  const uint32_t width = sprite[1] + 1u, height = sprite[2] + 1u, count = sprite[3];
  const uint32_t bits = indexBits(count);
  const uint16_t* entries = sprite + 4;
  const uint32_t* working = workingPalette(entries, count, bits, tc, mask, invert);
  tile.colours = colours;
  tile.header[0] = sprite[1];
  tile.header[1] = sprite[2];
  tile.header[2] = sprite[3];
  tile.header[3] = inverted;
  tile.words = count + (width * height * bits + 15) / 16;
  for (uint32_t i = 0; i < tile.words; ++i) tile.stored[i] = entries[i];
  const uint8_t* stream = reinterpret_cast<const uint8_t*>(entries + count);
  for (uint32_t p = 0; p < width * height; ++p) {
    uint32_t index = 0;
    for (uint32_t b = 0; b < bits; ++b) {  // most significant bit first
      const uint32_t at = p * bits + b;
      index = index << 1 | ((stream[at / 8] >> (7 - at % 8)) & 1u);
    }
    tile.pixels[p] = static_cast<uint16_t>(working[index]);
  }
  return tile.pixels;
}

const uint32_t* workingPalette(const uint16_t* entries, uint32_t count, uint32_t bits, uint32_t tc,
                               uint32_t mask, uint32_t invert) {
  const uint32_t transparent = (tc | kOpaque) & 0xFFFFu;
  mask &= 0xFFFFu;
  const Key key{transparent << 16 | mask, count << 8 | bits << 1 | (invert & 1u)};
  if ((1u << bits) > kSmallEntries) {
    if (largeSlot.matches(key, entries, count)) return largeSlot.colour;
    return largeSlot.build(key, entries, count, bits, transparent, mask, invert);
  }
  bool found;
  Slot<kSmallEntries>& slot = findSlot(
      smallSlots, smallWays, entries,
      [&](const Slot<kSmallEntries>& s) { return s.matches(key, entries, count); }, found);
  if (found) return slot.colour;
  return slot.build(key, entries, count, bits, transparent, mask, invert);
}

}  // namespace pane::blit
