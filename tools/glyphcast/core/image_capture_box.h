// The capture box on Qt: a 241 x 225 image drawn with QPainter, black background
// and white characters, sized at 96 pixels per inch whatever the screen.
#pragma once

#include "glyphcast/core/capture_box.h"

#include <QFont>
#include <QImage>
#include <QRawFont>

#include <QHash>

#include <cstdint>

namespace glyphcast {

// Needs a QGuiApplication (fonts come from the platform's font database).
class ImageCaptureBox : public CaptureBox {
 public:
  ImageCaptureBox();

  FontMatch setFont(const CaptureFont& font) override;
  void clear() override;
  void drawChar(int x, int y, int code) override;
  double textWidth(int code) const override;
  double textHeight(int code) const override;
  std::int32_t pixel(int x, int y) const override;
  bool hasChar(int code) const override;

  // The same for any Unicode code point.
  void drawCodePoint(int x, int y, std::uint32_t point);
  double codePointWidth(std::uint32_t point) const;
  bool hasCodePoint(std::uint32_t point) const;
  // Rows from a cell's top to the baseline of the font in force.
  int ascent() const;

  const QImage& image() const { return image_; }
  const QFont& font() const { return font_; }

 protected:
  bool inkOutsideArea(int left, int top, int right, int bottom) const override;

 private:
  // An italic's cell: from the leftmost ink, or the origin when no ink lies
  // left of it, to the advance or the rightmost ink, whichever is further. The
  // slant then stays inside the glyph instead of being cut at the advance.
  struct Span {
    bool known = false;
    int left = 0;   // pixels of ink left of the origin
    int width = 0;  // whole cell, in pixels
  };
  const Span& span(const QString& text) const;
  void drawText(int x, int y, const QString& text);

  QImage image_;
  QFont font_;
  bool italic_ = false;
  QRawFont drawnFace_;  // with a font file: the face characters come from
  mutable QHash<QString, Span> spans_;
};

// The QFont a capture font stands for: pixel size round(points * 96 / 72), full
// hinting and grey (never sub-pixel) smoothing, chosen explicitly so that the
// glyphs do not depend on the screen's scale factor or smoothing settings. A font
// file's characters are never merged from other fonts.
QFont qtFontFor(const CaptureFont& font);

// Family Qt draws a font with, and whether an installed font answers to its name.
// Families are compared without the foundry Qt adds to a family that several
// foundries have ("DejaVu Sans [PfEd]").
FontMatch matchFont(const QFont& font);

// family without a trailing " [Foundry]".
QString withoutFoundry(const QString& family);

}  // namespace glyphcast
