// Wrap points: line starts of a string in a box, and the list's ownership.
#include <stdlib.h>

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
  std::string mark = "ab\x1b" "cd";
  EXPECT_EQ(starts(mark, 0, 0, 100), Starts({0, 3}));
  EXPECT_EQ(mark, "ab cd") << "a byte 27 comes back as a space";
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
