// Which code points a Unicode font holds: ranges as typed ("0x20-0x7E,0x3040"),
// the characters of a UTF-8 text file, and the compact names messages give them.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <set>
#include <vector>

namespace glyphcast {

using CodePoints = std::set<std::uint32_t>;

// Largest symbols file read: far beyond any game's strings.
constexpr qint64 kMaxSymbolsBytes = qint64(64) << 20;

// Adds the code points of a comma list of points and first-last runs, each in hex
// (0x3040) or decimal (12354), to *points. false with *error naming the
// item that is not one, a run that ends before it starts, or a point above U+10FFFF.
// Control codes below U+0020 and the surrogates U+D800-U+DFFF are left out: no text
// call draws them.
bool addRanges(const QString& text, CodePoints* points, QString* error);

// Adds every code point of UTF-8 text but the control codes below U+0020 (line
// ends, tabs) and a leading byte order mark. false with *error when a byte
// sequence is not UTF-8; the error names the byte offset.
bool addSymbols(const QByteArray& utf8, CodePoints* points, QString* error);

// The points a Unicode font holds when no range or symbols are asked for: U+0020-U+007E.
void addPrintableAscii(CodePoints* points);

// "U+4E00-U+4E0F, U+5000": the points as runs, at most maxRuns of them, then
// "and N more".
QString codePointList(const std::vector<std::uint32_t>& points, int maxRuns = 12);

// "U+00E9 'é'" for messages.
QString codePointName(std::uint32_t point);

}  // namespace glyphcast
