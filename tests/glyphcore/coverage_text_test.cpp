// Coverage glyphs of 2 and 4 bits: full coverage draws what 1-bit ink draws,
// partial coverage blends with what is under it, and the known-background
// table gives what blending over that colour gives.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "pattern_fonts.h"
#include "text_fixture.h"

namespace pane_test {
namespace {

const std::vector<uint32_t> kExtra = {0x3042, 0x4E00};

// A canvas whose every pixel differs, so a blend with the wrong pixel shows.
void paint(Canvas& canvas) {
  for (int y = 0; y < Canvas::kHeight; ++y)
    for (int x = 0; x < Canvas::kWidth; ++x)
      canvas.data()[y * Canvas::kWidth + x] = static_cast<uint16_t>((x * 7 + y * 131) | 0x8000);
}

std::vector<uint16_t> drawn(const PaneFont* font, const char* text, void (*style)()) {
  Canvas canvas;
  paint(canvas);
  resetTextState();
  setColor(0x5A9C);
  style();
  setUnicodeFont(font);
  std::string s = text;
  dispString(3, 2, s.data(), canvas.data(), 1, 4, 5, 120, 200);
  return std::vector<uint16_t>(canvas.data(), canvas.data() + 256 * 256);
}

void (*const kStyles[])() = {
    [] {},
    [] { setBold(true); },
    [] { setItalics(true); },
    [] { drawInverse(); },
    [] { setHighlight(2, 9), setUnderline(true); },
};

constexpr const char* kText = "Coverage: \xE3\x81\x82\xE4\xB8\x80 wraps at the box, twice over.";

TEST(CoverageText, FullCoverageDrawsWhatOneBitInkDraws) {
  PatternFonts one(kExtra);
  for (int bpp : {2, 4}) {
    PatternFonts full(kExtra, bpp, true);
    for (auto style : kStyles)
      EXPECT_EQ(drawn(full.font(), kText, style), drawn(one.font(), kText, style));
  }
  pane::resetTextState();
}

// Each pixel of a glyph drawn alone, against the rounded blend of its coverage.
TEST(CoverageText, PartialCoverageBlendsEachChannelWithWhatIsUnder) {
  for (int bpp : {2, 4}) {
    PatternFonts fonts(kExtra, bpp);
    const uint32_t amax = (1u << bpp) - 1;
    for (uint32_t c : {uint32_t{'W'}, uint32_t{'q'}, uint32_t{0x4E00}}) {
      Canvas canvas, before;
      paint(canvas);
      paint(before);
      resetTextState();
      setColor(0x5A9C);
      setUnicodeFont(fonts.font());
      dispChar(10, 20, c, canvas.data(), 255, 256);
      for (int y = 0; y < PatternFonts::kLineHeight; ++y)
        for (int x = 0; x < PatternFonts::widthOf(c); ++x) {
          const uint32_t a = fonts.coverageAt(c, x, y), under = before.at(10 + x, 20 + y);
          uint32_t want = under;
          if (a != 0) {
            want = 0x8000;
            for (int shift : {0, 5, 10}) {
              const double d = (under >> shift) & 31, ink = (0x5A9C >> shift) & 31;
              want |= static_cast<uint32_t>(std::floor(d + (ink - d) * a / amax + 0.5)) << shift;
            }
          }
          ASSERT_EQ(canvas.at(10 + x, 20 + y), want)
              << bpp << " bits, code " << c << " at " << x << "," << y << ", coverage " << a;
        }
    }
  }
  pane::resetTextState();
}

TEST(CoverageText, KnownBackgroundGivesWhatBlendingOverItGives) {
  for (int bpp : {2, 4}) {
    PatternFonts fonts(kExtra, bpp);
    for (auto style : kStyles) {
      Canvas plain, known;
      for (Canvas* c : {&plain, &known}) c->fill(0x8C63);
      resetTextState();
      setColor(0x5A9C);
      style();
      setUnicodeFont(fonts.font());
      std::string s = kText;
      dispString(3, 2, s.data(), plain.data(), 1, 4, 5, 120, 200);
      setTextBackground(0x0C63);  // bit 15 is the library's to set
      s = kText;
      dispString(3, 2, s.data(), known.data(), 1, 4, 5, 120, 200);
      EXPECT_EQ(std::vector<uint16_t>(plain.data(), plain.data() + 65536),
                std::vector<uint16_t>(known.data(), known.data() + 65536));
    }
  }
  pane::resetTextState();
}

TEST(CoverageText, BinaryCoverageFontsLoad) {
  PatternFonts fonts(kExtra, 4);
  const std::vector<uint8_t> bytes = fonts.binary();
  std::vector<uint32_t> words(bytes.size() / 4 + 1);
  memcpy(words.data(), bytes.data(), bytes.size());
  PaneFont loaded;
  ASSERT_EQ(paneFontFromMemory(words.data(), bytes.size(), &loaded), PANE_FONT_OK);
  EXPECT_EQ(drawn(&loaded, kText, [] {}), drawn(fonts.font(), kText, [] {}));
  pane::resetTextState();
}

// Glyphs are kept by address: a font loaded over another's bytes must not be
// drawn with what was kept of the old one.
TEST(CoverageText, FontLoadedWhereAnotherWasDrawsItsOwnGlyphs) {
  PatternFonts partial(kExtra, 2), full(kExtra, 2, true);
  const std::vector<uint8_t> first = partial.binary(), second = full.binary();
  ASSERT_EQ(first.size(), second.size());
  std::vector<uint32_t> words(first.size() / 4 + 1);
  PaneFont a, b;
  memcpy(words.data(), first.data(), first.size());
  ASSERT_EQ(paneFontFromMemory(words.data(), first.size(), &a), PANE_FONT_OK);
  const std::vector<uint16_t> before = drawn(&a, kText, [] {});
  memcpy(words.data(), second.data(), second.size());
  ASSERT_EQ(paneFontFromMemory(words.data(), second.size(), &b), PANE_FONT_OK);
  Canvas canvas;
  paint(canvas);
  setUnicodeFont(&b);  // no reset: what was kept while drawing with a is still there
  setColor(0x5A9C);
  std::string s = kText;
  dispString(3, 2, s.data(), canvas.data(), 1, 4, 5, 120, 200);
  EXPECT_NE(std::vector<uint16_t>(canvas.data(), canvas.data() + 65536), before);
  EXPECT_EQ(std::vector<uint16_t>(canvas.data(), canvas.data() + 65536),
            drawn(full.font(), kText, [] {}));
  pane::resetTextState();
}

}  // namespace
}  // namespace pane_test
