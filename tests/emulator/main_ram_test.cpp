// Finding main RAM in a serialised machine state and reading it.
#include "main_ram.h"

#include <gtest/gtest.h>

namespace emulator {
namespace {

void put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + i] = (uint8_t)(value >> (8 * i));
}

// A ROM whose ARM9 binary (size bytes of a counting pattern, the first zeros of
// them zero) loads at load and starts at load + entry.
std::vector<uint8_t> romWithArm9(uint32_t size, uint32_t load = kMainRamStart, uint32_t entry = 0,
                                 uint32_t zeros = 0) {
  std::vector<uint8_t> rom(0x200 + size);
  put32(rom, 0x20, 0x200);
  put32(rom, 0x24, load + entry);
  put32(rom, 0x28, load);
  put32(rom, 0x2C, size);
  for (uint32_t i = zeros; i < size; ++i) rom[0x200 + i] = (uint8_t)(i * 7 + 1);
  return rom;
}

// A state with some bytes in front, then main RAM holding the head in its place.
std::vector<uint8_t> stateWithRam(const Arm9Head& head, size_t before) {
  std::vector<uint8_t> state(before + kMainRamBytes + 100, 0);
  std::copy(head.bytes.begin(), head.bytes.end(), state.begin() + before + head.offset);
  return state;
}

TEST(Arm9Head, TakesUpToSixtyFourBytesFromTheEntryPoint) {
  const auto rom = romWithArm9(1000);
  const auto head = arm9Head(rom);
  ASSERT_EQ(head.bytes.size(), 64u);
  EXPECT_EQ(head.offset, 0u);
  EXPECT_TRUE(std::equal(head.bytes.begin(), head.bytes.end(), rom.begin() + 0x200));
  EXPECT_EQ(arm9Head(romWithArm9(10)).bytes.size(), 10u);

  // Start-up code after a zero-filled secure area, as SDK-built binaries have it.
  const auto secure = arm9Head(romWithArm9(0x1000, kMainRamStart, 0x800, 0x800));
  EXPECT_EQ(secure.offset, 0x800u);
  ASSERT_EQ(secure.bytes.size(), 64u);
  EXPECT_NE(secure.bytes[0], 0);
  EXPECT_EQ(arm9Head(romWithArm9(0x810, kMainRamStart, 0x800)).bytes.size(), 16u);
  EXPECT_EQ(arm9Head(romWithArm9(100, kMainRamStart, 0x800)).offset, 0u);  // entry outside
}

TEST(Arm9Head, IsEmptyForHeadersItCannotUse) {
  EXPECT_TRUE(arm9Head(std::vector<uint8_t>(0x100)).bytes.empty());
  EXPECT_TRUE(arm9Head(romWithArm9(100, 0x02004000)).bytes.empty());
  auto truncated = romWithArm9(100);
  put32(truncated, 0x2C, 0x1000);
  EXPECT_TRUE(arm9Head(truncated).bytes.empty());
  EXPECT_TRUE(arm9Head(romWithArm9(kMainRamBytes + 4, kMainRamStart, kMainRamBytes)).bytes.empty());
}

TEST(MainRam, ReadsWordsAndStringsThroughMirrors) {
  const auto head = arm9Head(romWithArm9(256));
  auto state = stateWithRam(head, 12345);
  put32(state, 12345 + 0x1000, 0x02000F00);
  const char name[] = "scene";
  std::copy(name, name + sizeof name, state.begin() + 12345 + 0xF00);

  MainRam ram(head);
  std::string error;
  ASSERT_TRUE(ram.attach(state, error)) << error;
  uint32_t value = 0;
  ASSERT_TRUE(ram.word(0x02001000, value));
  EXPECT_EQ(value, 0x02000F00u);
  ASSERT_TRUE(ram.word(0x02401000, value));  // the first mirror
  EXPECT_EQ(value, 0x02000F00u);
  std::string text;
  ASSERT_TRUE(ram.string(value, 64, text));
  EXPECT_EQ(text, "scene");
  EXPECT_FALSE(ram.string(value, 3, text));   // longer than allowed
  EXPECT_FALSE(ram.word(0x02001002, value));  // unaligned
  EXPECT_FALSE(ram.word(0x01FFFFFC, value));
  EXPECT_FALSE(ram.word(0x03000000, value));
}

TEST(MainRam, FindsTheBlockByTheCodeAfterASecureArea) {
  const auto head = arm9Head(romWithArm9(0x1000, kMainRamStart, 0x800, 0x800));
  auto state = stateWithRam(head, 777);
  put32(state, 777 + 0x2000, 0x12345678);
  MainRam ram(head);
  std::string error;
  ASSERT_TRUE(ram.attach(state, error)) << error;
  uint32_t value = 0;
  ASSERT_TRUE(ram.word(0x02002000, value));
  EXPECT_EQ(value, 0x12345678u);
  // The code nearer the state's start than its place in main RAM: no block there.
  EXPECT_FALSE(MainRam(head).attach(head.bytes, error));
}

TEST(MainRam, RefusesStatesWithoutOneClearBlock) {
  const auto head = arm9Head(romWithArm9(256));
  std::string error;
  MainRam missing(head);
  EXPECT_FALSE(missing.attach(std::vector<uint8_t>(kMainRamBytes * 2), error));

  auto twice = stateWithRam(head, 0);
  std::copy(head.bytes.begin(), head.bytes.end(), twice.begin() + 5000);
  MainRam ambiguous(head);
  EXPECT_FALSE(ambiguous.attach(twice, error));

  auto cut = stateWithRam(head, 0);
  cut.resize(kMainRamBytes - 1);
  MainRam shortBlock(head);
  EXPECT_FALSE(shortBlock.attach(cut, error));

  MainRam noHead({});
  EXPECT_FALSE(noHead.attach(stateWithRam(head, 0), error));
  uint32_t value = 0;
  EXPECT_FALSE(noHead.word(kMainRamStart, value));
}

TEST(MainRam, FindsTheBlockAgainWhenTheStateMoves) {
  const auto head = arm9Head(romWithArm9(256));
  MainRam ram(head);
  std::string error;
  auto first = stateWithRam(head, 100);
  ASSERT_TRUE(ram.attach(first, error));
  auto second = stateWithRam(head, 300);
  put32(second, 300 + 0x100, 0xCAFEF00D);
  ASSERT_TRUE(ram.attach(second, error));
  uint32_t value = 0;
  ASSERT_TRUE(ram.word(0x02000100, value));
  EXPECT_EQ(value, 0xCAFEF00Du);
}

}  // namespace
}  // namespace emulator
