// Laying out and writing Unicode fonts. The binary file and the C source are two
// spellings of the same arrays: both are written from one UnicodeFont.
#include "glyphcast/core/unicode_font.h"

#include "glyphcast/core/array_text.h"
#include "common/c_source.h"

#include <QStringList>

namespace glyphcast {

namespace {

constexpr std::uint32_t kEndOfCodePoints = 0x110000;
constexpr int kBytesPerLine = 16;

void putLe(std::vector<std::uint8_t>* bytes, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) bytes->push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

void putLe(QByteArray* bytes, std::uint32_t value, int count) {
  for (int i = 0; i < count; ++i) bytes->append(static_cast<char>(value >> (8 * i)));
}

// Appends the glyph's pixels to bitmaps and returns where they start (0 for none).
std::uint32_t appendPixels(const UnicodeGlyph& glyph, int bitsPerPixel,
                           std::vector<std::uint8_t>* bitmaps) {
  if (glyph.width == 0 || glyph.height == 0) return 0;
  const auto offset = static_cast<std::uint32_t>(bitmaps->size());
  if (glyph.picture) {
    for (std::uint16_t colour : glyph.colours) putLe(bitmaps, colour, 2);
    return offset;
  }
  // One bit stream, most significant bit first: a pixel never straddles a byte.
  const unsigned mask = (1u << bitsPerPixel) - 1;
  std::uint8_t byte = 0;
  int bits = 0;
  for (std::uint8_t level : glyph.levels) {
    byte = static_cast<std::uint8_t>(byte << bitsPerPixel | (level & mask));
    bits += bitsPerPixel;
    if (bits == 8) {
      bitmaps->push_back(byte);
      byte = 0;
      bits = 0;
    }
  }
  if (bits > 0) bitmaps->push_back(static_cast<std::uint8_t>(byte << (8 - bits)));
  return offset;
}

QString hexByte(std::uint8_t value) {
  return QStringLiteral("0x%1").arg(value, 2, 16, QLatin1Char('0'));
}

QString hexPoint(std::uint32_t value) {
  return QLatin1String("0x") + QString::number(value, 16).toUpper();
}

QString commentLines(const QString& about) {
  QString text;
  for (const QString& line : about.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
    text += QLatin1String("// ") + line + kCrLf;
  return text;
}

}  // namespace

UnicodeFont buildUnicodeFont(const std::vector<UnicodeGlyph>& glyphs, const FontMetrics& metrics,
                             int bitsPerPixel) {
  UnicodeFont font;
  font.metrics = metrics;
  font.bitsPerPixel = bitsPerPixel;
  font.glyphCount = static_cast<std::uint32_t>(glyphs.size());
  font.replacement = kNoGlyph;
  bool pictureSeen = false;
  std::uint32_t question = kNoGlyph;
  for (std::uint32_t i = 0; i < glyphs.size(); ++i) {
    const UnicodeGlyph& g = glyphs[i];
    if (i == 0 || g.codePoint != glyphs[i - 1].codePoint + 1)
      font.ranges.push_back({g.codePoint, i});
    if (g.picture) {
      if (!pictureSeen) font.pictureFirst = i;
      pictureSeen = true;
      ++font.pictureCount;
    }
    if (g.codePoint == 0xFFFD) font.replacement = i;
    if (g.codePoint == '?') question = i;
    const std::uint32_t offset = appendPixels(g, bitsPerPixel, &font.bitmaps);
    putLe(&font.glyphs, offset, 3);
    font.glyphs.push_back(static_cast<std::uint8_t>(g.advance));
    font.glyphs.push_back(static_cast<std::uint8_t>(g.width));
    font.glyphs.push_back(static_cast<std::uint8_t>(g.height));
    font.glyphs.push_back(static_cast<std::uint8_t>(static_cast<std::int8_t>(g.left)));
    font.glyphs.push_back(static_cast<std::uint8_t>(g.top));
  }
  if (font.replacement == kNoGlyph) font.replacement = question;
  font.ranges.push_back({kEndOfCodePoints, font.glyphCount});
  return font;
}

QByteArray binaryFontBytes(const UnicodeFont& font) {
  QByteArray bytes("PFNT");
  putLe(&bytes, 1, 2);  // version
  putLe(&bytes, static_cast<std::uint32_t>(font.bitsPerPixel), 1);
  putLe(&bytes, 0, 1);
  putLe(&bytes, static_cast<std::uint32_t>(font.metrics.lineHeight), 2);
  putLe(&bytes, static_cast<std::uint32_t>(font.metrics.baseline), 2);
  putLe(&bytes, static_cast<std::uint32_t>(font.metrics.underline), 2);
  putLe(&bytes, static_cast<std::uint32_t>(font.metrics.tabDistance), 2);
  putLe(&bytes, static_cast<std::uint32_t>(font.metrics.transparent), 2);
  putLe(&bytes, 0, 2);
  putLe(&bytes, font.rangeCount(), 4);
  putLe(&bytes, font.glyphCount, 4);
  putLe(&bytes, static_cast<std::uint32_t>(font.bitmaps.size()), 4);
  putLe(&bytes, font.pictureFirst, 4);
  putLe(&bytes, font.pictureCount, 4);
  putLe(&bytes, font.replacement, 4);
  for (const FontRange& range : font.ranges) {
    putLe(&bytes, range.first, 4);
    putLe(&bytes, range.glyph, 4);
  }
  bytes.append(reinterpret_cast<const char*>(font.glyphs.data()),
               static_cast<qsizetype>(font.glyphs.size()));
  bytes.append(reinterpret_cast<const char*>(font.bitmaps.data()),
               static_cast<qsizetype>(font.bitmaps.size()));
  return bytes;
}

QString unicodeSourceText(const UnicodeFont& font, const QString& name, const QString& about) {
  QString text = QString::fromStdString(panetools::generatedLine("glyphcast")) +
                 QLatin1String("#include <libpane.h>") + kCrLf + kCrLf + commentLines(about) +
                 kCrLf;
  text += QLatin1String("static const PaneRange ") + name + QLatin1String("_ranges[] = {") + kCrLf;
  for (const FontRange& range : font.ranges)
    text += QStringLiteral("\t{%1, %2},").arg(hexPoint(range.first)).arg(range.glyph) + kCrLf;
  text += QLatin1String("};") + kCrLf + kCrLf;

  text += QLatin1String("static const PaneGlyph ") + name + QLatin1String("_glyphs[] = {") + kCrLf;
  text.reserve(text.size() + static_cast<qsizetype>(font.glyphs.size()) * 6 +
               static_cast<qsizetype>(font.bitmaps.size()) * 6);
  for (size_t i = 0; i + 8 <= font.glyphs.size(); i += 8) {
    const std::uint8_t* g = &font.glyphs[i];
    text += QStringLiteral("\t{{%1, %2, %3}, %4, %5, %6, %7, %8},")
                .arg(hexByte(g[0]), hexByte(g[1]), hexByte(g[2]))
                .arg(g[3])
                .arg(g[4])
                .arg(g[5])
                .arg(static_cast<std::int8_t>(g[6]))
                .arg(g[7]) +
            kCrLf;
  }
  text += QLatin1String("};") + kCrLf + kCrLf;

  // C has no empty initialiser: a font without pixels still gets one byte.
  text += QLatin1String("static const uint8_t ") + name + QLatin1String("_bitmaps[] = {");
  if (font.bitmaps.empty()) text += QLatin1String("0");
  for (size_t i = 0; i < font.bitmaps.size(); ++i) {
    if (i % kBytesPerLine == 0) text += kCrLf + QLatin1Char('\t');
    text += hexByte(font.bitmaps[i]) + QLatin1Char(',');
    if (i % kBytesPerLine != kBytesPerLine - 1 && i + 1 < font.bitmaps.size())
      text += QLatin1Char(' ');
  }
  text += kCrLf + QLatin1String("};") + kCrLf + kCrLf;

  const QString replacement = font.replacement == kNoGlyph ? QStringLiteral("PANE_NO_GLYPH")
                                                           : QString::number(font.replacement);
  const FontMetrics& m = font.metrics;
  text += QStringLiteral("const PaneFont %1 = {%1_ranges, %1_glyphs, %1_bitmaps, %2, %3, %4,")
              .arg(name)
              .arg(font.rangeCount())
              .arg(font.glyphCount)
              .arg(font.bitmaps.size()) +
          kCrLf +
          QStringLiteral("\t%1, %2, %3, %4, %5, %6, %7, %8, %9, 0};")
              .arg(font.pictureFirst)
              .arg(font.pictureCount)
              .arg(replacement)
              .arg(m.lineHeight)
              .arg(m.baseline)
              .arg(m.underline)
              .arg(m.tabDistance)
              .arg(m.transparent)
              .arg(font.bitsPerPixel) +
          kCrLf;
  return text;
}

QString unicodeHeaderText(const QString& name, const QString& about) {
  const QString guard = QLatin1String("GLYPHCAST_FONT_") + name + QLatin1String("_H");
  return QString::fromStdString(panetools::generatedLine("glyphcast")) + commentLines(about) +
         QLatin1String("#ifndef ") + guard + kCrLf + QLatin1String("#define ") + guard + kCrLf +
         kCrLf + QLatin1String("#include <libpane.h>") + kCrLf + kCrLf +
         QLatin1String("#ifdef __cplusplus") + kCrLf + QLatin1String("extern \"C\" {") + kCrLf +
         QLatin1String("#endif") + kCrLf + kCrLf +
         QLatin1String("// A Unicode font: pass its address to setUnicodeFont.") + kCrLf +
         QLatin1String("extern const PaneFont ") + name + QLatin1Char(';') + kCrLf + kCrLf +
         QLatin1String("#ifdef __cplusplus") + kCrLf + QLatin1Char('}') + kCrLf +
         QLatin1String("#endif") + kCrLf + kCrLf + QLatin1String("#endif") + kCrLf;
}

}  // namespace glyphcast
