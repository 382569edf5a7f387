// hostSaveScreens writes the display model's picture as a PNG that reads back
// pixel for pixel.
#include <nds.h>
#include <nds/host.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "golden.h"

namespace {

TEST(HostSaveScreens, WritesAPngThatReadsBackAsTheRenderedPicture) {
  hostReset();
  REG_DISPCNT = 0x10405;
  vramSetBankA(VRAM_A_MAIN_BG);
  REG_BG2CNT = 0x4084;
  REG_BG2PA = 256;
  REG_BG2PD = 256;
  for (int i = 0; i < 256 * 192; ++i)
    VRAM_A[i] = static_cast<uint16_t>(0x8000 | ((i * 7919) & 0x7FFF));
  const std::string path = ::testing::TempDir() + "pane_screens.png";
  ASSERT_EQ(hostSaveScreens(path.c_str()), 0);
  pane_test::RgbaPicture saved;
  ASSERT_TRUE(pane_test::readPng(path, saved));
  const pane_test::RgbaPicture rendered = pane_test::renderScreens();
  EXPECT_EQ(saved.width, 256);
  EXPECT_EQ(saved.height, 384);
  EXPECT_TRUE(saved.pixels == rendered.pixels);
  std::remove(path.c_str());
}

TEST(HostSaveScreens, ReportsAFileItCannotWrite) {
  hostReset();
  EXPECT_NE(hostSaveScreens("/nonexistent-directory/screens.png"), 0);
  EXPECT_NE(hostSaveScreens(nullptr), 0);
}

}  // namespace
