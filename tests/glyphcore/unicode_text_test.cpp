// Unicode fonts against tables: the same glyphs drawn both ways give the same
// pixels, metrics, cursor and callbacks; then what only UTF-8 text has:
// malformed sequences, CJK line breaks and the binary loader.
#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "glyphcore/unicode_font.h"
#include "glyphcore/utf8.h"
#include "pattern_fonts.h"
#include "text_fixture.h"

namespace pane_test {
namespace {

using pane::text::Decoded;

struct Call {
  int index;
  uint32_t chr;
  int pass, x, y;
  int newY;  // where calculateNewXY puts the character
  bool operator==(const Call& o) const {
    return index == o.index && chr == o.chr && pass == o.pass && x == o.x && y == o.y;
  }
};
std::vector<Call> calls;
int record(int index, uint32_t chr, int pass, int x, int y) {
  int newX = x, newY = y;
  calculateNewXY(&newX, &newY);
  if (pass == 2) calls.push_back({index, chr, pass, x, y, newY});
  return 0;
}

// What one dispString leaves behind.
struct Drawn {
  std::vector<uint16_t> pixels;
  int height, lastX, lastY;
  uint32_t above, below;
  std::vector<Call> calls;
  std::string text;
};

Drawn drawWith(std::string text, int box) {
  Canvas canvas;
  calls.clear();
  Drawn d;
  d.height =
      dispString(3, 2, text.data(), canvas.data(), box > 0 ? 1 : 0, 4, 5, box > 0 ? box : 255, 120);
  d.pixels.assign(canvas.data(), canvas.data() + 256 * 256);
  d.lastX = getLastX(), d.lastY = getLastY();
  d.above = getPositionAbove(), d.below = getPositionBelow();
  d.calls = calls;
  d.text = text;
  return d;
}

void expectSame(const Drawn& a, const Drawn& b) {
  EXPECT_EQ(a.pixels, b.pixels);
  EXPECT_EQ(a.height, b.height);
  EXPECT_EQ(a.lastX, b.lastX);
  EXPECT_EQ(a.lastY, b.lastY);
  EXPECT_EQ(a.above, b.above);
  EXPECT_EQ(a.below, b.below);
  EXPECT_TRUE(a.calls == b.calls);
}

class UnicodeText : public ::testing::Test {
 protected:
  void SetUp() override { resetTextState(); }
  void TearDown() override { pane::resetTextState(); }

  Drawn table(const std::string& s, int box) {
    setFont(fonts.table());
    return drawWith(s, box);
  }
  Drawn unicode(const std::string& s, int box) {
    setUnicodeFont(fonts.font());
    return drawWith(s, box);
  }

