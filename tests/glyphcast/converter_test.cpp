// A whole conversion over the scripted capture box: output layout, field handling,
// the event pump and the refusals of unusable settings.
#include "glyphcast/core/converter.h"
#include "glyphcast/core/font_layout.h"
#include "fake_capture_box.h"
#include "text_helpers.h"

#include <gtest/gtest.h>
#include <libpane.h>

#include <functional>

using namespace glyphcast;
using namespace glyphcast::test;

namespace {

Fields arial(std::function<void(Fields&)> change = {}) {
  Fields fields;
  fields.fontName = QStringLiteral("Arial");
  if (change) change(fields);
  return fields;
}

Conversion convert(FakeCaptureBox& box, const Fields& fields,
                   const QString& templ = QStringLiteral("tail\r\n")) {
  return convertFont(box, fields, templ);
}

}  // namespace

TEST(GlyphcastConverter, WritesCommentBlockGlyphsThenTemplate) {
  FakeCaptureBox box;
  const Conversion result =
      convert(box, arial(), QStringLiteral("uint16* @@[] = { <>_A032 };\r\n"));
  ASSERT_TRUE(result.ok) << result.message.toStdString();
  EXPECT_TRUE(result.text.startsWith(commentBlock(arial()) +
                                     QStringLiteral("static uint16 fa12_A032[] = { ")));
  EXPECT_TRUE(result.text.endsWith(
      QStringLiteral("};\r\n\r\nuint16* font_arial_12[] = { fa12_A032 };\r\n")));
  EXPECT_EQ(result.text.count(QStringLiteral("static uint16 fa12_A")), 163);
  for (const char* name :
       {"fa12_A032", "fa12_A065", "fa12_A099", "fa12_A100", "fa12_A128", "fa12_A255"})
    EXPECT_EQ(result.text.count(QStringLiteral("static uint16 %1[] = ").arg(QLatin1String(name))),
              1)
        << name;

  ASSERT_EQ(box.draws.size(), captureCodes().size());
  for (size_t i = 0; i < box.draws.size(); ++i) EXPECT_EQ(box.draws[i].code, captureCodes()[i]);
  EXPECT_EQ(box.fontCalls, 1);
}

TEST(GlyphcastConverter, HeaderCountsColumnsAndRowsLessOne) {
  FakeCaptureBox box;
  const Conversion result = convert(box, arial());
  for (int code : {32, 65, 126, 233}) {
    const QString array = arrayText(result.text, glyphArrayName(QStringLiteral("fa12"), code));
    const std::vector<int> values = arrayValues(array);
    const int w = 3 + code % 4;  // the fake's advance; bias 0
    const int h = 5;
    ASSERT_EQ(values[0], w) << code;
    ASSERT_EQ(values[1], h) << code;
    EXPECT_EQ(values.size(), static_cast<size_t>(2 + (w + 1) * (h + 1))) << code;

    const QStringList lines = array.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), h + 2) << code;
    for (int row = 1; row <= h; ++row) {
      EXPECT_TRUE(lines[row].startsWith(QLatin1Char('\t')));
      EXPECT_TRUE(lines[row].endsWith(QStringLiteral(", ")));
    }
    EXPECT_FALSE(lines.last().contains(QStringLiteral(", }")));
    EXPECT_TRUE(result.text.contains(array + QStringLiteral("\r\n\r\n")));
  }
}

TEST(GlyphcastConverter, WidthBiasMinusOneMakesColumnsEqualTheWidth) {
  FakeCaptureBox box;
  const Conversion result =
      convert(box, arial([](Fields& f) { f.widthBias = QStringLiteral("-1"); }));
  ASSERT_TRUE(result.ok);
  const std::vector<int> values = arrayValues(arrayText(result.text, QStringLiteral("fa12_A065")));
  EXPECT_EQ(values[0] + 1, 3 + 65 % 4);
}

