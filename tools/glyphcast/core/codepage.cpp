// Windows-1252 to Unicode: a table for 0x80-0x9F, Latin-1 elsewhere.
#include "glyphcast/core/codepage.h"

#include <QStringList>

#include <cstdint>

namespace glyphcast {

namespace {

const std::uint16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

}  // namespace

QChar unicodeFromWindows1252(int code) {
  if (code >= 0x80 && code <= 0x9F) return QChar(kHighControls[code - 0x80]);
  return QChar(static_cast<char16_t>(code & 0xFF));
}

QString codeName(int code) {
  return QStringLiteral("code %1, '%2'").arg(code).arg(unicodeFromWindows1252(code));
}

QString codeList(const QList<int>& codes) {
  QStringList names;
  for (int code : codes)
    names << QStringLiteral("%1 '%2'").arg(code).arg(unicodeFromWindows1252(code));
  return names.join(QLatin1String(", "));
}

}  // namespace glyphcast
