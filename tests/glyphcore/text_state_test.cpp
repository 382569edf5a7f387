// Text settings: start values and what each setter stores.
#include <gtest/gtest.h>

#include "glyphcore/glyphcore_internal.h"

namespace {

// Taken before main, so other tests in this executable cannot have changed them.
struct StartValues {
  uint16** font = pane::currentFont;
  uint16 fontColor = pane::fontColor, highlightColor = pane::highlightColor;
  int highlightStart = pane::highlightStart, highlightEnd = pane::highlightEnd;
  bool bold = pane::bold, italics = pane::italics, underline = pane::underline,
       strikethrough = pane::strikethrough, twoPass = pane::twoPass,
       callbackEnabled = pane::callbackEnabled, cVis = pane::cVis;
  int inverse = pane::inverse, border = pane::border, italicJump = pane::italicJump;
  libPANE_charCallback callback = pane::callbackFunction;
  int curPos = pane::curPos, cTop = pane::cTop, cBottom = pane::cBottom, cLeft = pane::cLeft;
  uint16 cColor = pane::cColor, cOldX = pane::cOldX, cOldY = pane::cOldY;
  uint32 above = getPositionAbove(), below = getPositionBelow();
  int lastX = getLastX(), lastY = getLastY();
  bool bgPreserve = libPANE_bgPreserve, bgDisabled = libPANE_bgDisabled;
};
const StartValues start;

TEST(TextState, StartsWithDocumentedValues) {
  EXPECT_EQ(start.font, nullptr);
  EXPECT_EQ(start.fontColor, 0);
  EXPECT_EQ(start.highlightColor, 0);
  EXPECT_EQ(start.highlightStart, -1);
  EXPECT_EQ(start.highlightEnd, -1);
  EXPECT_FALSE(start.bold || start.italics || start.underline || start.strikethrough);
  EXPECT_FALSE(start.twoPass || start.callbackEnabled || start.cVis);
  EXPECT_EQ(start.callback, nullptr);
  EXPECT_EQ(start.inverse, 0);
  EXPECT_EQ(start.border, 0);
  EXPECT_EQ(start.italicJump, 0);
  EXPECT_EQ(start.curPos, 0);
  EXPECT_EQ(start.cTop, -1);
  EXPECT_EQ(start.cBottom, 1);
  EXPECT_EQ(start.cLeft, 0);
  EXPECT_EQ(start.cColor, 0);
  EXPECT_EQ(start.cOldX, 0);
  EXPECT_EQ(start.cOldY, 0);
  EXPECT_EQ(start.above, 0u);
  EXPECT_EQ(start.below, 0u);
  EXPECT_EQ(start.lastX, 0);
  EXPECT_EQ(start.lastY, 0);
  EXPECT_FALSE(start.bgPreserve || start.bgDisabled);
}

TEST(TextState, ColourSettersSetBit15) {
  setColor(0x001F);
  EXPECT_EQ(pane::fontColor, 0x801F);
  setHighlightColor(0x8000 | 0x03E0);
  EXPECT_EQ(pane::highlightColor, 0x83E0);
  setCursorProperties(0x0000, -3, 4, 2);
  EXPECT_EQ(pane::cColor, 0x8000);
  EXPECT_EQ(pane::cTop, -3);
  EXPECT_EQ(pane::cBottom, 4);
  EXPECT_EQ(pane::cLeft, 2);
  setCursorProperties(0, -1, 1, 0);
}

TEST(TextState, HighlightStoresBoundsInOrder) {
  setHighlight(9, 3);
  EXPECT_EQ(pane::highlightStart, 3);
  EXPECT_EQ(pane::highlightEnd, 9);
  setHighlight(5, 5);
  EXPECT_EQ(pane::highlightStart, 5);
  EXPECT_EQ(pane::highlightEnd, 5);
  clearHighlight();
  EXPECT_EQ(pane::highlightStart, -1);
  EXPECT_EQ(pane::highlightEnd, -1);
}

TEST(TextState, NullFontKeepsTheCurrentOne) {
  uint16** saved = pane::currentFont;
  uint16* slots[260] = {};
  setFont(slots);
  setFont(nullptr);
  EXPECT_EQ(pane::currentFont, slots);
  pane::currentFont = saved;
}

int stopAtOnce(int, u32, int, int, int) { return -1; }

TEST(TextState, CallbackSetAndCleared) {
  setCallBack(stopAtOnce);
  EXPECT_EQ(pane::callbackFunction, &stopAtOnce);
  EXPECT_TRUE(pane::callbackEnabled);
  setCallBack(nullptr);  // treated as clearing, so nothing calls through null
  EXPECT_EQ(pane::callbackFunction, nullptr);
  EXPECT_FALSE(pane::callbackEnabled);
  setCallBack(stopAtOnce);
  clearCallBack();
  EXPECT_EQ(pane::callbackFunction, nullptr);
  EXPECT_FALSE(pane::callbackEnabled);
}

TEST(TextState, FlagSettersStoreTheirArgument) {
  setBold(true), setItalics(true), setUnderline(true), setStrikeThrough(true);
  setTwoPasEnabled(true), drawInverse(), setWrapToBorder(), showCursor();
  EXPECT_TRUE(pane::bold && pane::italics && pane::underline && pane::strikethrough);
  EXPECT_TRUE(pane::twoPass && pane::cVis);
  EXPECT_EQ(pane::inverse, 1);
  EXPECT_EQ(pane::border, 1);
  setBold(false), setItalics(false), setUnderline(false), setStrikeThrough(false);
  setTwoPasEnabled(false), drawNormal(), setWrapNormal(), hideCursor();
  EXPECT_FALSE(pane::bold || pane::italics || pane::underline || pane::strikethrough);
  EXPECT_FALSE(pane::twoPass || pane::cVis);
  EXPECT_EQ(pane::inverse, 0);
  EXPECT_EQ(pane::border, 0);
}

TEST(TextState, CursorAndRendererResultsReadBack) {
  setCursorPos(42);
  EXPECT_EQ(pane::curPos, 42);
  pane::cAbove = 0xFFFF;
  pane::cBelow = 7;
  pane::lx = -3;
  pane::ly = 120;
  EXPECT_EQ(getPositionAbove(), 0xFFFFu);  // 16-bit values widen without sign
  EXPECT_EQ(getPositionBelow(), 7u);
  EXPECT_EQ(getLastX(), -3);
  EXPECT_EQ(getLastY(), 120);
  setCursorPos(0);
  pane::cAbove = pane::cBelow = 0;
  pane::lx = pane::ly = 0;
}

TEST(TextState, BackgroundRequestsRaiseExportedFlags) {
  disableBackgroundDraw();
  preserveBackground();
  EXPECT_TRUE(libPANE_bgDisabled);
  EXPECT_TRUE(libPANE_bgPreserve);
  libPANE_bgDisabled = libPANE_bgPreserve = false;
}

}  // namespace
