// glyphcast's options over the tools' command-line skeleton: "--name value" or
// "--name=value", the switches, and the usage text.
#include "glyphcast/cli/arguments.h"

#include "common/arguments.h"
#include "common/outcome.h"
#include "common/startup.h"
#include "glyphcast/cli/command_line.h"

#include <QIODevice>

#include <functional>
#include <map>
#include <vector>

namespace glyphcast {

namespace {

using Setter = std::function<void(CommandLine&, const QString&)>;

const std::map<QString, Setter>& valueOptions() {
  static const std::map<QString, Setter> options = {
      {QStringLiteral("--font"), &CommandLine::setFontName},
      {QStringLiteral("--font-file"), &CommandLine::setFontFile},
      {QStringLiteral("--name"), &CommandLine::setName},
      {QStringLiteral("--header"), &CommandLine::setHeaderFile},
      {QStringLiteral("--preview"), &CommandLine::setPreviewFile},
      {QStringLiteral("--sample"), &CommandLine::setSample},
      {QStringLiteral("--size"), &CommandLine::setSize},
      {QStringLiteral("--width-bias"), &CommandLine::setWidthBias},
      {QStringLiteral("--height-bias"), &CommandLine::setHeightBias},
      {QStringLiteral("--loc-x"), &CommandLine::setLocX},
      {QStringLiteral("--loc-y"), &CommandLine::setLocY},
      {QStringLiteral("--underline"), &CommandLine::setUnderline},
      {QStringLiteral("--template"), &CommandLine::setTemplateFile},
      {QStringLiteral("-o"), &CommandLine::setOutputFile},
      {QStringLiteral("--output"), &CommandLine::setOutputFile},
      {QStringLiteral("--binary"), &CommandLine::setBinaryFile},
      {QStringLiteral("--symbols-file"), &CommandLine::addSymbolsFile},
  };
  return options;
}

const std::map<QString, std::function<void(CommandLine&)>>& switches() {
  static const std::map<QString, std::function<void(CommandLine&)>> options = {
      {QStringLiteral("--bold"), [](CommandLine& c) { c.setBold(true); }},
      {QStringLiteral("--italic"), [](CommandLine& c) { c.setItalic(true); }},
      {QStringLiteral("--unsmoothed"), [](CommandLine& c) { c.setSmooth(false); }},
      {QStringLiteral("--exact"), [](CommandLine& c) { c.setExact(true); }},
      {QStringLiteral("--unicode"), [](CommandLine& c) { c.setUnicode(true); }},
  };
  return options;
}

}  // namespace

ArgumentsOutcome parseArguments(const QStringList& args, CommandLine& commandLine, QString* error) {
  static const QString help[] = {QStringLiteral("--help"), QStringLiteral("-h")};
  static const QString version = QStringLiteral("--version");
  static const QString range = QStringLiteral("--range");
  static const QString bpp = QStringLiteral("--bpp");
  static const QString background = QStringLiteral("--preview-background");
  std::vector<panetools::OptionSpelling> spellings = {{{help[0], help[1]}, false},
                                                      {{version}, false},
                                                      {{range}, true},
                                                      {{bpp}, true},
                                                      {{background}, true}};
  for (const auto& option : switches()) spellings.push_back({{option.first}, false});
  for (const auto& option : valueOptions()) spellings.push_back({{option.first}, true});
  panetools::ArgumentRules rules;
  rules.dashIsFile = false;  // no input is read from standard input

  ArgumentsOutcome outcome = ArgumentsOutcome::Run;
  bool fontGiven = false;
  auto fault = [&outcome, error](const QString& message) {
    *error = message;
    outcome = ArgumentsOutcome::Error;
    return false;
  };
  panetools::readArguments(args, spellings, rules, [&](const panetools::Argument& arg) {
    switch (arg.kind) {
      case panetools::Argument::UnknownOption:
        return fault(QStringLiteral("unknown option %1").arg(arg.value));
      case panetools::Argument::File:
        return fault(QStringLiteral("unexpected argument %1").arg(arg.value));
      case panetools::Argument::MissingValue:
        return fault(QStringLiteral("%1 needs a value").arg(arg.option));
      case panetools::Argument::Option:
        break;
    }
    if (arg.option == help[0] || arg.option == help[1]) {
      outcome = ArgumentsOutcome::Help;
      return false;
    }
    if (arg.option == version) {
      outcome = ArgumentsOutcome::Version;
      return false;
    }
    if (auto flag = switches().find(arg.option); flag != switches().end()) {
      flag->second(commandLine);
      return true;
    }
    if (arg.option == range) {
      QString problem;
      return commandLine.addRanges(arg.value, &problem) || fault(problem);
    }
    if (arg.option == bpp || arg.option == background) {
      QString problem;
      const bool ok = arg.option == bpp ? commandLine.setBitsPerPixel(arg.value, &problem)
                                        : commandLine.setPreviewBackground(arg.value, &problem);
      return ok || fault(problem);
    }
    for (const char* named : {"--name", "--binary", "--symbols-file"}) {
      if (arg.value.isEmpty() && arg.option == QLatin1String(named))
        return fault(arg.option + QStringLiteral(" needs a value"));
    }
    valueOptions().at(arg.option)(commandLine, arg.value);
    fontGiven = fontGiven || arg.option == QLatin1String("--font") ||
                arg.option == QLatin1String("--font-file");
    return true;
  });
  if (outcome == ArgumentsOutcome::Run && !fontGiven)
    fault(QStringLiteral("--font NAME or --font-file FILE is required"));
  if (outcome == ArgumentsOutcome::Run) {
    const QString problem = commandLine.combinationProblem();
    if (!problem.isEmpty()) fault(problem);
  }
  return outcome;
}

QString usageText() {
  return QStringLiteral(
      "Usage: glyphcast                 open the window\n"
      "       glyphcast --font NAME | --font-file FILE [options]\n"
      "\n"
      "Draws 163 characters of a font and writes the font source for libpane: one\n"
      "glyph array per character, the button glyphs and the font table.\n"
      "\n"
      "Options (defaults are the window's start values):\n"
      "  --font NAME         installed font family, e.g. \"Liberation Sans\"; another\n"
      "                      family that answers for it is named on stderr\n"
      "  --font-file FILE    TrueType or OpenType file to draw, whatever is installed\n"
      "                      (--font picks a family when the file holds several)\n"
      "  --exact             refuse a family that another answers for\n"
      "  --size TEXT         size in points at 96 dpi; also used in the names unless\n"
      "                      --name is given, so then a whole number (12)\n"
      "  --bold, --italic    font style\n"
      "  --width-bias N      pixels added to each character's width (0)\n"
      "  --height-bias N     pixels added to the line height (0)\n"
      "  --loc-x N           horizontal drawing position in the capture box (0)\n"
      "  --loc-y N           vertical drawing position (0)\n"
      "  --underline N       underline offset written into the font, 0 to 65535 (12)\n"
      "  --template FILE     template text to append instead of the built-in one\n"
      "  --unsmoothed        1-bit glyphs without grey edges\n"
      "  --name NAME         C name of the font table (pass it to setFont) and prefix\n"
      "                      of its arrays; the source then starts with\n"
      "                      #include <libpane.h> and compiles by itself\n"
      "  --header FILE       also write a header declaring the table\n"
      "  --preview FILE.png  also write the DS screen as libpane draws a sample\n"
      "                      line with the font (256 x 192)\n"
      "  --sample TEXT       the preview's text: [A] [B] [X] [Y] [LEFT] [UP] [DOWN]\n"
      "                      [RIGHT] [SELECT] [START] [L] [R] [^] [v] draw the button\n"
      "                      glyphs, *word* is highlighted\n"
      "  --preview-background RGB15\n"
      "                      the preview's screen colour, 0 to 32767, hex or decimal\n"
      "                      (0x1042); smooth glyphs blend with it\n"
      "  -o, --output FILE   write to FILE instead of standard output\n"
      "  -h, --help          show this text\n"
      "  --version           show the version\n"
      "\n"
      "Unicode fonts (any code points, for setUnicodeFont):\n"
      "  --unicode           write the C source of a const PaneFont (named by --name,\n"
      "                      declared by --header) instead of the font table\n"
      "  --binary FILE       also (or, without --unicode, only) write the font as a\n"
      "                      binary file for paneFontFromMemory\n"
      "  --range LIST        code points to capture: 0x20-0x7E,0x3040-0x30FF, hex or\n"
      "                      decimal, single points too; may be repeated\n"
      "  --symbols-file FILE every character of a UTF-8 text file; may be repeated\n"
      "                      (default with neither: 0x20-0x7E)\n"
      "  --bpp 1|2|4         bits per pixel (1): 1 draws unsmoothed ink, 2 and 4 the\n"
      "                      smoothed coverage of each pixel, blended on the screen\n"
      "  --font-file FILE    may be repeated: each code point comes from the first\n"
      "                      file that has it (then each file gives its first family)\n"
      "  The button pictures are at U+E000-U+E00D: A B X Y LEFT UP DOWN RIGHT SELECT\n"
      "  START L R ^ v. Code points no font has are named on stderr; --exact refuses\n"
      "  them. The last line on stderr gives the glyphs and the binary file's bytes.\n"
      "\n"
      "Exit status: 0 written; 2 bad usage, refused settings, an output that is an\n"
      "input or another output, or an output not writable, with nothing written.\n");
}

int reportArguments(ArgumentsOutcome outcome, const QString& error, QIODevice& out,
                    QIODevice& err) {
  if (outcome == ArgumentsOutcome::Help) {
    out.write(usageText().toUtf8());
    return panetools::exitStatus(panetools::Outcome::Done);
  }
  if (outcome == ArgumentsOutcome::Version) {
    out.write(QByteArray::fromStdString(panetools::versionLine("glyphcast") + "\n"));
    return panetools::exitStatus(panetools::Outcome::Done);
  }
  reportError(err, error + QLatin1String(" (see glyphcast --help)"));
  return panetools::exitStatus(panetools::Outcome::Failed);
}

int runCommandLine(const QStringList& args, QIODevice& out, QIODevice& err) {
  CommandLine commandLine;
  QString error;
  const ArgumentsOutcome outcome = parseArguments(args, commandLine, &error);
  if (outcome != ArgumentsOutcome::Run) return reportArguments(outcome, error, out, err);
  return commandLine.run(out, err);
}

}  // namespace glyphcast
