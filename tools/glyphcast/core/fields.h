// The conversion's inputs as the user types them: the window's fields, or the
// command line's options, all kept as text until a step reads them.
#pragma once

#include <QString>

namespace glyphcast {

struct Fields {
  QString fontName;                          // Text3
  QString size = QStringLiteral("12");       // Text4, in points
  QString widthBias = QStringLiteral("0");   // Text11
  QString heightBias = QStringLiteral("0");  // Text5
  QString locX = QStringLiteral("0");        // Text6, drawing position in the capture box
  QString locY = QStringLiteral("0");        // Text12
  QString underline = QStringLiteral("12");  // ULine
  bool bold = false;                         // Check1
  bool italic = false;                       // Check2
};

}  // namespace glyphcast
