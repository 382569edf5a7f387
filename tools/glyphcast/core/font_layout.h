// Which character codes a font captures, how their arrays are named, and the
// 260 entries of the font table that indexes them.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace glyphcast {

constexpr int kFontTableEntries = 260;

// The 163 captured codes in capture order: 32-126, the signs 128, 153, 161, 163,
// 165, 169, 174, then 191-214, 217-246 and 249-255.
const std::vector<int>& captureCodes();

// Code as written in array names: two-digit codes get a leading "0" (32 -> "032").
QString glyphCodeText(int code);

// prefix + "_A" + code text, e.g. "fa12_A065".
QString glyphArrayName(const QString& prefix, int code);

// The font table's entries, "<>" standing for the font prefix: "0" for an empty
// slot, a special or captured glyph, then the four trailer arrays.
QStringList fontTableEntries();

}  // namespace glyphcast
