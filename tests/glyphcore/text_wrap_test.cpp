// Wrap points: line starts of a string in a box, and the list's ownership.
#include <stdlib.h>

#include <random>
#include <vector>

#include "glyphcore/wrap_points.h"
#include "text_fixture.h"

namespace pane_test {
namespace {

class WrapPoints : public TextTest {
 protected:
  ~WrapPoints() override { free(pts); }

  // Line starts of s at offset x in the box from c_x to c_bx.
  std::vector<int> starts(std::string& s, int x, int c_x, int c_bx) {
    const uint n = getWrapPoints(x, 0, s.data(), c_x, 0, c_bx, 192, &pts, font.table());
    return pts == nullptr ? std::vector<int>{} : std::vector<int>(pts, pts + n);
  }

  int* pts = nullptr;
};

using Starts = std::vector<int>;

TEST_F(WrapPoints, EmptyStringIsOneLine) {
  std::string s;
  EXPECT_EQ(starts(s, 0, 0, 100), Starts({0}));
}

// Glyphs are 6 wide: a line from column 0 to 41 holds seven of them.
TEST_F(WrapPoints, BreaksAfterLastFittingSpaceAndLeavesStringAsItWas) {
  std::string s = "abc def";
  EXPECT_EQ(starts(s, 0, 0, 41), Starts({0, 4}));
  EXPECT_EQ(s, "abc def");
  std::string two = "aa bb cc dd";
  EXPECT_EQ(starts(two, 0, 0, 41), Starts({0, 6}));
  EXPECT_EQ(two, "aa bb cc dd");
}

TEST_F(WrapPoints, WordWiderThanBoxBreaksBeforeFirstCharacterThatDoesNotFit) {
  std::string s = "abcdefgh";
  EXPECT_EQ(starts(s, 0, 0, 24), Starts({0, 4}));
}

TEST_F(WrapPoints, LineEndsStartALineAfterThem) {
  std::string lf = "ab\ncd";
  EXPECT_EQ(starts(lf, 0, 0, 100), Starts({0, 3}));
  std::string cr = "ab\rcd\n";
  EXPECT_EQ(starts(cr, 0, 0, 100), Starts({0, 3, 6}));
  std::string mark =
      "ab\x1b"
      "cd";
  EXPECT_EQ(starts(mark, 0, 0, 100), Starts({0, 3}));
  EXPECT_EQ(mark, "ab cd") << "a byte 27 comes back as a space";
}

// Lines start at column 11, right of the limit 10: the line end itself runs
// past it and starts the next line with its own (absent) glyph, so the
// backspace brings the pen back inside. A byte 27 does so like a line feed,
// though it is a space again by then.
TEST_F(WrapPoints, LineEndPastTheLimitStartsTheNextLineWithoutWidth) {
  std::string lf = "\n\ba";
  EXPECT_EQ(starts(lf, 11, 0, 10), Starts({0, 1, 0, 2}));
  std::string mark = "\x1b\ba";
  EXPECT_EQ(starts(mark, 11, 0, 10), Starts({0, 1, 0, 2}));
  EXPECT_EQ(mark, " \ba");
}

// Lines after the first start at x + c_x, or at c_x when wrapping to the border.
TEST_F(WrapPoints, WrapModeChoosesTheLineStartColumn) {
  std::string s = "aaa bbb ccc";
  EXPECT_EQ(starts(s, 12, 0, 53), Starts({0, 4, 8}));
  setWrapToBorder();
  EXPECT_EQ(starts(s, 12, 0, 53), Starts({0, 4}));
}

// From column 10 the tab reaches 25, the next stop of the buffer, not 35.
TEST_F(WrapPoints, TabStopsCountFromColumnZero) {
  font.tab(25);
  std::string s = "\tab";
  EXPECT_EQ(starts(s, 0, 10, 36), Starts({0, 2}));
}

TEST_F(WrapPoints, TabAtBreakComesBackAsSpace) {
  font.tab(16);
  std::string s = "a b\tcdefg";
  EXPECT_EQ(starts(s, 0, 0, 40), Starts({0, 4}));
  EXPECT_EQ(s, "a b cdefg");
}

// The tab slot is empty: the tab that overflows starts the next line with no width,
// so "def" still fits after it.
TEST_F(WrapPoints, OverflowingTabWithoutGlyphStartsLineWithNoWidth) {
  font.tab(16);
  std::string s = "abc\tdef";
  EXPECT_EQ(starts(s, 0, 0, 20), Starts({0, 3}));
  std::string bell = "abc\adef";
  EXPECT_EQ(starts(bell, 0, 0, 18), Starts({0, 3}));
}

TEST_F(WrapPoints, NullFontFreesTheListAndClearsThePointer) {
  std::string s = "ab\ncd";
  starts(s, 0, 0, 100);
  ASSERT_NE(pts, nullptr);
  EXPECT_EQ(getWrapPoints(0, 0, s.data(), 0, 0, 100, 192, &pts, nullptr), 0u);
  EXPECT_EQ(pts, nullptr);
}

// An allocator that fails from its n-th call on.
int callsBeforeFailure = 0;
void* failingRealloc(void* block, size_t bytes) {
  if (callsBeforeFailure-- <= 0) return nullptr;
  return realloc(block, bytes);
}

TEST_F(WrapPoints, FailedAllocationLeavesAValidListOrNull) {
  auto* const defaultRealloc = pane::text::wrapListRealloc;
  pane::text::wrapListRealloc = failingRealloc;
  std::string s = "abc def ghi";

  callsBeforeFailure = 0;
  EXPECT_EQ(getWrapPoints(0, 0, s.data(), 0, 0, 41, 192, &pts, font.table()), 0u);
  EXPECT_EQ(pts, nullptr);

  callsBeforeFailure = 1;
  EXPECT_EQ(getWrapPoints(0, 0, s.data(), 0, 0, 41, 192, &pts, font.table()), 1u);
  ASSERT_NE(pts, nullptr);
  EXPECT_EQ(pts[0], 0);
  EXPECT_EQ(s, "abc def ghi");

  pane::text::wrapListRealloc = defaultRealloc;
}

}  // namespace
}  // namespace pane_test

