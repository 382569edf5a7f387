// pixport's command-line options over the tools' skeleton, into a CommandLine.
#include "cli/command_line.h"

#include "common/arguments.h"
#include "common/c_source.h"
#include "common/outcome.h"
#include "common/startup.h"

#include <vector>

namespace pixport {

namespace {

bool applySize(const QString& value, CommandLine* cl, QString* error) {
  if (value == QLatin1String("picture")) {
    cl->setWholePicture();
    return true;
  }
  if (value == QLatin1String("32")) {
    cl->setFixedSize(SizeOption::Size32);
    return true;
  }
  if (value == QLatin1String("16")) {
    cl->setFixedSize(SizeOption::Size16);
    return true;
  }
  if (value == QLatin1String("8")) {
    cl->setFixedSize(SizeOption::Size8);
    return true;
  }
  const QStringList sides = value.split(QLatin1Char('x'), Qt::KeepEmptyParts, Qt::CaseInsensitive);
  if (sides.size() != 2 || !isSizeNumber(sides[0]) || !isSizeNumber(sides[1])) {
    *error = QStringLiteral("--size takes 32, 16, 8, WxH (such as 48x20) or picture, not \"%1\"")
                 .arg(value);
    return false;
  }
  cl->setCustomSize(sides[0], sides[1]);
  return true;
}

bool applyOrder(const QString& value, CommandLine* cl, QString* error) {
  if (value != QLatin1String("rows") && value != QLatin1String("tiles")) {
    *error = QStringLiteral("--order takes rows or tiles, not \"%1\"").arg(value);
    return false;
  }
  cl->setTileOrder(value == QLatin1String("tiles"));
  return true;
}

}  // namespace

ParseResult parseArguments(const QStringList& args, CommandLine* cl, QString* error) {
  const QString help[] = {QStringLiteral("--help"), QStringLiteral("-h")};
  const QString version = QStringLiteral("--version");
  const QString noHeader = QStringLiteral("--no-header");
  std::vector<panetools::OptionSpelling> spellings = {
      {{help[0], help[1]}, false}, {{version}, false}, {{noHeader}, false}};
  for (const char* option :
       {"--size", "--order", "--bin", "-o", "--name", "--header", "--transparent"})
    spellings.push_back({{QLatin1String(option)}, true});
  panetools::ArgumentRules rules;
  rules.equalsAfterSingleDash = true;  // "-o=FILE"

  QStringList images;
  bool bin = false;
  bool output = false;
  bool named = false;
  bool header = false;
  ParseResult result = ParseResult::Run;
  auto fail = [&result](bool ok) {
    if (!ok) result = ParseResult::Error;
    return ok;
  };
  panetools::readArguments(args, spellings, rules, [&](const panetools::Argument& arg) {
    switch (arg.kind) {
      case panetools::Argument::File:
        images << arg.value;
        return true;
      case panetools::Argument::UnknownOption:
        *error = QStringLiteral("unknown option %1").arg(arg.value);
        return fail(false);
      case panetools::Argument::MissingValue:
        *error = QStringLiteral("%1 needs a value").arg(arg.option);
        return fail(false);
      case panetools::Argument::Option:
        break;
    }
    const QString& name = arg.option;
    const QString& value = arg.value;
    if (name == help[0] || name == help[1]) {
      result = ParseResult::Help;
      return false;
    }
    if (name == version) {
      result = ParseResult::Version;
      return false;
    }
    if (name == noHeader) {
      cl->setSizeHeader(false);
      return true;
    }
    if (value.isEmpty()) {
      *error = QStringLiteral("%1 needs a value").arg(name);
      return fail(false);
    }
    if (name == QLatin1String("--size")) return fail(applySize(value, cl, error));
    if (name == QLatin1String("--order")) return fail(applyOrder(value, cl, error));
    if (name == QLatin1String("--bin")) {
      cl->setBinPath(value);
      bin = true;
    } else if (name == QLatin1String("-o")) {
      cl->setOutputPath(value);
      output = true;
    } else if (name == QLatin1String("--name")) {
      const std::string problem = panetools::cNameProblem(value.toStdString());
      if (!problem.empty()) {
        *error = QStringLiteral("--name \"%1\" %2").arg(value, QString::fromStdString(problem));
        return fail(false);
      }
      cl->setName(value);
      named = true;
    } else if (name == QLatin1String("--header")) {
      cl->setHeaderPath(value);
      header = true;
    } else {
      const qint32 transparent = readTransparent(value);
      if (transparent < 0) {
        *error = QStringLiteral(
                     "--transparent takes an RGB15 value (0 to 32767) or #RRGGBB, "
                     "not \"%1\"")
                     .arg(value);
        return fail(false);
      }
      cl->setTransparent(transparent);
    }
    return true;
  });
  if (result != ParseResult::Run) return result;
  if (images.size() != 1) {
    *error = images.isEmpty() ? QStringLiteral("no image named")
                              : QStringLiteral("one image at a time, got %1").arg(images.size());
    return ParseResult::Error;
  }
  if (bin && output) {
    *error = QStringLiteral("--bin and -o cannot be combined: a run writes one output");
    return ParseResult::Error;
  }
  if (header && !named) {
    *error = QStringLiteral("--header needs --name: the header declares the named array");
    return ParseResult::Error;
  }
  if (bin && named) {
    *error = QStringLiteral("--name and --header make C source; --bin writes a BIN file");
    return ParseResult::Error;
  }
  cl->setImagePath(images.front());
  return ParseResult::Run;
}

int runCommandLine(const QStringList& arguments, FILE* out, FILE* err) {
  CommandLine cl;
  cl.setStreams(out, err);
  QString error;
  switch (parseArguments(arguments, &cl, &error)) {
    case ParseResult::Help:
      std::fputs(qPrintable(usageText()), out);
      return panetools::exitStatus(panetools::Outcome::Done);
    case ParseResult::Version:
      std::fprintf(out, "%s\n", panetools::versionLine("pixport").c_str());
      return panetools::exitStatus(panetools::Outcome::Done);
    case ParseResult::Error:
      std::fprintf(err, "pixport: %s\nTry 'pixport --help'.\n", qPrintable(error));
      return panetools::exitStatus(panetools::Outcome::Failed);
    case ParseResult::Run:
      break;
  }
  return cl.run();
}

}  // namespace pixport
