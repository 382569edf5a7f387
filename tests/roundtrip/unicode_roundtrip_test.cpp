// From glyphcast to the screen with Unicode fonts: a Japanese and a Chinese
// font made from Debian's fonts at build time draw their mixed sample on each
// screen exactly as glyphcast's preview shows it.
#include <libpane.h>
#include <nds.h>
#include <nds/host.h>

#include <gtest/gtest.h>

#include <string>

#include "golden.h"

extern "C" const PaneFont roundtrip_japanese;
extern "C" const PaneFont roundtrip_chinese;

namespace {

struct Sample {
  const PaneFont* font;
  const char* text;  // UTF-8, the highlighted run between the two '*'
  const char* preview;
};

const Sample kSamples[] = {
#include "unicode_samples.inc"
};

// The preview's settings: its background, white text, an amber band and the
// text box 8 pixels inside the screen.
constexpr uint16 kBackground = 0x8000 | 4 << 10 | 2 << 5 | 2;
constexpr uint16 kHighlight = 0x8000 | 2 << 10 | 10 << 5 | 20;

struct Screen {
  void (*setBGColor)(uint16);
  void (*swap)();
  void (*setClipping)(int, int, int, int);
  void (*enableClipping)();
  void (*dispString)(int, int, const void*);
  int firstRow;  // of the screen in the rendered pair
};

const Screen kScreens[] = {
    {fb_setBGColor, fb_swapBuffers, fb_setClipping, fb_enableClipping, fb_dispString, 0},
    {bg_setBGColor, bg_swapBuffers, bg_setClipping, bg_enableClipping, bg_dispString, 192},
};

TEST(UnicodeRoundtrip, EachScreenShowsWhatThePreviewShows) {
  for (const Sample& sample : kSamples) {
    pane_test::RgbaPicture preview;
    ASSERT_TRUE(pane_test::readPng(sample.preview, preview)) << sample.preview;
    std::string text = sample.text;
    const size_t start = text.find('*');
    text.erase(start, 1);
    const size_t end = text.find('*');
    text.erase(end, 1);
    for (const Screen& screen : kScreens) {
      SCOPED_TRACE(std::string(sample.text) + (screen.firstRow ? " / sub" : " / main"));
      hostReset();
      fb_init();
      bg_init();
      screen.setBGColor(kBackground);
      screen.swap();
      screen.swap();
      setUnicodeFont(sample.font);
      setColor(0xFFFF);
      setHighlightColor(kHighlight);
      setHighlight(static_cast<int>(start), static_cast<int>(end));
      screen.setClipping(8, 8, 247, 183);
      screen.enableClipping();
      screen.dispString(8, 8, text.data());
      screen.swap();
      const pane_test::RgbaPicture shown = pane_test::renderScreens();
      int differing = 0;
      for (int y = 0; y < preview.height; ++y)
        for (int x = 0; x < preview.width; ++x)
          differing += shown.pixels[(screen.firstRow + y) * shown.width + x] !=
                       preview.pixels[y * preview.width + x];
      EXPECT_EQ(differing, 0);
      clearHighlight();
    }
  }
}

}  // namespace
