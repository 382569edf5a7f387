// Small pieces of the C array text shared by captured and special glyph arrays.
#pragma once

#include <QString>

namespace glyphcast {

inline const QString kCrLf = QStringLiteral("\r\n");

// "static uint16 " + name + "[] = ": the start of every glyph array declaration.
inline QString glyphDeclaration(const QString& name) {
  return QLatin1String("static uint16 ") + name + QLatin1String("[] = ");
}

// First line of a glyph body: its header values (columns and rows, each less one).
inline QString glyphHeaderLine(int w, int h) {
  return QStringLiteral("{ %1, %2, //width, height").arg(w).arg(h) + kCrLf;
}

}  // namespace glyphcast
