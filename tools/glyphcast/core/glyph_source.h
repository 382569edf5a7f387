// The text pieces of a font source: derived names, the comment block, glyph
// bodies read from the capture box, colour conversion and placeholder filling.
#pragma once

#include "glyphcast/core/capture_box.h"
#include "glyphcast/core/fields.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace glyphcast {

// "f" + first character of the font name in lower case + size text: "fa12".
QString fontPrefix(const QString& fontName, const QString& sizeText);

// "font_" + font name in lower case, spaces as "_", + "_" + size text: "font_arial_12".
QString fontTableName(const QString& fontName, const QString& sizeText);

// The include lines and the comments recording every field, ending in a blank line.
QString commentBlock(const Fields& fields);

// A capture box colour (0x00BBGGRR, or -1) as RGB15 with bit 15 clear; -1 gives 32767.
int rgb15FromPixel(std::int32_t colour);

// Called after each pixel row; returning false stops the capture.
using YieldFn = std::function<bool()>;

// The glyph body "{ W, H, //width, height" ... "};" for pixels (0,0) to (W,H) of
// the box. W and H must be 0 or more. nullopt when the yield asked to stop.
std::optional<QString> glyphBody(const CaptureBox& box, int w, int h, const YieldFn& yield);

// Replaces every "<>" by the prefix, then every "@@" by the table name, then every
// "||" by the underline text; each pass runs left to right without rescanning.
QString replacePlaceholders(QString text, const QString& prefix, const QString& tableName,
                            const QString& underline);

// Turns CR LF, lone CR and lone LF line ends into CR LF.
QString toCrLf(QString text);

}  // namespace glyphcast
