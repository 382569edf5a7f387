// Reads the DS's main RAM out of the core's serialised machine state, where it
// is one 4 MB block. The block is found by the ARM9 binary's bytes at its entry
// point: the ROM loads the binary at 0x02000000, the start of main RAM, and its
// start-up code never changes. (SDK-built binaries often begin with a zero-filled
// secure area, which would match anywhere.)
#ifndef PANE_EMULATOR_MAIN_RAM_H
#define PANE_EMULATOR_MAIN_RAM_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace emulator {

constexpr uint32_t kMainRamStart = 0x02000000;
constexpr uint32_t kMainRamBytes = 0x400000;

// Up to 64 bytes of the ARM9 binary of an .nds image from its entry point (from
// its start when the entry lies outside it) and their place in main RAM; no
// bytes when the header does not describe a binary loaded at the start of main RAM.
struct Arm9Head {
  std::vector<uint8_t> bytes;
  uint32_t offset = 0;
};
Arm9Head arm9Head(const std::vector<uint8_t>& rom);

class MainRam {
 public:
  explicit MainRam(Arm9Head head) : head_(std::move(head)) {}

  // Finds main RAM in a fresh state; the block's place is kept for later
  // states of the same core and checked again each time.
  bool attach(const std::vector<uint8_t>& state, std::string& error);
  // A 32-bit word of main RAM (any mirror of it); false outside main RAM.
  bool word(uint32_t address, uint32_t& value) const;
  // A zero-terminated string of at most maxLength characters.
  bool string(uint32_t address, size_t maxLength, std::string& value) const;

 private:
  bool headAt(size_t offset) const;

  Arm9Head head_;
  const std::vector<uint8_t>* state_ = nullptr;
  size_t offset_ = SIZE_MAX;
};

}  // namespace emulator

#endif