TEST(GlyphcastConverter, RoundsPositionsAndSizesHalfToEven) {
  FakeCaptureBox box;
  box.extraWidth = 0.5;
  const Conversion result = convert(box, arial([](Fields& f) {
                                      f.locX = QStringLiteral("2.5");
                                      f.locY = QStringLiteral("3.5");
                                    }));
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(box.draws[0].x, 2);
  EXPECT_EQ(box.draws[0].y, 4);
  EXPECT_EQ(arrayValues(arrayText(result.text, QStringLiteral("fa12_A032")))[0], 4);  // 3.5
  EXPECT_EQ(arrayValues(arrayText(result.text, QStringLiteral("fa12_A033")))[0], 4);  // 4.5
}

TEST(GlyphcastConverter, ReadsTheDrawnPixels) {
  FakeCaptureBox box;
  const Conversion result = convert(box, arial([](Fields& f) { f.locX = QStringLiteral("1"); }));
  const std::vector<int> values = arrayValues(arrayText(result.text, QStringLiteral("fa12_A032")));
  const int columns = values[0] + 1;
  for (int y = 0; y <= values[1]; ++y)
    for (int x = 0; x < columns; ++x)
      EXPECT_EQ(values[2 + y * columns + x], x - 1 == y && y < box.inkLength ? 32767 : 0)
          << x << "," << y;
}

TEST(GlyphcastConverter, SetsTheFontOnceFromTheFields) {
  FakeCaptureBox box;
  ConvertSource source;
  source.fields = [] {
    return arial([](Fields& f) {
      f.size = QStringLiteral("10.5");
      f.italic = true;
    });
  };
  source.templateText = [] { return QString(); };
  source.options.smooth = false;
  source.options.name = QStringLiteral("arial10h");  // 10.5 cannot be part of a name
  ASSERT_TRUE(convertFont(box, source).ok);
  EXPECT_EQ(box.fontCalls, 1);
  EXPECT_EQ(box.font.family, QStringLiteral("Arial"));
  EXPECT_EQ(box.font.points, 10.5f);
  EXPECT_FALSE(box.font.bold);
  EXPECT_TRUE(box.font.italic);
  EXPECT_FALSE(box.font.smooth);
}

TEST(GlyphcastConverter, ReplacesPlaceholdersTypedIntoFields) {
  FakeCaptureBox box;
  ConvertOptions options;
  options.name = QStringLiteral("my_font");
  const Conversion result =
      convertFont(box, arial([](Fields& f) { f.fontName = QStringLiteral("My <> @@ Font"); }),
                  QStringLiteral("{ || }\r\n"), options);
  ASSERT_TRUE(result.ok) << result.message.toStdString();
  EXPECT_TRUE(
      result.text.contains(QStringLiteral("// Font name: 'My my_font my_font Font' size 12\r\n")));
  EXPECT_TRUE(result.text.endsWith(QStringLiteral("{ 12 }\r\n")));
}

TEST(GlyphcastConverter, ANameIsThePrefixAndTheTableOfASourceThatIncludesLibpane) {
  FakeCaptureBox box;
  ConvertOptions options;
  options.name = QStringLiteral("ui_font");
  const Conversion result =
      convertFont(box, arial(), QStringLiteral("uint16* @@[] = { <>_A065 };\r\n"), options);
  ASSERT_TRUE(result.ok) << result.message.toStdString();
  EXPECT_TRUE(result.text.startsWith(
      QStringLiteral("// Generated by glyphcast " LIBPANE_VERSION_STRING
                     "\r\n#include <libpane.h>\r\n\r\n// Font name: 'Arial' size 12\r\n")));
  EXPECT_TRUE(result.text.contains(QStringLiteral("static uint16 ui_font_A032[] = { ")));
  EXPECT_TRUE(
      result.text.endsWith(QStringLiteral("\r\n\r\nuint16* ui_font[] = { ui_font_A065 };\r\n")));
  EXPECT_EQ(result.tableName, QStringLiteral("ui_font"));
  EXPECT_EQ(result.templatePart, QStringLiteral("uint16* ui_font[] = { ui_font_A065 };\r\n"));

  // The glyph data is what the arrays of the text hold.
  ASSERT_EQ(result.glyphs.size(), captureCodes().size());
  for (const CapturedGlyph& glyph : result.glyphs) {
    std::vector<int> expected = {glyph.w, glyph.h};
    expected.insert(expected.end(), glyph.pixels.begin(), glyph.pixels.end());
    ASSERT_EQ(
        arrayValues(arrayText(result.text, glyphArrayName(QStringLiteral("ui_font"), glyph.code))),
        expected)
        << glyph.code;
  }
}

