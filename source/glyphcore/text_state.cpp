// Text settings of glyphcore: the one text state with its reset, and the small
// setters and getters through which applications change and read it.
#include "glyphcore/text_state.h"

#include "glyphcore/prepared_glyph.h"

// Exported one-shot requests that the framebuffer module reads and clears at
// its next page flip.
bool libPANE_bgPreserve = false;
bool libPANE_bgDisabled = false;

namespace pane {

TextState textState;

void resetTextState() {
  textState = TextState{};
  libPANE_bgPreserve = false;
  libPANE_bgDisabled = false;
  // Nothing is known of any glyph at program start.
  text::forgetPreparedGlyphs();
}

namespace {
// Every colour the library stores for drawing is opaque in the DS bitmap mode.
constexpr uint16_t kOpaque = 0x8000;
}  // namespace

}  // namespace pane

using namespace pane;

extern "C" {

// Prepared glyphs are kept across font changes (they are keyed by the glyphs'
// addresses); setting the current font again forgets them, so that glyphs
// rewritten in place are prepared afresh.
void setFont(uint16_t** FP) {
  if (FP == nullptr) return;
  if (FP == textState.currentFont && textState.unicodeFont == nullptr) text::forgetPreparedGlyphs();
  textState.currentFont = FP;
  textState.unicodeFont = nullptr;
}

void setUnicodeFont(const PaneFont* font) {
  if (font == nullptr) return;
  if (font == textState.unicodeFont) text::forgetPreparedGlyphs();
  textState.unicodeFont = font;
}

const PaneFont* getUnicodeFont(void) { return textState.unicodeFont; }

void setTextBackground(uint16_t color) {
  textState.backgroundKnown = true;
  textState.textBackground = static_cast<uint16_t>(color | kOpaque);
}

void clearTextBackground(void) { textState.backgroundKnown = false; }

void setColor(uint16_t color) { textState.fontColor = static_cast<uint16_t>(color | kOpaque); }

void setHighlightColor(uint16_t color) {
  textState.highlightColor = static_cast<uint16_t>(color | kOpaque);
}

void setHighlight(int start, int end) {
  textState.highlightStart = start < end ? start : end;
  textState.highlightEnd = start < end ? end : start;
}

void clearHighlight(void) {
  textState.highlightStart = -1;
  textState.highlightEnd = -1;
}

void setTwoPasEnabled(bool t) { textState.twoPass = t; }

void drawInverse(void) { textState.sprite.inverse = true; }
void drawNormal(void) { textState.sprite.inverse = false; }

void setWrapToBorder(void) { textState.border = 1; }
void setWrapNormal(void) { textState.border = 0; }

void setBold(bool b) { textState.bold = b; }
void setItalics(bool i) { textState.sprite.italics = i; }
void setUnderline(bool u) { textState.underline = u; }
void setStrikeThrough(bool s) { textState.strikethrough = s; }

// A null callback would be called on the next string; treat it as a request to
// switch the callback off instead.
void setCallBack(libPANE_charCallback callback) {
  textState.callbackFunction = callback;
  textState.callbackEnabled = callback != nullptr;
}

void clearCallBack(void) {
  textState.callbackFunction = nullptr;
  textState.callbackEnabled = false;
}

int getLastX(void) { return textState.lx; }
int getLastY(void) { return textState.ly; }

void setCursorPos(uint32_t pos) { textState.curPos = static_cast<int>(pos); }
void showCursor(void) { textState.cVis = true; }
void hideCursor(void) { textState.cVis = false; }

void setCursorProperties(uint16_t color, int top, int height, int left) {
  textState.cColor = static_cast<uint16_t>(color | kOpaque);
  textState.cTop = top;
  textState.cBottom = height;
  textState.cLeft = left;
}

uint32_t getPositionAbove(void) { return textState.cAbove; }
uint32_t getPositionBelow(void) { return textState.cBelow; }

void disableBackgroundDraw(void) { libPANE_bgDisabled = true; }
void preserveBackground(void) { libPANE_bgPreserve = true; }

}  // extern "C"
