// The round-trip test picture, shared by the program that writes it as PNG and
// by the tests that predict what pixport makes of it.
#ifndef ROUNDTRIP_PICTURE_PATTERN_H
#define ROUNDTRIP_PICTURE_PATTERN_H

#include <cstdint>

namespace roundtrip {

// The picture is larger than the sprite: pixport converts its top-left corner.
constexpr int kPictureWidth = 20;
constexpr int kPictureHeight = 14;
// An odd width, so that rows of the compressed index stream start mid-byte.
constexpr int kSpriteWidth = 13;
constexpr int kSpriteHeight = 9;

struct Rgb {
  int r, g, b;
};

// 23 colours in diagonal stripes: a palette of 5-bit indices that straddle
// byte boundaries. Colour 0 is magenta, the sprite's transparent colour.
inline Rgb picturePixel(int x, int y) {
  const int k = (x * 5 + y * 3) % 23;
  if (k == 0) return {255, 0, 255};
  return {(k * 37) % 256, (k * 91 + 13) % 256, 255 - k * 11};
}

// An 8-bit channel rounded to 5 bits, as every tool converts it.
inline std::uint16_t toFiveBits(int v) { return static_cast<std::uint16_t>((v * 31 + 127) / 255); }

inline std::uint16_t toRgb15(Rgb c) {
  return static_cast<std::uint16_t>(toFiveBits(c.r) | toFiveBits(c.g) << 5 | toFiveBits(c.b) << 10);
}

inline std::uint16_t transparentRgb15() { return toRgb15({255, 0, 255}); }

}  // namespace roundtrip

#endif