TEST(GlyphcastConverter, ReportsEachGlyphBeforeCapturingIt) {
  FakeCaptureBox box;
  std::vector<std::pair<int, int>> calls;
  ConvertSource source;
  source.fields = [] { return arial(); };
  source.templateText = [] { return QString(); };
  source.progress = [&](int glyph, int count) {
    calls.emplace_back(glyph, count);
    EXPECT_EQ(box.draws.size(), static_cast<size_t>(glyph - 1));
  };
  ASSERT_TRUE(convertFont(box, source).ok);
  ASSERT_EQ(calls.size(), 163u);
  EXPECT_EQ(calls.front(), std::make_pair(1, 163));
  EXPECT_EQ(calls.back(), std::make_pair(163, 163));
}

TEST(GlyphcastConverter, MakesTemplateLineEndsCrLf) {
  FakeCaptureBox box;
  const Conversion result = convert(box, arial(), QStringLiteral("a\nb"));
  EXPECT_TRUE(result.text.endsWith(QStringLiteral("\r\n\r\na\r\nb")));
  EXPECT_EQ(result.text.count(QLatin1Char('\n')), result.text.count(QStringLiteral("\r\n")));
}

TEST(GlyphcastConverter, ReadsFieldsAfreshForEachGlyphAndTheTableNameAtTheEnd) {
  FakeCaptureBox box;
  int reads = 0;
  ConvertSource source;
  source.fields = [&reads] {
    ++reads;
    return arial([&reads](Fields& f) {
      if (reads > 2)  // from the second glyph on
        f.widthBias = QStringLiteral("2");
      if (reads > 1 + 163)  // the final replacement
        f.fontName = QStringLiteral("Zed");
    });
  };
  source.templateText = [] { return QStringLiteral("@@ <>"); };
  const Conversion result = convertFont(box, source);
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(reads, 1 + 163 + 1);
  EXPECT_EQ(arrayValues(arrayText(result.text, QStringLiteral("fa12_A032")))[0], 3);
  EXPECT_EQ(arrayValues(arrayText(result.text, QStringLiteral("fa12_A033")))[0], 4 + 2);
  EXPECT_TRUE(result.text.endsWith(QStringLiteral("font_zed_12 fa12")));
}

TEST(GlyphcastConverter, PumpsEventsAfterEachRowAndStopsWhenAsked) {
  FakeCaptureBox box;
  int yields = 0;
  ConvertSource source;
  source.fields = [] { return arial(); };
  source.templateText = [] { return QString(); };
  source.yield = [&yields] { return ++yields < 100; };
  const Conversion result = convertFont(box, source);
  EXPECT_FALSE(result.ok);
  EXPECT_TRUE(result.text.isEmpty());
  EXPECT_EQ(result.message, stoppedMessage());
  EXPECT_EQ(yields, 100);

  yields = -1000000;
  EXPECT_TRUE(convertFont(box, source).ok);
  EXPECT_EQ(yields, -1000000 + 163 * 6);
}

