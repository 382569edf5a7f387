// The string renderer: layout, glyph placement, control codes, styles,
// decorations and the limits it never writes past. Glyphs are 6x8 unless a
// test says otherwise.
#include "glyphcore/text_render.h"

#include "text_fixture.h"

namespace pane_test {
namespace {

using TextRender = TextTest;

std::string run(char c, int n) { return std::string(static_cast<size_t>(n), c); }

TEST_F(TextRender, BlockHeightCountsEachLineAtItsTallestGlyph) {
  font.glyph('T', 6, 14);
  setFont(font.table());
  struct Case {
    const char* text;
    int height;
  };
  const Case cases[] = {
      {"", 8}, {"ab", 8}, {"aTb", 14}, {"ab\ncd", 18}, {"aT\nb", 24}, {"abc def", 18},
  };
  for (const Case& c : cases) {
    std::string drawn = c.text, measured = c.text;
    EXPECT_EQ(draw(drawn, 0, 0, true, 0, 0, 41, 256), c.height) << c.text;
    EXPECT_EQ(dispString(0, 0, measured.data(), nullptr, 1, 0, 0, 41, 256), c.height) << c.text;
  }
  font.glyph(' ', 6, 10);
  setFont(font.table());
  std::string s = "ab";
  EXPECT_EQ(dispString(0, 0, s.data(), nullptr, 0, 0, 0, 255, 256), 10)
      << "space taller than letters";
}

TEST_F(TextRender, NullBufferDrawsNothing) {
  std::string s = "ab\ncd";
  EXPECT_EQ(dispString(0, 0, s.data(), nullptr, 1, 0, 0, 100, 256), 18);
  EXPECT_EQ(getLastX(), 12);
  EXPECT_EQ(getLastY(), 10);
  EXPECT_EQ(canvas.countNot(0), 0);
}

TEST_F(TextRender, WrapsAfterLastFittingSpaceAndLeavesStringAsItWas) {
  std::string s = "abc def";
  EXPECT_EQ(draw(s, 0, 0, true, 0, 0, 41, 256), 18);
  EXPECT_EQ(s, "abc def");
  EXPECT_EQ(rowAt(0), run('#', 18) + run('.', 14));
  EXPECT_EQ(rowAt(10), run('#', 18) + run('.', 14));
}

// T is 14 rows high: it counts in the line it breaks away from, so the next
// line starts at 0 + 14 + 2.
TEST_F(TextRender, TallGlyphMovedByForcedBreakCountsInTheLineItLeft) {
  font.glyph('T', 6, 14);
  setFont(font.table());
  std::string s = "abcdT";
  EXPECT_EQ(draw(s, 0, 0, true, 0, 0, 24, 256), 30);
  EXPECT_EQ(rowAt(15), run('.', 32));
  EXPECT_EQ(rowAt(16), run('#', 6) + run('.', 26));

  std::string grown = "aT\nb";
  EXPECT_EQ(draw(grown, 0, 100, false, 0, 0, 255, 256), 24);
  EXPECT_EQ(columnAt(0, 114, 3), "..#");
}

// The 40-row T's move to the second line at a wrap and make only that line
// tall: lines start at 0, 10, 52, 62 and 72, all inside the box, so "bbb" still
// moves whole to the last line instead of being broken after "a bb".
TEST_F(TextRender, WordMovedByAWrapCountsOnlyInTheLineItMovesTo) {
  font.glyph('T', 6, 40);
  setFont(font.table());
  std::string s = "aaa TT aaaaa bbb";
  EXPECT_EQ(draw(s, 0, 0, true, 0, 0, 29, 90), 80);
  EXPECT_EQ(rowAt(62, 0, 30), run('#', 6) + run('.', 24));
  EXPECT_EQ(rowAt(72, 0, 30), run('#', 18) + run('.', 12));
  EXPECT_EQ(s, "aaa TT aaaaa bbb");
}

TEST_F(TextRender, BottomLimitStopsTheText) {
  std::string s = "a\nb\nc";
  // Clipping: the third line would start at c_by.
  EXPECT_EQ(draw(s, 0, 0, true, 0, 0, 100, 20), 28);
  EXPECT_EQ(columnAt(0, 9, 13), ".########....");
  EXPECT_EQ(getLastX(), 6);
  EXPECT_EQ(getLastY(), 10);
  // Without clipping the limit is row 192, whatever c_by says.
  EXPECT_EQ(draw(s, 0, 174, false, 0, 0, 100, 256), 28);
  EXPECT_EQ(columnAt(0, 190, 8), "##......");
  // Glyph rows at or below c_by are cut.
  std::string cut = "a\nb";
  EXPECT_EQ(draw(cut, 50, 0, true, 0, 0, 100, 14), 18);
  EXPECT_EQ(columnAt(50, 12, 4), "##..");
}

TEST_F(TextRender, WrapMarkInInputEndsALineAndComesBackAsSpace) {
  std::string s =
      "ab\x1b"
      "cd";
  EXPECT_EQ(drawFree(s, 0, 0), 18);
  EXPECT_EQ(rowAt(10), run('#', 12) + run('.', 20));
  EXPECT_EQ(s, "ab cd");
}

// Bold text on the screen is in the styled-text goldens; their font has no middle dot.
TEST_F(TextRender, BoldLeavesTheMiddleDotSingle) {
  setBold(true);
  std::string dot = "\xB7 ";
  drawFree(dot, 0, 20);
  EXPECT_EQ(rowAt(20, 0, 8), "######..");
}

TEST_F(TextRender, VerticalBiasMovesOneCharacter) {
  font.bias('g', 2).bias('q', -2);
  setFont(font.table());
  std::string s = "gqa";
  drawFree(s, 0, 20);
  EXPECT_EQ(columnAt(0, 20, 11), "..########.");
  EXPECT_EQ(columnAt(6, 17, 11), ".########..");
  EXPECT_EQ(columnAt(12, 19, 10), ".########.");
}

// Text drawn from column -10 with clipping on lays out the same in both
// passes as in getWrapPoints: "gh" starts the second line.
TEST_F(TextRender, PenLeftOfColumnZeroWrapsAsTheWrapPointsSay) {
  std::string s = "abc def gh";
  int* pts = nullptr;
  ASSERT_EQ(getWrapPoints(-10, 0, s.data(), 0, 0, 41, 256, &pts, font.table()), 2u);
  EXPECT_EQ(pts[1], 8);
  free(pts);
  EXPECT_EQ(draw(s, -10, 0, true, 0, 0, 41, 256), 18);
  EXPECT_EQ(rowAt(0, 0, 10), "########..");
  EXPECT_EQ(rowAt(10, 0, 4), "##..");
}

TEST_F(TextRender, DecorationsAndCursorNeverLeaveTheBuffer) {
  font.underline(10);
  setFont(font.table());
  setUnderline(true);
  setStrikeThrough(true);
  setHighlight(0, 1000);
  showCursor();

  // Backspaces take the pen to column -3: nothing lands at the end of the row above.
  std::string left = "\b\b\b a";
  setCursorPos(3);
  drawFree(left, 0, 20);
  EXPECT_EQ(pixels(253, 19, 3, 13), run('.', 39));
  EXPECT_EQ(rowAt(31, 0, 10), "=========.");

  // Fifty glyphs run to column 300: nothing wraps into the next row.
  std::string right = run('a', 50);
  setCursorPos(50);
  drawFree(right, 0, 100);
  EXPECT_EQ(rowAt(110, 250, 6), run('#', 6));
  EXPECT_EQ(rowAt(112, 0, 32), run('.', 32));

  // A 256-row buffer whose box reaches row 256.
  std::string bottom = "a";
  setCursorPos(0);
  pane::dispStringBounded(0, 250, bottom.data(), canvas.data(), 1, 0, 0, 255, 256, 255);
  EXPECT_EQ(columnAt(0, 249, 7), "|||||||");
  EXPECT_EQ(columnAt(1, 249, 7), ".######") << "the glyph lies on the band";
  EXPECT_TRUE(canvas.guardsIntact());
}

// lastRow bounds what is written, never the layout or the result.
TEST_F(TextRender, BoundedRenderingCutsRowsButMeasuresTheSame) {
  setUnderline(true);
  std::string s = "ab\ncd";
  const int bounded =
      pane::dispStringBounded(0, 95, s.data(), canvas.data(), 1, 0, 0, 255, 256, 100);
  EXPECT_EQ(bounded, dispString(0, 95, s.data(), nullptr, 1, 0, 0, 255, 256));
  EXPECT_EQ(columnAt(0, 99, 3), "##.");
  EXPECT_EQ(canvas.countNot(0), 12 * 6);
}

}  // namespace
}  // namespace pane_test
