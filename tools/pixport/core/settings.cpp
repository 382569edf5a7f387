// Reading the size choice and the custom size fields into conversion settings.
#include "core/settings.h"

#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace pixport {

namespace {

bool parseNumber(const QString& text, double* number) {
  QLocale c = QLocale::c();
  c.setNumberOptions(QLocale::RejectGroupSeparator);
  bool ok = false;
  const double value = c.toDouble(text.trimmed(), &ok);
  if (!ok || !std::isfinite(value)) return false;
  *number = value;
  return true;
}

bool checkSide(qint64 lastIndex, const char* side, const QString& text, QString* error) {
  if (lastIndex >= 0 && lastIndex < kMaxSide) return true;
  *error = QStringLiteral("Custom %1 \"%2\" refused: a side must be 1 to %3 pixels.")
               .arg(QLatin1String(side), text.trimmed())
               .arg(kMaxSide);
  return false;
}

}  // namespace

bool isSizeNumber(const QString& text) {
  // Digits and at most one point: "1e1" or "+8" would be read as numbers too.
  static const QRegularExpression decimal(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
  return decimal.match(text).hasMatch();
}

qint64 readSizeField(const QString& text) {
  double number = 0;
  if (!parseNumber(text, &number)) return 0;
  // Keeps far-out numbers far out without overflowing; they are refused later.
  const double clamped = std::fmax(-1e15, std::fmin(1e15, number - 1));
  return static_cast<qint64>(std::nearbyint(clamped));  // default rounding: halves to even
}

bool resolveSettings(const Choices& choices, Settings* settings, QString* error) {
  Settings s;
  s.tileOrder = choices.tileOrder;
  s.binFile = choices.binFile;
  s.transparent = choices.transparent;
  switch (choices.size) {
    case SizeOption::Size32:
      s.w1 = s.h1 = 31;
      break;
    case SizeOption::Size16:
      s.w1 = s.h1 = 15;
      break;
    case SizeOption::Size8:
      s.w1 = s.h1 = 7;
      break;
    case SizeOption::Custom: {
      const qint64 w1 = readSizeField(choices.customWidth);
      const qint64 h1 = readSizeField(choices.customHeight);
      if (!checkSide(w1, "width", choices.customWidth, error) ||
          !checkSide(h1, "height", choices.customHeight, error))
        return false;
      s.w1 = static_cast<qint32>(w1);
      s.h1 = static_cast<qint32>(h1);
      s.sizeHeader = choices.sizeBytes;
      break;
    }
  }
  *settings = s;
  return true;
}

}  // namespace pixport
