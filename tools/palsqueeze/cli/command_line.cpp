// Command-line mode of palsqueeze over the same compression core as the window.
#include "cli/command_line.h"

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <iostream>
#include <iterator>

#include "core/compressor.h"

namespace palsqueeze {

namespace {

QString fromLocal(const std::string& path) { return QString::fromLocal8Bit(path.c_str()); }

}  // namespace

CommandLine::CommandLine(std::istream& in, std::ostream& out, std::ostream& err)
    : in_(in), out_(out), err_(err) {}

void CommandLine::setArguments(const std::vector<std::string>& arguments) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size() && usageError_.empty(); ++i) {
    const std::string& arg = arguments[i];
    if (!optionsEnded && (arg == "--help" || arg == "-h")) {
      showHelp_ = true;
    } else if (!optionsEnded && (arg == "-o" || arg == "--output")) {
      if (i + 1 == arguments.size())
        usageError_ = arg + " needs a file name";
      else if (!outputPath_.empty())
        usageError_ = "only one output file may be given";
      else
        outputPath_ = arguments[++i];
    } else if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && arg.size() > 1 && arg[0] == '-') {
      usageError_ = "unknown option " + arg;
    } else if (!inputPath_.empty()) {
      usageError_ = "only one input may be given";
    } else {
      inputPath_ = arg;
    }
  }
  if (outputPath_ == "-") outputPath_.clear();
}

void CommandLine::setInputPath(const std::string& path) { inputPath_ = path; }
void CommandLine::setOutputPath(const std::string& path) { outputPath_ = path; }
void CommandLine::setShowHelp(bool showHelp) { showHelp_ = showHelp; }

const char* CommandLine::usage() {
  return "Usage: palsqueeze [FILE | -] [-o OUTPUT]\n"
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
         "  -h, --help           show this text\n"
         "\n"
         "The size and bits-per-pixel reports go to standard error.\n"
         "Exit status: 0 compressed; 1 more than 256 distinct pixel values;\n"
         "2 bad usage, unreadable input or a text that is not a sprite array.\n";
}

void CommandLine::report(const std::string& message) { err_ << "palsqueeze: " << message << '\n'; }

int CommandLine::fail(const std::string& message, int status) {
  report(message);
  return status;
}

bool CommandLine::readInput(std::string& text) {
  if (inputPath_ == "-") {
    text.assign(std::istreambuf_iterator<char>(in_), std::istreambuf_iterator<char>());
    if (in_.bad()) {
      report("cannot read standard input");
      return false;
    }
    return true;
  }
  QFile file(fromLocal(inputPath_));
  if (!file.open(QIODevice::ReadOnly)) {
    report("cannot read " + inputPath_ + ": " + file.errorString().toStdString());
    return false;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    report("cannot read " + inputPath_ + ": " + file.errorString().toStdString());
    return false;
  }
  text.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return true;
}

// The file is written beside its target and renamed over it only when complete.
bool CommandLine::writeOutput(const std::string& text) {
  if (outputPath_.empty()) {
    out_.write(text.data(), static_cast<std::streamsize>(text.size()));
    out_.flush();
    return static_cast<bool>(out_);
  }
  QSaveFile file(fromLocal(outputPath_));
  const bool written = file.open(QIODevice::WriteOnly) &&
                       file.write(text.data(), static_cast<qint64>(text.size())) ==
                           static_cast<qint64>(text.size()) &&
                       file.commit();
  if (!written) {
    report("cannot write " + outputPath_ + ": " + file.errorString().toStdString());
  }
  return written;
}

int CommandLine::run() {
  if (showHelp_ && usageError_.empty()) {
    out_ << usage();
    return kExitSuccess;
  }
  if (usageError_.empty() && inputPath_.empty()) usageError_ = "no input file given";
  if (!usageError_.empty()) {
    report(usageError_);
    err_ << '\n' << usage();
    return kExitFailure;
  }
  std::string text;
  if (!readInput(text)) return kExitFailure;
  const Result result = compress(text);
  switch (result.status) {
    case Status::Unreadable:
      return fail(result.problem, kExitFailure);
    case Status::TooManyEntries:
      err_ << result.sizeReport << '\n';
      return fail(result.problem, kExitTooManyEntries);
    case Status::Compressed:
      break;
  }
  if (!writeOutput(result.output)) return kExitFailure;
  err_ << result.sizeReport << '\n' << result.bitsReport << '\n';
  return kExitSuccess;
}

}  // namespace palsqueeze