  PatternFonts fonts{{0x00E9, 0x3001, 0x3002, 0x3042, 0x3044, 0x4E00, 0x4E8C, 0x4E09, 0xFFFD}};
};

// Every style and control code, with and without a box to wrap in.
TEST_F(UnicodeText, AsciiDrawsAsTheTableWithTheSameGlyphs) {
  const std::string texts[] = {
      "The quick brown fox jumps over the lazy dog; 0123456789 !?",
      "tab\tstops\tand\bback\a bell\nnew line\rreturn\x1b"
      "esc \x0b up \x0c down",
      "averyveryverylongwordthatcannotfitinthebox and then more",
  };
  struct Style {
    const char* name;
    void (*apply)();
  };
  const Style styles[] = {
      {"plain", [] {}},
      {"bold", [] { setBold(true); }},
      {"italics", [] { setItalics(true); }},
      {"lines", [] { setUnderline(true), setStrikeThrough(true); }},
      {"inverse", [] { drawInverse(); }},
      {"highlight", [] { setHighlight(4, 23); }},
      {"cursor", [] { setCursorPos(30), showCursor(); }},
      {"border", [] { setWrapToBorder(); }},
      {"callback", [] { setCallBack(record); }},
  };
  for (const Style& style : styles) {
    for (const std::string& text : texts) {
      for (int box : {0, 90, 31}) {
        SCOPED_TRACE(std::string(style.name) + " / " + text + " / box " + std::to_string(box));
        resetTextState();
        style.apply();
        const Drawn a = table(text, box);
        resetTextState();
        style.apply();
        const Drawn b = unicode(text, box);
        expectSame(a, b);
        EXPECT_EQ(b.text, text);  // Unicode text is only read
      }
    }
  }
}

// Plain strings take a pass of their own that tests for no callback, cursor,
// highlight or line: a callback that lets everything through must not change
// what either kind of font draws, nor where the text ends.
TEST_F(UnicodeText, PlainPassDrawsWhatTheFullPassDraws) {
  const std::string texts[] = {
      "The quick brown fox jumps over the lazy dog; 0123456789 !?",
      "tab\tstops\tand\bback\a bell\nnew line\rreturn \x0b up \x0c down",
      "averyveryverylongwordthatcannotfitinthebox and \xE3\x81\x82\xE4\xB8\x80 more",
  };
  for (bool unicodeFont : {false, true})
    for (const std::string& text : texts)
      for (int box : {0, 90, 31}) {
        SCOPED_TRACE(text + " / box " + std::to_string(box));
        Drawn d[2];
        for (int withCallback : {0, 1}) {
          resetTextState();
          if (withCallback) setCallBack(record);
          d[withCallback] = unicodeFont ? unicode(text, box) : table(text, box);
        }
        d[1].calls = d[0].calls;
        expectSame(d[0], d[1]);
      }
}

TEST_F(UnicodeText, PicturesDrawInTheirOwnColours) {
  for (bool inverse : {false, true}) {
    resetTextState();
    if (inverse) drawInverse();
    const Drawn a = table("a \x01\x01 b", 0);
    resetTextState();
    if (inverse) drawInverse();
    EXPECT_EQ(unicode("a \uE000\uE000 b", 0).pixels, a.pixels);
  }
}

// Bottom limits far above the text, or past any int, draw nothing at all.
TEST_F(UnicodeText, LimitsFarFromTheTextDrawNothing) {
  setUnicodeFont(fonts.font());
  Canvas canvas;
  std::string s = "n\xE4\xB8\x80";
  dispString(0, 10, s.data(), canvas.data(), 1, 0, 0, 255, INT_MIN);
  dispString(56, 56, s.data(), canvas.data(), 0, 56, 45, 37, INT_MIN);
  dispString(0, INT_MAX, s.data(), canvas.data(), 0, 0, 0, 255, -19);
  dispChar(0, -5, 'n', canvas.data(), 255, 0x80000000u);
  EXPECT_EQ(canvas.countNot(0), 0);
  EXPECT_TRUE(canvas.guardsIntact());
}

TEST_F(UnicodeText, MetricsFollowTheCurrentKindOfFont) {
  setUnicodeFont(fonts.font());
  EXPECT_EQ(getCharWidth(0x4E00), 8u);
  EXPECT_EQ(getCharWidth(0x10FFFF), static_cast<uint32_t>(PatternFonts::widthOf('?')));
  EXPECT_EQ(getCharHeight(0x3042), 10u);
  EXPECT_EQ(getFontHeight(), 12u);
  EXPECT_EQ(getTabStop(), PatternFonts::kTab);
  EXPECT_EQ(getUnderline(), PatternFonts::kUnderline);
  EXPECT_TRUE(isGlyphAvailable(0x3042));
  EXPECT_FALSE(isGlyphAvailable(0x3043));
  EXPECT_EQ(getUnicodeStringWidth("\xE4\xB8\x80"
                                  "a\xE4\xB8\x80\nzzz",
                                  fonts.font()),
            16 + PatternFonts::widthOf('a'));
  EXPECT_EQ(getUnicodeFont(), fonts.font());
  setFont(fonts.table());
  EXPECT_EQ(getUnicodeFont(), nullptr);
  EXPECT_FALSE(isGlyphAvailable(0x3042));
}

// Each malformed sequence is one replacement glyph (U+FFFD here) and one
// callback, at the offset of its first byte.
TEST_F(UnicodeText, MalformedSequencesDrawOneReplacementEach) {
  const struct {
    const char* bad;
    int bytes;
  } cases[] = {
      {"\xC0\xAF", 2},          // overlong '/'
      {"\xE0\x80\x80", 3},      // overlong 0
      {"\xED\xA0\x80", 3},      // surrogate
      {"\xF4\x90\x80\x80", 4},  // above U+10FFFF
      {"\xE3\x81", 2},          // cut short by the next character
      {"\x80\xBF\x80", 3},      // stray continuation bytes
      {"\xFF", 1},
  };
  setCallBack(record);
  const Drawn good = unicode(
      "a\xEF\xBF\xBD"
      "b",
      0);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bad);
    const Decoded d = pane::text::decodeUtf8(reinterpret_cast<const uint8_t*>(c.bad));
    EXPECT_EQ(d.code, 0xFFFDu);
    EXPECT_EQ(d.length, c.bytes);
    const Drawn bad = unicode(std::string("a") + c.bad + "b", 0);
    EXPECT_EQ(bad.pixels, good.pixels);
    ASSERT_EQ(bad.calls.size(), 3u);
    EXPECT_EQ(bad.calls[1].chr, 0xFFFDu);
    EXPECT_EQ(bad.calls[2].index, 1 + c.bytes);
  }
  // A sequence cut off by the string's end stops at the 0.
  const char cut[] = {'\xF0', '\x9F', 0, '\x98'};
  EXPECT_EQ(pane::text::decodeUtf8(reinterpret_cast<const uint8_t*>(cut)).length, 2);
}

