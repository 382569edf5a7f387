// Builds the default template from the trailer arrays, the button pictures and the
// font table layout, so each piece stays readable and checkable on its own.
#include "glyphcast/core/template_text.h"

#include "glyphcast/core/array_text.h"
#include "glyphcast/core/font_layout.h"
#include "glyphcast/core/special_glyphs.h"

#include <QStringList>

namespace glyphcast {

namespace {

constexpr int kBiasValues = 256;
constexpr int kValuesPerLine = 10;
// The 35-pixel-wide pictures break each row but the last after this many values.
constexpr int kWideRowBreak = 18;
constexpr int kWideGlyphColumns = 35;

const QString kTab = QStringLiteral("\t");
const QString kSevenTabs = QStringLiteral("\t\t\t\t\t\t\t");

// Space before a value of the vertical bias array, by its place in the line.
QString biasGap(int column) {
  return column == 7 ? QStringLiteral("  \t ") : QStringLiteral("\t\t ");
}

QString pictureValues(const char* row, int from, int to) {
  QString text;
  for (int x = from; x < to; ++x)
    text += QString::number(pictureColour(row[x])) + QLatin1String(", ");
  return text;
}

QString specialGlyphArray(const SpecialGlyph& glyph) {
  const int columns = glyph.columns();
  const int breakAt = columns == kWideGlyphColumns ? kWideRowBreak : columns;
  QString text =
      glyphDeclaration(glyph.name()) + glyphHeaderLine(columns - 1, kSpecialGlyphRows - 1);
  for (int y = 0; y + 1 < kSpecialGlyphRows; ++y) {
    const char* row = glyph.rows[y];
    text += kTab + pictureValues(row, 0, breakAt);
    if (breakAt < columns) text += kCrLf + pictureValues(row, breakAt, columns);
    text += kCrLf;
  }
  QString lastRow = kTab + pictureValues(glyph.rows[kSpecialGlyphRows - 1], 0, columns);
  lastRow.chop(2);  // the final ", "
  text += lastRow + QLatin1String("};") + kCrLf;
  return text;
}

QString separatorText(Separator separator) {
  switch (separator) {
    case Separator::Tab:
      return kTab + kCrLf;
    case Separator::Empty:
      return kCrLf;
    case Separator::TwoEmpty:
      return kCrLf + kCrLf;
  }
  return QString();
}

}  // namespace

QString trailerArrays() {
  return QStringLiteral("static uint16 <>_TAB_STOP[] = { %1 };").arg(kTabStop) + kCrLf +
         QStringLiteral("static uint16 <>_TRANSPARENT_VALUE[] = { %1 };").arg(kTransparentValue) +
         kCrLf + QLatin1String("static uint16 <>_UNDERLINE[] = { || };") + kCrLf;
}

QString vertBiasArray() {
  QString text = QLatin1String("static uint16 <>_VERTBIAS[] = { ") + kTab;
  for (int i = 0; i < kBiasValues; ++i) {
    const int column = i % kValuesPerLine;
    if (column == 0 && i > 0)
      text += kSevenTabs;
    else if (column > 0)
      text += biasGap(column);
    if (i + 1 == kBiasValues) {
      text += QLatin1String("0 };") + kCrLf;
    } else {
      text += QLatin1String("0,");
      if (column == kValuesPerLine - 1) text += kTab + kCrLf;
    }
  }
  return text;
}

QString specialGlyphComment() {
  return kCrLf +
         QLatin1String("//these next values are special characters to display buttons for the DS") +
         kCrLf + kCrLf;
}

QString specialGlyphArrays() {
  QString text;
  for (const SpecialGlyph& glyph : specialGlyphs())
    text += specialGlyphArray(glyph) + separatorText(glyph.after);
  return text;
}

QString fontTableText() {
  const QStringList entries = fontTableEntries();
  QString text = QLatin1String("uint16* @@[] = { ") + kTab;
  for (int i = 0; i < entries.size(); ++i) {
    if (i > 0 && i % kValuesPerLine == 0)
      text += QLatin1Char(',') + kCrLf + kSevenTabs;
    else if (i > 0)
      text += QLatin1String(", ");
    text += entries[i];
  }
  return text + QLatin1String(" };") + kCrLf;
}

QString defaultTemplate() {
  return trailerArrays() + vertBiasArray() + specialGlyphComment() + specialGlyphArrays() +
         fontTableText();
}

}  // namespace glyphcast
