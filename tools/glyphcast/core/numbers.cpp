// Strict decimal parsing and banker's rounding for the numeric fields.
#include "glyphcast/core/numbers.h"

#include <cmath>

namespace glyphcast {

std::optional<double> parseDecimal(const QString& text) {
  int i = 0;
  const int n = text.size();
  if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
  int digits = 0;
  bool point = false;
  for (; i < n; ++i) {
    const QChar c = text[i];
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
      ++digits;
    else if (c == QLatin1Char('.') && !point)
      point = true;
    else
      return std::nullopt;
  }
  if (digits == 0) return std::nullopt;
  bool ok = false;
  const double value = text.toLatin1().toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

double roundHalfEven(double value) {
  const double floor = std::floor(value);
  const double fraction = value - floor;
  if (fraction > 0.5) return floor + 1.0;
  if (fraction < 0.5) return floor;
  return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

}  // namespace glyphcast
