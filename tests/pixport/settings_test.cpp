// Reading the size choice and the custom size fields.
#include "core/settings.h"

#include <gtest/gtest.h>

using namespace pixport;

TEST(PixportSizeField, ReadsDecimalMinusOneRoundingHalvesToEven) {
  const struct {
    const char* text;
    qint64 lastIndex;
  } cases[] = {
      {"5", 4},
      {"3", 2},
      {" 48 ", 47},
      {"16.5", 16},
      {"17.5", 16},
      {"2.5", 2},
      {"1.4", 0},
      {"1e2", 99},
      {"0", -1},
      {"-3", -4},
      {"32768", 32767},
      // Not a number: one pixel.
      {"", 0},
      {"abc", 0},
      {"12abc", 0},
      {"1,5", 0},
      {"nan", 0},
      {"inf", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(readSizeField(QString::fromLatin1(c.text)), c.lastIndex) << '"' << c.text << '"';
}

TEST(PixportSettings, FixedSizesAreSquareAndNeverWriteTheHeader) {
  const struct {
    SizeOption size;
    qint32 last;
  } cases[] = {
      {SizeOption::Size32, 31},
      {SizeOption::Size16, 15},
      {SizeOption::Size8, 7},
  };
  for (const auto& c : cases) {
    Choices choices;
    choices.size = c.size;
    choices.sizeBytes = true;
    choices.customWidth = QStringLiteral("0");  // ignored with a fixed size
    Settings settings;
    QString error;
    ASSERT_TRUE(resolveSettings(choices, &settings, &error));
    EXPECT_EQ(settings.w1, c.last);
    EXPECT_EQ(settings.h1, c.last);
    EXPECT_FALSE(settings.sizeHeader);
  }
}

TEST(PixportSettings, RefusesCustomSidesOutsideOneTo32768) {
  for (const char* width : {"0", "-2", "0.4", "32769", "40000", "1e12"}) {
    Choices choices;
    choices.size = SizeOption::Custom;
    choices.customWidth = QString::fromLatin1(width);
    choices.customHeight = QStringLiteral("2");
    Settings settings;
    settings.w1 = 123;
    QString error;
    EXPECT_FALSE(resolveSettings(choices, &settings, &error)) << width;
    EXPECT_TRUE(error.contains(QStringLiteral("width"))) << qPrintable(error);
    EXPECT_EQ(settings.w1, 123) << "settings untouched";

    std::swap(choices.customWidth, choices.customHeight);
    EXPECT_FALSE(resolveSettings(choices, &settings, &error)) << width;
    EXPECT_TRUE(error.contains(QStringLiteral("height"))) << qPrintable(error);
  }
}
