// The blitter under any input: a plain or compressed record of any shape, drawn
// at any position with any transparent colour, mask, inversion, italic step and
// limits, must paint exactly what a direct reading of the drawing rules paints,
// and nothing outside the 256 x 256 buffer.
#include <fuzzer/FuzzedDataProvider.h>
#include <libpane.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "fuzz_input.h"
#include "glyphcore/text_state.h"

namespace {

using pane_fuzz::Canvas;

struct Drawing {
  int x, y;
  uint32 tc, mask;
  bool inverse, italics;
  int jump;
  uint maxX, maxY;
};

int bitsPerIndex(uint32 entries) {
  int bits = 1;
  while (bits < 8 && (1u << bits) < entries) ++bits;
  return bits;
}

// The colour a pixel is drawn in, or -1 when it is not drawn.
struct Reader {
  const std::vector<uint16>& record;
  const Drawing& d;
  bool compressed;
  int width;
  int transparentIndex = -1;

  uint16 shade(uint16 p) const {
    const uint16 v = d.inverse ? static_cast<uint16>(~p) : p;
    return static_cast<uint16>((v & d.mask) | 0x8000);
  }
  bool transparent(uint16 p) const { return ((p | 0x8000) & 0xFFFF) == ((d.tc | 0x8000) & 0xFFFF); }

  int colourAt(int i, int j) const {
    if (!compressed) {
      const uint16 p = record[2 + static_cast<size_t>(i) * width + j];
      return transparent(p) ? -1 : shade(p);
    }
    const uint32 entries = record[3];
    const uint32 usable = entries < 256 ? entries : 256;
    const int bits = bitsPerIndex(entries);
    const uint8* stream = reinterpret_cast<const uint8*>(&record[4 + entries]);
    const unsigned long first = (static_cast<unsigned long>(i) * width + j) * bits;
    uint32 v = 0;
    for (int t = 0; t < bits; ++t) {
      const unsigned long p = first + t;
      v = v << 1 | ((stream[p / 8] >> (7 - p % 8)) & 1u);
    }
    if (v >= usable || static_cast<int>(v) == transparentIndex) return -1;
    return shade(record[4 + v]);
  }
};

void model(const std::vector<uint16>& record, const Drawing& d, uint16* out) {
  const bool compressed = record[0] == 0xFFFF;
  const long long width = compressed ? record[1] + 1 : record[0] + 1;
  const long long height = compressed ? record[2] + 1 : record[1] + 1;
  const long long x0 = d.italics ? d.x + 2LL : d.x;
  const int maxX = static_cast<int>(d.maxX);
  const int maxY = static_cast<int>(d.maxY);
  if (x0 + width <= 0 || d.y + height <= 0 || x0 > maxX || d.y > maxY) return;
  long long rows = height;
  if (d.y + height > maxY) rows = static_cast<long long>(maxY) - d.y;
  const int jump = d.italics ? d.jump : -1;
  Reader reader{record, d, compressed, static_cast<int>(width)};
  if (compressed) {
    for (uint32 k = 0; k < record[3] && k < 256; ++k)
      if (reader.transparent(record[4 + k])) reader.transparentIndex = static_cast<int>(k);
  }
  const long long lastColumn = maxX < 255 ? maxX : 255;
  long long start = x0;
  int counter = 0;
  for (long long i = 0; i < rows; ++i) {
    const long long row = d.y + i;
    for (long long j = 0; row >= 0 && j < width; ++j) {
      const long long cx = start + j;
      if (cx < 0) continue;
      if (cx > lastColumn) break;
      const int c = reader.colourAt(static_cast<int>(i), static_cast<int>(j));
      if (c >= 0) out[row * 256 + cx] = static_cast<uint16>(c);
    }
    if (counter == jump) {
      --start;
      counter = 0;
    } else {
      ++counter;
    }
  }
}

std::vector<uint16> makeRecord(FuzzedDataProvider& in) {
  const bool compressed = in.ConsumeBool();
  // Mostly sprites around the buffer's size, sometimes one of the longest rows.
  int width = in.ConsumeIntegralInRange(1, 300);
  int height = in.ConsumeIntegralInRange(1, 300);
  if (in.ConsumeBool()) {
    width = in.ConsumeIntegralInRange(1, compressed ? 0x10000 : 0xFFFF);
    height = in.ConsumeIntegralInRange(1, 2);
  }
  if (width * height > 40000) height = 40000 / width > 0 ? 40000 / width : 1;
  std::vector<uint16> record;
  size_t pixelWords;
  if (compressed) {
    const uint32 entries = in.ConsumeIntegralInRange<uint32>(0, 300);
    record = {0xFFFF, static_cast<uint16>(width - 1), static_cast<uint16>(height - 1),
              static_cast<uint16>(entries)};
    for (uint32 k = 0; k < entries; ++k) record.push_back(in.ConsumeIntegral<uint16>());
    pixelWords = (static_cast<size_t>(width) * height * bitsPerIndex(entries) + 15) / 16;
  } else {
    record = {static_cast<uint16>(width - 1), static_cast<uint16>(height - 1)};
    pixelWords = static_cast<size_t>(width) * height;
  }
  pane_fuzz::appendWords(in, record, pixelWords);
  return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  Drawing d;
  d.x = pane_fuzz::coordinate(in);
  d.y = pane_fuzz::coordinate(in);
  d.tc = in.ConsumeIntegral<uint32>();
  d.mask = in.ConsumeIntegral<uint32>();
  d.inverse = in.ConsumeBool();
  d.italics = in.ConsumeBool();
  d.jump = in.ConsumeIntegralInRange(-1, 40);
  d.maxX = in.ConsumeBool() ? in.ConsumeIntegralInRange<uint>(0, 300) : in.ConsumeIntegral<uint>();
  // The caller promises rows up to max_Y - 1: within the buffer, or a limit that
  // reads as negative.
  d.maxY = in.ConsumeBool() ? in.ConsumeIntegralInRange<uint>(0, 256)
                            : in.ConsumeIntegralInRange<uint>(0x80000000u, 0xFFFFFFFFu);
  const std::vector<uint16> record = makeRecord(in);

  static Canvas drawn, expected;
  drawn.reset();
  expected.reset();
  setItalics(d.italics);
  if (d.inverse) {
    drawInverse();
  } else {
    drawNormal();
  }
  pane::textState.sprite.italicJump = d.jump;
  std::vector<uint16> copy = record;
  dispCustomSprite(d.x, d.y, copy.data(), d.tc, d.mask, drawn.data(), d.maxX, d.maxY);
  model(record, d, expected.data());
  if (copy != record) pane_fuzz::fail("the record was changed");
  pane_fuzz::expectSame(drawn, expected);
  return 0;
}