// Line starts from the callback's line tops, to compare with the wrap points.
std::vector<int> drawnLineStarts() {
  std::vector<int> starts = {0};
  for (std::size_t k = 1; k < calls.size(); ++k)
    if (calls[k].newY != calls[k - 1].newY) starts.push_back(calls[k].index);
  return starts;
}

// The pen starts at column 7; CJK glyphs are 8 wide, so four fit before 39.
TEST_F(UnicodeText, LinesBreakBetweenCjkCharactersButNotBeforeClosingPunctuation) {
  const struct {
    const char* text;
    int rightLimit;
    std::vector<int> starts;
  } cases[] = {
      {"一二三一二三", 39, {0, 12}},
      {"一二三。一二", 39, {0, 12}},     // the stop fits, the line breaks after it
      {"一二三。一二", 38, {0, 6, 15}},  // the stop does not: 三 goes with it
      {"一二abc", 27, {0, 3, 8}},        // no break between 二 and Latin
      {"ab 一二 ab", 39, {0, 10}},       // a later space wins over a break between CJK
      {"ab 一二三一", 39, {0, 9}},       // and a later break between CJK over a space
      {"一\n二三一二三", 39, {0, 4, 16}},
      {"一二", 10, {0, 3}},  // a box narrower than a glyph: one glyph a line
  };
  setCallBack(record);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    int* pts = nullptr;
    const unsigned n =
        getUnicodeWrapPoints(3, 2, c.text, 4, 5, c.rightLimit, 120, &pts, fonts.font());
    EXPECT_EQ(std::vector<int>(pts, pts + n), c.starts);
    free(pts);
    setUnicodeFont(fonts.font());
    std::string s = c.text;
    Canvas canvas;
    calls.clear();
    dispString(3, 2, s.data(), canvas.data(), 1, 4, 5, c.rightLimit, 120);
    EXPECT_EQ(drawnLineStarts(), c.starts);
  }
}

TEST_F(UnicodeText, GlyphsAreFoundAcrossManyRanges) {
  std::vector<uint32_t> sparse;
  for (uint32_t c = 0x4E00; c < 0x4E00 + 900; c += 3) sparse.push_back(c);
  PatternFonts many(sparse);
  EXPECT_GT(many.font()->rangeCount, 300u);
  for (uint32_t c = 0x4DF0; c < 0x4E00 + 920; ++c)
    EXPECT_EQ(isUnicodeGlyphAvailable(c, many.font()),
              c >= 0x4E00 && c < 0x4E00 + 900 && c % 3 == 0)
        << c;
  EXPECT_FALSE(isUnicodeGlyphAvailable(0x1F, many.font()));
  EXPECT_FALSE(isUnicodeGlyphAvailable(0x7F, many.font()));  // right after the first range
  EXPECT_FALSE(isUnicodeGlyphAvailable(0x10FFFF, many.font()));
}

