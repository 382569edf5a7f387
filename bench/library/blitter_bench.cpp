// Sprite blitter throughput: a 16x16 glyph and a 64x64 sprite, plain and
// palette-compressed, fully visible and clipped, plain and italic.
#include <benchmark/benchmark.h>

#include <vector>

#include <libpane.h>

namespace {

constexpr uint16 kTransparent = 0x7C1F;

// A plain record with a transparent border pattern so both branches run.
std::vector<uint16> plainRecord(int size) {
  std::vector<uint16> r{static_cast<uint16>(size - 1), static_cast<uint16>(size - 1)};
  for (int p = 0; p < size * size; ++p)
    r.push_back(p % 5 == 0 ? kTransparent : static_cast<uint16>(0x0421 * (p % 31)));
  return r;
}

// A compressed record of `entries` colours (entry 0 transparent), indices
// packed most significant bit first, low byte of each word first.
std::vector<uint16> compressedRecord(int size, unsigned entries) {
  unsigned bits = 1;
  while (bits < 8 && (1u << bits) < entries) ++bits;
  std::vector<uint16> r{0xFFFF, static_cast<uint16>(size - 1), static_cast<uint16>(size - 1),
                        static_cast<uint16>(entries)};
  for (unsigned k = 0; k < entries; ++k)
    r.push_back(k == 0 ? kTransparent : static_cast<uint16>(k * 97));
  const size_t pixels = static_cast<size_t>(size) * size;
  std::vector<uint8> bytes((pixels * bits + 15) / 16 * 2, 0);
  for (size_t p = 0; p < pixels; ++p) {
    const unsigned v = static_cast<unsigned>((p * 7) % entries);
    for (unsigned b = 0; b < bits; ++b) {
      const size_t pos = p * bits + b;
      if ((v >> (bits - 1 - b)) & 1u) bytes[pos / 8] |= static_cast<uint8>(0x80u >> (pos % 8));
    }
  }
  for (size_t i = 0; i < bytes.size(); i += 2)
    r.push_back(static_cast<uint16>(bytes[i] | bytes[i + 1] << 8));
  return r;
}

void drawLoop(benchmark::State& state, std::vector<uint16>& sprite, int size, int x, bool italic) {
  std::vector<uint16> buffer(256 * 256, 0);
  setItalics(italic);
  for (auto _ : state) {
    dispCustomSprite(x, 40, sprite.data(), kTransparent, 0x7FFF, buffer.data(), 255, 192);
    benchmark::ClobberMemory();
  }
  setItalics(false);
  state.SetItemsProcessed(state.iterations() * size * size);
}

void BM_PlainSprite(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  std::vector<uint16> sprite = plainRecord(size);
  drawLoop(state, sprite, size, 20, state.range(1) != 0);
}
BENCHMARK(BM_PlainSprite)->Args({16, 0})->Args({16, 1})->Args({64, 0});

void BM_PlainSpriteClipped(benchmark::State& state) {
  std::vector<uint16> sprite = plainRecord(64);
  drawLoop(state, sprite, 64, 224, false);  // half past the right edge
}
BENCHMARK(BM_PlainSpriteClipped);

void BM_CompressedSprite(benchmark::State& state) {
  const int size = static_cast<int>(state.range(0));
  std::vector<uint16> sprite = compressedRecord(size, static_cast<unsigned>(state.range(1)));
  drawLoop(state, sprite, size, 20, false);
}
BENCHMARK(BM_CompressedSprite)
    ->Args({16, 2})
    ->Args({16, 16})
    ->Args({64, 5})
    ->Args({64, 16})
    ->Args({64, 256});

}  // namespace
