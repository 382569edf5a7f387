// The drawing surface glyphs are captured from: what a conversion needs of it.
// The window and command line use the QImage box; tests use a scripted fake.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

namespace glyphcast {

struct CaptureFont {
  QString family;
  float points = 12.0f;  // size in points, at 96 pixels per inch
  bool bold = false;
  bool italic = false;
  bool smooth = true;  // grey edges as the renderer smooths them; false for 1-bit glyphs
  // The font file the family comes from, or empty for an installed font. With a
  // file, characters come from its face alone: none is borrowed from another font.
  QByteArray fileData = {};
  // An installed font drawn as a file is: its own glyphs only, none merged from
  // another font, and hasChar answered by its face.
  bool ownGlyphsOnly = false;
};

// How the renderer answered a font request.
struct FontMatch {
  FontMatch() = default;
  FontMatch(const QString& family, bool answers) : familyUsed(family), answered(answers) {}

  QString familyUsed;    // the family characters are actually drawn with
  bool answered = true;  // false when no installed font answers to the name, not even an alias
  // With a font file: false when an installed face of the same name draws in
  // place of the file's own.
  bool fromFile = true;
  // A face drawn at fixed sizes only (a bitmap font): the pixel size it draws at
  // and the sizes it offers, in points at 96 pixels per inch. Empty when it scales.
  int fixedPixels = 0;
  QList<double> fixedPoints;
};

class CaptureBox {
 public:
  static constexpr int kWidth = 241;
  static constexpr int kHeight = 225;

  virtual ~CaptureBox() = default;

  // The font stays in force for every later draw and measurement.
  virtual FontMatch setFont(const CaptureFont& font) = 0;
  // Fills the box with black.
  virtual void clear() = 0;
  // Draws character code (0-255, Windows-1252) in white, its cell's top-left corner at (x, y).
  virtual void drawChar(int x, int y, int code) = 0;
  // Advance width of the character and line height of the font, in pixels.
  virtual double textWidth(int code) const = 0;
  virtual double textHeight(int code) const = 0;
  // Colour as 0x00BBGGRR, or -1 for a position outside the box.
  virtual std::int32_t pixel(int x, int y) const = 0;
  // Whether the font has a glyph of its own for the character; a missing one
  // is drawn as the font's missing-glyph mark, never taken from another font.
  virtual bool hasChar(int) const { return true; }
  // Whether the character, its cell's top-left corner at (0, 0), has ink outside
  // columns left to right and rows top to bottom (inclusive), where the box
  // would cut it off or not. Draws it near the middle of the box to see it all.
  virtual bool inkOutside(int code, int left, int top, int right, int bottom) {
    const int middleX = static_cast<int>((kWidth - textWidth(code)) / 2);
    const int middleY = static_cast<int>((kHeight - textHeight(code)) / 2);
    clear();
    drawChar(middleX, middleY, code);
    return inkOutsideArea(left + middleX, top + middleY, right + middleX, bottom + middleY);
  }

 protected:
  // Whether any pixel of the box outside the area (inclusive) is not black.
  virtual bool inkOutsideArea(int left, int top, int right, int bottom) const {
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        if ((x < left || x > right || y < top || y > bottom) && pixel(x, y) != 0) return true;
      }
    }
    return false;
  }
};

}  // namespace glyphcast
