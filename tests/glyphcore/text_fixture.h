// Shared set-up of the text tests: every text setting back to its start value,
// a canvas with guard rows, and the colours the tests draw with.
#ifndef PANE_TEST_TEXT_FIXTURE_H
#define PANE_TEST_TEXT_FIXTURE_H

#include <gtest/gtest.h>

#include <string>

#include "glyphcore/text_state.h"
#include "sprite_builder.h"
#include "test_font.h"

namespace pane_test {

constexpr uint16 kGlyphColour = 0x801F;  // kInk under the font colour 0x001F
constexpr uint16 kBandColour = 0xFC00;
constexpr uint16 kBarColour = 0x9234;
constexpr uint16 kSpecialColour = 0x8000 | kSpecialInk;

inline const std::map<uint16_t, char> kPictureChars = {
    {kGlyphColour, '#'}, {kBandColour, '='}, {kBarColour, '|'}, {kSpecialColour, 's'}};

// Every text setting at its start value, then the tests' colours and cursor bar.
inline void resetTextState() {
  pane::resetTextState();
  setCursorProperties(kBarColour, -1, 1, 0);
  setColor(0x001F);
  setHighlightColor(0x7C00);
}

class TextTest : public ::testing::Test {
 protected:
  TextTest() : font(6, 8) {}
  void SetUp() override {
    resetTextState();
    setFont(font.table());
  }
  // The font dies with the test: leave no pointer to it behind.
  void TearDown() override { pane::resetTextState(); }

  // dispString into the canvas: box from (c_x, c_y) to (c_bx, c_by).
  int draw(std::string& s, int x, int y, bool clip, int c_x, int c_y, int c_bx, int c_by) {
    return dispString(x, y, s.data(), canvas.data(), clip ? 1 : 0, c_x, c_y, c_bx, c_by);
  }
  // Without clipping, in a box that is the whole canvas.
  int drawFree(std::string& s, int x, int y) { return draw(s, x, y, false, 0, 0, 255, 256); }

  bool inked(int x, int y) const { return canvas.at(x, y) == kGlyphColour; }

  // A run of pixels as characters: '#' glyph or line, '=' band, '|' cursor bar,
  // 's' special glyph, '.' untouched, '?' anything else.
  std::string rowAt(int y, int x = 0, int width = 32) const { return pixels(x, y, width, 1); }
  std::string columnAt(int x, int y, int height) const { return pixels(x, y, 1, height); }

  std::string pixels(int x, int y, int w, int h) const {
    std::string out;
    for (const std::string& line : canvas.picture(x, y, w, h, kPictureChars)) out += line;
    return out;
  }

  TestFont font;
  Canvas canvas;
};

}  // namespace pane_test

#endif
