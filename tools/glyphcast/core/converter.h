// One font conversion: reads the fields, sets the capture font, captures the 163
// glyphs, appends the template and fills the placeholders. Refuses settings whose
// output would not compile or would hold only blank glyphs, with a message, and
// warns of glyphs whose ink the settings cut.
#pragma once

#include "glyphcast/core/capture_box.h"
#include "glyphcast/core/fields.h"
#include "glyphcast/core/glyph_source.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

namespace glyphcast {

// What the command line adds to the window's fields.
struct ConvertOptions {
  bool smooth = true;  // false draws 1-bit glyphs
  // When set, the prefix of every array and the font table's name, in place of
  // the names made from the font name and size; the output then starts with
  // "#include <libpane.h>" and compiles by itself.
  QString name;
  bool exact = false;  // refuse a family that another family answers for
  // When set, the family name the capture box asks for in place of the font
  // name, e.g. "Family [Foundry]" for one foundry's face of a family.
  QString drawFamily;
  // The font file the family comes from (see CaptureFont::fileData).
  QByteArray fileData;
  // Each face draws its own glyphs only (see CaptureFont::ownGlyphsOnly).
  bool ownGlyphsOnly = false;
};

// Called before each glyph is captured: glyph number (1-based) and the count.
using ProgressFn = std::function<void(int glyph, int count)>;

// Where a conversion reads its inputs. The fields are read afresh at each step
// that uses them (start, every glyph, the final replacement), so the window's
// edits during a run take effect as they would between steps.
struct ConvertSource {
  std::function<Fields()> fields;
  std::function<QString()> templateText;  // read once, after the glyphs
  YieldFn yield;                          // after each pixel row; may be empty
  ProgressFn progress;                    // may be empty
  ConvertOptions options;
};

// One captured character as its array holds it.
struct CapturedGlyph {
  int code = 0;
  int w = 0;  // header values: columns and rows, each less one
  int h = 0;
  std::vector<std::uint16_t> pixels;  // (w + 1) x (h + 1) RGB15 values, row by row
};

struct Conversion {
  bool ok = false;
  QString text;     // the whole font source, CR LF line ends (when ok)
  QString message;  // why the run was refused or stopped (when not ok)
  // What was drawn other than asked: another family, a bitmap font's own size,
  // characters the font lacks.
  QString note;
  QString warning;  // the characters whose ink lies outside their glyph (when ok)
  // What the text is made of (when ok): the glyphs in capture order, the names,
  // and the template with its placeholders filled, as it ends the text.
  std::vector<CapturedGlyph> glyphs;
  QString prefix;
  QString tableName;
  QString templatePart;
  Fields fields;  // as read at the end of the run
};

Conversion convertFont(CaptureBox& box, const ConvertSource& source);

// Fixed inputs: what the command line and the tests use.
Conversion convertFont(CaptureBox& box, const Fields& fields, const QString& templateText,
                       const ConvertOptions& options);
Conversion convertFont(CaptureBox& box, const Fields& fields, const QString& templateText,
                       bool smooth = true);

// Where each glyph is drawn in the capture box and what its cell adds.
struct GlyphPlacement {
  int x = 0;  // loc bias: the cell's top-left corner in the box
  int y = 0;
  double widthBias = 0;
  double heightBias = 0;
};

// The checks every conversion starts with, the font set in the box: the fields
// read, the family answered as asked (options.exact), a bitmap face's size. Notes
// of what is drawn other than asked go to *note (space-separated); false with
// *message for settings that are refused.
bool startCapture(CaptureBox& box, const Fields& fields, const ConvertOptions& options,
                  GlyphPlacement* placement, QString* message, QString* note);

// Message for a run stopped through the yield.
QString stoppedMessage();

}  // namespace glyphcast
