// glyphcast to screen: the font source compiles as C and as C++, setFont takes
// its table, and the captured pixels land where the text layout puts them.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "roundtrip_data.h"

namespace {

constexpr int kRow = 256;
constexpr uint16 kUntouched = 0x1234;
constexpr uint16 kFontColour = 0x7E5F;  // every channel loses some bits of grey edges

struct CompiledFont {
  const char* language;
  uint16** table;
  const FontProbe* probe;
};

std::vector<CompiledFont> compiledFonts() {
  return {{"C", font_liberation_sans_12, c_font_probe},
          {"C++", cxx_font_liberation_sans_12, cxx_font_probe}};
}

int widthOf(const uint16* record) { return record[0] + 1; }
int heightOf(const uint16* record) { return record[1] + 1; }
int wordsOf(const uint16* record) { return 2 + widthOf(record) * heightOf(record); }

// What drawing a captured glyph must give: the font's transparent value 0 is
// left alone, every other captured value v becomes (v & mask) | 0x8000.
void paintExpected(std::vector<uint16>& buffer, int x, int y, const uint16* glyph, uint16 mask) {
  for (int row = 0; row < heightOf(glyph); ++row) {
    for (int col = 0; col < widthOf(glyph); ++col) {
      const uint16 v = glyph[2 + row * widthOf(glyph) + col];
      if ((v & 0x7FFF) != 0) buffer[(y + row) * kRow + x + col] = (v & mask) | 0x8000;
    }
  }
}

// Where the glyph differs from the expectation, as "(x, y)" texts, at most a few.
std::string firstDifferences(const std::vector<uint16>& drawn,
                             const std::vector<uint16>& expected) {
  std::string out;
  int shown = 0;
  for (size_t i = 0; i < drawn.size() && shown < 5; ++i) {
    if (drawn[i] == expected[i]) continue;
    out += " (" + std::to_string(i % kRow) + ", " + std::to_string(i / kRow) + ")";
    ++shown;
  }
  return out;
}

void useFont(uint16** table) {
  setFont(table);
  setColor(kFontColour);
  setBold(false);
  setItalics(false);
  setUnderline(false);
  setStrikeThrough(false);
  clearHighlight();
  hideCursor();
  drawNormal();
}

TEST(RoundtripFont, GlyphHeadersMatchTheirPixelData) {
  for (const CompiledFont& font : compiledFonts()) {
    SCOPED_TRACE(font.language);
    for (int i = 0; i < FONT_PROBE_COUNT; ++i) {
      const FontProbe& glyph = font.probe[i];
      SCOPED_TRACE(glyph.code);
      EXPECT_EQ(font.table[glyph.code], glyph.record);
      EXPECT_EQ(static_cast<int>(glyph.words), wordsOf(glyph.record));
    }
    // Every captured character has the font's line height: the text height.
    for (int c = 32; c < 256; ++c) {
      if (font.table[c] == nullptr) continue;
      EXPECT_EQ(heightOf(font.table[c]), heightOf(font.table[32])) << c;
    }
  }
}

TEST(RoundtripFont, CAndCxxCompileToTheSameFont) {
  uint16** c = font_liberation_sans_12;
  uint16** cxx = cxx_font_liberation_sans_12;
  ASSERT_NE(c, cxx);
  for (int slot = 0; slot < 256; ++slot) {
    ASSERT_EQ(c[slot] == nullptr, cxx[slot] == nullptr) << slot;
    if (c[slot] == nullptr) continue;
    ASSERT_EQ(wordsOf(c[slot]), wordsOf(cxx[slot])) << slot;
    EXPECT_EQ(std::memcmp(c[slot], cxx[slot], wordsOf(c[slot]) * sizeof(uint16)), 0) << slot;
  }
  for (int slot = 256; slot < 259; ++slot) EXPECT_EQ(*c[slot], *cxx[slot]) << slot;
  ASSERT_NE(c[259], nullptr);
  ASSERT_NE(cxx[259], nullptr);
  EXPECT_EQ(std::memcmp(c[259], cxx[259], 256 * sizeof(int16)), 0);
}

TEST(RoundtripFont, SetFontTakesTheTable) {
  for (const CompiledFont& font : compiledFonts()) {
    SCOPED_TRACE(font.language);
    useFont(font.table);
    EXPECT_EQ(getTabStop(), 25u);
    EXPECT_EQ(getTransparentColorFont(), 0u);
    EXPECT_EQ(getUnderline(), 12u);
    EXPECT_TRUE(isGlyphAvailable('A'));
    EXPECT_TRUE(isGlyphAvailable(1));     // a button picture
    EXPECT_FALSE(isGlyphAvailable(130));  // not captured
    EXPECT_EQ(getCharWidth('W'), static_cast<uint32>(widthOf(font.table['W'])));
    EXPECT_EQ(getCharWidth(130), static_cast<uint32>(widthOf(font.table['?'])));
    EXPECT_EQ(getCharHeight('g'), static_cast<uint32>(heightOf(font.table[32])));
  }
}

TEST(RoundtripFont, DispCharDrawsTheCapturedPixels) {
  struct Case {
    u32 code;
    u32 drawnGlyph;  // the slot whose pixels appear
    uint16 mask;     // font colour, or the button picture's own colours
  };
  const Case cases[] = {{'A', 'A', kFontColour},
                        {'g', 'g', kFontColour},
                        {201, 201, kFontColour},
                        {130, '?', kFontColour},
                        {1, 1, 0xFFFF}};
  for (const CompiledFont& font : compiledFonts()) {
    useFont(font.table);
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(font.language) + " code " + std::to_string(c.code));
      std::vector<uint16> drawn(kRow * kRow, kUntouched);
      std::vector<uint16> expected = drawn;
      dispChar(17, 23, c.code, drawn.data(), 255, 192);
      paintExpected(expected, 17, 23, font.table[c.drawnGlyph], c.mask);
      EXPECT_EQ(drawn, expected) << "differs at" << firstDifferences(drawn, expected);
      EXPECT_NE(drawn, std::vector<uint16>(kRow * kRow, kUntouched)) << "nothing drawn";
    }
  }
}

TEST(RoundtripFont, DispStringPutsEachGlyphAtTheAdvanceOfThoseBefore) {
  for (const CompiledFont& font : compiledFonts()) {
    SCOPED_TRACE(font.language);
    useFont(font.table);
    char text[] = "Wavy \x01 gl\xe9ph\x82";
    std::vector<uint16> drawn(kRow * kRow, kUntouched);
    std::vector<uint16> expected = drawn;
    const int left = 6, top = 40;

    const int height = dispString(left, top, text, drawn.data(), 0, 0, 0, 255, 192);

    int x = left;
    for (const char* p = text; *p != 0; ++p) {
      const u32 code = static_cast<unsigned char>(*p);
      const uint16* glyph = font.table[code] != nullptr ? font.table[code] : font.table['?'];
      if (code != ' ') paintExpected(expected, x, top, glyph, code < 32 ? 0xFFFF : kFontColour);
      x += widthOf(glyph);
    }
    EXPECT_EQ(drawn, expected) << "differs at" << firstDifferences(drawn, expected);
    EXPECT_EQ(getLastX(), x);
    EXPECT_EQ(height, heightOf(font.table[32]));
    EXPECT_STREQ(text, "Wavy \x01 gl\xe9ph\x82");
  }
}

}  // namespace
