// The simulated DS memory behind <nds.h>: register addresses, VRAM banks,
// DMA channel 3, the vertical-blank wait and hostReset.
#include <nds.h>
#include <nds/host.h>

#include <gtest/gtest.h>

#include <cstdint>

extern "C" int pane_probe_nds_header_from_c(void);

namespace {

uintptr_t ioOffset(const volatile void* reg) {
  return reinterpret_cast<uintptr_t>(reg) - reinterpret_cast<uintptr_t>(hostIoMemory);
}

TEST(HostRegisters, SitAtTheirDsAddressesInTheIoBlock) {
  struct Case {
    const char* name;
    const volatile void* reg;
    uint32_t address;
  };
  const Case cases[] = {
      {"REG_DISPCNT", &REG_DISPCNT, 0x04000000},
      {"REG_BG2CNT", &REG_BG2CNT, 0x0400000C},
      {"REG_BG3CNT", &REG_BG3CNT, 0x0400000E},
      {"REG_BG2PA", &REG_BG2PA, 0x04000020},
      {"REG_BG2PD", &REG_BG2PD, 0x04000026},
      {"REG_BG2X", &REG_BG2X, 0x04000028},
      {"REG_BG2Y", &REG_BG2Y, 0x0400002C},
      {"REG_BG3PA", &REG_BG3PA, 0x04000030},
      {"REG_BG3Y", &REG_BG3Y, 0x0400003C},
      {"DMA3_SRC", &DMA3_SRC, 0x040000D4},
      {"DMA3_DEST", &DMA3_DEST, 0x040000D8},
      {"DMA3_CR", &DMA3_CR, 0x040000DC},
      {"VRAM_A_CR", &VRAM_A_CR, 0x04000240},
      {"VRAM_C_CR", &VRAM_C_CR, 0x04000242},
      {"REG_POWERCNT", &REG_POWERCNT, 0x04000304},
      {"REG_DISPCNT_SUB", &REG_DISPCNT_SUB, 0x04001000},
      {"REG_BG3CNT_SUB", &REG_BG3CNT_SUB, 0x0400100E},
      {"REG_BG3PA_SUB", &REG_BG3PA_SUB, 0x04001030},
      {"REG_BG3Y_SUB", &REG_BG3Y_SUB, 0x0400103C},
  };
  for (const Case& c : cases) EXPECT_EQ(ioOffset(c.reg), c.address - 0x04000000u) << c.name;
}

TEST(HostRegisters, HalfwordWritesShowInTheWordAround) {
  hostReset();
  REG_BG2CNT = 0x4086;
  REG_BG3CNT = 0x4887;
  EXPECT_EQ(HOST_IO(vu32, 0x0400000Cu), 0x48874086u);
  REG_BG2PA = -256;
  EXPECT_EQ(HOST_IO(vu16, 0x04000020u), 0xFF00u);
}

TEST(HostVram, BanksFollowEachOtherAndBackTheBackgroundMemory) {
  EXPECT_EQ(VRAM_B - VRAM_A, 0x10000);
  EXPECT_EQ(VRAM_C - VRAM_B, 0x10000);
  EXPECT_EQ(BG_GFX, VRAM_A);
  EXPECT_EQ(BG_GFX_SUB, VRAM_C);
}

TEST(HostVram, SetBankWritesEnableBitAndMode) {
  hostReset();
  vramSetBankA(VRAM_A_MAIN_BG);
  vramSetBankB(VRAM_B_MAIN_BG_0x06020000);
  vramSetBankC(VRAM_C_SUB_BG);
  EXPECT_EQ(VRAM_A_CR, 0x81);
  EXPECT_EQ(VRAM_B_CR, 0x89);
  EXPECT_EQ(VRAM_C_CR, 0x84);
}

TEST(HostDma, CopiesHalfwordsAndLeavesTheRegistersAsADsWould) {
  hostReset();
  uint16_t source[4] = {1, 2, 3, 4};
  uint16_t dest[4] = {0, 0, 0, 9};
  dmaCopy(source, dest, 6);
  EXPECT_EQ(dest[0], 1);
  EXPECT_EQ(dest[2], 3);
  EXPECT_EQ(dest[3], 9) << "6 bytes are three halfwords";
  EXPECT_EQ(DMA3_SRC, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(source)));
  EXPECT_EQ(DMA3_DEST, static_cast<uint32_t>(reinterpret_cast<uintptr_t>(dest)));
  EXPECT_EQ(DMA3_CR, 3u) << "unit count kept, busy bit cleared";
  EXPECT_EQ(hostDmaCopyCount(), 1u);
}

TEST(HostDma, CopiesAWholeBankIntoVram) {
  hostReset();
  static uint16_t picture[0x10000];
  for (unsigned i = 0; i < 0x10000; ++i) picture[i] = static_cast<uint16_t>(i | 0x8000);
  dmaCopy(picture, VRAM_C, sizeof picture);
  EXPECT_EQ(VRAM_C[0xFFFF], 0xFFFF);
  EXPECT_EQ(VRAM_C[0x1234], 0x9234);
  EXPECT_EQ(DMA3_CR, 0x10000u);
}

TEST(HostVBlank, CountsEachWaitAndRunsTheHandler) {
  hostReset();
  int calls = 0;
  hostOnVBlank([](void* context) { ++*static_cast<int*>(context); }, &calls);
  swiWaitForVBlank();
  swiWaitForVBlank();
  EXPECT_EQ(hostVBlankCount(), 2u);
  EXPECT_EQ(calls, 2);
  hostOnVBlank(nullptr, nullptr);
  swiWaitForVBlank();
  EXPECT_EQ(calls, 2);
}

TEST(HostReset, ReturnsRegistersVramCountersAndHandlerToZero) {
  int calls = 0;
  hostOnVBlank([](void* context) { ++*static_cast<int*>(context); }, &calls);
  REG_DISPCNT = 0x10C05;
  REG_BG3Y_SUB = 5;
  VRAM_D[7] = 0x8001;
  BG_PALETTE_SUB[0] = 0x7FFF;
  uint16_t word = 1;
  dmaCopy(&word, &word, 2);
  swiWaitForVBlank();
  hostReset();
  EXPECT_EQ(REG_DISPCNT, 0u);
  EXPECT_EQ(REG_BG3Y_SUB, 0);
  EXPECT_EQ(VRAM_D[7], 0);
  EXPECT_EQ(BG_PALETTE_SUB[0], 0);
  EXPECT_EQ(hostDmaCopyCount(), 0u);
  EXPECT_EQ(hostVBlankCount(), 0u);
  swiWaitForVBlank();
  EXPECT_EQ(calls, 1) << "the handler is gone after a reset";
}

TEST(HostHeaders, WorkFromC) { EXPECT_EQ(pane_probe_nds_header_from_c(), 1); }

}  // namespace
