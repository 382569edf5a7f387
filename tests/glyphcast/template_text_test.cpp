// The default template, piece by piece: trailer arrays, vertical bias spacing,
// the button glyphs and their separators, the 260-entry font table, CR LF only.
#include "glyphcast/core/font_layout.h"
#include "glyphcast/core/glyph_source.h"
#include "glyphcast/core/special_glyphs.h"
#include "glyphcast/core/template_text.h"
#include "text_helpers.h"

#include <gtest/gtest.h>

#include <set>

using namespace glyphcast;
using namespace glyphcast::test;

namespace {

QString filled(const QString& underline = QStringLiteral("12")) {
  return replacePlaceholders(defaultTemplate(), QStringLiteral("fa12"),
                             QStringLiteral("font_arial_12"), underline);
}

QString repeat(const QString& piece, int times) {
  QString text;
  for (int i = 0; i < times; ++i) text += piece;
  return text;
}

}  // namespace

TEST(GlyphcastTemplate, UsesCrLfLineEndsOnly) {
  const QString text = defaultTemplate();
  EXPECT_TRUE(text.endsWith(QStringLiteral("};\r\n")));
  EXPECT_EQ(text.count(QLatin1Char('\n')), text.count(QStringLiteral("\r\n")));
  EXPECT_EQ(text.count(QLatin1Char('\r')), text.count(QStringLiteral("\r\n")));
  EXPECT_TRUE(text.contains(
      QStringLiteral("0 };\r\n\r\n//these next values are special characters to display "
                     "buttons for the DS\r\n\r\nstatic uint16 <>_X001[] = { 10, 10, ")));
  EXPECT_TRUE(text.contains(QStringLiteral("0};\r\n\r\n\r\nuint16* @@[] = { \t0, <>_X001, ")));
}

TEST(GlyphcastTemplate, TrailerArraysTakeTheUnderlineField) {
  const QStringList lines = crlfLines(filled());
  EXPECT_EQ(lines[0], QStringLiteral("static uint16 fa12_TAB_STOP[] = { 25 };"));
  EXPECT_EQ(lines[1], QStringLiteral("static uint16 fa12_TRANSPARENT_VALUE[] = { 0 };"));
  EXPECT_EQ(lines[2], QStringLiteral("static uint16 fa12_UNDERLINE[] = { 12 };"));
  EXPECT_EQ(crlfLines(filled(QString()))[2],
            QStringLiteral("static uint16 fa12_UNDERLINE[] = {  };"));
}

TEST(GlyphcastTemplate, VertBiasHas256ZerosOver26SpacedLines) {
  const QStringList lines = crlfLines(vertBiasArray());
  ASSERT_EQ(lines.size(), 26);
  const QString ten =
      QStringLiteral("0,\t\t 0,\t\t 0,\t\t 0,\t\t 0,\t\t 0,\t\t 0,  \t 0,\t\t 0,\t\t 0,\t");
  EXPECT_EQ(lines[0], QStringLiteral("static uint16 <>_VERTBIAS[] = { \t") + ten);
  for (int i = 1; i < 25; ++i)
    EXPECT_EQ(lines[i], repeat(QStringLiteral("\t"), 7) + ten) << "line " << i;
  EXPECT_EQ(lines[25], repeat(QStringLiteral("\t"), 7) +
                           QStringLiteral("0,\t\t 0,\t\t 0,\t\t 0,\t\t 0,\t\t 0 };"));

  const std::vector<int> values = arrayValues(vertBiasArray());
  EXPECT_EQ(values.size(), 256u);
  EXPECT_EQ(std::set<int>(values.begin(), values.end()), std::set<int>{0});
}

