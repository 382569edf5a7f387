// The pieces the styled-text scenes are written with: one screen's text and box
// operations, so that each scene is drawn on both screens, and the settings
// every scene starts from.
#ifndef PANE_TEST_TEXT_SCENES_H
#define PANE_TEST_TEXT_SCENES_H

#include <libpane.h>

#include <string>

namespace pane_test {

// One screen's text and box operations, so each scene is written once.
struct Screen {
  void (*setClipping)(int, int, int, int);
  void (*dispString)(int, int, const void*);
  void (*drawBox)(int, int, int, int, uint16);
  void (*setBGColor)(uint16);
  uint16 ink, band, bar, outline;
};

inline const Screen kMain{fb_setClipping, fb_dispString, fb_drawBox, fb_setBGColor,
                          0x7FFF,         0x0210,        0x03E0,     0x4210};
inline const Screen kSub{bg_setClipping, bg_dispString, bg_drawBox, bg_setBGColor,
                         0x03FF,         0x4008,        0x7C1F,     0x294A};

// The settings the scenes change back to their start, then the screen's colours.
inline void plainText(const Screen& s) {
  clearHighlight();
  setBold(false);
  setItalics(false);
  setUnderline(false);
  setStrikeThrough(false);
  drawNormal();
  setWrapNormal();
  hideCursor();
  setColor(s.ink);
  setHighlightColor(s.band);
  setCursorProperties(s.bar, -1, 1, 0);
}

// Text in the clip box (x, y)-(bx, by), with the box outlined one pixel outside it.
inline void boxed(const Screen& s, int x, int y, int bx, int by, int dx, int dy, std::string text) {
  s.drawBox(x - 1, y - 1, bx + 1, by + 1, s.outline);
  s.setClipping(x, y, bx, by);
  s.dispString(dx, dy, text.data());
  s.setClipping(0, 0, 256, 256);
}

// A free line at column x of the rectangle that starts at column c_x.
inline void line(const Screen& s, int y, std::string text, int x = 4, int c_x = 0) {
  s.setClipping(c_x, 0, 256, 256);
  s.dispString(x, y, text.data());
  s.setClipping(0, 0, 256, 256);
}

// Bold, italics, underline, strike-through and inverse alone, then the first
// three together: texts[k] on free line k, from row 2, 17 rows apart.
inline void styleLines(const Screen& s, const char* const (&texts)[6]) {
  void (*const styles[6])() = {
      [] { setBold(true); },      [] { setItalics(true); },
      [] { setUnderline(true); }, [] { setStrikeThrough(true); },
      [] { drawInverse(); },      [] { setBold(true), setItalics(true), setUnderline(true); },
  };
  for (int k = 0; k < 6; ++k) {
    plainText(s);
    styles[k]();
    line(s, 2 + 17 * k, texts[k]);
  }
}

}  // namespace pane_test

#endif
