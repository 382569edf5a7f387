// The text cursor: the bar before character curPos and the neighbours on the
// lines above and below, found while the same text is drawn again.
#include "text_fixture.h"

namespace pane_test {
namespace {

class TextCursor : public TextTest {
 protected:
  void SetUp() override {
    TextTest::SetUp();
    showCursor();
  }

  // Draws s twice at the top left, the second time with the cursor recorded by the first.
  void drawTwice(const char* text, uint32 pos, int c_bx = 255) {
    setCursorPos(pos);
    for (int frame = 0; frame < 2; ++frame) {
      std::string s = text;
      dispString(0, 0, s.data(), nullptr, 1, 0, 0, c_bx, 256);
    }
  }
};

// The bar covers one row above the line to two rows below its glyphs.
TEST_F(TextCursor, BarStandsBeforeCharacterCurPos) {
  struct Case {
    uint32 pos;
    int column;
  };
  const Case cases[] = {{0, 10}, {1, 16}, {3, 28}};
  int top = 20;
  for (const Case& c : cases) {
    std::string s = "abc";
    setCursorPos(c.pos);
    drawFree(s, 10, top);
    EXPECT_EQ(columnAt(c.column, top - 2, 13), "." + std::string(11, '|') + ".") << c.pos;
    EXPECT_EQ(pane::textState.cOldX, c.column);
    EXPECT_EQ(pane::textState.cOldY, top);
    top += 30;
  }
  std::string s = "abc";
  setCursorPos(4);
  drawFree(s, 10, top);
  EXPECT_EQ(pixels(0, top - 2, 40, 13).find('|'), std::string::npos) << "past the text: no bar";
}

TEST_F(TextCursor, BarOutsideTheBoxIsNotDrawnButRecorded) {
  setCursorProperties(kBarColour, 10, 1, 0);
  std::string s = "a\nb";
  setCursorPos(2);
  draw(s, 0, 0, true, 0, 0, 100, 15);
  EXPECT_EQ(pixels(0, 0, 10, 40).find('|'), std::string::npos);
  EXPECT_EQ(pane::textState.cOldY, 10);

  // A bottom above row 0 leaves the bar no row at all, not row 0.
  setCursorProperties(kBarColour, -300, 1, 0);
  for (int bottom : {-1, -201}) {
    s = "ab";
    canvas.fill(0);
    setCursorPos(0);
    draw(s, 0, 0, false, 0, 0, 255, bottom);
    EXPECT_EQ(canvas.countNot(0), 0) << bottom;
  }
}

// Line one holds 10-pixel W's (middles at 5, 15, 25) or 12-pixel M's (middles
// at 6, 18, 30), line two 6-pixel letters.
TEST_F(TextCursor, AboveAndBelowPickTheNearerSideOfTheCharacter) {
  font.glyph('W', 10, 8).glyph('M', 12, 8);
  setFont(font.table());
  struct Case {
    const char* text;
    uint32 pos;
    uint32 above;
    uint32 below;
  };
  const Case cases[] = {
      {"WWW\nabcdef", 5, 1, 5},  // column 6: right of the first W's middle
      {"WWW\nabcdef", 6, 1, 6},  // column 12: left of the second W's middle
      {"WWW\nabcdef", 7, 2, 7},  // column 18: right of it
      {"MMM\nabcdef", 5, 0, 5},  // column 6: on the first M's middle
      {"abcdef\nWWW", 1, 1, 8}, {"abcdef\nWWW", 2, 2, 8}, {"abcdef\nWWW", 3, 3, 9},
  };
  for (const Case& c : cases) {
    drawTwice(c.text, c.pos);
    EXPECT_EQ(getPositionAbove(), c.above) << c.text << " at " << c.pos;
    EXPECT_EQ(getPositionBelow(), c.below) << c.text << " at " << c.pos;
  }
}

// A neighbouring line that ends left of the cursor offers its line end: a line
// feed, a wrap mark, a forced break, or the end of the text.
TEST_F(TextCursor, ShortNeighbourLineOffersItsEnd) {
  font.glyph('W', 20, 8);
  setFont(font.table());
  drawTwice("ab\nabcdef", 8);
  EXPECT_EQ(getPositionAbove(), 2u);
  drawTwice("ab cdefgh", 7, 30);
  EXPECT_EQ(getPositionAbove(), 2u) << "the wrap mark";
  drawTwice("abcdWab", 7, 40);
  EXPECT_EQ(getPositionAbove(), 4u) << "the forced break";
  drawTwice("abc\nd", 2);
  EXPECT_EQ(getPositionBelow(), 5u) << "the end of the text";
}

TEST_F(TextCursor, FirstAndLastLinesFallBackToTheCursor) {
  drawTwice("abc\ndef", 1);
  EXPECT_EQ(getPositionAbove(), 1u);
  EXPECT_EQ(getPositionBelow(), 5u);
  drawTwice("abc\ndef", 5);
  EXPECT_EQ(getPositionAbove(), 1u);
  EXPECT_EQ(getPositionBelow(), 5u);
}

}  // namespace
}  // namespace pane_test
