// Code points as typed and as a text file holds them, and their names in messages.
#include "glyphcast/core/code_points.h"

#include "text_helpers.h"

#include <gtest/gtest.h>

using namespace glyphcast;

TEST(GlyphcastCodePoints, RangesInHexAndDecimal) {
  struct Case {
    const char* text;
    CodePoints points;
    const char* error;  // the start of the message, empty when read
  };
  const Case cases[] = {
      {"0x41-0x43, 97,0x3042", {0x41, 0x42, 0x43, 97, 0x3042}, ""},
      {"0x1e-0x21", {0x20, 0x21}, ""},  // control codes are left out
      {"0xD7FF-0xE000", {0xD7FF, 0xE000}, ""},
      {"0x10FFFF", {0x10FFFF}, ""},
      {"0x43-0x41", {}, "the range \"0x43-0x41\" ends before it starts"},
      {"0x41,", {}, "the range \"\" is not a code point"},
      {"A-Z", {}, "the range \"A-Z\" is not a code point"},
      {"0x110000", {}, "the range \"0x110000\" goes past U+10FFFF"},
      {"0x20-99999999999", {}, "the range \"0x20-99999999999\" is not a code point"},
  };
  for (const Case& c : cases) {
    CodePoints points;
    QString error;
    const bool read = addRanges(QString::fromUtf8(c.text), &points, &error);
    EXPECT_EQ(read, *c.error == 0) << c.text << ": " << error.toStdString();
    EXPECT_EQ(error.left(qstrlen(c.error)), QString::fromUtf8(c.error));
    if (read) {
      EXPECT_EQ(points, c.points) << c.text;
    }
  }
}

TEST(GlyphcastCodePoints, SymbolsOfUtf8TextAndItsFaults) {
  struct Case {
    QByteArray text;
    CodePoints points;
    const char* error;
  };
  const Case cases[] = {
      {"\xEF\xBB\xBF"
       "a\r\n\xE3\x81\x82\t\xF0\x9F\x98\x80"
       "a",
       {'a', 0x3042, 0x1F600},
       ""},
      {"ab\xE3\x81", {}, "is not UTF-8 text (byte 2)"},        // cut off
      {"\xC0\xAF", {}, "is not UTF-8 text (byte 0)"},          // overlong
      {"x\xED\xA0\x80", {}, "is not UTF-8 text (byte 1)"},     // a surrogate
      {"\xF4\x90\x80\x80", {}, "is not UTF-8 text (byte 0)"},  // above U+10FFFF
      {"a\x80", {}, "is not UTF-8 text (byte 1)"},             // a stray continuation
  };
  for (const Case& c : cases) {
    CodePoints points;
    QString error;
    EXPECT_EQ(addSymbols(c.text, &points, &error), *c.error == 0) << error.toStdString();
    EXPECT_EQ(error, QString::fromUtf8(c.error));
    if (*c.error == 0) {
      EXPECT_EQ(points, c.points);
    }
  }
}

TEST(GlyphcastCodePoints, ListsRunsAndCapsThem) {
  EXPECT_EQ(codePointList({0x41, 0x4E00, 0x4E01, 0x4E02, 0x10FFFF}),
            QStringLiteral("U+0041, U+4E00-U+4E02, U+10FFFF"));
  EXPECT_EQ(codePointList({1, 3, 5, 7}, 2), QStringLiteral("U+0001, U+0003 and 2 more runs"));
}