TEST(GlyphcastConverter, RefusesUnusableSettings) {
  struct Case {
    std::function<void(Fields&)> change;
    const char* message;
    const char* name = "";
  };
  const Case cases[] = {
      {[](Fields& f) { f.size = QStringLiteral("abc"); }, "Size \"abc\" is not a number."},
      {[](Fields& f) { f.size = QStringLiteral("0"); }, "Size 0 is outside the sizes"},
      {[](Fields& f) { f.size = QStringLiteral("-12"); }, "Size -12 is outside the sizes"},
      {[](Fields& f) { f.size = QStringLiteral("800"); }, "Size 800 is outside the sizes"},
      {[](Fields& f) { f.widthBias = QStringLiteral("x"); }, "Width bias \"x\" is not a number."},
      {[](Fields& f) { f.heightBias = QString(); }, "Height bias \"\" is not a number."},
      {[](Fields& f) { f.locX = QStringLiteral("1,5"); }, "Loc bias x \"1,5\" is not a number."},
      {[](Fields& f) { f.locY = QStringLiteral(" 2"); }, "Loc bias y \" 2\" is not a number."},
      {[](Fields& f) { f.locX = QStringLiteral("40000"); },
       "Loc bias x 40000 is outside -32767 to 32767."},
      {[](Fields& f) { f.widthBias = QStringLiteral("-5"); },
       "Width bias -5 leaves code 32, ' ' less than one pixel wide."},
      {[](Fields& f) { f.heightBias = QStringLiteral("-6"); },
       "Height bias -6 leaves code 32, ' ' less than one pixel tall."},
      {[](Fields& f) { f.widthBias = QStringLiteral("238"); },
       "The glyph of code 32, ' ' would be 242 pixels wide (size 12, width bias 238); the capture "
       "box is 241."},
      {[](Fields& f) { f.heightBias = QStringLiteral("220"); },
       "The glyph of code 32, ' ' would be 226 pixels tall (size 12, height bias 220); the capture "
       "box is 225."},
      {[](Fields& f) { f.locX = QStringLiteral("300"); }, "Every glyph is blank"},
      {[](Fields& f) { f.size = QStringLiteral("12.5"); },
       "Size \"12.5\" gives array names such as fa12.5_A032, which C does not accept."},
      {[](Fields& f) { f.fontName = QStringLiteral("Sans-Serif"); },
       "Font name \"Sans-Serif\" gives the table name font_sans-serif_12, which C does not "
       "accept."},
      {[](Fields& f) { f.fontName = QStringLiteral("\u00c9toile"); },
       "Font name \"\u00c9toile\" gives array names such as f\u00e912_A032"},
      {[](Fields& f) { f.underline = QStringLiteral("abc"); },
       "The underline \"abc\" is not a whole number from 0 to 65535."},
      {[](Fields& f) { f.underline = QString(); }, "The underline \"\" is not"},
      {[](Fields& f) { f.underline = QStringLiteral("65536"); }, "The underline \"65536\" is not"},
      {[](Fields& f) { f.underline = QStringLiteral("012"); }, "The underline \"012\" is not"},
      {[](Fields& f) { f.underline = QStringLiteral("-1"); }, "The underline \"-1\" is not"},
      {[](Fields&) {}, "The name \"9lives\" is not a C identifier.", "9lives"},
      {[](Fields&) {}, "The name \"int\" is a C keyword.", "int"},
      {[](Fields&) {}, "The name \"ui-font\" is not a C identifier.", "ui-font"},
      {[](Fields& f) { f.fontName = QString(); }, "Type the name of an installed font."},
      {[](Fields& f) { f.fontName = QStringLiteral("  "); }, "Type the name of an installed font."},
      {[](Fields& f) { f.fontName = QStringLiteral("A\nB"); },
       "The font name must not contain a line break."},
      {[](Fields& f) { f.size = QStringLiteral("1\n2"); },
       "The size must not contain a line break."},
  };
  for (const Case& c : cases) {
    FakeCaptureBox box;
    ConvertOptions options;
    options.name = QString::fromUtf8(c.name);
    const Conversion result =
        convertFont(box, arial(c.change), QStringLiteral("tail\r\n"), options);
    EXPECT_FALSE(result.ok) << c.message;
    EXPECT_TRUE(result.text.isEmpty()) << c.message;
    EXPECT_TRUE(result.message.startsWith(QString::fromUtf8(c.message)))
        << result.message.toStdString();
  }
}

