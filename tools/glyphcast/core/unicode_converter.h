// One Unicode font conversion: each code point captured from the first face of a
// fallback order that has it, in a cell of the first face's line height, drawn at
// one bit per pixel (unsmoothed) or as 2- or 4-bit coverage (smoothed) and kept as
// its ink box; the button pictures at U+E000.
#pragma once

#include "glyphcast/core/code_points.h"
#include "glyphcast/core/converter.h"
#include "glyphcast/core/fields.h"
#include "glyphcast/core/image_capture_box.h"
#include "glyphcast/core/unicode_font.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace glyphcast {

// One font of the fallback order.
struct UnicodeFace {
  QString family;       // the family the notes name and the capture asks for
  QString drawFamily;   // when set, asked for in its place ("Family [Foundry]")
  QByteArray fileData;  // the font file the family comes from; empty: installed
};

struct UnicodeRequest {
  // The code points asked for; the space and the button pictures are added.
  CodePoints codePoints;
  // false: none were asked for (no range, no symbols), and the font holds
  // printable ASCII, U+0020-U+007E.
  bool codePointsGiven = false;
  std::vector<UnicodeFace> faces;  // at least one; the first gives the font's names
  ConvertOptions options;          // name and exact; smooth is ignored (see bitsPerPixel)
  // 1: ink or none, drawn unsmoothed; 2 or 4: each pixel's coverage, drawn smoothed
  // and rounded to the nearest of 0 to 3 or 0 to 15.
  int bitsPerPixel = 1;
  // Whether the font is written as C source, whose name must then be a C name;
  // a binary file alone needs none.
  bool cSource = true;
  YieldFn yield;        // after each glyph; may be empty
  ProgressFn progress;  // may be empty
};

struct UnicodeConversion {
  bool ok = false;
  QString message;                     // why the run was refused (when not ok)
  QString note;                        // what was drawn other than asked (see Conversion::note)
  QString warning;                     // the code points whose ink the cell cuts
  std::vector<std::uint32_t> missing;  // code points no face has
  UnicodeFont font;
  QString name;   // the C name of the font
  QString about;  // what the source's comment lines say, one line each
};

// The code point of the first button picture; the fourteen follow in the order of
// the classic special glyphs (A, B, X, Y, left, up, down, right, Select, Start, L, R, ^, v).
constexpr std::uint32_t kButtonFirst = 0xE000;
constexpr std::uint32_t kReplacementCharacter = 0xFFFD;

// Needs a QGuiApplication. The fields are those of the first face; the others
// take the same settings.
UnicodeConversion convertUnicodeFont(ImageCaptureBox& box, const Fields& fields,
                                     const UnicodeRequest& request);

// "1234 glyphs, 45678 bytes": the report of a conversion, the bytes those of the
// binary file.
QString unicodeReport(const UnicodeConversion& conversion);

// The warning naming the code points no face has (empty when none is missing).
QString missingWarning(const UnicodeConversion& conversion);

}  // namespace glyphcast
