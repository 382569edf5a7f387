// Measuring text without drawing it: one character's width and height, the
// line pitch of the current font and the width of a string's first line, in
// tables and in Unicode fonts.
#include <libpane.h>

#include "glyphcore/text_face.h"
#include "glyphcore/text_font.h"
#include "glyphcore/text_state.h"

namespace pane::text {
namespace {

// Tabs and row moves have no width here; the first line end stops the walk.
template <class Face>
int firstLineWidth(const uint8_t* s, const Face& face) {
  int width = 0;
  for (Decoded d = face.decode(s); d.code != kEndOfString; s += d.length, d = face.decode(s)) {
    const uint32_t c = d.code;
    if (isLineEnd(c)) break;
    if (c == kBell) {
      width = addSat(width, 1);
    } else if (c == kBackspace) {
      width = addSat(width, -1);
    } else if (c != kTab && c != kRowUp && c != kRowDown) {
      width = addSat(width, face.advance(c));
    }
  }
  return width;
}

}  // namespace
}  // namespace pane::text

using namespace pane;
using namespace pane::text;

extern "C" {

// The metrics of the current font read 0 while no font is set.
uint32_t getCharWidth(uint32_t toDisp) {
  if (textState.unicodeFont != nullptr)
    return static_cast<uint32_t>(UnicodeFace{textState.unicodeFont}.advance(toDisp));
  if (textState.currentFont == nullptr) return 0;
  return static_cast<uint32_t>(glyphWidth(textState.currentFont, toDisp));
}

// Width falls back to the replacement glyph, height to the space.
uint32_t getCharHeight(uint32_t chr) {
  if (textState.unicodeFont != nullptr) return textState.unicodeFont->lineHeight;
  if (textState.currentFont == nullptr) return 0;
  return static_cast<uint32_t>(glyphHeight(textState.currentFont, chr));
}

uint32_t getFontHeight(void) {
  if (textState.unicodeFont != nullptr) return textState.unicodeFont->lineHeight + kLineGap;
  if (textState.currentFont == nullptr) return 0;
  return static_cast<uint32_t>(spaceHeight(textState.currentFont) + kLineGap);
}

int getStringWidth(const void* inStr, uint16_t** FP) {
  if (FP == nullptr || inStr == nullptr) return 0;
  return firstLineWidth(static_cast<const uint8_t*>(inStr), TableFace{FP});
}

int getUnicodeStringWidth(const void* inStr, const PaneFont* font) {
  if (font == nullptr || inStr == nullptr) return 0;
  return firstLineWidth(static_cast<const uint8_t*>(inStr), UnicodeFace{font});
}

bool isUnicodeGlyphAvailable(uint32_t c, const PaneFont* font) {
  return font != nullptr && findGlyph(font, c) != PANE_NO_GLYPH;
}

}  // extern "C"
