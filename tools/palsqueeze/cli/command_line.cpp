// Command-line mode of palsqueeze over the same compression core as the window.
#include "cli/command_line.h"

#include <cerrno>
#include <cstring>
#include <iostream>
#include <vector>

#include <QStringList>

#include "common/arguments.h"
#include "common/c_source.h"
#include "common/files.h"
#include "common/outcome.h"
#include "common/output_collision.h"
#include "common/startup.h"
#include "core/compressor.h"

namespace palsqueeze {

using panetools::exitStatus;
using panetools::Outcome;

CommandLine::CommandLine(std::istream& in, std::ostream& out, std::ostream& err)
    : in_(in), out_(out), err_(err) {}

void CommandLine::setArguments(const std::vector<std::string>& arguments) {
  static const std::vector<panetools::OptionSpelling> spellings = {{{"--help", "-h"}, false},
                                                                   {{"--version"}, false},
                                                                   {{"--name"}, true},
                                                                   {{"--header"}, true},
                                                                   {{"-o", "--output"}, true}};
  panetools::ArgumentRules rules;
  rules.equalsAfterDoubleDash = false;
  rules.doubleDashEndsOptions = true;
  QStringList args;
  for (const std::string& argument : arguments) args << QString::fromLocal8Bit(argument);
  // Names and paths are taken as given, byte for byte, from arguments.
  panetools::readArguments(args, spellings, rules, [&](const panetools::Argument& arg) {
    const std::string& given = arguments[static_cast<std::size_t>(arg.index)];
    const std::string option = arg.option.toStdString();
    switch (arg.kind) {
      case panetools::Argument::UnknownOption:
        usageError_ = "unknown option " + given;
        break;
      case panetools::Argument::MissingValue:
        usageError_ = option + (option == "--name" ? " needs a name" : " needs a file name");
        break;
      case panetools::Argument::File:
        if (!inputPath_.empty())
          usageError_ = "only one input may be given";
        else
          inputPath_ = given;
        break;
      case panetools::Argument::Option:
        if (option == "--help" || option == "-h")
          showHelp_ = true;
        else if (option == "--version")
          showVersion_ = true;
        else if (option == "--name" && given.empty())
          usageError_ = "--name needs a value";
        else if (option == "--name")
          name_ = given;
        else if (option == "--header")
          headerPath_ = given;
        else if (!outputPath_.empty())
          usageError_ = "only one output file may be given";
        else
          outputPath_ = given;
        break;
    }
    return usageError_.empty();
  });
  if (outputPath_ == "-") outputPath_.clear();
  if (!usageError_.empty()) return;
  const std::string problem = name_.empty() ? std::string() : panetools::cNameProblem(name_);
  if (!problem.empty())
    usageError_ = "--name \"" + name_ + "\" " + problem;
  else if (!headerPath_.empty() && name_.empty())
    usageError_ = "--header needs --name: the header declares the named array";
}

void CommandLine::setInputPath(const std::string& path) { inputPath_ = path; }
void CommandLine::setOutputPath(const std::string& path) { outputPath_ = path; }
void CommandLine::setShowHelp(bool showHelp) { showHelp_ = showHelp; }
void CommandLine::setName(const std::string& name) { name_ = name; }
void CommandLine::setHeaderPath(const std::string& path) { headerPath_ = path; }

const char* CommandLine::usage() {
  return "Usage: palsqueeze [FILE | -] [-o OUTPUT] [--name NAME [--header HEADER]]\n"
         "\n"
         "Palette-compresses the C array text of a plain sprite record, such as\n"
         "  const uint16 arrow[] = { 3, 2, //width, height\n"
         "      0, 32767, 32767, 0, ... };\n"
         "and writes the C text of the equivalent compressed record (first word 0xFFFF).\n"
         "With no arguments the window opens instead.\n"
         "\n"
         "  FILE                 the array text to read; - reads standard input\n"
         "  -o, --output OUTPUT  write the compressed text to OUTPUT (only on success)\n"
         "                      instead of standard output\n"
         "  --name NAME          write a C source that defines uint16 NAME[] (with\n"
         "                      #include <libpane.h>) in place of the pasted declaration\n"
         "  --header HEADER      with --name, also write HEADER declaring extern uint16 NAME[]\n"
         "  --version            show the version\n"
         "  -h, --help           show this text\n"
         "\n"
         "The size and bits-per-pixel reports go to standard error.\n"
         "Exit status: 0 compressed; 1 more than 256 distinct pixel values;\n"
         "2 bad usage, unreadable input, a text that is not a sprite array, or an output\n"
         "that is the input or another output or cannot be written.\n";
}

void CommandLine::report(const std::string& message) { err_ << "palsqueeze: " << message << '\n'; }

int CommandLine::fail(const std::string& message, int status) {
  report(message);
  return status;
}

// Standard input is read through in_, up to the same limit as a file.
bool CommandLine::readInput(std::string& text) {
  std::string reason;
  if (inputPath_ == "-") {
    text.clear();
    std::vector<char> chunk(1 << 16);
    while (in_.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in_.gcount() > 0) {
      text.append(chunk.data(), static_cast<std::size_t>(in_.gcount()));
      if (text.size() > panetools::kInputLimit) {
        report("cannot read standard input: it is larger than " +
               panetools::sizeText(panetools::kInputLimit));
        return false;
      }
    }
    if (in_.bad()) {
      report("cannot read standard input");
      return false;
    }
    return true;
  }
  if (!panetools::readWhole(inputPath_, &text, &reason)) {
    report("cannot read " + inputPath_ + ": " + reason);
    return false;
  }
  return true;
}

// Standard output, or a file written beside its target; files replace their
// targets only when all of them are complete.
bool CommandLine::writeOutputs(const std::string& text, const std::string& header) {
  panetools::OutputFiles files;
  if ((!outputPath_.empty() && !files.add(outputPath_, text)) ||
      (!headerPath_.empty() && !files.add(headerPath_, header))) {
    report("cannot write " + files.path() + ": " + files.reason());
    return false;
  }
  if (outputPath_.empty()) {
    errno = 0;
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    out_.flush();
    if (!out_) {
      report(std::string("cannot write standard output: ") +
             (errno != 0 ? std::strerror(errno) : "the write failed"));
      return false;
    }
  }
  if (files.commit()) return true;
  report("cannot write " + files.path() + ": " + files.reason());
  return false;
}

int CommandLine::run() {
  if (showHelp_ && usageError_.empty()) {
    out_ << usage();
    return exitStatus(Outcome::Done);
  }
  if (showVersion_ && usageError_.empty()) {
    out_ << panetools::versionLine("palsqueeze") << '\n';
    return exitStatus(Outcome::Done);
  }
  if (usageError_.empty() && inputPath_.empty()) usageError_ = "no input file given";
  if (!usageError_.empty()) {
    report(usageError_);
    err_ << '\n' << usage();
    return exitStatus(Outcome::Failed);
  }
  const std::string collision = panetools::outputCollision(
      {{"the input", inputPath_}}, {{"the output", outputPath_}, {"the header", headerPath_}});
  if (!collision.empty()) return fail(collision, exitStatus(Outcome::Failed));
  std::string text;
  if (!readInput(text)) return exitStatus(Outcome::Failed);
  const Result result = compress(text);
  switch (result.status) {
    case Status::Unreadable:
      return fail(result.problem, exitStatus(Outcome::Failed));
    case Status::TooManyEntries:
      err_ << result.sizeReport << '\n';
      return fail(result.problem, exitStatus(Outcome::Declined));
    case Status::Compressed:
      break;
  }
  std::string output = result.output;
  if (!name_.empty()) {
    // The pasted declaration gives way to the named one; it holds no "{".
    output = panetools::sourcePrefix("palsqueeze", name_) + output.substr(output.find('{')) +
             panetools::kSourceSuffix;
  }
  if (!writeOutputs(
          output, headerPath_.empty() ? std::string() : panetools::headerText("palsqueeze", name_)))
    return exitStatus(Outcome::Failed);
  err_ << result.sizeReport << '\n' << result.bitsReport << '\n';
  return exitStatus(Outcome::Done);
}

}  // namespace palsqueeze
