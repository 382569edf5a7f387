// pane_emulator: runs a DS ROM headlessly in a libretro core and writes
// pictures of its screens.
#include <cstdio>
#include <string>
#include <vector>

#include "run_settings.h"
#include "runner.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    std::fputs(emulator::kUsage, args.empty() ? stderr : stdout);
    return args.empty() ? 2 : 0;
  }
  emulator::RunSettings settings;
  std::string error;
  if (!emulator::parseRunSettings(args, settings, error)) {
    std::fprintf(stderr, "pane_emulator: %s\n%s", error.c_str(), emulator::kUsage);
    return 2;
  }
  if (!emulator::runRom(settings, error)) {
    std::fprintf(stderr, "pane_emulator: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
