// The pixel loops of prepared glyphs (see prepared_kernels.h): one load of an
// offset and one store per pixel, four pixels per loop turn. Blending goes
// through per-channel tables built once per ink colour, so a blended pixel is
// three table loads and two ORs.
#include "glyphcore/prepared_kernels.h"

#include <nds.h>
#include <stddef.h>
#include <stdint.h>

#include "glyphcore/coverage_blend.h"

namespace pane::text {

namespace {

// Everything the two entry points call is inlined into them, so that all of
// their loops run from where they are placed.
#define PANE_INLINE inline __attribute__((always_inline))

PANE_INLINE uint16_t& at(uint8_t* origin, uint32_t offset) {
  return *reinterpret_cast<uint16_t*>(origin + offset);
}

PANE_INLINE void writeList(const uint16_t* list, uint32_t n, uint8_t* origin, uint16_t colour) {
  for (; n >= 4; n -= 4, list += 4) {
    at(origin, list[0]) = colour;
    at(origin, list[1]) = colour;
    at(origin, list[2]) = colour;
    at(origin, list[3]) = colour;
  }
  for (; n != 0; --n) at(origin, *list++) = colour;
}

// Each 5-bit channel of ink over a channel value v at coverage a is
// channel[a - 1][channel][v], shifted into place; red's entries carry bit 15.
struct BlendTables {
  uint16_t channel[15][3][32];
};

uint32_t builtInk = 0xFFFFFFFFu;  // no colour: the first request builds the tables
uint32_t builtAmax = 0;
BlendTables tables;

__attribute__((noinline)) void buildBlendTables(uint32_t ink, uint32_t amax) {
  for (uint32_t a = 1; a < amax; ++a)
    for (uint32_t v = 0; v < 32; ++v) {
      tables.channel[a - 1][0][v] =
          static_cast<uint16_t>(blendChannel(v, ink & 31u, a, amax) | 0x8000u);
      tables.channel[a - 1][1][v] =
          static_cast<uint16_t>(blendChannel(v, (ink >> 5) & 31u, a, amax) << 5);
      tables.channel[a - 1][2][v] =
          static_cast<uint16_t>(blendChannel(v, (ink >> 10) & 31u, a, amax) << 10);
    }
  builtInk = ink;
  builtAmax = amax;
}

PANE_INLINE const BlendTables& blendTables(uint32_t ink, uint32_t amax) {
  if (builtInk != ink || builtAmax != amax) buildBlendTables(ink, amax);
  return tables;
}

PANE_INLINE uint32_t entry(const uint8_t* table, uint32_t byteOffset) {
  return *reinterpret_cast<const uint16_t*>(table + byteOffset);
}

// Each channel's table entry is found by its byte offset, one AND of a shifted
// pixel away.
PANE_INLINE void blendList(const uint16_t* list, uint32_t n, uint8_t* origin,
                           const uint16_t (&c)[3][32]) {
  const uint8_t* red = reinterpret_cast<const uint8_t*>(c[0]);
  const uint8_t* green = reinterpret_cast<const uint8_t*>(c[1]);
  const uint8_t* blue = reinterpret_cast<const uint8_t*>(c[2]);
  for (; n != 0; --n) {
    uint16_t& p = at(origin, *list++);
    const uint32_t u = p;
    p = static_cast<uint16_t>(entry(red, (u << 1) & 62u) | entry(green, (u >> 4) & 62u) |
                              entry(blue, (u >> 9) & 62u));
  }
}

typedef uint32_t __attribute__((__may_alias__)) ListWord;

// A word per pixel: the offset in the top half, the colour q in the bottom one.
template <blit::Ink kInk>
PANE_INLINE void colourPixel(uint32_t w, uint8_t* origin, uint32_t ink) {
  at(origin, w >> 16) =
      static_cast<uint16_t>((kInk == blit::Ink::InvertMask ? w ^ 0x7FFFu : w) & ink);
}

template <blit::Ink kInk>
PANE_INLINE void colourList(const ListWord* list, uint32_t n, uint8_t* origin, uint32_t ink) {
  for (; n >= 4; n -= 4, list += 4) {
    colourPixel<kInk>(list[0], origin, ink);
    colourPixel<kInk>(list[1], origin, ink);
    colourPixel<kInk>(list[2], origin, ink);
    colourPixel<kInk>(list[3], origin, ink);
  }
  for (; n != 0; --n) colourPixel<kInk>(*list++, origin, ink);
}

}  // namespace

ITCM_CODE void drawColourList(const uint16_t* list, uint8_t* origin, blit::Ink ink, uint32_t mask) {
  const uint32_t n = list[0];
  const ListWord* words = static_cast<const ListWord*>(static_cast<const void*>(list + 2));
  // The ink has no bits above 15, so the AND also clears the offset.
  const uint32_t colours = (mask | blit::kOpaque) & 0xFFFFu;
  if (ink == blit::Ink::InvertMask)
    colourList<blit::Ink::InvertMask>(words, n, origin, colours);
  else
    colourList<blit::Ink::Mask>(words, n, origin, colours);
}

void drawColourListClipped(const uint16_t* list, uint16_t* buffer, uint32_t x, uint32_t y,
                           uint32_t lastColumn, uint32_t rowEnd, blit::Ink ink, uint32_t mask) {
  const uint32_t n = list[0];
  const ListWord* words = static_cast<const ListWord*>(static_cast<const void*>(list + 2));
  const uint32_t colours = (mask | blit::kOpaque) & 0xFFFFu;
  for (uint32_t k = 0; k < n; ++k) {
    const uint32_t w = words[k];
    const uint32_t offset = w >> 17;  // the pixel's row * 256 + column
    const uint32_t column = x + (offset & 255u), row = y + (offset >> 8);
    if (column > lastColumn || row >= rowEnd) continue;
    const uint32_t q = ink == blit::Ink::InvertMask ? w ^ 0x7FFFu : w;
    buffer[static_cast<size_t>(row) * blit::kRowPixels + column] =
        static_cast<uint16_t>(q & colours);
  }
}

ITCM_CODE void drawCoverageLists(const uint16_t* lists, uint8_t* origin, uint32_t amax,
                                 uint16_t ink, const uint16_t* known) {
  if (amax == 1) {
    writeList(lists + 1, lists[0], origin, ink);
    return;
  }
  if (known != nullptr) {
    for (uint32_t a = amax; a != 0; --a, lists += lists[-1]) {
      const uint32_t n = *lists++;
      if (n != 0) writeList(lists, n, origin, known[a]);
    }
    return;
  }
  const BlendTables& blends = blendTables(ink, amax);
  for (uint32_t a = amax; a != 0; --a, lists += lists[-1]) {
    const uint32_t n = *lists++;
    if (n == 0) continue;
    if (a == amax)
      writeList(lists, n, origin, ink);
    else
      blendList(lists, n, origin, blends.channel[a - 1]);
  }
}

}  // namespace pane::text
