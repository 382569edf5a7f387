// The character callback: what it sees in each pass, stopping the string, and
// calculateNewXY inside it.
#include <functional>
#include <vector>

#include "text_fixture.h"

namespace pane_test {
namespace {

struct Call {
  int index;
  u32 chr;
  int pass;
  int x;
  int y;
  bool operator==(const Call& o) const {
    return index == o.index && chr == o.chr && pass == o.pass && x == o.x && y == o.y;
  }
};

std::ostream& operator<<(std::ostream& os, const Call& c) {
  return os << "{" << c.index << ", " << c.chr << ", pass " << c.pass << ", " << c.x << ", " << c.y
            << "}";
}

std::vector<Call> calls;
std::function<bool(const Call&)> stopWhen;
bool landWithNewXY = false;

// Records every call; with landWithNewXY the pass-2 position goes through calculateNewXY.
int recordCall(int index, u32 chr, int pass, int x, int y) {
  if (landWithNewXY && pass == 2) calculateNewXY(&x, &y);
  calls.push_back({index, chr, pass, x, y});
  return stopWhen && stopWhen(calls.back()) ? -1 : 0;
}

class TextCallback : public TextTest {
 protected:
  void SetUp() override {
    TextTest::SetUp();
    calls.clear();
    stopWhen = nullptr;
    landWithNewXY = false;
    setCallBack(recordCall);
  }
};

// Box from row 3; the text starts at row 8. T is 12 rows high.
TEST_F(TextCallback, StopAtIndexFiveDrawsFiveCharactersAndReturnsTheBlockSoFar) {
  font.glyph('T', 6, 12);
  setFont(font.table());
  stopWhen = [](const Call& c) { return c.pass == 2 && c.index == 5; };
  std::string s = "ab\nTcdef";
  EXPECT_EQ(draw(s, 0, 5, false, 0, 3, 255, 256), 18 - 8 + 12);
  EXPECT_EQ(rowAt(18, 0, 16), std::string(12, '#') + "....");
  EXPECT_EQ(calls.back(), (Call{5, 'd', 2, 12, 18}));
  EXPECT_EQ(calls.size(), 6u);
}

// "d" runs past column 26: the layout steps back to the space, reports the
// mark with the space's index and walks "cd" again on the next line.
TEST_F(TextCallback, TwoPassesReportLayoutWithItsRescanThenDrawing) {
  setTwoPasEnabled(true);
  std::string s = "ab cd";
  EXPECT_EQ(draw(s, 0, 0, true, 0, 0, 26, 256), 18);
  const std::vector<Call> expected = {
      {0, 'a', 1, 0, 0},  {1, 'b', 1, 6, 0}, {2, ' ', 1, 12, 0}, {3, 'c', 1, 18, 0},
      {4, 'd', 1, 24, 0}, {2, 27, 1, 30, 0}, {3, 'c', 1, 0, 10}, {4, 'd', 1, 6, 10},
      {0, 'a', 2, 0, 0},  {1, 'b', 2, 6, 0}, {2, 27, 2, 12, 0},  {3, 'c', 2, 0, 10},
      {4, 'd', 2, 6, 10},
  };
  EXPECT_EQ(calls, expected);
  EXPECT_EQ(s, "ab cd");
}

// The 14-row T moves to the second line: the layout reports it there at the
// line top the drawing pass uses, not below a line made 14 rows high by it.
TEST_F(TextCallback, LayoutReportsAMovedWordAtItsDrawnLineTop) {
  font.glyph('T', 6, 14);
  setFont(font.table());
  setTwoPasEnabled(true);
  std::string s = "ab cT";
  draw(s, 0, 0, true, 0, 0, 26, 256);
  const std::vector<Call> tail = {{3, 'c', 1, 0, 10}, {4, 'T', 1, 6, 10}};
  EXPECT_EQ(std::vector<Call>(calls.begin() + 6, calls.begin() + 8), tail);
  EXPECT_EQ(calls.back(), (Call{4, 'T', 2, 6, 10}));
}

TEST_F(TextCallback, LayoutPassIsReportedOnlyInTwoPassMode) {
  std::string s = "ab cd";
  draw(s, 0, 0, true, 0, 0, 26, 256);
  for (const Call& c : calls) EXPECT_EQ(c.pass, 2);
  EXPECT_EQ(calls.size(), 5u);
}

// Wrap marks already written are turned back into spaces when the callback stops.
TEST_F(TextCallback, StoppedStringComesBackAsItWent) {
  std::string s = "abc def ghi";
  stopWhen = [](const Call& c) { return c.pass == 2 && c.index == 1; };
  draw(s, 0, 0, true, 0, 0, 41, 256);
  EXPECT_EQ(s, "abc def ghi");

  setTwoPasEnabled(true);
  stopWhen = [](const Call& c) { return c.pass == 1 && c.chr == 27; };
  EXPECT_EQ(draw(s, 0, 0, true, 0, 0, 41, 256), 8);
  EXPECT_EQ(s, "abc def ghi");
}

// T (14 rows) does not fit after "abcd": calculateNewXY moves it to where it
// is drawn, the next line's start below the line T made taller.
TEST_F(TextCallback, CalculateNewXYGivesWhereTheCharacterLands) {
  font.glyph('T', 6, 14);
  setFont(font.table());
  landWithNewXY = true;
  std::string s = "abcdT";
  draw(s, 6, 0, true, 0, 0, 30, 256);
  EXPECT_EQ(calls[3], (Call{3, 'd', 2, 24, 0})) << "fits: unchanged";
  EXPECT_EQ(calls[4], (Call{4, 'T', 2, 6, 16}));
  EXPECT_EQ(columnAt(6, 15, 2), ".#");

  calls.clear();
  setWrapToBorder();
  draw(s, 6, 100, true, 0, 0, 30, 256);
  EXPECT_EQ(calls[4], (Call{4, 'T', 2, 0, 116}));
}

}  // namespace
}  // namespace pane_test
