// The cut-ink warning of the captures.
#include "glyphcast/core/cut_ink.h"

namespace glyphcast {

QString cutInkWarning(const QString& boxes, int count, const QString& one, const QString& many,
                      const Fields& fields, const QString& list) {
  return QStringLiteral(
             "The glyph %1 cut ink off %2 %3 (loc bias %4, %5, width bias %6, height bias %7): "
             "%8.")
      .arg(boxes)
      .arg(count)
      .arg(count == 1 ? one : many)
      .arg(fields.locX, fields.locY, fields.widthBias, fields.heightBias, list);
}

}  // namespace glyphcast
