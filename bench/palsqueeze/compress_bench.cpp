// Speed of one compression: a full 256 x 256 sprite with 256 distinct pixel values
// must compress in well under 0.1 s.
#include <benchmark/benchmark.h>

#include <string>

#include "core/compressor.h"

namespace {

// Array text of a size x size sprite, values laid out as the image converter writes them.
std::string spriteText(int size, int distinct) {
  std::string text = "const uint16 big[] = { " + std::to_string(size - 1) + ", " +
                     std::to_string(size - 1) + ", //width, height\r\n\t";
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      const int k = (x * 31 + y * 17) % distinct;
      text += std::to_string((k * 123 + 7) % 32768) + ", ";
    }
    text += "\r\n\t";
  }
  text.resize(text.size() - 5);
  return text + "};";
}

void BM_Compress256x256With256Values(benchmark::State& state) {
  const std::string text = spriteText(256, 256);
  for (auto _ : state) {
    const palsqueeze::Result result = palsqueeze::compress(text);
    if (result.status != palsqueeze::Status::Compressed || result.palette.size() != 256) {
      state.SkipWithError("sprite was not compressed with 256 entries");
    }
    benchmark::DoNotOptimize(result.output.data());
  }
}
BENCHMARK(BM_Compress256x256With256Values)->Unit(benchmark::kMillisecond);

}  // namespace
