// The command-line mode: compresses a file or standard input to standard output or
// a file, with the reports on standard error and the result as exit status.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace palsqueeze {

class CommandLine {
 public:
  CommandLine(std::istream& in, std::ostream& out, std::ostream& err);

  // Reads the arguments after the program name into the settings below; a usage
  // error is reported by run().
  void setArguments(const std::vector<std::string>& arguments);
  void setInputPath(const std::string& path);   // "-" reads standard input
  void setOutputPath(const std::string& path);  // empty writes standard output
  void setShowHelp(bool showHelp);
  void setName(const std::string& name);        // a C source of uint16 name[]
  void setHeaderPath(const std::string& path);  // with a name: its header

  // Runs one compression and returns the exit status (common/outcome.h): 1 for
  // more than 256 palette entries. Nothing reaches standard
  // output or the output file unless the compression succeeds.
  int run();

  static const char* usage();

 private:
  bool readInput(std::string& text);
  bool writeOutputs(const std::string& text, const std::string& header);
  void report(const std::string& message);
  int fail(const std::string& message, int status);

  std::istream& in_;
  std::ostream& out_;
  std::ostream& err_;
  std::string inputPath_;
  std::string outputPath_;
  std::string usageError_;
  std::string name_;
  std::string headerPath_;
  bool showHelp_ = false;
  bool showVersion_ = false;
};

}  // namespace palsqueeze
