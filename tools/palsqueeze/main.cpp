// palsqueeze: with no arguments the window; with arguments the command line.
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "common/outcome.h"
#include "common/startup.h"
#include "gui/compressor_window.h"

int main(int argc, char** argv) {
  if (argc > 1) {
    palsqueeze::CommandLine commandLine(std::cin, std::cout, std::cerr);
    commandLine.setArguments(std::vector<std::string>(argv + 1, argv + argc));
    return commandLine.run();
  }
  if (!panetools::hasDisplay()) {
    std::cerr << panetools::noDisplayLine("palsqueeze") << "\n\n"
              << palsqueeze::CommandLine::usage();
    return panetools::exitStatus(panetools::Outcome::Failed);
  }
  QApplication app(argc, argv);
  palsqueeze::CompressorWindow window;
  window.show();
  return QApplication::exec();
}
