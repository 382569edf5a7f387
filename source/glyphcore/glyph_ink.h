// Ink boxes of glyphs: the rows and columns of a glyph record that hold any
// pixel other than the font's transparent value, found the first time the
// glyph is drawn, so that the blitter skips the empty rest of the record.
#ifndef PANE_GLYPHCORE_GLYPH_INK_H
#define PANE_GLYPHCORE_GLYPH_INK_H

#include <libpane.h>

namespace pane::blit {

// Sprite rows top..bottom and columns left..right, inclusive; empty when
// top > bottom.
struct InkBox {
  int top, bottom, left, right;
};

// One kept box: the record and transparent colour it was found for, and the
// box in bytes (top > bottom: no ink at all).
struct InkEntry {
  const uint16_t* record;  // null: nothing kept
  uint16_t transparent;
  uint8_t top, bottom, left, right;

  bool isFor(const uint16_t* glyph, uint16_t tc) const {
    return record == glyph && transparent == tc;
  }
};

// Two boxes per character code, the one found last first: a program that
// draws with two fonts (a title font and a body font) keeps both fonts' boxes.
constexpr int kInkWays = 2;
extern InkEntry inkTable[256][kInkWays];

// Finds the box of `glyph`, keeps it first among `ways` (the older box
// moves second, the oldest is dropped) and returns it.
const InkEntry& measureInk(InkEntry (&ways)[kInkWays], const uint16_t* glyph, uint16_t transparent);

// The ink box of the plain record `glyph` (drawn for character code c) with
// transparent colour tc. Boxes are kept per character code and record address
// in a fixed table, and reused while the same record is drawn with the same
// transparent colour, across font changes. Glyph records are constant data: a
// record changed in place is seen again only after setFont is called with the
// font that is already current, which forgets every box. False when the record
// is too large for the table (more than 256 rows or columns): draw it whole.
inline bool glyphInk(uint32_t c, const uint16_t* glyph, uint32_t tc, InkBox& box) {
  if (c > 255 || glyph[0] > 255 || glyph[1] > 255) return false;
  const uint16_t transparent = static_cast<uint16_t>(tc | 0x8000);
  InkEntry(&ways)[kInkWays] = inkTable[c];
  const InkEntry* e = &ways[0];
  if (!e->isFor(glyph, transparent)) {
    e = &ways[1];
    if (!e->isFor(glyph, transparent)) e = &measureInk(ways, glyph, transparent);
  }
  box = InkBox{e->top, e->bottom, e->left, e->right};
  return true;
}

// Forgets every kept box.
void forgetGlyphInk();

}  // namespace pane::blit

#endif
