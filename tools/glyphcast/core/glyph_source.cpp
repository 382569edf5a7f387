// Text pieces of the font source, shared by the window, the command line and tests.
#include "glyphcast/core/glyph_source.h"

#include "glyphcast/core/array_text.h"
#include "common/c_source.h"

#include <cmath>

namespace glyphcast {

namespace {

int channel5(int channel8) { return static_cast<int>(std::lround(channel8 * 31 / 255.0)); }

}  // namespace

QString fontPrefix(const QString& fontName, const QString& sizeText) {
  return QLatin1Char('f') + fontName.left(1).toLower() + sizeText;
}

QString fontTableName(const QString& fontName, const QString& sizeText) {
  QString name = fontName.toLower();
  name.replace(QLatin1Char(' '), QLatin1Char('_'));
  return QLatin1String("font_") + name + QLatin1Char('_') + sizeText;
}

QString cNameProblem(const QString& text) {
  return QString::fromStdString(panetools::cNameProblem(text.toStdString()));
}

bool isCIdentifier(const QString& text) { return cNameProblem(text).isEmpty(); }

QString commentBlock(const Fields& fields, Includes includes) {
  auto mark = [](bool checked) { return checked ? QStringLiteral("x") : QStringLiteral(" "); };
  const QString includeLines =
      includes == Includes::Libpane
          ? QLatin1String("#include <libpane.h>") + kCrLf
          : QLatin1String("#include <nds.h>") + kCrLf + QLatin1String("#include <stdio.h>") + kCrLf;
  return QString::fromStdString(panetools::generatedLine("glyphcast")) + includeLines + kCrLf +
         QLatin1String("// Font name: '") + fields.fontName + QLatin1String("' size ") +
         fields.size + kCrLf + QLatin1String("// [") + mark(fields.bold) + QLatin1String("] Bold") +
         kCrLf + QLatin1String("// [") + mark(fields.italic) + QLatin1String("] Italics") + kCrLf +
         kCrLf + QLatin1String("// Width bias: ") + fields.widthBias + QLatin1String(", ") +
         fields.heightBias + kCrLf + QLatin1String("// Loc bias: ") + fields.locX +
         QLatin1String(", ") + fields.locY + kCrLf + QLatin1String("// Underline: ") +
         fields.underline + kCrLf + kCrLf;
}

int rgb15FromPixel(std::int32_t colour) {
  // Green and blue go through a division rather than a shift so that -1 (outside
  // the box) reads as white in every channel.
  const int red8 = colour & 255;
  const int green8 = static_cast<int>((colour & ~255) / 256.0) & 255;
  const int blue8 = static_cast<int>((colour & 16711680) / 65536.0) & 255;
  return channel5(red8) + 32 * channel5(green8) + 1024 * channel5(blue8);
}

QString headerText(const QString& tableName, const Fields& fields) {
  QString style;
  if (fields.bold) style += QLatin1String(" bold");
  if (fields.italic) style += QLatin1String(" italic");
  const std::string about = (QLatin1String("// Font table made by glyphcast: '") + fields.fontName +
                             QLatin1String("' size ") + fields.size + style)
                                .toStdString();
  const std::string guard = "GLYPHCAST_FONT_" + tableName.toStdString() + "_H";
  const std::string name = tableName.toStdString();
  return QString::fromStdString(panetools::headerText(
      "glyphcast", name, "uint16*",
      {guard, about, "// 260 slots as libpane.h lays them out: pass it to setFont."}));
}

std::optional<std::vector<std::uint16_t>> capturePixels(const CaptureBox& box, int w, int h,
                                                        const YieldFn& yield) {
  std::vector<std::uint16_t> pixels;
  pixels.reserve(static_cast<size_t>(w + 1) * (h + 1));
  for (int y = 0; y <= h; ++y) {
    for (int x = 0; x <= w; ++x)
      pixels.push_back(static_cast<std::uint16_t>(rgb15FromPixel(box.pixel(x, y))));
    if (yield && !yield()) return std::nullopt;
  }
  return pixels;
}

QString glyphBodyText(int w, int h, const std::vector<std::uint16_t>& pixels) {
  QString text = glyphHeaderLine(w, h) + QLatin1Char('\t');
  text.reserve(text.size() + (w + 1) * (h + 1) * 7 + (h + 1) * 3);
  size_t i = 0;
  for (int y = 0; y <= h; ++y) {
    for (int x = 0; x <= w; ++x, ++i) {
      text += QString::number(pixels[i]);
      text += QLatin1String(", ");
    }
    text += kCrLf + QLatin1Char('\t');
  }
  text.chop(5);  // ", " + CR LF + TAB after the last value
  return text + QLatin1String("};");
}

std::optional<QString> glyphBody(const CaptureBox& box, int w, int h, const YieldFn& yield) {
  const std::optional<std::vector<std::uint16_t>> pixels = capturePixels(box, w, h, yield);
  if (!pixels) return std::nullopt;
  return glyphBodyText(w, h, *pixels);
}

QString replacePlaceholders(QString text, const QString& prefix, const QString& tableName,
                            const QString& underline) {
  text.replace(QLatin1String("<>"), prefix);
  text.replace(QLatin1String("@@"), tableName);
  text.replace(QLatin1String("||"), underline);
  return text;
}

QString toCrLf(QString text) {
  text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  text.replace(QLatin1String("\n"), kCrLf);
  return text;
}

}  // namespace glyphcast
