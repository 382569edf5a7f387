// The text pieces of a font source: derived names, the comment block, glyph
// bodies read from the capture box, colour conversion and placeholder filling.
#pragma once

#include "glyphcast/core/capture_box.h"
#include "glyphcast/core/fields.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace glyphcast {

// "f" + first character of the font name in lower case + size text: "fa12".
QString fontPrefix(const QString& fontName, const QString& sizeText);

// "font_" + font name in lower case, spaces as "_", + "_" + size text: "font_arial_12".
QString fontTableName(const QString& fontName, const QString& sizeText);

// Why text cannot name an array of a source that includes <libpane.h> and is
// compiled as C or declared to C++ by its header: not an identifier (ASCII
// letters, digits and "_", not starting with a digit), a C or C++ keyword, a
// name reserved for the compiler and the C library, or one libpane.h declares.
// Empty when it can.
QString cNameProblem(const QString& text);

// cNameProblem(text) is empty.
bool isCIdentifier(const QString& text);

// How the font source starts: "#include <nds.h>" and "#include <stdio.h>" as the
// window writes it, or "#include <libpane.h>" for a source that compiles by itself.
enum class Includes { Nds, Libpane };

// The line naming glyphcast and its version (panetools::generatedLine), the include
// lines and the comments recording every field, ending in a blank line.
QString commentBlock(const Fields& fields, Includes includes = Includes::Nds);

// The header that declares the font table tableName for other sources: include
// guard, <libpane.h>, and the table with C linkage. CR LF line ends.
QString headerText(const QString& tableName, const Fields& fields);

// A capture box colour (0x00BBGGRR, or -1) as RGB15 with bit 15 clear; -1 gives 32767.
int rgb15FromPixel(std::int32_t colour);

// Called after each pixel row; returning false stops the capture.
using YieldFn = std::function<bool()>;

// RGB15 values of pixels (0,0) to (W,H) of the box, row by row. W and H must be
// 0 or more. nullopt when the yield asked to stop.
std::optional<std::vector<std::uint16_t>> capturePixels(const CaptureBox& box, int w, int h,
                                                        const YieldFn& yield);

// The glyph body "{ W, H, //width, height" ... "};" of (W + 1) x (H + 1) values.
QString glyphBodyText(int w, int h, const std::vector<std::uint16_t>& pixels);

// capturePixels() written as glyphBodyText().
std::optional<QString> glyphBody(const CaptureBox& box, int w, int h, const YieldFn& yield);

// Replaces every "<>" by the prefix, then every "@@" by the table name, then every
// "||" by the underline text; each pass runs left to right without rescanning.
QString replacePlaceholders(QString text, const QString& prefix, const QString& tableName,
                            const QString& underline);

// Turns CR LF, lone CR and lone LF line ends into CR LF.
QString toCrLf(QString text);

}  // namespace glyphcast
