// Parsing code point ranges and symbol files, and naming runs of points.
#include "glyphcast/core/code_points.h"

#include <QStringList>

namespace glyphcast {

namespace {

constexpr std::uint32_t kLastCodePoint = 0x10FFFF;

bool drawable(std::uint32_t point) { return point >= 0x20 && (point < 0xD800 || point > 0xDFFF); }

std::optional<std::uint32_t> parsePoint(const QString& text) {
  const QString t = text.trimmed();
  bool ok = false;
  qulonglong value = 0;
  if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
    value = t.size() > 2 ? t.mid(2).toULongLong(&ok, 16) : 0;
  else if (t.startsWith(QLatin1String("U+"), Qt::CaseInsensitive))
    value = t.size() > 2 ? t.mid(2).toULongLong(&ok, 16) : 0;
  else if (!t.isEmpty() && t[0].isDigit())
    value = t.toULongLong(&ok, 10);
  if (!ok || value > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<std::uint32_t>(value);
}

QString hex(std::uint32_t point) {
  return QStringLiteral("U+%1").arg(point, 4, 16, QLatin1Char('0')).toUpper();
}

}  // namespace

bool addRanges(const QString& text, CodePoints* points, QString* error) {
  for (const QString& item : text.split(QLatin1Char(','))) {
    const qsizetype dash = item.indexOf(QLatin1Char('-'));
    const std::optional<std::uint32_t> first = parsePoint(dash < 0 ? item : item.left(dash));
    const std::optional<std::uint32_t> last = dash < 0 ? first : parsePoint(item.mid(dash + 1));
    if (!first || !last) {
      *error = QStringLiteral(
                   "the range \"%1\" is not a code point or first-last run in hex (0x3040) or "
                   "decimal")
                   .arg(item.trimmed());
      return false;
    }
    if (*last < *first) {
      *error = QStringLiteral("the range \"%1\" ends before it starts").arg(item.trimmed());
      return false;
    }
    if (*last > kLastCodePoint) {
      *error = QStringLiteral("the range \"%1\" goes past U+10FFFF, the last code point")
                   .arg(item.trimmed());
      return false;
    }
    for (std::uint32_t p = *first; p <= *last; ++p) {
      if (drawable(p)) points->insert(p);
    }
  }
  return true;
}

bool addSymbols(const QByteArray& utf8, CodePoints* points, QString* error) {
  const auto* s = reinterpret_cast<const unsigned char*>(utf8.constData());
  const qsizetype n = utf8.size();
  qsizetype i = 0;
  if (n >= 3 && s[0] == 0xEF && s[1] == 0xBB && s[2] == 0xBF) i = 3;  // byte order mark
  while (i < n) {
    const unsigned char lead = s[i];
    int length = 0;
    std::uint32_t point = 0;
    std::uint32_t least = 0;  // the smallest point of that length: shorter forms are overlong
    if (lead < 0x80) {
      length = 1;
      point = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
      point = lead & 0x1F;
      least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
      point = lead & 0x0F;
      least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
      point = lead & 0x07;
      least = 0x10000;
    }
    bool ok = length > 0 && i + length <= n;
    for (int k = 1; ok && k < length; ++k) {
      ok = (s[i + k] & 0xC0) == 0x80;
      point = point << 6 | (s[i + k] & 0x3F);
    }
    ok = ok && point >= least && point <= kLastCodePoint && (point < 0xD800 || point > 0xDFFF);
    if (!ok) {
      *error = QStringLiteral("is not UTF-8 text (byte %1)").arg(i);
      return false;
    }
    if (point >= 0x20) points->insert(point);
    i += length;
  }
  return true;
}

void addPrintableAscii(CodePoints* points) {
  for (std::uint32_t p = 0x20; p <= 0x7E; ++p) points->insert(p);
}

QString codePointList(const std::vector<std::uint32_t>& points, int maxRuns) {
  QStringList runs;
  int runCount = 0;
  for (size_t i = 0; i < points.size();) {
    size_t j = i;
    while (j + 1 < points.size() && points[j + 1] == points[j] + 1) ++j;
    if (runCount < maxRuns)
      runs << (i == j ? hex(points[i]) : hex(points[i]) + QLatin1Char('-') + hex(points[j]));
    ++runCount;
    i = j + 1;
  }
  QString text = runs.join(QLatin1String(", "));
  if (runCount > maxRuns) text += QStringLiteral(" and %1 more runs").arg(runCount - maxRuns);
  return text;
}

QString codePointName(std::uint32_t point) {
  const char32_t c = point;
  return hex(point) + QStringLiteral(" '") + QString::fromUcs4(&c, 1) + QLatin1Char('\'');
}

}  // namespace glyphcast
