// Main RAM inside the core's serialised state.
#include "main_ram.h"

#include <algorithm>
#include <cstring>

namespace emulator {

namespace {

uint32_t little32(const uint8_t* p) {
  return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

// Main RAM is mirrored through 0x02000000-0x02FFFFFF.
bool ramOffset(uint32_t address, size_t bytes, size_t& offset) {
  if (address < kMainRamStart || address >= kMainRamStart + 0x1000000u) return false;
  offset = (address - kMainRamStart) % kMainRamBytes;
  return offset + bytes <= kMainRamBytes;
}

}  // namespace

Arm9Head arm9Head(const std::vector<uint8_t>& rom) {
  if (rom.size() < 0x200) return {};
  const uint32_t offset = little32(&rom[0x20]);
  const uint32_t entry = little32(&rom[0x24]);
  const uint32_t load = little32(&rom[0x28]);
  const uint32_t size = little32(&rom[0x2C]);
  // The binary must fit in main RAM, so its head is always inside the RAM being searched.
  if (load != kMainRamStart || size == 0 || size > kMainRamBytes || offset > rom.size() ||
      size > rom.size() - offset) {
    return {};
  }
  Arm9Head head;
  if (entry >= load && entry - load < size) head.offset = entry - load;
  const size_t length = std::min<size_t>(size - head.offset, 64);
  const auto start = rom.begin() + offset + head.offset;
  head.bytes.assign(start, start + length);
  return head;
}

bool MainRam::attach(const std::vector<uint8_t>& state, std::string& error) {
  state_ = &state;
  if (offset_ != SIZE_MAX && headAt(offset_)) return true;
  offset_ = SIZE_MAX;
  const std::vector<uint8_t>& bytes = head_.bytes;
  if (bytes.empty()) {
    error = "the ROM's ARM9 binary is not loaded at the start of main RAM";
    return false;
  }
  auto found = std::search(state.begin(), state.end(), bytes.begin(), bytes.end());
  if (found == state.end() || (size_t)(found - state.begin()) < head_.offset) {
    error = "main RAM not found in the emulator's state";
    return false;
  }
  const size_t offset = (size_t)(found - state.begin()) - head_.offset;
  if (std::search(found + 1, state.end(), bytes.begin(), bytes.end()) != state.end()) {
    error = "main RAM is ambiguous in the emulator's state";
    return false;
  }
  if (offset + kMainRamBytes > state.size()) {
    error = "main RAM is cut short in the emulator's state";
    return false;
  }
  offset_ = offset;
  return true;
}

bool MainRam::headAt(size_t offset) const {
  return offset + kMainRamBytes <= state_->size() &&
         std::equal(head_.bytes.begin(), head_.bytes.end(),
                    state_->begin() + offset + head_.offset);
}

bool MainRam::word(uint32_t address, uint32_t& value) const {
  size_t offset = 0;
  if (state_ == nullptr || offset_ == SIZE_MAX || (address & 3u) != 0 ||
      !ramOffset(address, 4, offset)) {
    return false;
  }
  value = little32(state_->data() + offset_ + offset);
  return true;
}

bool MainRam::string(uint32_t address, size_t maxLength, std::string& value) const {
  value.clear();
  size_t offset = 0;
  if (state_ == nullptr || offset_ == SIZE_MAX || !ramOffset(address, 1, offset)) return false;
  for (size_t i = 0; i <= maxLength && offset + i < kMainRamBytes; ++i) {
    const char c = (char)(*state_)[offset_ + offset + i];
    if (c == '\0') return true;
    value += c;
  }
  return false;
}

}  // namespace emulator
