// One headless run of a DS ROM in a libretro core, as the command line asks.
#ifndef PANE_EMULATOR_RUNNER_H
#define PANE_EMULATOR_RUNNER_H

#include <cstdio>
#include <string>

#include "run_settings.h"

namespace emulator {

// Returns true when everything asked for was written, each picture reported
// as "frame N: path" on report; otherwise error says why.
bool runRom(const RunSettings& settings, std::FILE* report, std::string& error);

// True for a name the program may give a snapshot: letters, digits, '-',
// '_' and '.', not starting with '.', at most 64 characters. Anything else
// could point the picture outside its directory.
bool isSnapshotName(const std::string& name);

}  // namespace emulator

#endif
