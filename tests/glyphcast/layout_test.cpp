// Capture order, code texts in names, the code page of the captured characters,
// and reading the numeric fields.
#include "glyphcast/core/codepage.h"
#include "glyphcast/core/font_layout.h"
#include "glyphcast/core/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace glyphcast;

TEST(GlyphcastLayout, CapturesTheCodesInOrder) {
  const std::vector<int>& codes = captureCodes();
  ASSERT_EQ(codes.size(), 163u);
  EXPECT_EQ(codes[0], 32);
  EXPECT_EQ(codes[94], 126);
  EXPECT_EQ(std::vector<int>(codes.begin() + 95, codes.begin() + 102),
            (std::vector<int>{128, 153, 161, 163, 165, 169, 174}));
  EXPECT_EQ(codes[102], 191);
  for (int skipped : {127, 129, 152, 162, 190, 215, 216, 247, 248})
    EXPECT_EQ(std::count(codes.begin(), codes.end(), skipped), 0) << skipped;
  EXPECT_EQ(codes.back(), 255);
  EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end()));
}

TEST(GlyphcastLayout, WritesCodesWithThreeDigits) {
  EXPECT_EQ(glyphCodeText(32), QStringLiteral("032"));
  EXPECT_EQ(glyphCodeText(99), QStringLiteral("099"));
  EXPECT_EQ(glyphCodeText(100), QStringLiteral("100"));
  EXPECT_EQ(glyphArrayName(QStringLiteral("fa12"), 65), QStringLiteral("fa12_A065"));
  EXPECT_EQ(glyphArrayName(QStringLiteral("fa12"), 255), QStringLiteral("fa12_A255"));
}

TEST(GlyphcastLayout, MapsCodesAsWindows1252) {
  struct Case {
    int code;
    char16_t unicode;
  };
  const Case cases[] = {{65, u'A'},    {128, 0x20AC}, {153, 0x2122}, {138, 0x0160}, {159, 0x0178},
                        {129, 0x0081}, {161, 0x00A1}, {233, 0x00E9}, {255, 0x00FF}, {32, u' '}};
  for (const Case& c : cases)
    EXPECT_EQ(unicodeFromWindows1252(c.code).unicode(), c.unicode) << c.code;
}

TEST(GlyphcastNumbers, ReadsPlainDecimalsOnly) {
  struct Case {
    const char* text;
    double value;
  };
  const Case valid[] = {{"12", 12},    {"-1", -1}, {"+0.5", 0.5}, {"3.", 3},
                        {".25", 0.25}, {"007", 7}, {"-0", 0}};
  for (const Case& c : valid) {
    const auto value = parseDecimal(QString::fromUtf8(c.text));
    ASSERT_TRUE(value.has_value()) << c.text;
    EXPECT_EQ(*value, c.value) << c.text;
  }
  for (const char* text : {"", "abc", "1e3", " 12", "12 ", "1,5", "--1", ".", "-", "inf", "nan",
                           "0x10", "1.2.3", "١٢"})
    EXPECT_FALSE(parseDecimal(QString::fromUtf8(text)).has_value()) << text;
  EXPECT_FALSE(parseDecimal(QString(400, QLatin1Char('9'))).has_value());
}

TEST(GlyphcastNumbers, RoundsHalfToEven) {
  struct Case {
    double in, out;
  };
  const Case cases[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},    {3.5, 4},    {-0.5, 0},
                        {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}, {-7.2, -7}};
  for (const Case& c : cases) EXPECT_EQ(roundHalfEven(c.in), c.out) << c.in;
}
