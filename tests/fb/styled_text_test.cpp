// Styled text as a DS user sees it: the same scenes drawn through fb_dispString
// on the main screen and bg_dispString on the sub screen, with a font glyphcast
// made at build time, checked against golden pictures of both screens.
#include <libpane.h>
#include <nds.h>
#include <nds/host.h>

#include <gtest/gtest.h>

#include <string>

#include "font_dejavu_sans_9.h"
#include "golden.h"
#include "screen_helpers.h"
#include "text_scenes.h"

namespace {

using namespace pane_test;

// Each style alone and two combined, one per line; then a highlight that runs
// across a wrap and the cursor on the second line of a wrapped box.
void drawStyles(const Screen& s) {
  s.setBGColor(0x1000);
  styleLines(s, {"Bold: drawn twice, a column apart", "Italic: a step every third",
                 "Underline: lines join up", "Strike-through: joined too",
                 "Inverse: channels turned", "Bold, italic and underlined"});
  plainText(s);
  drawInverse();
  setStrikeThrough(true);
  line(s, 104, "Inverse and struck through");

  plainText(s);
  setHighlight(20, 42);
  showCursor();
  setCursorPos(50);
  boxed(s, 8, 126, 170, 188, 0, 0,
        "A highlighted range that runs across the wrap, and the "
        "cursor on the third line.");
  plainText(s);
}

// Tabs, the pen-moving control codes and glyphs of their own on free lines; text that starts above
// its clip box; text that runs out of the bottom of its box.
void drawLayout(const Screen& s) {
  s.setBGColor(0x0421);
  plainText(s);
  // Tab stops are multiples of the font's 25 columns counted from the buffer's
  // column 0, not from the box at column 10; a highlighted tab's band covers
  // its whole advance.
  setHighlight(4, 5);
  line(s, 2, "Tab:\tone stop,\tthe next", 0, 10);
  // A leading tab at column 0 goes to 25. Button glyphs keep their own colours;
  // a code without a glyph shows '?'.
  setHighlight(0, 1);
  line(s, 19, "\tbell A\a\a\aB, back C\b\b\bD \x01\x0e, none \x81", 0);
  plainText(s);
  line(s, 36, "up\v\v\v\vand down\f\f\f\f\f\f\f\f again");
  line(s, 53, "CR\rends a line, ESC\x1bone more");

  // The first line's top lies 13 rows above the box: its glyphs and band show
  // there, while its underline row (one above the box) is left out. Wrapped to
  // the border, new lines start at the box's left edge, not at the indent; a
  // word wider than the box breaks before its first letter that does not fit.
  plainText(s);
  setUnderline(true);
  setWrapToBorder();
  setHighlight(0, 3);
  boxed(s, 8, 118, 118, 186, 24, -13, "Above the box, then to its edge: Unbreakablewords");

  // The tabs run past the right limit on a line without a space: the layout
  // breaks there, the drawing does not, so the layout runs a line ahead and must
  // look past the bottom to mark the wraps of the last line the box shows. That
  // line is cut at the box's bottom, and nothing below it is drawn.
  plainText(s);
  boxed(s, 132, 118, 245, 160, 0, 0,
        "Due:\t\t\t\t\nthen words that wrap at their spaces and run on below the box");
  plainText(s);
  setStrikeThrough(true);
  boxed(s, 132, 165, 245, 189, 0, 0, "Cut at the bottom row of the box");
  plainText(s);
}

class StyledText : public pane_test::FreshMainScreen {
 protected:
  void SetUp() override {
    FreshMainScreen::SetUp();
    bg_init();
    setFont(font_dejavu_sans_9);
  }
  void TearDown() override { plainText(kMain); }

  static ::testing::AssertionResult showsGolden(void (*scene)(const Screen&), const char* name) {
    scene(kMain);
    scene(kSub);
    fb_swapBuffers();
    bg_swapBuffers();
    return pane_test::screensMatchGolden(name);
  }
};

TEST_F(StyledText, EachStyleAloneAndCombinedHighlightAndCursor) {
  EXPECT_TRUE(showsGolden(drawStyles, "text_styles"));
}

TEST_F(StyledText, TabsControlCodesAndClipBoxEdges) {
  EXPECT_TRUE(showsGolden(drawLayout, "text_layout"));
}

}  // namespace
