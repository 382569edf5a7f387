// Text settings of glyphcore: the module variables with their start values and
// the small setters and getters through which applications change and read them.
#include "glyphcore/glyph_ink.h"
#include "glyphcore/glyphcore_internal.h"

// Exported one-shot requests that the framebuffer module reads and clears at
// its next page flip.
bool libPANE_bgPreserve = false;
bool libPANE_bgDisabled = false;

namespace pane {

uint16_t** currentFont = nullptr;
uint16_t fontColor = 0;
uint16_t highlightColor = 0;
int highlightStart = -1;
int highlightEnd = -1;
bool bold = false;
bool italics = false;
bool underline = false;
bool strikethrough = false;
int inverse = 0;
int border = 0;
bool twoPass = false;
libPANE_charCallback callbackFunction = nullptr;
bool callbackEnabled = false;
int italicJump = 0;

bool cVis = false;
int curPos = 0;
uint16_t cColor = 0;
int cTop = -1;
int cBottom = 1;
int cLeft = 0;
uint16_t cOldX = 0;
uint16_t cOldY = 0;
uint16_t cAbove = 0;
uint16_t cBelow = 0;
int lx = 0;
int ly = 0;

uint32_t calc_chr = 0;
int calc_c_x = 0;
int calc_c_bx = 0;
int calc_x = 0;
int calc_border = 0;
int calc_tGetHeight = 0;

namespace {
// Every colour the library stores for drawing is opaque in the DS bitmap mode.
constexpr uint16_t kOpaque = 0x8000;
}  // namespace

}  // namespace pane

using namespace pane;

extern "C" {

// Glyph ink boxes are kept across font changes (they are keyed by the glyph
// records' addresses); setting the current font again forgets them, so that
// glyph records rewritten in place are measured afresh.
void setFont(uint16_t** FP) {
  if (FP == nullptr) return;
  if (FP == currentFont) blit::forgetGlyphInk();
  currentFont = FP;
}

void setColor(uint16_t color) { fontColor = static_cast<uint16_t>(color | kOpaque); }

void setHighlightColor(uint16_t color) { highlightColor = static_cast<uint16_t>(color | kOpaque); }

void setHighlight(int start, int end) {
  highlightStart = start < end ? start : end;
  highlightEnd = start < end ? end : start;
}

void clearHighlight(void) {
  highlightStart = -1;
  highlightEnd = -1;
}

void setTwoPasEnabled(bool t) { twoPass = t; }

void drawInverse(void) { inverse = 1; }
void drawNormal(void) { inverse = 0; }

void setWrapToBorder(void) { border = 1; }
void setWrapNormal(void) { border = 0; }

void setBold(bool b) { bold = b; }
void setItalics(bool i) { italics = i; }
void setUnderline(bool u) { underline = u; }
void setStrikeThrough(bool s) { strikethrough = s; }

// A null callback would be called on the next string; treat it as a request to
// switch the callback off instead.
void setCallBack(libPANE_charCallback callback) {
  callbackFunction = callback;
  callbackEnabled = callback != nullptr;
}

void clearCallBack(void) {
  callbackFunction = nullptr;
  callbackEnabled = false;
}

int getLastX(void) { return lx; }
int getLastY(void) { return ly; }

void setCursorPos(uint32_t pos) { curPos = static_cast<int>(pos); }
void showCursor(void) { cVis = true; }
void hideCursor(void) { cVis = false; }

void setCursorProperties(uint16_t color, int top, int height, int left) {
  cColor = static_cast<uint16_t>(color | kOpaque);
  cTop = top;
  cBottom = height;
  cLeft = left;
}

uint32_t getPositionAbove(void) { return cAbove; }
uint32_t getPositionBelow(void) { return cBelow; }

void disableBackgroundDraw(void) { libPANE_bgDisabled = true; }
void preserveBackground(void) { libPANE_bgPreserve = true; }

}  // extern "C"
