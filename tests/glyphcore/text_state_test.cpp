// Text settings: start values and the setters that do more than store their
// argument (bit 15, ordering, null arguments).
#include "glyphcore/text_state.h"

#include <gtest/gtest.h>

namespace {

// Taken before main, so other tests in this executable cannot have changed it.
const pane::TextState start = pane::textState;
const bool startBgPreserve = libPANE_bgPreserve, startBgDisabled = libPANE_bgDisabled;

TEST(TextState, StartsWithDocumentedValues) {
  EXPECT_EQ(start.currentFont, nullptr);
  EXPECT_EQ(start.fontColor, 0);
  EXPECT_EQ(start.highlightColor, 0);
  EXPECT_EQ(start.highlightStart, -1);
  EXPECT_EQ(start.highlightEnd, -1);
  EXPECT_FALSE(start.bold || start.sprite.italics || start.underline || start.strikethrough);
  EXPECT_FALSE(start.twoPass || start.callbackEnabled || start.cVis || start.sprite.inverse);
  EXPECT_EQ(start.callbackFunction, nullptr);
  EXPECT_EQ(start.border, 0);
  EXPECT_EQ(start.sprite.italicJump, 0);
  EXPECT_EQ(start.curPos, 0);
  EXPECT_EQ(start.cTop, -1);
  EXPECT_EQ(start.cBottom, 1);
  EXPECT_EQ(start.cLeft, 0);
  EXPECT_EQ(start.cColor, 0);
  EXPECT_EQ(start.cOldX + start.cOldY + start.cAbove + start.cBelow, 0);
  EXPECT_EQ(start.lx + start.ly, 0);
  EXPECT_FALSE(startBgPreserve || startBgDisabled);
}

TEST(TextState, ColourSettersSetBit15) {
  setColor(0x001F);
  setHighlightColor(0x8000 | 0x03E0);
  setCursorProperties(0x0000, -3, 4, 2);
  EXPECT_EQ(pane::textState.fontColor, 0x801F);
  EXPECT_EQ(pane::textState.highlightColor, 0x83E0);
  EXPECT_EQ(pane::textState.cColor, 0x8000);
  pane::resetTextState();
}

TEST(TextState, HighlightStoresBoundsInOrder) {
  setHighlight(9, 3);
  EXPECT_EQ(pane::textState.highlightStart, 3);
  EXPECT_EQ(pane::textState.highlightEnd, 9);
  pane::resetTextState();
}

TEST(TextState, NullFontKeepsTheCurrentOne) {
  uint16* slots[260] = {};
  setFont(slots);
  setFont(nullptr);
  EXPECT_EQ(pane::textState.currentFont, slots);
  pane::resetTextState();
}

int stopAtOnce(int, u32, int, int, int) { return -1; }

TEST(TextState, NullCallbackSwitchesTheCallbackOff) {
  setCallBack(stopAtOnce);
  setCallBack(nullptr);  // so that nothing calls through null
  EXPECT_EQ(pane::textState.callbackFunction, nullptr);
  EXPECT_FALSE(pane::textState.callbackEnabled);
  pane::resetTextState();
}

}  // namespace
