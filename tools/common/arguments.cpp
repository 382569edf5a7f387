// Each option is parsed with its value on its own, so the first fault in the order
// given is the one reported, and only the spellings a tool lists are taken.
#include "common/arguments.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <map>

namespace panetools {

namespace {

QString withoutDashes(const QString& spelling) {
  qsizetype dashes = 0;
  while (dashes < spelling.size() && spelling[dashes] == QLatin1Char('-')) ++dashes;
  return spelling.mid(dashes);
}

}  // namespace

void readArguments(const QStringList& args, const std::vector<OptionSpelling>& options,
                   const ArgumentRules& rules, const std::function<bool(const Argument&)>& take) {
  QCommandLineParser parser;
  // "-o" and "--output" alike are one name each, never a cluster of letters.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  std::map<QString, const OptionSpelling*> bySpelling;
  for (const OptionSpelling& option : options) {
    QStringList names;
    for (const QString& spelling : option.spellings) {
      names << withoutDashes(spelling);
      bySpelling[spelling] = &option;
    }
    parser.addOption(option.takesValue
                         ? QCommandLineOption(names, QString(), QStringLiteral("value"))
                         : QCommandLineOption(names));
  }

  bool optionsEnded = false;
  for (int i = 0; i < args.size(); ++i) {
    const QString& arg = args[i];
    if (optionsEnded || !arg.startsWith(QLatin1Char('-')) ||
        (arg == QLatin1String("-") && rules.dashIsFile)) {
      if (!take({Argument::File, QString(), arg, i})) return;
      continue;
    }
    if (arg == QLatin1String("--") && rules.doubleDashEndsOptions) {
      optionsEnded = true;
      continue;
    }
    const bool doubleDash = arg.startsWith(QLatin1String("--"));
    const bool equalsAllowed =
        doubleDash ? rules.equalsAfterDoubleDash : rules.equalsAfterSingleDash;
    const qsizetype equals = equalsAllowed ? arg.indexOf(QLatin1Char('=')) : -1;
    const QString spelling = equals < 0 ? arg : arg.left(equals);
    const auto known = bySpelling.find(spelling);
    if (known == bySpelling.end() || (equals >= 0 && !known->second->takesValue)) {
      if (!take({Argument::UnknownOption, QString(), arg, i})) return;
      continue;
    }
    const bool takesValue = known->second->takesValue;
    QStringList group{QString(), arg};  // parse() expects the program's name first
    int valueIndex = i;
    if (takesValue && equals < 0 && i + 1 < args.size()) group << args[valueIndex = ++i];
    const bool parsed = parser.parse(group);
    if (takesValue && (!parsed || parser.optionNames().isEmpty())) {
      if (!take({Argument::MissingValue, spelling, QString(), i})) return;
      continue;
    }
    const QString value = takesValue ? parser.value(parser.optionNames().constFirst()) : QString();
    if (!take({Argument::Option, spelling, value, valueIndex})) return;
  }
}

}  // namespace panetools
