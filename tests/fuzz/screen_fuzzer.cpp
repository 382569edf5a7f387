// Both screens under any sequence of calls: the fb_ and bg_ operations with
// any arguments, text settings, one-shot refill requests and dialog boxes,
// starting from freshly initialised screens. Drawing may change only the back
// buffers: the pages on show stay as they were until a swap, and the VRAM bank
// that neither screen uses is never written. Heap blocks are watched by the
// address sanitizer.
#include <fuzzer/FuzzedDataProvider.h>
#include <libpane.h>
#include <nds.h>
#include <nds/host.h>

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_input.h"

namespace {

using pane_fuzz::coordinate;
using pane_fuzz::fail;

constexpr size_t kBank = HOST_VRAM_BANK_HALFWORDS;

// A font of solid 6 x 8 glyphs, a two-colour compressed sprite and a plain one.
struct Assets {
  std::vector<uint16> glyph, space, compressed, plain;
  uint16 tab = 16, transparent = 0, underline = 7;
  std::array<uint16*, 260> font{};
  std::vector<uint16> picture;

  Assets() {
    glyph = {5, 7};
    glyph.resize(2 + 48, 0x7FFF);
    space = {3, 7};
    space.resize(2 + 32, 0);
    compressed = {0xFFFF, 9, 4, 2, 0x001F, 0x7C00, 0xA5A5, 0x5A5A, 0xF00F, 0x0FF0};
    plain = {2, 1, 0x0001, 0x0002, 0x0003, 0x0000, 0x7FFF, 0x1234};
    for (int c = 33; c < 256; ++c) font[c] = glyph.data();
    font[32] = space.data();
    font[1] = compressed.data();
    font[256] = &tab;
    font[257] = &transparent;
    font[258] = &underline;
    picture.resize(256 * 256);
    for (size_t i = 0; i < picture.size(); ++i)
      picture[i] = static_cast<uint16>(0x8000 | (i * 40503u >> 5));
  }
};

// Size of a box side: mostly around the screen, sometimes anywhere (the box
// code refuses sides it cannot draw).
int side(FuzzedDataProvider& in, int largest) {
  return in.ConsumeBool() ? in.ConsumeIntegralInRange(-40, largest) : coordinate(in);
}

// One call; true when it may change the pages on show.
bool step(FuzzedDataProvider& in, Assets& a, std::string& text) {
  const bool main = in.ConsumeBool();
  auto pick = [&](auto f, auto g) { return main ? f : g; };
  switch (in.ConsumeIntegralInRange(0, 22)) {
    case 0:
      main ? fb_swapBuffers() : bg_swapBuffers();
      return true;
    case 1:
      main ? fb_init() : bg_init();
      return true;
    case 2:
      pick(fb_setBG, bg_setBG)(a.picture.data());
      return false;
    case 3:
      pick(fb_setBGColor, bg_setBGColor)(in.ConsumeIntegral<uint16>());
      return false;
    case 4:
      pick(fb_eraseBG, bg_eraseBG)();
      return false;
    case 5:
      pick(fb_clear, bg_clear)();
      return false;
    case 6:
      pick(fb_enableClipping, bg_enableClipping)();
      return false;
    case 7:
      pick(fb_disableClipping, bg_disableClipping)();
      return false;
    case 8:
      pick(fb_setDefaultClipping, bg_setDefaultClipping)();
      return false;
    case 9:
      pick(fb_setClipping, bg_setClipping)(coordinate(in), coordinate(in), coordinate(in),
                                           coordinate(in));
      return false;
    case 10:
      pick(fb_setPixel, bg_setPixel)(coordinate(in), coordinate(in), in.ConsumeIntegral<uint16>());
      return false;
    case 11:
      pick(fb_drawRect, bg_drawRect)(coordinate(in), coordinate(in), coordinate(in), coordinate(in),
                                     in.ConsumeIntegral<uint16>());
      return false;
    case 12:
      pick(fb_drawBox, bg_drawBox)(coordinate(in), coordinate(in), coordinate(in), coordinate(in),
                                   in.ConsumeIntegral<uint16>());
      return false;
    case 13:
      pick(fb_drawFilledRect, bg_drawFilledRect)(coordinate(in), coordinate(in), coordinate(in),
                                                 coordinate(in), in.ConsumeIntegral<uint16>(),
                                                 in.ConsumeIntegral<uint16>());
      return false;
    case 14:
      pick(fb_dispCustomSprite, bg_dispCustomSprite)(
          coordinate(in), coordinate(in), in.ConsumeBool() ? a.compressed.data() : a.plain.data(),
          in.ConsumeIntegral<uint16>(), in.ConsumeIntegral<uint16>());
      return false;
    case 15:
      pick(fb_dispSprite, bg_dispSprite)(coordinate(in), coordinate(in), a.plain.data(),
                                         in.ConsumeIntegral<uint16>());
      return false;
    case 16:
      pick(fb_dispChar, bg_dispChar)(coordinate(in), coordinate(in), in.ConsumeIntegral<int>());
      return false;
    case 17:
      text = in.ConsumeRandomLengthString(48);
      for (char& ch : text)
        if (ch == 0) ch = ' ';
      pick(fb_dispString, bg_dispString)(coordinate(in), coordinate(in), text.c_str());
      return false;
    case 18:
      pick(fb_setDialogBox, bg_setDialogBox)(coordinate(in), coordinate(in), side(in, 600),
                                             side(in, 600));
      return false;
    case 19:
      text = in.ConsumeRandomLengthString(24);
      for (char& ch : text)
        if (ch == 0) ch = ' ';
      pick(fb_dispAnimatedBox, bg_dispAnimatedBox)(coordinate(in), coordinate(in), side(in, 300),
                                                   side(in, 300), coordinate(in), coordinate(in),
                                                   text.c_str());
      return true;
    case 20:
      fb_setOrientation(in.ConsumeIntegral<int>());
      return false;
    case 21:
      if (in.ConsumeBool()) {
        preserveBackground();
      } else {
        disableBackgroundDraw();
      }
      return false;
    default:
      setBold(in.ConsumeBool());
      setItalics(in.ConsumeBool());
      setUnderline(in.ConsumeBool());
      setStrikeThrough(in.ConsumeBool());
      setHighlight(coordinate(in), coordinate(in));
      setCursorPos(in.ConsumeIntegral<uint32>());
      setCursorProperties(in.ConsumeIntegral<uint16>(), coordinate(in), coordinate(in),
                          coordinate(in));
      if (in.ConsumeBool()) {
        showCursor();
      } else {
        hideCursor();
      }
      return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static Assets assets;
  static std::vector<uint16> shown(2 * kBank);
  static const std::vector<uint16> zeros(kBank, 0);
  FuzzedDataProvider in(data, size);
  hostReset();
  fb_init();
  bg_init();
  setFont(assets.font.data());
  setColor(0x001F);
  hideCursor();
  std::string text;
  for (int calls = 0; calls < 24 && in.remaining_bytes() > 0; ++calls) {
    // Banks A and B hold the main screen's two pages, bank C the sub screen's page.
    uint16* front = fb_backBuffer() == VRAM_A ? VRAM_B : VRAM_A;
    std::memcpy(shown.data(), front, kBank * 2);
    std::memcpy(shown.data() + kBank, VRAM_C, kBank * 2);
    const bool mayChangeShown = step(in, assets, text);
    if (!mayChangeShown && (std::memcmp(shown.data(), front, kBank * 2) != 0 ||
                            std::memcmp(shown.data() + kBank, VRAM_C, kBank * 2) != 0))
      fail("a page on show changed without a swap");
    if (std::memcmp(hostVramMemory + 3 * kBank, zeros.data(), kBank * 2) != 0)
      fail("the unused VRAM bank was written");
  }
  return 0;
}
