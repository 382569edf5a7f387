// The display model: affine bitmap sampling, transparency, priorities, layer
// enables, display modes, bank mapping and which engine drives which screen.
#include <nds.h>
#include <nds/host.h>

#include <gtest/gtest.h>

#include "golden.h"

namespace {

using pane_test::rgbaOf;

constexpr uint32_t kWhite = 0xFFFFFFFFu;

uint16_t codedPixel(int x, int y) {
  return static_cast<uint16_t>(0x8000 | (((x * 37) ^ (y * 101)) & 0x7FFF));
}

void fillCoded(uint16_t* bank) {
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) bank[y * 256 + x] = codedPixel(x, y);
}

void setAffine(uint32_t io, int16_t pa, int16_t pb, int16_t pc, int16_t pd, int32_t cx,
               int32_t cy) {
  HOST_IO(vs16, io) = pa;
  HOST_IO(vs16, io + 2) = pb;
  HOST_IO(vs16, io + 4) = pc;
  HOST_IO(vs16, io + 6) = pd;
  HOST_IO(vs32, io + 8) = cx;
  HOST_IO(vs32, io + 12) = cy;
}

constexpr uint32_t kBg2Affine = 0x04000020;
constexpr uint32_t kBg3Affine = 0x04000030;

// Mode 5 with BG2 on bank A (priority 0) and BG3 on bank B (priority 1), both
// 256 x 256 direct-colour bitmaps with identity parameters.
void setUpMainEngine() {
  hostReset();
  REG_DISPCNT = 0x10C05;
  vramSetBankA(VRAM_A_MAIN_BG);
  vramSetBankB(VRAM_B_MAIN_BG_0x06020000);
  REG_BG2CNT = 0x4084;
  REG_BG3CNT = 0x4885;
  setAffine(kBg2Affine, 256, 0, 0, 256, 0, 0);
  setAffine(kBg3Affine, 256, 0, 0, 256, 0, 0);
}

uint32_t upper(const pane_test::RgbaPicture& p, int x, int y) { return p.pixels[y * 256 + x]; }
uint32_t lower(const pane_test::RgbaPicture& p, int x, int y) {
  return p.pixels[(y + 192) * 256 + x];
}

TEST(DisplayModel, WidensEachChannelByRepeatingItsTopBits) {
  setUpMainEngine();
  VRAM_A[10 * 256 + 20] = 0x8000 | 16 | 1 << 5 | 31 << 10;
  const uint32_t pixel = upper(pane_test::renderScreens(), 20, 10);
  EXPECT_EQ(pixel & 0xFF, 132u);
  EXPECT_EQ((pixel >> 8) & 0xFF, 8u);
  EXPECT_EQ((pixel >> 16) & 0xFF, 255u);
  EXPECT_EQ(pixel >> 24, 255u);
}

TEST(DisplayModel, ClearBit15ShowsTheLayerBehindThenTheBackdrop) {
  setUpMainEngine();
  BG_PALETTE[0] = 0x03E0;
  VRAM_A[0] = 0x801F;
  VRAM_B[0] = 0xFC00;
  VRAM_B[1] = 0xFC00;
  const auto picture = pane_test::renderScreens();
  EXPECT_EQ(upper(picture, 0, 0), rgbaOf(0x001F));
  EXPECT_EQ(upper(picture, 1, 0), rgbaOf(0x7C00));
  EXPECT_EQ(upper(picture, 2, 0), rgbaOf(0x03E0));
}

TEST(DisplayModel, LowerPriorityNumberIsInFrontAndTiesGoToBg2) {
  struct Case {
    uint16_t bg2Priority, bg3Priority, shown;
  };
  for (const Case c : {Case{2, 3, 0x801F}, Case{3, 2, 0xFC00}, Case{2, 2, 0x801F}}) {
    setUpMainEngine();
    REG_BG2CNT = static_cast<uint16_t>(0x4084 | c.bg2Priority);
    REG_BG3CNT = static_cast<uint16_t>(0x4884 | c.bg3Priority);
    VRAM_A[0] = 0x801F;
    VRAM_B[0] = 0xFC00;
    EXPECT_EQ(upper(pane_test::renderScreens(), 0, 0), rgbaOf(c.shown))
        << "priorities " << c.bg2Priority << ", " << c.bg3Priority;
  }
}

TEST(DisplayModel, ShowsOnlyEnabledExtendedLayers) {
  struct Case {
    uint32_t displayControl;
    uint16_t shown;
  };
  const Case cases[] = {
      {0x10C05, 0x801F},  // both on: BG2 in front
      {0x10805, 0xFC00},  // BG2 off
      {0x10005, 0x8000},  // both off: backdrop
      {0x10C03, 0xFC00},  // mode 3: BG2 is not a bitmap layer, BG3 is
      {0x10C01, 0x8000},  // mode 1: neither
  };
  for (const Case& c : cases) {
    setUpMainEngine();
    REG_DISPCNT = c.displayControl;
    VRAM_A[0] = 0x801F;
    VRAM_B[0] = 0xFC00;
    EXPECT_EQ(upper(pane_test::renderScreens(), 0, 0), rgbaOf(c.shown))
        << std::hex << c.displayControl;
  }
}

