// The default font source template: the text appended after the captured glyph
// arrays, with "<>", "@@" and "||" standing for the prefix, table name and underline.
#pragma once

#include <QString>

namespace glyphcast {

// The tab distance and transparent colour the template's trailer arrays hold.
constexpr int kTabStop = 25;
constexpr int kTransparentValue = 0;

// The whole default template, CR LF after every line including the last.
QString defaultTemplate();

// Its sections, in order; defaultTemplate() is their concatenation.
QString trailerArrays();        // tab stop, transparent value and underline arrays
QString vertBiasArray();        // 256 zeros over 26 lines
QString specialGlyphComment();  // blank line, comment line, blank line
QString specialGlyphArrays();   // <>_X001 to <>_X014 with their separator lines
QString fontTableText();        // "uint16* @@[] = { ..." with its 260 entries

}  // namespace glyphcast
