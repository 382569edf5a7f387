// Pixel pictures of the DS buttons (A, B, X, Y, the direction pad, SELECT, START,
// the shoulder buttons and two triangles) used as special glyphs in every font.
#include "glyphcast/core/special_glyphs.h"

namespace glyphcast {

namespace {

const std::vector<SpecialGlyph> kGlyphs = {
    // grey round button with a white A
    {1,
     1,
     Separator::Tab,
     {
         "....ooo....",
         "..ooooooo..",
         ".ooooXoooo.",
         ".ooooXoooo.",
         "ooooXoXoooo",
         "ooooXXXoooo",
         "oooXoooXooo",
         ".ooXoooXoo.",
         ".ooooooooo.",
         "..ooooooo..",
         "....ooo....",
     }},
    // grey round button with a white B
    {2,
     2,
     Separator::Tab,
     {
         "....ooo....",
         "..ooooooo..",
         ".ooooooooo.",
         ".ooXXXXooo.",
         "oooXoooXooo",
         "oooXXXXoooo",
         "oooXoooXooo",
         ".ooXXXXooo.",
         ".ooooooooo.",
         "..ooooooo..",
         "....ooo....",
     }},
    // grey round button with a white X
    {3,
     3,
     Separator::Tab,
     {
         "....ooo....",
         "..ooooooo..",
         ".ooooooooo.",
         ".ooXoooXoo.",
         "ooooXoXoooo",
         "oooooXooooo",
         "ooooXoXoooo",
         ".ooXoooXoo.",
         ".ooooooooo.",
         "..ooooooo..",
         "....ooo....",
     }},
    // grey round button with a white Y
    {4,
     4,
     Separator::Empty,
     {
         "....ooo....",
         "..ooooooo..",
         ".ooooooooo.",
         ".ooXoooXoo.",
         "ooooXoXoooo",
         "oooooXooooo",
         "oooooXooooo",
         ".ooooXoooo.",
         ".ooooooooo.",
         "..ooooooo..",
         "....ooo....",
     }},
    // left arm of the direction pad, white arrowhead pointing left
    {5,
     5,
     Separator::Tab,
     {
         "...........",
         "..oooooooo.",
         ".oooooooooo",
         ".ooooXooooo",
         "ooooXoooooo",
         "oooXooooooo",
         "ooooXoooooo",
         ".ooooXooooo",
         ".oooooooooo",
         "..oooooooo.",
         "...........",
     }},
    // up arm of the direction pad, white arrowhead pointing up
    {6,
     6,
     Separator::Empty,
     {
         "....ooo....",
         "..ooooooo..",
         ".ooooooooo.",
         ".ooooXoooo.",
         ".oooXoXooo.",
         ".ooXoooXoo.",
         ".ooooooooo.",
         ".ooooooooo.",
         ".ooooooooo.",
         ".ooooooooo.",
         "..ooooooo..",
     }},
    // down arm of the direction pad, white arrowhead pointing down
    {7,
     14,
     Separator::Empty,
     {
         "..ooooooo..",
         ".ooooooooo.",
         ".ooooooooo.",
         ".ooooooooo.",
         ".ooooooooo.",
         ".ooXoooXoo.",
         ".oooXoXooo.",
         ".ooooXoooo.",
         ".ooooooooo.",
         "..ooooooo..",
         "....ooo....",
     }},
    // right arm of the direction pad, white arrowhead pointing right
    {8,
     15,
     Separator::Tab,
     {
         "...........",
         ".oooooooo..",
         "oooooooooo.",
         "oooooXoooo.",
         "ooooooXoooo",
         "oooooooXooo",
         "ooooooXoooo",
         "oooooXoooo.",
         "oooooooooo.",
         ".oooooooo..",
         "...........",
     }},
    // grey bar, rounded on the left, with the white word SELECT
    {9,
     16,
     Separator::Tab,
     {
         "....ooooooooooooooooooooooooooooooo",
         "..ooooooooooooooooooooooooooooooooo",
         ".ooooXXooXXXXoXoooXXXXooXXXoXXXXXoo",
         ".oooXooXoXooooXoooXooooXoooXooXoooo",
         "oooooXoooXXXooXoooXXXooXooooooXoooo",
         "ooooooXooXooooXoooXooooXooooooXoooo",
         ".oooXooXoXooooXoooXooooXoooXooXoooo",
         ".ooooXXooXXXXoXXXoXXXXooXXXoooXoooo",
         "..ooooooooooooooooooooooooooooooooo",
         "....ooooooooooooooooooooooooooooooo",
         "...................................",
     }},
    // grey bar, rounded on the right, with the white word START
    {10,
     17,
     Separator::Tab,
     {
         "ooooooooooooooooooooooooooooooo....",
         "ooooooooooooooooooooooooooooooooo..",
         "ooooXXoXXXXXoooXoooXXXXoXXXXXooooo.",
         "oooXooXooXoooooXoooXoooXooXooooooo.",
         "ooooXooooXooooXoXooXoooXooXoooooooo",
         "oooooXoooXooooXXXooXXXXoooXoooooooo",
         "oooXooXooXoooXoooXoXoooXooXooooooo.",
         "ooooXXoooXoooXoooXoXoooXooXooooooo.",
         "ooooooooooooooooooooooooooooooooo..",
         "ooooooooooooooooooooooooooooooo....",
         "...................................",
     }},
    // left shoulder button with a white L
    {11,
     18,
     Separator::Tab,
     {
         ".....ooooooooo....",
         "...ooooooooooooo..",
         "..ooooooXoooooooo.",
         "..ooooooXoooooooo.",
         ".oooooooXooooooooo",
         ".oooooooXooooooooo",
         ".oooooooXooooooooo",
         "ooooooooXXXoooooo.",
         "ooooooooooooooooo.",
         "oooooooooooooooo..",
         "oooooooooooooo....",
     }},
    // right shoulder button with a white R
    {12,
     19,
     Separator::Tab,
     {
         "....ooooooooo.....",
         "..ooooooooooooo...",
         ".ooooooXXXXooooo..",
         ".ooooooXoooXoooo..",
         "oooooooXoooXooooo.",
         "oooooooXXXXoooooo.",
         "oooooooXoooXooooo.",
         ".ooooooXoooXoooooo",
         ".ooooooooooooooooo",
         "..oooooooooooooooo",
         "....oooooooooooooo",
     }},
    // white triangle pointing up, on transparent
    {13,
     20,
     Separator::Tab,
     {
         "...........",
         ".....X.....",
         "....XXX....",
         "...XXXXX...",
         "..XXXXXXX..",
         "...........",
         "...........",
         "...........",
         "...........",
         "...........",
         "...........",
     }},
    // white triangle pointing down, on transparent
    {14,
     21,
     Separator::TwoEmpty,
     {
         "...........",
         "...........",
         "...........",
         "...........",
         "...........",
         "...........",
         "..XXXXXXX..",
         "...XXXXX...",
         "....XXX....",
         ".....X.....",
         "...........",
     }},
};

}  // namespace

int SpecialGlyph::columns() const { return static_cast<int>(qstrlen(rows[0])); }

QString SpecialGlyph::name() const {
  return QStringLiteral("<>_X%1").arg(number, 3, 10, QLatin1Char('0'));
}

const std::vector<SpecialGlyph>& specialGlyphs() { return kGlyphs; }

int pictureColour(char pixel) {
  switch (pixel) {
    case 'o':
      return 15 + 15 * 32 + 15 * 1024;
    case 'X':
      return 32767;
    default:
      return 0;
  }
}

}  // namespace glyphcast