TEST(GlyphcastTemplate, SpecialGlyphsHaveTheirSizesAndThreeColours) {
  struct Case {
    int number;
    int w, h, count;
  };
  const Case cases[] = {{1, 10, 10, 121},  {2, 10, 10, 121},  {3, 10, 10, 121},  {4, 10, 10, 121},
                        {5, 10, 10, 121},  {6, 10, 10, 121},  {7, 10, 10, 121},  {8, 10, 10, 121},
                        {9, 34, 10, 385},  {10, 34, 10, 385}, {11, 17, 10, 198}, {12, 17, 10, 198},
                        {13, 10, 10, 121}, {14, 10, 10, 121}};
  const QString text = filled();
  for (const Case& c : cases) {
    const QString name = QStringLiteral("fa12_X%1").arg(c.number, 3, 10, QLatin1Char('0'));
    EXPECT_EQ(countOf(text, QStringLiteral("static uint16 ") + name + QStringLiteral("[]")), 1)
        << c.number;
    const QString array = arrayText(text, name);
    EXPECT_TRUE(
        array.contains(QStringLiteral("[] = { %1, %2, //width, height\r\n\t").arg(c.w).arg(c.h)));
    const std::vector<int> values = arrayValues(array);
    ASSERT_EQ(values.size(), static_cast<size_t>(c.count + 2)) << c.number;
    const std::set<int> colours(values.begin() + 2, values.end());
    for (int colour : colours)
      EXPECT_TRUE(colour == 0 || colour == 15855 || colour == 32767) << c.number << ": " << colour;
    EXPECT_TRUE(array.endsWith(QStringLiteral("};")) && array.at(array.size() - 3).isDigit())
        << c.number;
  }
}

TEST(GlyphcastTemplate, SpecialGlyphPixelsFollowTheirPictures) {
  const QString text = defaultTemplate();
  for (const SpecialGlyph& glyph : specialGlyphs()) {
    const std::vector<int> values = arrayValues(arrayText(text, glyph.name()));
    const int columns = glyph.columns();
    for (int y = 0; y < kSpecialGlyphRows; ++y)
      for (int x = 0; x < columns; ++x)
        ASSERT_EQ(values[2 + y * columns + x], pictureColour(glyph.rows[y][x]))
            << glyph.number << " at " << x << "," << y;
  }
  // A few pixels spelled out: the A button's top, its letter's apex, the SELECT bar's first row.
  const std::vector<int> a = arrayValues(arrayText(text, QStringLiteral("<>_X001")));
  EXPECT_EQ(std::vector<int>(a.begin() + 2, a.begin() + 13),
            (std::vector<int>{0, 0, 0, 0, 15855, 15855, 15855, 0, 0, 0, 0}));
  EXPECT_EQ(a[2 + 2 * 11 + 5], 32767);
  EXPECT_EQ(pictureColour('o'), 15 + 15 * 32 + 15 * 1024);
}

TEST(GlyphcastTemplate, WideGlyphRowsBreakOverTwoLines) {
  const QString text = defaultTemplate();
  for (const QString& name : {QStringLiteral("<>_X009"), QStringLiteral("<>_X010")}) {
    const QStringList lines = crlfLines(arrayText(text, name));
    ASSERT_EQ(lines.size(), 1 + 10 * 2 + 1) << name.toStdString();
    for (int row = 0; row < 10; ++row) {
      EXPECT_TRUE(lines[1 + 2 * row].startsWith(QLatin1Char('\t')));
      EXPECT_FALSE(lines[2 + 2 * row].startsWith(QLatin1Char('\t')));
      EXPECT_TRUE(lines[2 + 2 * row].endsWith(QStringLiteral(", ")));
    }
    EXPECT_TRUE(lines.last().startsWith(QLatin1Char('\t')));
  }
}

TEST(GlyphcastTemplate, SeparatorLinesFollowEachSpecialGlyph) {
  const QStringList lines = crlfLines(specialGlyphArrays());
  QStringList after;
  for (int i = 0; i < lines.size(); ++i)
    if (lines[i].endsWith(QStringLiteral("};")))
      after << (i + 1 < lines.size() ? lines[i + 1] : QStringLiteral("<end>"));
  const QString tab = QStringLiteral("\t");
  EXPECT_EQ(after, (QStringList{tab, tab, tab, QString(), tab, QString(), QString(), tab, tab, tab,
                                tab, tab, tab, QString()}));
  EXPECT_TRUE(specialGlyphArrays().endsWith(QStringLiteral("0};\r\n\r\n\r\n")));
}

