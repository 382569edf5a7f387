// Dialog box costs: one box redrawn from its tiles (what every animation frame
// pays) and a whole opening animation with its background save and restore.
#include <benchmark/benchmark.h>
#include <libpane.h>
#include <nds/host.h>

#include <vector>

namespace {

void startScreens() {
  hostReset();
  fb_init();
  bg_init();
}

// Boxes of the given width and height, range(0) x range(1).
void BM_SetDialogBox(benchmark::State& state) {
  startScreens();
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  for (auto _ : state) fb_setDialogBox(0, 0, width, height);
  state.SetItemsProcessed(state.iterations() * width * height);
}
BENCHMARK(BM_SetDialogBox)->Args({25, 25})->Args({100, 50})->Args({256, 192});

void BM_AnimatedBoxOverPicture(benchmark::State& state) {
  startScreens();
  std::vector<uint16> picture(256 * 256, 0x801F);
  fb_setBG(picture.data());
  char text[] = "";
  for (auto _ : state) fb_dispAnimatedBox(10, 20, 200, 100, 0, 0, text);
}
BENCHMARK(BM_AnimatedBoxOverPicture);

}  // namespace
