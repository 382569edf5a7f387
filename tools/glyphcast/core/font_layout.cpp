// Capture order and font table entries; the table is derived from the capture
// order so that every name it lists is declared exactly once.
#include "glyphcast/core/font_layout.h"

#include "glyphcast/core/special_glyphs.h"

namespace glyphcast {

namespace {

std::vector<int> buildCaptureCodes() {
  std::vector<int> codes;
  auto addRange = [&codes](int first, int last) {
    for (int code = first; code <= last; ++code) codes.push_back(code);
  };
  addRange(32, 126);
  for (int sign : {128, 153, 161, 163, 165, 169, 174}) codes.push_back(sign);
  addRange(191, 214);
  addRange(217, 246);
  addRange(249, 255);
  return codes;
}

}  // namespace

const std::vector<int>& captureCodes() {
  static const std::vector<int> codes = buildCaptureCodes();
  return codes;
}

QString glyphCodeText(int code) {
  QString text = QString::number(code);
  if (text.size() == 2) text.prepend(QLatin1Char('0'));
  return text;
}

QString glyphArrayName(const QString& prefix, int code) {
  return prefix + QLatin1String("_A") + glyphCodeText(code);
}

QStringList fontTableEntries() {
  QStringList entries;
  for (int slot = 0; slot < 256; ++slot) entries << QStringLiteral("0");
  for (const SpecialGlyph& glyph : specialGlyphs()) entries[glyph.slot] = glyph.name();
  for (int code : captureCodes()) entries[code] = glyphArrayName(QStringLiteral("<>"), code);
  entries << QStringLiteral("<>_TAB_STOP") << QStringLiteral("<>_TRANSPARENT_VALUE")
          << QStringLiteral("<>_UNDERLINE") << QStringLiteral("(uint16*)<>_VERTBIAS");
  return entries;
}

}  // namespace glyphcast
