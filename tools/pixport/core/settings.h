// Conversion settings: what the window's controls (or the command line) choose,
// and the sizes, order and output mode a conversion runs with.
#pragma once

#include <QString>

namespace pixport {

enum class SizeOption { Size32, Size16, Size8, Custom };

// The choices as the window shows them, before they are read.
struct Choices {
  SizeOption size = SizeOption::Size16;
  QString customWidth;      // Text1
  QString customHeight;     // Text2
  bool tileOrder = true;    // "8x8 Sprites" rather than "Straight Across"
  bool binFile = false;     // "BIN File" rather than "Include Array"
  bool sizeBytes = false;   // "Include Initial Size Bytes"
  qint32 transparent = -1;  // RGB15 value for pixels under half opacity; -1: shown over white
};

struct Settings {
  qint32 w1 = 0;  // last column index: width - 1
  qint32 h1 = 0;  // last row index: height - 1
  bool tileOrder = true;
  bool binFile = false;
  bool sizeHeader = false;  // only with the custom size
  qint32 transparent = -1;  // RGB15 value of pixels with alpha below half; -1: none
};

// Largest side of a custom size: the BIN header holds width - 1 as a signed 16-bit word.
constexpr qint64 kMaxSide = 32768;

// Whether a side of a size typed on the command line is a plain decimal number:
// digits with an optional fraction (16.5), no sign, exponent or spaces.
bool isSizeNumber(const QString& text);

// The last index of a custom size field: the number minus 1, rounded to the
// nearest integer with halves to even ("16.5" and "17.5" both give 16).
// Text that is not a number, the empty text included, gives 0: one pixel.
qint64 readSizeField(const QString& text);

// Turns the choices into settings. Refuses a custom side below 1 or above
// kMaxSide with a message and returns false.
bool resolveSettings(const Choices& choices, Settings* settings, QString* error);

}  // namespace pixport
