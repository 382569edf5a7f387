// The command-line skeleton the tools share: their arguments read in the order
// given by Qt's QCommandLineParser, each handed to the tool, which answers a fault
// in its own words.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace panetools {

// One option with every way it may be written ("-o", "--output").
struct OptionSpelling {
  QStringList spellings;  // dashes included
  bool takesValue = false;
};

// Where the tools spell their command lines differently.
struct ArgumentRules {
  bool equalsAfterDoubleDash = true;   // "--size=8" as well as "--size 8"
  bool equalsAfterSingleDash = false;  // "-o=FILE" as well as "-o FILE"
  bool doubleDashEndsOptions = false;  // after "--" every argument is a file; else "--" is unknown
  bool dashIsFile = true;              // "-" names standard input; else it is an unknown option
};

// One argument as read, in the order given.
struct Argument {
  enum Kind { Option, File, UnknownOption, MissingValue };
  Kind kind = File;
  QString option;  // for Option and MissingValue: the spelling written ("--size")
  QString value;   // the option's value, the file, or the unknown option as written
  int index = 0;   // which argument holds the value, the file or the unknown option
};

// Reads args (the program's name left out) against options and hands each
// argument to take in order while take returns true. A value may be any next
// argument, one that starts with "-" included. A switch written with "=" is an
// unknown option, as is any spelling not listed ("--o" for "-o").
void readArguments(const QStringList& args, const std::vector<OptionSpelling>& options,
                   const ArgumentRules& rules, const std::function<bool(const Argument&)>& take);

}  // namespace panetools
