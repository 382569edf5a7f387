// The Qt capture box with installed fonts (Liberation Sans and DejaVu Sans):
// sizing, the code page, font matching and whole conversions.
#include "glyphcast/core/converter.h"
#include "glyphcast/core/font_layout.h"
#include "glyphcast/core/image_capture_box.h"
#include "glyphcast/core/template_text.h"
#include "qt_app.h"
#include "text_helpers.h"

#include <gtest/gtest.h>

#include <set>

using namespace glyphcast;
using namespace glyphcast::test;

namespace {

class GlyphcastCaptureBox : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testApplication(); }

  static Conversion convertWith(const QString& family, bool smooth = true, bool bold = false) {
    Fields fields;
    fields.fontName = family;
    fields.bold = bold;
    ImageCaptureBox box;
    return convertFont(box, fields, defaultTemplate(), smooth);
  }
};

std::vector<int> pixelsOf(const QString& text, const QString& name) {
  std::vector<int> values = arrayValues(arrayText(text, name));
  return std::vector<int>(values.begin() + 2, values.end());
}

int countNonZero(const std::vector<int>& pixels) {
  return static_cast<int>(
      std::count_if(pixels.begin(), pixels.end(), [](int v) { return v != 0; }));
}

}  // namespace

TEST_F(GlyphcastCaptureBox, SizesFontsAt96DotsPerInch) {
  CaptureFont font;
  font.family = QStringLiteral("DejaVu Sans");
  EXPECT_EQ(qtFontFor(font).pixelSize(), 16);
  font.points = 10;
  EXPECT_EQ(qtFontFor(font).pixelSize(), 13);
  EXPECT_EQ(qtFontFor(font).hintingPreference(), QFont::PreferFullHinting);
  EXPECT_TRUE(qtFontFor(font).styleStrategy() & QFont::NoSubpixelAntialias);
  font.smooth = false;
  EXPECT_TRUE(qtFontFor(font).styleStrategy() & QFont::NoAntialias);
}

TEST_F(GlyphcastCaptureBox, StartsBlackAndReadsMinusOneOutside) {
  ImageCaptureBox box;
  EXPECT_EQ(box.image().size(), QSize(241, 225));
  EXPECT_EQ(box.pixel(0, 0), 0);
  EXPECT_EQ(box.pixel(240, 224), 0);
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {241, 0}, {0, 225}})
    EXPECT_EQ(box.pixel(x, y), -1) << x << "," << y;
}

TEST_F(GlyphcastCaptureBox, DrawsWhiteCharactersAtTheCellCorner) {
  ImageCaptureBox box;
  CaptureFont font;
  font.family = QStringLiteral("DejaVu Sans");
  box.setFont(font);
  box.drawChar(100, 100, 'I');
  int minY = 1000;
  bool white = false;
  for (int y = 0; y < CaptureBox::kHeight; ++y)
    for (int x = 0; x < CaptureBox::kWidth; ++x)
      if (box.pixel(x, y) != 0) {
        EXPECT_GE(x, 100);
        minY = std::min(minY, y);
        white = white || box.pixel(x, y) == 0x00FFFFFF;
      }
  EXPECT_TRUE(white);
  EXPECT_GT(minY, 100);  // the cap height sits below the cell's top
  EXPECT_LT(minY, 100 + box.textHeight('I'));
  box.clear();
  EXPECT_EQ(box.pixel(101, minY), 0);
}

TEST_F(GlyphcastCaptureBox, RefusesAFontNothingAnswersTo) {
  const Conversion result = convertWith(QStringLiteral("Glyphcast Missing Font"));
  EXPECT_FALSE(result.ok);
  EXPECT_TRUE(result.message.startsWith(
      QStringLiteral("No installed font is named \"Glyphcast Missing Font\"")))
      << result.message.toStdString();
}

TEST_F(GlyphcastCaptureBox, NamesTheAliasFamily) {
  ImageCaptureBox box;
  CaptureFont font;
  font.family = QStringLiteral("Arial");
  const FontMatch match = box.setFont(font);
  if (match.familyUsed != QLatin1String("Liberation Sans"))
    GTEST_SKIP() << "Arial is not answered by Liberation Sans here";
  EXPECT_TRUE(match.answered);
  font.family = QStringLiteral("liberation sans");
  EXPECT_TRUE(box.setFont(font).answered);
}

