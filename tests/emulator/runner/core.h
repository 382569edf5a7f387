// A libretro core opened with dlopen and run headlessly: the runner answers
// its environment requests, discards sound, presses no buttons and keeps the
// last video frame.
#ifndef PANE_EMULATOR_CORE_H
#define PANE_EMULATOR_CORE_H

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "screen_image.h"

namespace emulator {

struct CoreSettings {
  std::string corePath;                        // the core's shared object
  std::vector<std::string> preload;            // libraries the core needs, opened first
  std::string workDir;                         // system and save directory handed to the core
  std::map<std::string, std::string> options;  // core options, by key
  bool verbose = false;                        // pass the core's info and debug messages on
};

class Core {
 public:
  // Opens and initialises the core; null with a message in error on failure.
  static std::unique_ptr<Core> open(const CoreSettings& settings, std::string& error);
  ~Core();
  Core(const Core&) = delete;
  Core& operator=(const Core&) = delete;

  // Loads a ROM from memory; path names it (the core puts its save file beside it).
  bool loadGame(const std::vector<uint8_t>& rom, const std::string& path, std::string& error);
  // Emulates one video frame.
  void runFrame();
  // The last frame the core sent, in DS colours.
  const ScreenImage& frame() const { return frame_; }
  // The core's whole machine state, serialised; false when the core refuses.
  bool saveState(std::vector<uint8_t>& state);

  // Entry points for the callbacks, which the interface gives no context.
  bool environment(unsigned command, void* data);
  void videoRefresh(const void* data, unsigned width, unsigned height, size_t pitch);
  void log(int level, const char* message);

 private:
  struct Api;
  explicit Core(const CoreSettings& settings);
  bool bind(std::string& error);

  CoreSettings settings_;
  std::vector<void*> libraries_;
  void* core_ = nullptr;
  std::unique_ptr<Api> api_;
  bool initialised_ = false;
  bool gameLoaded_ = false;
  int pixelFormat_ = 0;
  std::map<std::string, std::string> defaults_;  // first value of each declared option
  std::string optionValue_;                      // storage for the last option handed out
  ScreenImage frame_;
};

}  // namespace emulator

#endif
