// One font conversion: reads the fields, sets the capture font, captures the 163
// glyphs, appends the template and fills the placeholders. Refuses unusable
// settings with a message instead of writing a malformed array.
#pragma once

#include "glyphcast/core/capture_box.h"
#include "glyphcast/core/fields.h"
#include "glyphcast/core/glyph_source.h"

#include <QString>

#include <functional>

namespace glyphcast {

// Largest glyph side in pixels: the width of a DS screen buffer.
constexpr int kMaxGlyphSide = 256;

// Where a conversion reads its inputs. The fields are read afresh at each step
// that uses them (start, every glyph, the final replacement), so the window's
// edits during a run take effect as they would between steps.
struct ConvertSource {
    std::function<Fields()> fields;
    std::function<QString()> templateText;  // read once, after the glyphs
    YieldFn yield;                          // after each pixel row; may be empty
    bool smooth = true;                     // false draws 1-bit glyphs
};

struct Conversion {
    bool ok = false;
    QString text;     // the whole font source, CR LF line ends (when ok)
    QString message;  // why the run was refused or stopped (when not ok)
    QString note;     // the substitution of the font, when another family draws it
};

Conversion convertFont(CaptureBox& box, const ConvertSource& source);

// Fixed inputs: what the command line and the tests use.
Conversion convertFont(CaptureBox& box, const Fields& fields, const QString& templateText,
                       bool smooth = true);

// Message for a run stopped through the yield.
QString stoppedMessage();

}  // namespace glyphcast
