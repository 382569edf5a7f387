// Runs a ROM frame by frame in a scratch directory (the core writes a save
// file beside the ROM), watching main RAM for the marks the program leaves.
#include "runner.h"

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "core.h"
#include "main_ram.h"

namespace fs = std::filesystem;

namespace emulator {

namespace {

// A fresh directory, removed with everything in it at the end of the run.
class ScratchDir {
 public:
  bool create(std::string& error) {
    std::string pattern = (fs::temp_directory_path() / "pane-emulator-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      error = "cannot create a scratch directory";
      return false;
    }
    path_ = pattern;
    return true;
  }
  ~ScratchDir() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

bool readFile(const std::string& path, std::vector<uint8_t>& data) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

bool writeFile(const fs::path& path, const std::vector<uint8_t>& data) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(data.data()), (std::streamsize)data.size());
  return (bool)out;
}

// Follows the watched name pointer and the stop word from frame to frame.
class Watcher {
 public:
  Watcher(const RunSettings& settings, Core& core, Arm9Head head, std::FILE* report)
      : settings_(settings), core_(core), ram_(std::move(head)), report_(report) {}

  // Looks at main RAM after a frame; sets finished once the stop word is set.
  bool afterFrame(unsigned frame, bool& finished, std::string& error) {
    if (!core_.saveState(state_)) {
      error = "the core cannot save its state";
      return false;
    }
    if (!ram_.attach(state_, error)) return false;
    if (settings_.watchName && !checkName(frame, error)) return false;
    uint32_t stop = 0;
    if (settings_.stopWhen && !readWord(*settings_.stopWhen, stop, error)) return false;
    finished = stop != 0;
    return true;
  }

 private:
  bool readWord(uint32_t address, uint32_t& value, std::string& error) const {
    if (ram_.word(address, value)) return true;
    char text[64];
    std::snprintf(text, sizeof text, "0x%08X is not a word of main RAM", address);
    error = text;
    return false;
  }

  bool checkName(unsigned frame, std::string& error) {
    uint32_t pointer = 0;
    if (!readWord(*settings_.watchName, pointer, error)) return false;
    if (pointer == lastPointer_) return true;
    lastPointer_ = pointer;
    if (pointer == 0) return true;
    std::string name;
    if (!ram_.string(pointer, 64, name) || !isSnapshotName(name)) {
      error = "the watched pointer does not point at a usable name";
      return false;
    }
    const std::string path = (fs::path(settings_.snapshotDir) / (name + ".png")).string();
    if (!writePng(core_.frame(), path, error)) return false;
    std::fprintf(report_, "frame %u: %s\n", frame, path.c_str());
    return true;
  }

  const RunSettings& settings_;
  Core& core_;
  MainRam ram_;
  std::FILE* report_;
  std::vector<uint8_t> state_;
  uint32_t lastPointer_ = 0;
};

}  // namespace

bool isSnapshotName(const std::string& name) {
  if (name.empty() || name.size() > 64 || name[0] == '.') return false;
  for (char c : name) {
    const bool allowed = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                         (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.';
    if (!allowed) return false;
  }
  return true;
}

bool runRom(const RunSettings& settings, std::FILE* report, std::string& error) {
  std::vector<uint8_t> rom;
  if (!readFile(settings.romPath, rom) || rom.size() < 0x200) {
    error = "cannot read a ROM from " + settings.romPath;
    return false;
  }
  ScratchDir scratch;
  if (!scratch.create(error)) return false;
  // The core reads the ROM into memory but names its save file after the path.
  const fs::path romCopy = scratch.path() / "rom.nds";
  if (!writeFile(romCopy, rom)) {
    error = "cannot copy the ROM to " + romCopy.string();
    return false;
  }
  if (settings.watchName) {
    std::error_code ignored;
    fs::create_directories(settings.snapshotDir, ignored);
  }

  CoreSettings coreSettings;
  coreSettings.corePath = settings.corePath;
  coreSettings.preload = settings.preload;
  coreSettings.workDir = scratch.path().string();
  // The core cannot stream homebrew from disk. Its JIT (the core's default CPU
  // mode) restarts a BIOS wait that has to halt (SWI 4 or 5) from the first
  // instruction of the compiled block holding the SWI, so whatever precedes
  // the SWI in that block runs again on every wait: a `push {lr}; swi 5;
  // pop {pc}` loses a word of stack per frame, in ARM and Thumb code alike.
  // The interpreter runs such programs right; --option desmume_cpu_mode=jit
  // runs a ROM whose waits end the block first (a branch right before the SWI).
  coreSettings.options["desmume_load_to_memory"] = "enable";
  coreSettings.options["desmume_cpu_mode"] = "interpreter";
  for (const auto& option : settings.options) coreSettings.options[option.first] = option.second;
  coreSettings.verbose = settings.verbose;
  std::unique_ptr<Core> core = Core::open(coreSettings, error);
  if (core == nullptr || !core->loadGame(rom, romCopy.string(), error)) return false;

  const bool watching = settings.watchName || settings.stopWhen;
  Watcher watcher(settings, *core, arm9Head(rom), report);
  bool finished = false;
  unsigned frame = 0;
  while (frame < settings.frames && !finished) {
    core->runFrame();
    ++frame;
    if (watching && !watcher.afterFrame(frame, finished, error)) return false;
  }
  if (settings.stopWhen && !finished) {
    error = "the program did not finish within " + std::to_string(settings.frames) + " frames";
    return false;
  }
  if (core->frame().pixels.empty()) {
    error = "the core sent no picture";
    return false;
  }
  if (!settings.pngPath.empty()) {
    if (!writePng(core->frame(), settings.pngPath, error)) return false;
    std::fprintf(report, "frame %u: %s\n", frame, settings.pngPath.c_str());
  }
  return true;
}

}  // namespace emulator
