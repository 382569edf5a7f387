// Framebuffer and sub-screen costs: each refill kind of a page flip, the
// background fills, the sub screen's DMA swap, and the host display model.
#include <benchmark/benchmark.h>
#include <libpane.h>
#include <nds/host.h>

#include <vector>

namespace {

void startScreens() {
  hostReset();
  libPANE_bgPreserve = false;
  libPANE_bgDisabled = false;
  fb_init();
  bg_init();
}

void BM_SwapRefillWithColour(benchmark::State& state) {
  startScreens();
  fb_setBGColor(0x1234);
  for (auto _ : state) fb_swapBuffers();
}
BENCHMARK(BM_SwapRefillWithColour);

void BM_SwapRefillFromPicture(benchmark::State& state) {
  startScreens();
  std::vector<uint16> picture(256 * 256, 0x801F);
  fb_setBG(picture.data());
  for (auto _ : state) fb_swapBuffers();
}
BENCHMARK(BM_SwapRefillFromPicture);

void BM_SwapPreservingTheShownFrame(benchmark::State& state) {
  startScreens();
  for (auto _ : state) {
    libPANE_bgPreserve = true;
    fb_swapBuffers();
  }
}
BENCHMARK(BM_SwapPreservingTheShownFrame);

void BM_SwapWithoutRefill(benchmark::State& state) {
  startScreens();
  for (auto _ : state) {
    libPANE_bgDisabled = true;
    fb_swapBuffers();
  }
}
BENCHMARK(BM_SwapWithoutRefill);

void BM_SetBackgroundColour(benchmark::State& state) {
  startScreens();
  for (auto _ : state) fb_setBGColor(0x03E0);
}
BENCHMARK(BM_SetBackgroundColour);

void BM_SubScreenSwap(benchmark::State& state) {
  startScreens();
  bg_setBGColor(0x7C00);
  for (auto _ : state) bg_swapBuffers();
}
BENCHMARK(BM_SubScreenSwap);

void BM_RenderBothScreens(benchmark::State& state) {
  startScreens();
  fb_setOrientation(1);
  std::vector<uint32_t> rgba(256 * 384);
  for (auto _ : state) hostRenderScreens(rgba.data());
}
BENCHMARK(BM_RenderBothScreens);

}  // namespace
