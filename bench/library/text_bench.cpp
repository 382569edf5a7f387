// String renderer throughput: a wrapped paragraph drawn into a 256-pixel-wide
// buffer, the same paragraph measured without a buffer, and its wrap points.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <array>
#include <string>
#include <vector>

#include <libpane.h>

namespace {

constexpr uint16 kTransparent = 0x0000;

// A font of 7x10 glyphs (space 4 wide) with a transparent left column and
// bottom rows, so that the blitter takes both of its branches.
class BenchFont {
 public:
  BenchFont() {
    for (int code = 32; code < 256; ++code) {
      const int width = code == ' ' ? 4 : 7;
      std::vector<uint16>& r = records_[code];
      r = {static_cast<uint16>(width - 1), 9};
      for (int p = 0; p < width * 10; ++p) {
        const bool ink = p % width != 0 && p / width < 8;
        r.push_back(ink ? 0x7FFF : kTransparent);
      }
      slots_[code] = r.data();
    }
    slots_[256] = &tab_;
    slots_[257] = &transparent_;
    slots_[258] = &underline_;
  }
  uint16** table() { return slots_.data(); }

 private:
  std::array<std::vector<uint16>, 256> records_;
  std::array<uint16*, 260> slots_{};
  uint16 tab_ = 32, transparent_ = kTransparent, underline_ = 9;
};

const char kParagraph[] =
    "The quick brown fox jumps over the lazy dog while the text box wraps every line "
    "at its last fitting space. Bold, underline and a highlighted range all ride on "
    "the same pass; a word that is far too wide for the box, like Pneumonoultramicro"
    "scopicsilicovolcanoconiosis, breaks before the first letter that does not fit.\n"
    "A second paragraph follows a line feed,\twith a tab, and runs on until the "
    "bottom of the box stops it or the string ends.";

void BM_DispStringWrapped(benchmark::State& state) {
  BenchFont font;
  setFont(font.table());
  setColor(0x7FFF);
  setUnderline(state.range(0) != 0);
  setHighlight(40, 120);
  std::vector<uint16> buffer(256 * 256, 0);
  std::string text = kParagraph;
  for (auto _ : state) {
    benchmark::DoNotOptimize(dispString(0, 0, text.data(), buffer.data(), 1, 8, 8, 247, 183));
    benchmark::ClobberMemory();
  }
  setUnderline(false);
  clearHighlight();
  state.SetItemsProcessed(state.iterations() * static_cast<long>(text.size()));
}
BENCHMARK(BM_DispStringWrapped)->Arg(0)->Arg(1);

void BM_DispStringMeasureOnly(benchmark::State& state) {
  BenchFont font;
  setFont(font.table());
  std::string text = kParagraph;
  for (auto _ : state) {
    benchmark::DoNotOptimize(dispString(0, 0, text.data(), nullptr, 1, 8, 8, 247, 183));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(text.size()));
}
BENCHMARK(BM_DispStringMeasureOnly);

void BM_GetWrapPoints(benchmark::State& state) {
  BenchFont font;
  std::string text = kParagraph;
  int* points = nullptr;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        getWrapPoints(0, 0, text.data(), 8, 8, 247, 183, &points, font.table()));
  }
  free(points);
  state.SetItemsProcessed(state.iterations() * static_cast<long>(text.size()));
}
BENCHMARK(BM_GetWrapPoints);

}  // namespace
