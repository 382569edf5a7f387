// The warning both kinds of font give when the capture settings cut ink off
// some glyphs, naming the settings and the glyphs.
#pragma once

#include <QString>

#include "glyphcast/core/fields.h"

namespace glyphcast {

// "The glyph <boxes> cut ink off <count> <one|many> (loc bias x, y, width bias w, height bias
// h): <list>." Tables speak of glyph boxes and characters, Unicode fonts of glyph cells and
// code points.
QString cutInkWarning(const QString& boxes, int count, const QString& one, const QString& many,
                      const Fields& fields, const QString& list);

}  // namespace glyphcast
