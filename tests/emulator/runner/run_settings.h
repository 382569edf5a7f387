// What one run of the emulator runner does, from its command line.
#ifndef PANE_EMULATOR_RUN_SETTINGS_H
#define PANE_EMULATOR_RUN_SETTINGS_H

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace emulator {

struct RunSettings {
  std::string corePath;
  std::vector<std::string> preload;
  std::string romPath;
  unsigned frames = 60;               // frames to run, or the most to wait for --stop-when
  std::string pngPath;                // the last frame's picture, when set
  std::optional<uint32_t> watchName;  // address of a const char* the program sets
  std::string snapshotDir;            // where the watched names' pictures go
  std::optional<uint32_t> stopWhen;   // address of a word that ends the run once non-zero
  std::map<std::string, std::string> options;
  bool verbose = false;
};

extern const char* const kUsage;

// Reads the command line; false with a message in error when it is unusable.
bool parseRunSettings(const std::vector<std::string>& args, RunSettings& settings,
                      std::string& error);

}  // namespace emulator

#endif
