// Helpers for reading generated C text in tests: lines, one array, its values.
#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <ostream>
#include <vector>

// Readable QString values in test failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace glyphcast::test {

// Lines of CR LF text, without the empty piece after the final CR LF.
inline QStringList crlfLines(const QString& text) {
  QStringList lines = text.split(QStringLiteral("\r\n"));
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

// From "static uint16 <name>[] = " to the closing "};" inclusive; empty if absent.
inline QString arrayText(const QString& source, const QString& name) {
  const int start =
      source.indexOf(QStringLiteral("static uint16 ") + name + QStringLiteral("[] = "));
  if (start < 0) return QString();
  const int end = source.indexOf(QStringLiteral("};"), start);
  return source.mid(start, end + 2 - start);
}

// Every decimal number after the array's "{", comments left out: W, H, then pixels.
inline std::vector<int> arrayValues(const QString& array) {
  QString body = array.mid(array.indexOf(QLatin1Char('{')));
  body.remove(QStringLiteral("//width, height"));
  std::vector<int> values;
  static const QRegularExpression number(QStringLiteral("-?\\d+"));
  for (auto it = number.globalMatch(body); it.hasNext();)
    values.push_back(it.next().captured().toInt());
  return values;
}

inline int countOf(const QString& text, const QString& what) { return text.count(what); }

}  // namespace glyphcast::test
