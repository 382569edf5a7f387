// Reads the DS's main RAM out of the core's serialised machine state, where it
// is one 4 MB block. The block is found by the ARM9 binary's first bytes: the
// ROM loads them at 0x02000000, the start of main RAM, and they never change.
#ifndef PANE_EMULATOR_MAIN_RAM_H
#define PANE_EMULATOR_MAIN_RAM_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace emulator {

constexpr uint32_t kMainRamStart = 0x02000000;
constexpr uint32_t kMainRamBytes = 0x400000;

// The first bytes of the ARM9 binary of an .nds image (at most 64); empty when
// the header does not describe a binary loaded at the start of main RAM.
std::vector<uint8_t> arm9Head(const std::vector<uint8_t>& rom);

class MainRam {
 public:
  explicit MainRam(std::vector<uint8_t> head) : head_(std::move(head)) {}

  // Finds main RAM in a fresh state; the block's place is kept for later
  // states of the same core and checked again each time.
  bool attach(const std::vector<uint8_t>& state, std::string& error);
  // A 32-bit word of main RAM (any mirror of it); false outside main RAM.
  bool word(uint32_t address, uint32_t& value) const;
  // A zero-terminated string of at most maxLength characters.
  bool string(uint32_t address, size_t maxLength, std::string& value) const;

 private:
  bool headAt(size_t offset) const;

  std::vector<uint8_t> head_;
  const std::vector<uint8_t>* state_ = nullptr;
  size_t offset_ = SIZE_MAX;
};

}  // namespace emulator

#endif
