// The drawing surface glyphs are captured from: what a conversion needs of it.
// The window and command line use the QImage box; tests use a scripted fake.
#pragma once

#include <QString>

#include <cstdint>

namespace glyphcast {

struct CaptureFont {
    QString family;
    float points = 12.0f;  // size in points, at 96 pixels per inch
    bool bold = false;
    bool italic = false;
    bool smooth = true;  // grey edges as the renderer smooths them; false for 1-bit glyphs
};

// How the renderer answered a font request.
struct FontMatch {
    QString familyUsed;    // the family characters are actually drawn with
    bool answered = true;  // false when no installed font answers to the name, not even an alias
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
};

}  // namespace glyphcast
