// What a DS program would show with a converted font: libpane's own renderer
// draws a line of sample text into the simulated main screen, and the display
// model turns the screen into a picture.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <cstdint>
#include <optional>

namespace glyphcast {

struct UnicodeFont;

// The sample text as the DS string it stands for: "[A]" "[B]" "[X]" "[Y]"
// "[LEFT]" "[UP]" "[DOWN]" "[RIGHT]" "[SELECT]" "[START]" "[L]" "[R]" "[^]" "[v]"
// become the codes of the button glyphs, the word between the first two "*" is
// highlighted (the stars are not drawn), other characters become Windows-1252
// codes ("?" where the code page has none).
struct SampleText {
  QByteArray bytes;
  int highlightStart = -1;  // character indexes [start, end) of the highlight
  int highlightEnd = -1;
};

SampleText parseSample(const QString& sample);

// The same for a Unicode font: UTF-8, the buttons at U+E000 to U+E00D in the order
// above, the highlight in byte offsets, control codes drawn as "?".
SampleText parseUnicodeSample(const QString& sample);

// The window's starting sample.
QString defaultSample();

// Screen size of the preview: the DS upper screen, where the main screen shows.
constexpr int kPreviewWidth = 256;
constexpr int kPreviewHeight = 192;

// The colour the screen is filled with before the sample is drawn, RGB15: a deep
// blue-grey. Coverage glyphs blend with it.
constexpr std::uint16_t kPreviewBackground = 4 << 10 | 2 << 5 | 2;

// An RGB15 value, 0 to 32767, in hex (0x1042) or decimal; nullopt for anything else.
std::optional<std::uint16_t> parseRgb15(const QString& text);

// Draws the sample with font table (260 slots) over background (RGB15) and returns
// the screen, 256 x 192, as the display model composes it. Uses libpane's global
// state: resets the simulated DS, and leaves its text settings at their defaults.
QImage renderPreview(std::uint16_t** table, const QString& sample,
                     std::uint16_t background = kPreviewBackground);

// The same with a Unicode font, read by the library's own loader from the binary
// file's bytes (setUnicodeFont). A null picture with *problem when the loader
// refuses the font.
QImage renderUnicodePreview(const UnicodeFont& font, const QString& sample, QString* problem,
                            std::uint16_t background = kPreviewBackground);

// renderPreview() scaled by a whole factor, each DS pixel a square of pixels.
QImage scaledPreview(const QImage& preview, int factor);

}  // namespace glyphcast
