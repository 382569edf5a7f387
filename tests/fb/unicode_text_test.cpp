// The styled-text scenes in UTF-8 with a Unicode font that glyphcast makes at
// build time from three font files (Latin, Greek and Cyrillic; Japanese;
// Chinese) and the characters of this file: each style, CJK line breaks,
// malformed sequences and the button pictures, on both screens; and each
// style again with the same font at two bits of coverage.
#include <libpane.h>
#include <nds.h>
#include <nds/host.h>

#include <gtest/gtest.h>

#include "font_world_9.h"
#include "font_world_9_smooth.h"
#include "golden.h"
#include "screen_helpers.h"
#include "text_scenes.h"

namespace {

using namespace pane_test;

void drawStyles(const Screen& s) {
  s.setBGColor(0x1000);
  styleLines(s, {"Bold: Grüße, ναί, да, 太字です", "Italic: café, λόγος, слово, 斜体",
                 "Underline: Ærø, ωμέγα, 下線の文字", "Strike: naïve, Привет, 取消线",
                 "Inverse: Ελλάδα, Россия, 反転", "Все стили: 全部のスタイル"});

  // The highlight covers UTF-8 offsets 9 to 30, across the wrap; the cursor
  // stands before the byte at 45, the start of a character.
  plainText(s);
  setHighlight(9, 30);
  showCursor();
  setCursorPos(45);
  boxed(s, 8, 112, 170, 188, 0, 0,
        "日本語の文章は空白なしで折り返す。中文也一样，在汉字之间换行。");
  plainText(s);
}

void drawLayout(const Screen& s) {
  s.setBGColor(0x0421);
  plainText(s);
  // Each malformed sequence shows one replacement glyph: an overlong form, a
  // surrogate, a sequence cut short and a stray continuation byte.
  line(s, 2, "Bad: [\xC0\xAF] [\xED\xA0\x80] [\xE3\x81] [\x80\x80] end");
  line(s, 19, "Buttons: \uE000 \uE001 \uE002 \uE003 \uE004 \uE005");
  line(s, 36, "Tab:\tタブ\tの次");
  // Seven kanji fit a line. Closing punctuation stays with the character
  // before it: the full stop does not fit, so that kanji goes with it.
  boxed(s, 8, 60, 101, 110, 0, 0, "漢字漢字漢字漢。字");
  // A Latin word between kana wraps as a word; a word wider than the box
  // breaks where the box ends.
  setWrapToBorder();
  boxed(s, 120, 60, 245, 110, 10, 0, "かなとLatinの間、Unbreakablewordsandmore");
  plainText(s);
  setUnderline(true);
  boxed(s, 8, 130, 245, 150, 0, 0,
        "Κείμενο που κόβεται στο κάτω μέρος: 下の行は見えない。もう一行。");
  plainText(s);
}

class UnicodeStyledText : public FreshMainScreen {
 protected:
  void SetUp() override {
    FreshMainScreen::SetUp();
    bg_init();
    setUnicodeFont(&font_world_9);
  }
  void TearDown() override { plainText(kMain); }

  static ::testing::AssertionResult showsGolden(void (*scene)(const Screen&), const char* name) {
    scene(kMain);
    scene(kSub);
    fb_swapBuffers();
    bg_swapBuffers();
    return screensMatchGolden(name);
  }
};

TEST_F(UnicodeStyledText, EachStyleInFiveScriptsHighlightAndCursor) {
  EXPECT_TRUE(showsGolden(drawStyles, "unicode_styles"));
}

// The same scene smoothed: every style composes with coverage, the band drawn
// before the glyphs blend onto it.
TEST_F(UnicodeStyledText, EachStyleAtTwoBitsOfCoverage) {
  setUnicodeFont(&font_world_9_smooth);
  EXPECT_TRUE(showsGolden(drawStyles, "unicode_styles_2bit"));
}

TEST_F(UnicodeStyledText, BadSequencesButtonsAndCjkLineBreaks) {
  EXPECT_TRUE(showsGolden(drawLayout, "unicode_layout"));
}

}  // namespace