// Word-aligned storage for a binary font, as NitroFS and the heap give it.
std::vector<uint32_t> aligned(const std::vector<uint8_t>& bytes) {
  std::vector<uint32_t> words((bytes.size() + 3) / 4 + 1);
  memcpy(words.data(), bytes.data(), bytes.size());
  return words;
}

TEST_F(UnicodeText, BinaryFontDrawsAsTheFontItWasWrittenFrom) {
  const std::vector<uint32_t> file = aligned(fonts.binary());
  PaneFont loaded;
  ASSERT_EQ(paneFontFromMemory(file.data(), fonts.binary().size(), &loaded), PANE_FONT_OK);
  const std::string text = "Binary \x01 一二 text\twith a tab";
  const Drawn direct = unicode(text, 100);
  setUnicodeFont(&loaded);
  EXPECT_EQ(drawWith(text, 100).pixels, direct.pixels);
}

TEST_F(UnicodeText, BinaryFontsThatDoNotHoldTogetherAreRefused) {
  const std::vector<uint8_t> good = fonts.binary();
  const uint32_t glyphsAt = 44 + 8 * (fonts.font()->rangeCount + 1);
  const struct {
    const char* what;
    std::size_t at;
    uint8_t value;
    int error;
  } cases[] = {
      {"magic", 0, 'X', PANE_FONT_NOT_A_FONT},
      {"version", 4, 2, PANE_FONT_VERSION},
      {"depth", 6, 3, PANE_FONT_VERSION},
      {"no ranges", 20, 0, PANE_FONT_CORRUPT},
      {"picture past the glyphs", 32, 0xFF, PANE_FONT_CORRUPT},
      {"replacement past the glyphs", 41, 0x7F, PANE_FONT_CORRUPT},
      {"range out of order", 44 + 8 + 1, 0xFF, PANE_FONT_CORRUPT},
      {"closing entry", 44 + 8 * fonts.font()->rangeCount + 2, 0, PANE_FONT_CORRUPT},
      {"glyph pixels past the end", glyphsAt + 2, 0x7F, PANE_FONT_CORRUPT},
      // The last glyph's pixels end at the last byte: one byte fewer cuts them.
      {"bitmaps one byte short", 28, static_cast<uint8_t>(good[28] - 1), PANE_FONT_CORRUPT},
  };
  PaneFont out{};
  out.lineHeight = 77;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::vector<uint8_t> bytes = good;
    bytes[c.at] = c.value;
    const std::vector<uint32_t> file = aligned(bytes);
    EXPECT_EQ(paneFontFromMemory(file.data(), bytes.size(), &out), c.error);
    EXPECT_EQ(out.lineHeight, 77);
  }
  const std::vector<uint32_t> file = aligned(good);
  for (std::size_t size = 0; size < good.size(); size += 1 + size / 7)
    EXPECT_EQ(paneFontFromMemory(file.data(), size, &out), PANE_FONT_TRUNCATED) << size;
  const std::vector<uint8_t> shifted = [&] {
    std::vector<uint8_t> s(1, 0);
    s.insert(s.end(), good.begin(), good.end());
    return s;
  }();
  const std::vector<uint32_t> moved = aligned(shifted);
  EXPECT_EQ(
      paneFontFromMemory(reinterpret_cast<const uint8_t*>(moved.data()) + 1, good.size(), &out),
      PANE_FONT_MISALIGNED);
  EXPECT_EQ(paneFontFromMemory(nullptr, 100, &out), PANE_FONT_NULL);
  EXPECT_EQ(out.lineHeight, 77);
}

}  // namespace
}  // namespace pane_test
