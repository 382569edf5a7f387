// Runs the showcase on the host platform and writes screenshots of both screens
// (upper above lower) whenever the program marks a picture worth keeping.
#include <nds/host.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

extern "C" {
#include "showcase.h"
}

namespace {

std::string outDir = "out";

void onVBlank(void*) {
  if (const char* name = showcase_snapshot) {
    showcase_snapshot = nullptr;
    const std::string path = outDir + "/" + name + ".png";
    if (hostSaveScreens(path.c_str()) != 0) {
      std::fprintf(stderr, "showcase: cannot write %s\n", path.c_str());
      std::exit(1);
    }
    std::printf("%s\n", path.c_str());
  }
  if (showcase_finished) std::exit(0);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1) outDir = argv[1];
  mkdir(outDir.c_str(), 0755);
  hostReset();
  hostOnVBlank(onVBlank, nullptr);
  showcase_main();
  return 1;  // the showcase never returns; the vertical-blank watcher ends the run
}
