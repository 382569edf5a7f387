// Measuring text without drawing it: one character's width and height, the
// line pitch of the current font and the width of a string's first line.
#include <libpane.h>

#include "glyphcore/text_font.h"
#include "glyphcore/text_state.h"

using namespace pane;
using namespace pane::text;

extern "C" {

// The metrics of the current font read 0 while no font is set.
uint32_t getCharWidth(uint32_t toDisp) {
  if (textState.currentFont == nullptr) return 0;
  return static_cast<uint32_t>(glyphWidth(textState.currentFont, toDisp));
}

// Width falls back to the replacement glyph, height to the space.
uint32_t getCharHeight(uint32_t chr) {
  if (textState.currentFont == nullptr) return 0;
  return static_cast<uint32_t>(glyphHeight(textState.currentFont, chr));
}

uint32_t getFontHeight(void) {
  if (textState.currentFont == nullptr) return 0;
  return static_cast<uint32_t>(spaceHeight(textState.currentFont) + kLineGap);
}

// Tabs and row moves have no width here; the first line end stops the walk.
int getStringWidth(const void* inStr, uint16_t** FP) {
  if (FP == nullptr || inStr == nullptr) return 0;
  int width = 0;
  for (const uint8_t* s = static_cast<const uint8_t*>(inStr); *s != kEndOfString; ++s) {
    const uint8_t c = *s;
    if (isLineEnd(c)) break;
    if (c == kBell) {
      width = addSat(width, 1);
    } else if (c == kBackspace) {
      width = addSat(width, -1);
    } else if (c != kTab && c != kRowUp && c != kRowDown) {
      width = addSat(width, glyphWidth(FP, c));
    }
  }
  return width;
}

}  // extern "C"