TEST(GlyphcastConverter, AcceptsTheSmallestAndLargestGlyphs) {
  FakeCaptureBox box;
  box.inkLength = 1;
  Conversion result = convert(box, arial([](Fields& f) { f.widthBias = QStringLiteral("-3"); }));
  ASSERT_TRUE(result.ok) << result.message.toStdString();
  EXPECT_EQ(arrayValues(arrayText(result.text, QStringLiteral("fa12_A032")))[0], 0);
  result = convert(box, arial([](Fields& f) {
                     f.widthBias = QStringLiteral("234");
                     f.heightBias = QStringLiteral("219");
                   }));
  ASSERT_TRUE(result.ok) << result.message.toStdString();
  EXPECT_EQ(arrayValues(arrayText(result.text, QStringLiteral("fa12_A035")))[0],
            CaptureBox::kWidth - 1);
  EXPECT_EQ(arrayValues(arrayText(result.text, QStringLiteral("fa12_A035")))[1],
            CaptureBox::kHeight - 1);
}

TEST(GlyphcastConverter, ConvertsSettingsThatCutInkAndNamesTheCutCharacters) {
  // The fake's advance is 3 + code % 4, its ink a diagonal from the cell's corner.
  struct Case {
    std::function<void(Fields&)> change;
    int inkLength;
    const char* warning;  // start of the warning, empty for none
    const char* named;    // a character the warning names
    const char* unnamed;  // one it does not
  };
  const Case cases[] = {
      {{}, 2, "", "", ""},
      {{},
       20,
       "The glyph boxes cut ink off 163 characters (loc bias 0, 0, width bias 0, height bias 0): "
       "32 ' ', 33 '!'",
       "255",
       ""},
      {[](Fields& f) { f.widthBias = QStringLiteral("-1"); }, 2, "", "", ""},
      {[](Fields& f) { f.widthBias = QStringLiteral("-1"); }, 4,
       "The glyph boxes cut ink off 39 characters (loc bias 0, 0, width bias -1, height bias 0): "
       "32 ' ', 36 '$', 40 '('",
       "", "33 '!'"},
      {[](Fields& f) { f.locX = f.locY = QStringLiteral("2"); }, 4,
       "The glyph boxes cut ink off 83 characters", "33 '!'", "34 '\"'"},
      {[](Fields& f) { f.locX = QStringLiteral("-1"); }, 2,
       "The glyph boxes cut ink off 163 characters (loc bias -1, 0,", "", ""},
      {[](Fields& f) { f.heightBias = QStringLiteral("-3"); }, 4,
       "The glyph boxes cut ink off 163 characters (loc bias 0, 0, width bias 0, height bias -3)",
       "", ""},
  };
  for (const Case& c : cases) {
    FakeCaptureBox box;
    box.inkLength = c.inkLength;
    const Conversion result = convert(box, arial(c.change));
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    const std::string warning = result.warning.toStdString();
    EXPECT_EQ(warning.rfind(c.warning, 0), 0u) << warning;
    EXPECT_EQ(warning.empty(), *c.warning == 0) << warning;
    EXPECT_NE(warning.find(c.named), std::string::npos) << warning;
    if (*c.unnamed) {
      EXPECT_EQ(warning.find(c.unnamed), std::string::npos) << warning;
    }
  }
}

TEST(GlyphcastConverter, RefusesARunWhoseGlyphsAreAllBlank) {
  FakeCaptureBox box;
  box.blank = true;
  const Conversion result = convert(box, arial());
  EXPECT_FALSE(result.ok);
  EXPECT_TRUE(result.text.isEmpty());
  EXPECT_EQ(result.message,
            QStringLiteral(
                "Every glyph is blank: nothing was drawn inside the glyph boxes (loc bias 0, 0)."));
}

