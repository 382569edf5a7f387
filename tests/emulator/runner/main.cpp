// pane_emulator: runs a DS ROM headlessly in a libretro core and writes
// pictures of its screens.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "run_settings.h"
#include "runner.h"

namespace {

// The core prints its chatter (a line per saved state among it) on standard
// output. The runner keeps standard output for its own reports and sends
// the core's to standard error with --verbose, nowhere otherwise.
std::FILE* takeStandardOutput(bool verbose) {
  std::fflush(stdout);
  const int own = dup(STDOUT_FILENO);
  const int core = verbose ? dup(STDERR_FILENO) : open("/dev/null", O_WRONLY);
  if (own < 0 || core < 0 || dup2(core, STDOUT_FILENO) < 0) return stdout;
  close(core);
  std::FILE* report = fdopen(own, "w");
  return report != nullptr ? report : stdout;
}

}  // namespace

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
  std::FILE* report = takeStandardOutput(settings.verbose);
  const bool ran = emulator::runRom(settings, report, error);
  std::fflush(report);
  if (!ran) {
    std::fprintf(stderr, "pane_emulator: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
