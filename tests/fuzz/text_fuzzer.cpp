// The string renderer under any input: a font table and a string built from
// the input, drawn with every text setting and a callback that may stop it.
// Nothing may be written outside the buffer's rows 0 to c_by, the string must
// come back as it went (a byte 27, or a tab a line broke at, as a space), and
// the line starts of getWrapPoints must be those the drawing pass took.
#include <fuzzer/FuzzedDataProvider.h>
#include <libpane.h>

#include <array>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fuzz_input.h"

namespace {

using pane_fuzz::Canvas;
using pane_fuzz::fail;

struct Font {
  std::vector<std::vector<uint16>> records;
  std::array<uint16*, 260> slots{};
  uint16 tab, transparent, underline;
  std::vector<int16> bias;
};

std::vector<uint16> makeGlyph(FuzzedDataProvider& in) {
  const int width = in.ConsumeIntegralInRange(1, in.ConsumeBool() ? 300 : 12);
  const int height = in.ConsumeIntegralInRange(1, in.ConsumeBool() ? 300 : 12);
  const uint64_t bits = in.ConsumeIntegral<uint64_t>();
  std::vector<uint16> record;
  if (in.ConsumeBool()) {
    // Two-colour compressed glyph: palette {ink, transparent}, one bit a pixel.
    record = {0xFFFF, static_cast<uint16>(width - 1), static_cast<uint16>(height - 1), 2, 0x7FFF,
              0x0000};
    std::vector<uint16> stream((static_cast<size_t>(width) * height + 15) / 16);
    for (size_t k = 0; k < stream.size(); ++k) stream[k] = static_cast<uint16>(bits >> (k % 48));
    record.insert(record.end(), stream.begin(), stream.end());
  } else {
    record = {static_cast<uint16>(width - 1), static_cast<uint16>(height - 1)};
    for (int k = 0; k < width * height; ++k) record.push_back((bits >> (k % 64)) & 1 ? 0x7FFF : 0);
  }
  return record;
}

void makeFont(FuzzedDataProvider& in, Font& font) {
  const int glyphs = in.ConsumeIntegralInRange(1, 6);
  for (int k = 0; k < glyphs; ++k) font.records.push_back(makeGlyph(in));
  for (int c = 32; c < 256; ++c) font.slots[c] = font.records[c % glyphs].data();
  for (int n = in.ConsumeIntegralInRange(0, 12); n > 0; --n) {
    const int c = in.ConsumeIntegralInRange(0, 255);
    const int k = in.ConsumeIntegralInRange(-1, glyphs - 1);
    font.slots[c] = k < 0 ? nullptr : font.records[k].data();
  }
  font.tab =
      in.ConsumeBool() ? in.ConsumeIntegralInRange<uint16>(0, 40) : in.ConsumeIntegral<uint16>();
  font.transparent = 0;
  font.underline =
      in.ConsumeBool() ? in.ConsumeIntegralInRange<uint16>(0, 20) : in.ConsumeIntegral<uint16>();
  font.slots[256] = &font.tab;
  font.slots[257] = &font.transparent;
  font.slots[258] = &font.underline;
  if (in.ConsumeBool()) {
    font.bias.assign(256, 0);
    for (int n = in.ConsumeIntegralInRange(0, 8); n > 0; --n)
      font.bias[in.ConsumeIntegral<uint8_t>()] = in.ConsumeIntegral<int16>();
    font.slots[259] = reinterpret_cast<uint16*>(font.bias.data());
  }
}

bool isControl(uint8_t c) { return (c >= 7 && c <= 13) || c == 27; }

// What the callback watches: the drawing pass's line starts, the last index it
// reported, and where it is asked to stop.
struct Watch {
  int stopIndex, stopPass;
  bool stopped;
  int lastIndex = -1;
  int rightLimit;
  std::vector<int> lineStarts;
} watch;

int watchCharacter(int index, u32 chr, int pass, int x, int y) {
  if (pass == watch.stopPass && index == watch.stopIndex) {
    watch.stopped = true;
    return -1;
  }
  if (pass != 2) return 0;
  watch.lastIndex = index;
  const uint8_t c = static_cast<uint8_t>(chr);
  if (c == 10 || c == 13 || c == 27) {
    watch.lineStarts.push_back(index + 1);
  } else if (c != 32 && !isControl(c)) {
    // A forced break: the character runs past the right limit (the pen sticks at INT_MAX).
    const long long end = static_cast<long long>(x) + getCharWidth(chr);
    if ((end > INT_MAX ? INT_MAX : end) > watch.rightLimit) watch.lineStarts.push_back(index);
    int nx = x, ny = y;
    calculateNewXY(&nx, &ny);
  }
  return 0;
}

int smallOrAny(FuzzedDataProvider& in) {
  return in.ConsumeBool() ? in.ConsumeIntegralInRange(-4, 40) : pane_fuzz::coordinate(in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  Font font;
  makeFont(in, font);
  setFont(font.slots.data());

  setBold(in.ConsumeBool());
  setItalics(in.ConsumeBool());
  setUnderline(in.ConsumeBool());
  setStrikeThrough(in.ConsumeBool());
  if (in.ConsumeBool()) {
    drawInverse();
  } else {
    drawNormal();
  }
  if (in.ConsumeBool()) {
    setHighlight(smallOrAny(in), smallOrAny(in));
  } else {
    clearHighlight();
  }
  const bool wrapToBorder = in.ConsumeBool();
  if (wrapToBorder) {
    setWrapToBorder();
  } else {
    setWrapNormal();
  }
  setTwoPasEnabled(in.ConsumeBool());
  setCursorPos(static_cast<uint32>(smallOrAny(in)));
  setCursorProperties(in.ConsumeIntegral<uint16>(), smallOrAny(in), smallOrAny(in), smallOrAny(in));
  if (in.ConsumeBool()) {
    showCursor();
  } else {
    hideCursor();
  }
  watch = Watch{};
  watch.stopIndex = in.ConsumeBool() ? smallOrAny(in) : -1;
  watch.stopPass = in.ConsumeIntegralInRange(1, 2);
  setCallBack(watchCharacter);

  const bool clipping = in.ConsumeBool();
  const int x = smallOrAny(in), y = smallOrAny(in);
  const int c_x = smallOrAny(in), c_y = smallOrAny(in);
  const int c_bx = in.ConsumeBool() ? in.ConsumeIntegralInRange(0, 300) : pane_fuzz::coordinate(in);
  // The buffer reaches row c_by (its 257 rows cover 256); a bound below row 0 leaves none.
  int c_by = in.ConsumeBool() ? in.ConsumeIntegralInRange(-20, 256) : pane_fuzz::coordinate(in);
  if (c_by > 256) c_by = 256;
  watch.rightLimit = c_bx;
  const bool withBuffer = in.ConsumeIntegralInRange(0, 7) != 0;

  std::string text = in.ConsumeRemainingBytesAsString();
  for (char& ch : text)
    if (ch == 0) ch = ' ';
  const std::string original = text;

  std::string measured = original;
  int* points = nullptr;
  const uint count =
      getWrapPoints(x, y, measured.data(), c_x, c_y, c_bx, c_by, &points, font.slots.data());

  static Canvas canvas(257);
  canvas.reset();
  dispString(x, y, text.data(), withBuffer ? canvas.data() : nullptr, clipping ? 1 : 0, c_x, c_y,
             c_bx, c_by);

  if (!canvas.untouchedOutside(0, c_by < 0 ? 0 : c_by + 1)) {
    std::fprintf(stderr, "x %d y %d c_x %d c_y %d c_bx %d c_by %d clipping %d\n", x, y, c_x, c_y,
                 c_bx, c_by, clipping);
    fail("a pixel outside rows 0 to c_by");
  }
  if (!withBuffer && !canvas.untouchedOutside(0, 0)) fail("a pixel drawn without a buffer");
  for (size_t i = 0; i < text.size(); ++i) {
    const uint8_t was = original[i], is = text[i];
    if (is != was && !(is == ' ' && (was == 27 || was == 9))) fail("the string came back changed");
    if (measured[i] != text[i] && !(measured[i] == ' ' && (was == 27 || was == 9)))
      fail("getWrapPoints changed the string");
  }

  // Bell, backspace, tab and the row moves may overflow a line without breaking
  // it in the drawing pass, and a line start column past the right limit makes
  // the line ends themselves overflow in the measuring rules: the comparison
  // leaves such strings and boxes out.
  const long long lineStart = wrapToBorder ? c_x : static_cast<long long>(x) + c_x;
  bool comparable = clipping && !watch.stopped && count > 0 && lineStart <= c_bx;
  for (char ch : original)
    if (isControl(static_cast<uint8_t>(ch)) && ch != 10 && ch != 13 && ch != 27) comparable = false;
  if (comparable) {
    // Points the drawing pass reached: a forced break at an index it reported,
    // or the index after a line end (or wrapped space) it reported.
    const int last = watch.lastIndex;
    const uint8_t lastByte = last >= 0 ? original[last] : 0;
    const bool endsLine = lastByte == 10 || lastByte == 13 || lastByte == 27 || lastByte == 32;
    std::vector<int> expected;
    bool afterLastTaken = false;
    for (uint k = 1; k < count; ++k) {
      if (points[k] <= last) {
        expected.push_back(points[k]);
      } else if (points[k] == last + 1 && endsLine && !afterLastTaken) {
        expected.push_back(points[k]);
        afterLastTaken = true;
      }
    }
    if (expected != watch.lineStarts) {
      std::fprintf(stderr, "x %d c_x %d c_bx %d wrap to border %d\nstring:", x, c_x, c_bx,
                   wrapToBorder);
      for (char ch : original) std::fprintf(stderr, " %d", static_cast<uint8_t>(ch));
      std::fprintf(stderr, "\ngetWrapPoints:");
      for (uint k = 0; k < count; ++k) std::fprintf(stderr, " %d", points[k]);
      std::fprintf(stderr, "\ndrawn (to %d):", watch.lastIndex);
      for (int p : watch.lineStarts) std::fprintf(stderr, " %d", p);
      std::fprintf(stderr, "\n");
      fail("getWrapPoints and the drawn lines disagree");
    }
  }
  free(points);
  clearCallBack();
  hideCursor();
  return 0;
}