TEST(GlyphcastTemplate, FontTableListsEveryCodeAndTheTrailers) {
  const QStringList entries = fontTableEntries();
  ASSERT_EQ(entries.size(), kFontTableEntries);
  struct Range {
    int first, last;
    const char* kind;  // "0", "X" special glyph numbered from xFirst, "A" captured
    int xFirst;
  };
  const Range ranges[] = {
      {0, 0, "0", 0},     {1, 6, "X", 1},     {7, 13, "0", 0},    {14, 21, "X", 7},
      {22, 31, "0", 0},   {32, 126, "A", 0},  {127, 127, "0", 0}, {128, 128, "A", 0},
      {129, 152, "0", 0}, {153, 153, "A", 0}, {154, 160, "0", 0}, {161, 161, "A", 0},
      {162, 162, "0", 0}, {163, 163, "A", 0}, {164, 164, "0", 0}, {165, 165, "A", 0},
      {166, 168, "0", 0}, {169, 169, "A", 0}, {170, 173, "0", 0}, {174, 174, "A", 0},
      {175, 190, "0", 0}, {191, 214, "A", 0}, {215, 216, "0", 0}, {217, 246, "A", 0},
      {247, 248, "0", 0}, {249, 255, "A", 0}};
  int covered = 0;
  for (const Range& r : ranges) {
    for (int slot = r.first; slot <= r.last; ++slot, ++covered) {
      QString expected = QStringLiteral("0");
      if (r.kind[0] == 'X')
        expected = QStringLiteral("<>_X%1").arg(r.xFirst + slot - r.first, 3, 10, QLatin1Char('0'));
      else if (r.kind[0] == 'A')
        expected = QStringLiteral("<>_A%1").arg(slot, 3, 10, QLatin1Char('0'));
      EXPECT_EQ(entries[slot], expected) << "slot " << slot;
    }
  }
  EXPECT_EQ(covered, 256);
  EXPECT_EQ(entries.mid(256),
            (QStringList{QStringLiteral("<>_TAB_STOP"), QStringLiteral("<>_TRANSPARENT_VALUE"),
                         QStringLiteral("<>_UNDERLINE"), QStringLiteral("(uint16*)<>_VERTBIAS")}));
}

TEST(GlyphcastTemplate, FontTableIsTenEntriesToALine) {
  const QStringList lines = crlfLines(fontTableText());
  ASSERT_EQ(lines.size(), 26);
  EXPECT_EQ(lines[0],
            QStringLiteral("uint16* @@[] = { \t0, <>_X001, <>_X002, <>_X003, <>_X004, <>_X005, "
                           "<>_X006, 0, 0, 0,"));
  for (int i = 1; i < 25; ++i) {
    EXPECT_TRUE(lines[i].startsWith(QStringLiteral("\t\t\t\t\t\t\t")));
    EXPECT_FALSE(lines[i].startsWith(QStringLiteral("\t\t\t\t\t\t\t\t")));
    EXPECT_TRUE(lines[i].endsWith(QLatin1Char(',')) && !lines[i].endsWith(QStringLiteral(", ")));
    EXPECT_EQ(lines[i].count(QStringLiteral(", ")), 9) << "line " << i;
  }
  EXPECT_EQ(
      lines[25],
      QStringLiteral("\t\t\t\t\t\t\t<>_A250, <>_A251, <>_A252, <>_A253, <>_A254, <>_A255, "
                     "<>_TAB_STOP, <>_TRANSPARENT_VALUE, <>_UNDERLINE, (uint16*)<>_VERTBIAS };"));
  EXPECT_FALSE(fontTableText().contains(QStringLiteral("static")));
}
