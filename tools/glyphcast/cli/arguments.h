// Reading the command line's arguments into a CommandLine.
#pragma once

#include <QString>
#include <QStringList>

class QIODevice;

namespace glyphcast {

class CommandLine;

enum class ArgumentsOutcome { Run, Help, Version, Error };

// Fills commandLine from the arguments (program name excluded). On Error, *error
// says what is wrong.
ArgumentsOutcome parseArguments(const QStringList& args, CommandLine& commandLine, QString* error);

// The --help text.
QString usageText();

// Parses and runs: the usage on Help (status 0), the error on Error (status 2),
// else CommandLine::run(). Needs a QGuiApplication to run a conversion.
int runCommandLine(const QStringList& args, QIODevice& out, QIODevice& err);

// What runCommandLine() does for Help and Error: prints and returns the status.
int reportArguments(ArgumentsOutcome outcome, const QString& error, QIODevice& out, QIODevice& err);

}  // namespace glyphcast