// Every screen pixel against the affine formula, computed here by
// multiplication rather than the per-pixel accumulation the model uses.
TEST(DisplayModel, SamplesWhereTheAffineFormulaPoints) {
  struct Case {
    const char* name;
    int16_t pa, pb, pc, pd;
    int32_t cx, cy;
    bool wrap;
  };
  const Case cases[] = {
      {"identity", 256, 0, 0, 256, 0, 0, false},
      {"quarter turn", 0, -256, 256, 0, 191 << 8, 0, false},
      {"half turn", -256, 0, 0, -256, 255 << 8, 191 << 8, false},
      {"three quarter turn", 0, 256, -256, 0, 0, 255 << 8, false},
      {"fractional scale", 0x80, 0x11, -0x07, 0x180, 0x40, -0x3C0, false},
      {"shifted out", 256, 0, 0, 256, -10 * 256, 200 << 8, false},
      {"shifted and wrapped", 256, 0, 0, 256, -10 * 256, 200 << 8, true},
      {"28-bit reference point", 256, 0, 0, 256, 0x0FFFFF00, 0, false},
  };
  for (const Case& c : cases) {
    setUpMainEngine();
    REG_DISPCNT = 0x10405;
    REG_BG2CNT = c.wrap ? 0x6084 : 0x4084;
    fillCoded(VRAM_A);
    setAffine(kBg2Affine, c.pa, c.pb, c.pc, c.pd, c.cx, c.cy);
    const auto picture = pane_test::renderScreens();
    const int32_t cx = static_cast<int32_t>(static_cast<uint32_t>(c.cx) << 4) >> 4;
    const int32_t cy = static_cast<int32_t>(static_cast<uint32_t>(c.cy) << 4) >> 4;
    int wrong = 0;
    for (int sy = 0; sy < 192; ++sy) {
      for (int sx = 0; sx < 256; ++sx) {
        int tx = (cx + c.pa * sx + c.pb * sy) >> 8;
        int ty = (cy + c.pc * sx + c.pd * sy) >> 8;
        if (c.wrap) {
          tx &= 255;
          ty &= 255;
        }
        const bool inside = tx >= 0 && tx < 256 && ty >= 0 && ty < 256;
        const uint32_t expected = inside ? rgbaOf(codedPixel(tx, ty)) : rgbaOf(0);
        if (upper(picture, sx, sy) != expected && wrong++ == 0)
          ADD_FAILURE() << c.name << ": screen (" << sx << ", " << sy << ") should show (" << tx
                        << ", " << ty << ")";
      }
    }
    EXPECT_EQ(wrong, 0) << c.name;
  }
}

TEST(DisplayModel, ReadsBankBWhereItIsMapped) {
  setUpMainEngine();
  REG_DISPCNT = 0x10805;
  VRAM_B[0] = 0xFC00;
  EXPECT_EQ(upper(pane_test::renderScreens(), 0, 0), rgbaOf(0x7C00));
  VRAM_B_CR = 0x81;  // bank B moved to 0x06000000: base 8 now reads nothing
  EXPECT_EQ(upper(pane_test::renderScreens(), 0, 0), rgbaOf(0));
  VRAM_B_CR = 0;
  VRAM_B_CR = 0x09;  // mapping without the enable bit
  EXPECT_EQ(upper(pane_test::renderScreens(), 0, 0), rgbaOf(0));
}

TEST(DisplayModel, SubEngineDrivesTheLowerScreen) {
  hostReset();
  REG_DISPCNT_SUB = 0x10805;
  vramSetBankC(VRAM_C_SUB_BG);
  REG_BG3CNT_SUB = 0x4084;
  setAffine(0x04001030, 256, 0, 0, 256, 0, 0);
  VRAM_C[5 * 256 + 7] = 0x83E0;
  const auto picture = pane_test::renderScreens();
  EXPECT_EQ(lower(picture, 7, 5), rgbaOf(0x03E0));
  EXPECT_EQ(lower(picture, 8, 5), rgbaOf(0));
  EXPECT_EQ(upper(picture, 7, 5), kWhite) << "main engine display off";
}

TEST(DisplayModel, PowerBit15PutsTheMainEngineOnTheUpperScreen) {
  struct Case {
    uint16_t power;
    bool mainOnTop;
  };
  for (const Case c : {Case{0, true}, Case{0x8203, true}, Case{0x0203, false}}) {
    setUpMainEngine();
    REG_POWERCNT = c.power;
    VRAM_A[0] = 0x801F;
    const auto picture = pane_test::renderScreens();
    EXPECT_EQ(upper(picture, 0, 0), c.mainOnTop ? rgbaOf(0x1F) : kWhite) << c.power;
    EXPECT_EQ(lower(picture, 0, 0), c.mainOnTop ? kWhite : rgbaOf(0x1F)) << c.power;
  }
}

TEST(DisplayModel, DisplayOffAndForcedBlankShowWhite) {
  for (uint32_t control : {0x00C05u, 0x10C85u}) {
    setUpMainEngine();
    REG_DISPCNT = control;
    VRAM_A[0] = 0x801F;
    EXPECT_EQ(upper(pane_test::renderScreens(), 0, 0), kWhite) << std::hex << control;
  }
}

}  // namespace