TEST_F(GlyphcastCaptureBox, ConvertsInstalledFontsWholly) {
  for (const QString& family : {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}) {
    SCOPED_TRACE(family.toStdString());
    const Conversion result = convertWith(family);
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    EXPECT_TRUE(result.note.isEmpty());
    const QString prefix =
        family == QLatin1String("DejaVu Sans") ? QStringLiteral("fd12") : QStringLiteral("fl12");
    EXPECT_EQ(result.text.count(QStringLiteral("static uint16 ") + prefix + QStringLiteral("_A")),
              163);

    std::set<int> rowCounts;
    for (int code : captureCodes()) {
      const std::vector<int> values =
          arrayValues(arrayText(result.text, glyphArrayName(prefix, code)));
      ASSERT_EQ(values.size(), static_cast<size_t>(2 + (values[0] + 1) * (values[1] + 1))) << code;
      rowCounts.insert(values[1]);
    }
    EXPECT_EQ(rowCounts.size(), 1u);

    QStringList tableNames = fontTableEntries();
    for (QString name : tableNames) {
      if (name == QLatin1String("0")) continue;
      name.remove(QStringLiteral("(uint16*)")).replace(QStringLiteral("<>"), prefix);
      EXPECT_EQ(
          result.text.count(QStringLiteral("static uint16 ") + name + QStringLiteral("[] = ")), 1)
          << name.toStdString();
    }
    const QString table =
        QStringLiteral("uint16* font_%1_12[] = { ").arg(family.toLower().replace(' ', '_'));
    EXPECT_EQ(result.text.count(table), 1);
  }
}

TEST_F(GlyphcastCaptureBox, CapturesLettersSignsAndAccents) {
  const Conversion result = convertWith(QStringLiteral("Liberation Sans"));
  ASSERT_TRUE(result.ok);
  const std::vector<int> values = arrayValues(arrayText(result.text, QStringLiteral("fl12_A065")));
  const int columns = values[0] + 1;
  const int rows = values[1] + 1;
  const std::vector<int> a(values.begin() + 2, values.end());
  EXPECT_GT(std::count(a.begin(), a.end(), 32767), 0);
  for (int x = 0; x < columns; ++x) {
    EXPECT_EQ(a[x], 0) << "top row, column " << x;
    EXPECT_EQ(a[(rows - 1) * columns + x], 0) << "bottom row, column " << x;
  }
  for (int y = 0; y < rows; ++y)
    EXPECT_EQ(a[y * columns + columns - 1], 0) << "right column, row " << y;

  EXPECT_EQ(countNonZero(pixelsOf(result.text, QStringLiteral("fl12_A032"))), 0);
  const int e = countNonZero(pixelsOf(result.text, QStringLiteral("fl12_A101")));
  EXPECT_GT(countNonZero(pixelsOf(result.text, QStringLiteral("fl12_A233"))),
            e);  // é has its accent
  EXPECT_GT(countNonZero(pixelsOf(result.text, QStringLiteral("fl12_A128"))), 10);  // the euro sign
  EXPECT_NE(pixelsOf(result.text, QStringLiteral("fl12_A128")),
            pixelsOf(result.text, QStringLiteral("fl12_A063")));
}

TEST_F(GlyphcastCaptureBox, SmoothsWithGreysUnlessAskedForOneBit) {
  auto colours = [](const QString& text) {
    const std::vector<int> values = arrayValues(arrayText(text, QStringLiteral("fd12_A083")));
    return std::set<int>(values.begin() + 2, values.end());
  };
  const Conversion smooth = convertWith(QStringLiteral("DejaVu Sans"));
  const Conversion sharp = convertWith(QStringLiteral("DejaVu Sans"), false);
  ASSERT_TRUE(smooth.ok && sharp.ok);
  EXPECT_GT(colours(smooth.text).size(), 2u);
  EXPECT_EQ(colours(sharp.text), (std::set<int>{0, 32767}));
}

TEST_F(GlyphcastCaptureBox, GivesTheSameTextEveryRun) {
  const Conversion first = convertWith(QStringLiteral("DejaVu Sans"), true, true);
  const Conversion second = convertWith(QStringLiteral("DejaVu Sans"), true, true);
  ASSERT_TRUE(first.ok);
  EXPECT_EQ(first.text, second.text);
  const QString regular = convertWith(QStringLiteral("DejaVu Sans")).text;
  EXPECT_NE(pixelsOf(first.text, QStringLiteral("fd12_A087")),
            pixelsOf(regular, QStringLiteral("fd12_A087")));
}
