// Desktop colours to RGB15: the one colour conversion every pixport output uses.
#pragma once

#include <QtGlobal>

namespace pixport {

// A desktop colour packs red in bits 0-7, green in 8-15 and blue in 16-23;
// the all-ones value marks a position the picture cannot give and reads as white.
constexpr quint32 kNoColour = 0xFFFFFFFFu;

// Scales an 8-bit channel to 5 bits, rounded to nearest: (v * 31 + 127) / 255.
constexpr int channelTo5(int v) { return (v * 31 + 127) / 255; }

// RGB15 with red in bits 0-4, green 5-9, blue 10-14 and bit 15 clear (0 to 32767).
constexpr quint16 toRgb15(quint32 desktopColour) {
  const int r = static_cast<int>(desktopColour & 0xFF);
  const int g = static_cast<int>((desktopColour >> 8) & 0xFF);
  const int b = static_cast<int>((desktopColour >> 16) & 0xFF);
  return static_cast<quint16>(channelTo5(r) + 32 * channelTo5(g) + 1024 * channelTo5(b));
}

constexpr quint32 desktopColour(int r, int g, int b) {
  return static_cast<quint32>(r) | (static_cast<quint32>(g) << 8) | (static_cast<quint32>(b) << 16);
}

}  // namespace pixport
