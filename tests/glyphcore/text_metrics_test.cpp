// Glyph metrics and string widths.
#include "text_fixture.h"

namespace pane_test {
namespace {

using TextMetrics = TextTest;

TEST_F(TextMetrics, WidthFallsBackToReplacementGlyphAndHeightToSpace) {
  font.glyph('?', 5, 9).glyph(' ', 4, 7).glyph('W', 11, 13).none(200);
  setFont(font.table());
  EXPECT_EQ(getCharWidth('W'), 11u);
  EXPECT_EQ(getCharHeight('W'), 13u);
  EXPECT_EQ(getCharWidth(200), 5u);
  EXPECT_EQ(getCharHeight(200), 7u);
  EXPECT_EQ(getCharWidth(300), 5u) << "codes past 255 have no glyph";
  EXPECT_EQ(getCharHeight(300), 7u);
}

TEST_F(TextMetrics, FontHeightIsSpaceHeightPlusTwo) {
  EXPECT_EQ(getFontHeight(), 10u);
  font.glyph(' ', 3, 12);
  EXPECT_EQ(getFontHeight(), 14u);
}

TEST_F(TextMetrics, StringWidthMeasuresTheFirstLine) {
  font.glyph('W', 11, 8).none(200);
  struct Case {
    const char* text;
    int width;
  };
  const Case cases[] = {
      {"", 0},
      {"ab\ncd", 12},
      {"ab\rcd", 12},
      {"ab\x1b"
       "cd",
       12},
      {"a\tb", 12},
      {"a\b\b\b", 3},
      {"a\a", 7},
      {"a\x0b\x0c", 6},
      {"W a", 23},
      {"\xC8", 6},
      {"\b", -1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(getStringWidth(c.text, font.table()), c.width) << '"' << c.text << '"';
  }
  EXPECT_EQ(getStringWidth("ab", nullptr), 0);
  EXPECT_EQ(getStringWidth(nullptr, font.table()), 0);
}

TEST_F(TextMetrics, WithoutAFontNothingIsMeasuredOrDrawn) {
  pane::textState.currentFont = nullptr;
  std::string s = "ab cd";
  EXPECT_EQ(getCharWidth('a'), 0u);
  EXPECT_EQ(getCharHeight('a'), 0u);
  EXPECT_EQ(getFontHeight(), 0u);
  EXPECT_EQ(dispString(0, 0, s.data(), canvas.data(), 1, 0, 0, 20, 256), 0);
  dispChar(0, 0, 'a', canvas.data(), 255, 256);
  EXPECT_EQ(canvas.countNot(0), 0);
  EXPECT_EQ(s, "ab cd");
}

}  // namespace
}  // namespace pane_test
