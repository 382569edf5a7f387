// Positions, clip bounds, biases and cursor sizes anywhere in the int range:
// sums that would leave it stick at its ends, so text placed that far away
// draws nothing, while sums that come back into range still draw exactly.
// The sanitizer build turns any overflow here into a failure.
#include <climits>
#include <cstdlib>
#include <functional>
#include <optional>

#include "text_fixture.h"

namespace {

using namespace pane_test;

class IntLimits : public TextTest {};

// One glyph of the 6 x 8 test font with its top row at -1.
constexpr int kGlyphAtRowMinus1 = 6 * 7;

int noteWhereItLands(int, u32, int, int x, int y) {
  int px = INT_MAX - x;  // INT_MAX for the first character, drawn at column 0
  int py = INT_MAX - y;
  calculateNewXY(&px, &py);
  return 0;
}

TEST_F(IntLimits, SumsBeyondTheIntRangeDrawNothingAndExactSumsDraw) {
  std::string ab = "ab";
  std::string words = "ab cd\tef";
  std::string wide(32769, 'W');
  struct Case {
    const char* name;
    std::function<int()> run;
    int pixels;
    std::optional<int> result = std::nullopt;
  };
  uint16_t* buf = canvas.data();
  const Case cases[] = {
      {"pen x past INT_MAX with clipping",
       [&] { return dispString(INT_MAX, 0, ab.data(), buf, 1, 10, 0, 255, 256); }, 0},
      {"sums that come back into range",
       [&] {
         return dispString(INT_MAX, INT_MIN, ab.data(), buf, 1, INT_MIN + 1, INT_MAX, 255, 256);
       },
       2 * kGlyphAtRowMinus1, 8},
      {"pen x and tab stop past INT_MAX without clipping",
       [&] { return dispString(INT_MAX - 5, 0, words.data(), buf, 0, 0, 0, 255, 256); }, 0},
      {"clip top at INT_MIN",
       [&] { return dispString(0, INT_MIN, ab.data(), buf, 1, 0, INT_MIN, 255, 256); }, 0, 8},
      {"lines below INT_MAX",
       [&] { return dispString(0, INT_MAX - 9, words.data(), nullptr, 1, 0, 0, 9, INT_MAX); }, 0},
      {"decorations at INT_MAX",
       [&] {
         setUnderline(true);
         setStrikeThrough(true);
         setBold(true);
         setHighlight(0, 10);
         return dispString(INT_MAX - 1, INT_MAX, words.data(), buf, 0, 0, 0, 255, 256);
       },
       0},
      {"cursor top and size at the limits",
       [&] {
         setCursorProperties(0x1F, INT_MAX, INT_MAX, INT_MIN);
         setCursorPos(1);
         showCursor();
         dispString(0, 0, ab.data(), buf, 1, 0, 0, 255, 256);
         setCursorProperties(0x1F, INT_MIN, INT_MIN, INT_MAX);
         return dispString(INT_MIN, INT_MIN, ab.data(), buf, 0, INT_MIN, INT_MIN, 255, 256);
       },
       2 * 6 * 8},
      {"wrap points from INT_MAX",
       [&] {
         int* pts = nullptr;
         const uint n =
             getWrapPoints(INT_MAX, 0, words.data(), INT_MAX, 0, INT_MAX, 0, &pts, font.table());
         free(pts);
         return static_cast<int>(n);
       },
       0, 1},
      {"calculateNewXY near INT_MAX",
       [&] {
         setCallBack(noteWhereItLands);
         return dispString(0, 0, ab.data(), nullptr, 1, 0, 0, 255, 256);
       },
       0},
      // These two change the font for the cases after them.
      {"negative bias at INT_MIN",
       [&] {
         font.bias('a', -2);
         dispChar(0, INT_MIN, 'a', buf, 255, 256);
         return 0;
       },
       0},
      {"string wider than INT_MAX",
       [&] {
         font.glyph('W', 65535, 1);
         return getStringWidth(wide.data(), font.table());
       },
       0, INT_MAX},
      {"sprite near INT_MAX under a limit past it",
       [&] {
         const Record wide = plainSprite(0xFFF0, 1, 0x001F);
         dispCustomSprite(INT_MAX - 100, 0, const_cast<uint16*>(wide.data()), 0, 0xFFFF, buf,
                          INT_MAX, 256);
         return 0;
       },
       0},
      {"rectangle over the whole int range",
       [&] {
         drawRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0x1F, buf, 255);
         return 0;
       },
       256 * 256},
  };
  for (const Case& c : cases) {
    SetUp();
    canvas.fill(0);
    const int result = c.run();
    EXPECT_EQ(canvas.countNot(0), c.pixels) << c.name;
    EXPECT_TRUE(canvas.guardsIntact()) << c.name;
    if (c.result) {
      EXPECT_EQ(result, *c.result) << c.name;
    }
    EXPECT_TRUE(ab == "ab" && words == "ab cd\tef") << c.name << ": strings come back unchanged";
  }
}

}  // namespace
