// Reading the numeric fields: plain decimal numbers only, rounded half to even.
#pragma once

#include <QString>

#include <optional>

namespace glyphcast {

// "12", "-1", "+0.5", "3.", ".25"; no spaces, exponents, thousands separators or
// locale forms. nullopt for anything else.
std::optional<double> parseDecimal(const QString& text);

// Nearest integer, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double roundHalfEven(double value);

}  // namespace glyphcast