TEST(GlyphcastConverter, RefusesAFontNothingAnswersTo) {
  FakeCaptureBox box;
  box.match = {QStringLiteral("DejaVu Sans"), false};
  const Conversion result =
      convert(box, arial([](Fields& f) { f.fontName = QStringLiteral("Nope"); }));
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(
      result.message,
      QStringLiteral("No installed font is named \"Nope\" (it would be drawn with DejaVu Sans)."));
  EXPECT_TRUE(box.draws.empty());
}

TEST(GlyphcastConverter, NamesTheFamilyThatAnswersForAnother) {
  FakeCaptureBox box;
  box.match = {QStringLiteral("Liberation Sans"), true};
  Conversion result = convert(box, arial());
  ASSERT_TRUE(result.ok);
  EXPECT_EQ(result.note, QStringLiteral("Arial is drawn with Liberation Sans."));

  box.match = {QStringLiteral("Fake Sans"), true};
  result = convert(box, arial([](Fields& f) { f.fontName = QStringLiteral("fake sans"); }));
  ASSERT_TRUE(result.ok);
  EXPECT_TRUE(result.note.isEmpty());
}

TEST(GlyphcastConverter, ExactRefusesTheFamilyThatAnswersForAnother) {
  FakeCaptureBox box;
  ConvertOptions exact;
  exact.exact = true;
  box.match = {QStringLiteral("Liberation Sans"), true};
  Conversion result = convertFont(box, arial(), QString(), exact);
  EXPECT_FALSE(result.ok);
  EXPECT_EQ(result.message,
            QStringLiteral("No installed font is named \"Arial\"; Liberation Sans answers for it, "
                           "and only the family named is accepted."));
  EXPECT_TRUE(box.draws.empty());

  box.match = {QStringLiteral("ARIAL"), true};
  EXPECT_TRUE(convertFont(box, arial(), QString(), exact).ok);
}

TEST(GlyphcastConverter, SaysWhatTheFontDrawsOtherThanAsked) {
  struct Case {
    std::function<void(FakeCaptureBox&)> font;
    bool exact;
    const char* size;
    const char* said;  // the note, or the refusal with exact settings
  };
  const auto lacksAB = [](FakeCaptureBox& box) { box.missing = {65, 66}; };
  const auto bitmap = [](FakeCaptureBox& box) {
    box.match.fixedPixels = 12;
    box.match.fixedPoints = {9, 10.5};
  };
  const Case cases[] = {
      {lacksAB, false, "12",
       "Arial has no glyph for characters 65 'A', 66 'B': each is drawn as code 63, '?'."},
      {lacksAB, true, "12",
       "Arial has no glyph for characters 65 'A', 66 'B'; only the font's own glyphs are "
       "accepted."},
      {bitmap, false, "24",
       "Arial is a bitmap font: size 24 is drawn at 9 points (12 pixels); its sizes are 9, 10.5 "
       "points."},
      {bitmap, true, "24",
       "Arial is a bitmap font: size 24 is drawn at 9 points (12 pixels); its sizes are 9, 10.5 "
       "points. Only the size asked is accepted."},
      {bitmap, true, "9", ""},
      {[](FakeCaptureBox& box) { box.match.fromFile = false; }, false, "12",
       "An installed font named \"Arial\" draws in place of the font file's own face."},
  };
  for (const Case& c : cases) {
    FakeCaptureBox box;
    box.match.familyUsed = QStringLiteral("Arial");
    c.font(box);
    ConvertOptions options;
    options.exact = c.exact;
    const Conversion result = convertFont(
        box, arial([&c](Fields& f) { f.size = QString::fromUtf8(c.size); }), QString(), options);
    EXPECT_EQ(result.ok ? result.note : result.message, QString::fromUtf8(c.said));
    if (result.ok && !box.missing.empty()) {
      EXPECT_EQ(arrayValues(arrayText(result.text, QStringLiteral("fa12_A065"))),
                arrayValues(arrayText(result.text, QStringLiteral("fa12_A063"))));
    }
  }
}
