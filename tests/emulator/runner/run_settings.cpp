// The emulator runner's command line.
#include "run_settings.h"

#include <cerrno>
#include <cstdlib>

namespace emulator {

const char* const kUsage =
    "usage: pane_emulator --core CORE.so [--preload LIB.so]... --rom ROM.nds\n"
    "                     [--frames N] [--png OUT.png]\n"
    "                     [--watch-name ADDRESS --snapshots DIR] [--stop-when ADDRESS]\n"
    "                     [--option KEY=VALUE]... [--verbose]\n"
    "Runs a DS ROM headlessly for N frames (default 60) and writes the last frame\n"
    "(both screens, upper first) to OUT.png. With --watch-name, ADDRESS holds a\n"
    "const char* the program sets: whenever it changes to a name, the frame of\n"
    "that moment is written to DIR/<name>.png. --stop-when ends the run once the\n"
    "word at ADDRESS is non-zero, and fails if that takes more than N frames.\n";

namespace {

bool parseNumber(const std::string& text, unsigned long long limit, unsigned long long& value) {
  if (text.empty() || text[0] == '-') return false;
  errno = 0;
  char* end = nullptr;
  value = std::strtoull(text.c_str(), &end, 0);
  return errno == 0 && *end == '\0' && value <= limit;
}

}  // namespace

bool parseRunSettings(const std::vector<std::string>& args, RunSettings& settings,
                      std::string& error) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--verbose") {
      settings.verbose = true;
      continue;
    }
    if (i + 1 >= args.size()) {
      error = arg.rfind("--", 0) == 0 ? arg + " needs a value" : "unexpected argument " + arg;
      return false;
    }
    const std::string& value = args[++i];
    unsigned long long number = 0;
    if (arg == "--core") {
      settings.corePath = value;
    } else if (arg == "--preload") {
      settings.preload.push_back(value);
    } else if (arg == "--rom") {
      settings.romPath = value;
    } else if (arg == "--png") {
      settings.pngPath = value;
    } else if (arg == "--snapshots") {
      settings.snapshotDir = value;
    } else if (arg == "--frames") {
      if (!parseNumber(value, 1000000, number) || number == 0) {
        error = "--frames takes a number from 1 to 1000000: " + value;
        return false;
      }
      settings.frames = (unsigned)number;
    } else if (arg == "--watch-name" || arg == "--stop-when") {
      if (!parseNumber(value, 0xFFFFFFFFull, number)) {
        error = arg + " takes an address: " + value;
        return false;
      }
      (arg == "--watch-name" ? settings.watchName : settings.stopWhen) = (uint32_t)number;
    } else if (arg == "--option") {
      const size_t equals = value.find('=');
      if (equals == std::string::npos || equals == 0) {
        error = "--option takes KEY=VALUE: " + value;
        return false;
      }
      settings.options[value.substr(0, equals)] = value.substr(equals + 1);
    } else {
      error = "unknown option " + arg;
      return false;
    }
  }
  if (settings.corePath.empty() || settings.romPath.empty()) {
    error = "--core and --rom are required";
  } else if (settings.watchName.has_value() != !settings.snapshotDir.empty()) {
    error = "--watch-name and --snapshots go together";
  } else if (settings.pngPath.empty() && !settings.watchName) {
    error = "nothing to write: give --png or --watch-name with --snapshots";
  }
  return error.empty();
}

}  // namespace emulator
