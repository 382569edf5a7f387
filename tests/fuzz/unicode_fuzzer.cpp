// The Unicode font loader and the UTF-8 text paths under any input. The first
// two bytes (little-endian) give the length of a binary font that follows; the
// rest holds the settings and a string. The font bytes go to
// paneFontFromMemory in an allocation of exactly their size, so that
// AddressSanitizer stops any read a loaded font makes past them. The string is
// drawn, measured and wrapped in that font when it loads, and always in a
// patterned font with CJK characters. Nothing may be written outside the
// buffer's rows 0 to c_by, the string must come back unchanged, and the wrap
// points must start at 0, rise, lie on sequence boundaries as the library
// decodes them and be the line starts the drawing takes.
#include <fuzzer/FuzzedDataProvider.h>
#include <libpane.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "glyphcore/utf8.h"
#include "pattern_fonts.h"

namespace {

using pane_fuzz::Canvas;
using pane_fuzz::fail;

struct Box {
  int x, y, c_x, c_y, c_bx, c_by;
  bool clipping, withBuffer, cursorShown;
  uint32_t cursor;
  int charX, charY;
  unsigned maxX, maxY;
  uint32_t rawCode;  // any 32-bit value, for dispChar and getCharWidth
};

// What the callback checks and records: every index must start a sequence and
// come with the code point decoded there (27 for a space or tab a line ends at).
struct Watch {
  const std::string* text;
  std::vector<bool> boundary;  // per byte offset, the string's length included
  int stopIndex, stopPass;
  bool stopped, recording;
  std::vector<int> lineStarts;  // pass 2 while recording
} watch;

int watchCharacter(int index, uint32_t chr, int pass, int x, int y) {
  const std::string& s = *watch.text;
  if (index < 0 || static_cast<size_t>(index) >= s.size() || !watch.boundary[index])
    fail("a callback index off a sequence boundary");
  const uint8_t* at = reinterpret_cast<const uint8_t*>(s.c_str()) + index;
  if (chr != pane::text::decodeUtf8(at).code && !(chr == 27 && (*at == ' ' || *at == '\t')))
    fail("the callback's code point is not the one decoded at its index");
  if (!watch.recording) {
    if (pass == watch.stopPass && index == watch.stopIndex) {
      watch.stopped = true;
      return -1;
    }
    return 0;
  }
  if (pass != 2) return 0;
  int nx = x, ny = y;
  calculateNewXY(&nx, &ny);
  if (ny != y) watch.lineStarts.push_back(index);  // broken before this character
  if (chr == 10 || chr == 13 || chr == 27) watch.lineStarts.push_back(index + 1);
  return 0;
}

int smallOrAny(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? in.ConsumeIntegralInRange(-4, 60) : pane_fuzz::coordinate(in);
}

void exercise(const PaneFont* font, const std::string& original, const Box& b) {
  setUnicodeFont(font);
  std::string text = original;
  watch.text = &original;
  watch.boundary.assign(text.size() + 1, false);
  const uint8_t* bytes = reinterpret_cast<const uint8_t*>(original.c_str());
  size_t end = 0;
  long long widthSum = 0;
  bool noControls = true;
  std::vector<uint32_t> codes;
  while (end < original.size()) {
    watch.boundary[end] = true;
    const pane::text::Decoded d = pane::text::decodeUtf8(bytes + end);
    if (d.code < 32) noControls = false;
    widthSum += getCharWidth(d.code);
    if (codes.size() < 12) codes.push_back(d.code);
    end += static_cast<size_t>(d.length);
  }
  if (end != original.size()) fail("decoding ran past the string's end");
  watch.boundary[end] = true;
  if (noControls && getUnicodeStringWidth(text.data(), font) != widthSum)
    fail("getUnicodeStringWidth is not the sum of the characters' widths");

  int* points = nullptr;
  const unsigned count =
      getUnicodeWrapPoints(b.x, b.y, text.data(), b.c_x, b.c_y, b.c_bx, b.c_by, &points, font);
  if (count == 0 || points[0] != 0) fail("the wrap points do not start with 0");
  for (unsigned k = 1; k < count; ++k) {
    if (points[k] <= points[k - 1]) fail("the wrap points do not rise");
    if (static_cast<size_t>(points[k]) > text.size() || !watch.boundary[points[k]])
      fail("a wrap point off a sequence boundary");
  }

  static Canvas canvas(256);
  canvas.reset();
  watch.recording = watch.stopped = false;
  dispString(b.x, b.y, text.data(), b.withBuffer ? canvas.data() : nullptr, b.clipping, b.c_x,
             b.c_y, b.c_bx, b.c_by);
  if (!canvas.untouchedOutside(0, b.c_by < 0 ? 0 : b.c_by + 1))
    fail("a pixel outside rows 0 to c_by");
  if (!b.withBuffer && !canvas.untouchedOutside(0, 0)) fail("a pixel drawn without a buffer");
  if (text != original) fail("dispString changed the string");
  if (b.cursorShown && !watch.stopped && b.cursor <= text.size() && watch.boundary[b.cursor]) {
    const uint32_t above = getPositionAbove(), below = getPositionBelow();
    if (above > text.size() || !watch.boundary[above] || below > text.size() ||
        !watch.boundary[below])
      fail("a cursor neighbour off a sequence boundary");
  }

  canvas.reset();
  codes.push_back(b.rawCode);
  getCharWidth(b.rawCode);
  for (size_t k = 0; k < codes.size(); ++k) {
    const long long x = std::min<long long>(INT_MAX, b.charX + 9LL * static_cast<long long>(k));
    dispChar(static_cast<int>(x), b.charY, codes[k], canvas.data(), b.maxX, b.maxY);
  }
  if (!canvas.untouchedOutside(0, static_cast<int>(b.maxY))) fail("dispChar wrote past max_Y");

  // A box no bottom limit can end: every line the wrap points give is drawn.
  watch.recording = true;
  watch.lineStarts = {0};
  dispString(b.x, 0, text.data(), nullptr, 1, b.c_x, 0, b.c_bx, INT_MAX);
  if (std::vector<int>(points, points + count) != watch.lineStarts) {
    std::fprintf(stderr, "x %d c_x %d c_bx %d\ngetUnicodeWrapPoints:", b.x, b.c_x, b.c_bx);
    for (unsigned k = 0; k < count; ++k) std::fprintf(stderr, " %d", points[k]);
    std::fprintf(stderr, "\ndrawn:");
    for (int p : watch.lineStarts) std::fprintf(stderr, " %d", p);
    std::fprintf(stderr, "\n");
    fail("getUnicodeWrapPoints and the drawn lines disagree");
  }
  if (text != original) fail("dispString changed the string");
  free(points);
}

bool inside(const void* p, uint64_t bytes, const std::vector<uint8_t>& block) {
  const uint8_t* q = static_cast<const uint8_t*>(p);
  return q >= block.data() && bytes <= static_cast<uint64_t>(block.data() + block.size() - q);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const pane_test::PatternFonts patterned({0x00E9, 0x3001, 0x3002, 0x300D, 0x3042, 0x3044,
                                                  0x30A2, 0x4E00, 0x4E09, 0x4E8C, 0xAC00, 0xFF01,
                                                  0xFF1F, 0xFFFD, 0x1F600});
  if (size < 2) return 0;
  const size_t fontSize = std::min<size_t>(data[0] | data[1] << 8, size - 2);
  // Exactly the font's bytes: heap blocks start word-aligned, and one byte past the end is a fault.
  const std::vector<uint8_t> file(data + 2, data + 2 + fontSize);
  if ((reinterpret_cast<uintptr_t>(file.data()) & 3u) != 0)
    fail("the font's copy is not word-aligned");
  FuzzedDataProvider in(data + 2 + fontSize, size - 2 - fontSize);

  setBold(in.ConsumeBool());
  setItalics(in.ConsumeBool());
  setUnderline(in.ConsumeBool());
  setStrikeThrough(in.ConsumeBool());
  in.ConsumeBool() ? drawInverse() : drawNormal();
  in.ConsumeBool() ? setHighlight(smallOrAny(in), smallOrAny(in)) : clearHighlight();
  in.ConsumeBool() ? setWrapToBorder() : setWrapNormal();
  setTwoPasEnabled(in.ConsumeBool());
  Box b;
  b.cursor = static_cast<uint32_t>(smallOrAny(in));
  setCursorPos(b.cursor);
  setCursorProperties(in.ConsumeIntegral<uint16_t>(), smallOrAny(in), smallOrAny(in),
                      smallOrAny(in));
  b.cursorShown = in.ConsumeBool();
  b.cursorShown ? showCursor() : hideCursor();
  watch.stopIndex = in.ConsumeBool() ? smallOrAny(in) : -1;
  watch.stopPass = in.ConsumeIntegralInRange(1, 2);
  setCallBack(watchCharacter);

  b.clipping = in.ConsumeBool();
  b.withBuffer = in.ConsumeIntegralInRange(0, 7) != 0;
  b.x = smallOrAny(in), b.y = smallOrAny(in);
  b.c_x = smallOrAny(in), b.c_y = smallOrAny(in);
  b.c_bx = in.ConsumeBool() ? in.ConsumeIntegralInRange(0, 300) : pane_fuzz::coordinate(in);
  b.c_by = in.ConsumeBool() ? in.ConsumeIntegralInRange(-20, 256) : pane_fuzz::coordinate(in);
  if (b.c_by > 255) b.c_by = 255;  // the buffer's last row
  b.charX = smallOrAny(in), b.charY = smallOrAny(in);
  b.maxX = in.ConsumeIntegral<uint32_t>();
  b.maxY = in.ConsumeIntegralInRange(0u, 256u);
  b.rawCode = in.ConsumeIntegral<uint32_t>();
  std::string text = in.ConsumeRemainingBytesAsString();
  for (char& ch : text)
    if (ch == 0) ch = ' ';

  PaneFont loaded, untouched;
  std::memset(&loaded, 0xA5, sizeof loaded);
  untouched = loaded;
  const int result = paneFontFromMemory(file.data(), file.size(), &loaded);
  if (result < PANE_FONT_OK || result > PANE_FONT_CORRUPT) fail("an unknown loader result");
  if (result != PANE_FONT_OK && std::memcmp(&loaded, &untouched, sizeof loaded) != 0)
    fail("a refused font was written out");
  if (result == PANE_FONT_OK) {
    if (!inside(loaded.ranges, 8ull * (loaded.rangeCount + 1ull), file) ||
        !inside(loaded.glyphs, 8ull * loaded.glyphCount, file) ||
        !inside(loaded.bitmaps, loaded.bitmapBytes, file))
      fail("a loaded font points outside its bytes");
    exercise(&loaded, text, b);
    if (!std::equal(file.begin(), file.end(), data + 2)) fail("the font's bytes were written to");
  }
  exercise(patterned.font(), text, b);
  clearCallBack();
  hideCursor();
  return 0;
}