namespace pane_test {
namespace {

// The line top each character is drawn on, from the pass-2 callback: printable
// characters through calculateNewXY, which tells where a forced break puts them.
std::vector<int> landingTops;
int recordLanding(int, u32 chr, int pass, int x, int y) {
  const bool control = (chr >= 7 && chr <= 13) || chr == 27 || chr == 32;
  if (pass == 2 && !control) calculateNewXY(&x, &y);
  if (pass == 2) landingTops.push_back(y);
  return 0;
}

// Line starts as dispString draws them: where the landing line top changes,
// and the text's end when the pen ended on a new line.
std::vector<int> drawnLineStarts(std::string& s, int x, int c_x, int c_bx) {
  landingTops.clear();
  setCallBack(recordLanding);
  dispString(x, 0, s.data(), nullptr, 1, c_x, 0, c_bx, 1 << 20);
  clearCallBack();
  std::vector<int> lines = {0};
  for (size_t i = 1; i < landingTops.size(); ++i) {
    if (landingTops[i] != landingTops[i - 1]) lines.push_back(static_cast<int>(i));
  }
  if (!landingTops.empty() && getLastY() != landingTops.back()) {
    lines.push_back(static_cast<int>(s.size()));
  }
  return lines;
}

TEST_F(WrapPoints, AgreeWithTheLinesDispStringDraws) {
  font.glyph('i', 2, 8).glyph('m', 10, 8).glyph('W', 14, 12);
  setFont(font.table());
  std::mt19937 rng(20240611);
  const std::string alphabet = "aimW   \n";
  for (int round = 0; round < 400; ++round) {
    std::string s;
    const int length = static_cast<int>(rng() % 60);
    for (int i = 0; i < length; ++i) s += alphabet[rng() % alphabet.size()];
    const int x = static_cast<int>(rng() % 20), c_x = static_cast<int>(rng() % 30);
    const int c_bx = c_x + 40 + static_cast<int>(rng() % 100);
    if (rng() % 2)
      setWrapToBorder();
    else
      setWrapNormal();

    const std::string original = s;
    const std::vector<int> measured = starts(s, x, c_x, c_bx);
    const std::vector<int> drawn = drawnLineStarts(s, x, c_x, c_bx);
    ASSERT_EQ(measured, drawn) << '"' << original << "\" x " << x << " box " << c_x << ".." << c_bx;
    ASSERT_EQ(s, original);
  }
}

}  // namespace
}  // namespace pane_test
