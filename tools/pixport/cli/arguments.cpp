// Parsing pixport's command-line options into a CommandLine.
#include "cli/command_line.h"

#include "common/c_source.h"
#include "common/startup.h"

namespace pixport {

namespace {

// "--name value" or "--name=value"; advances *i past what it used.
bool takeValue(const QStringList& args, int* i, const QString& name, QString* value, QString* error)
{
    const QString& arg = args[*i];
    if (arg.startsWith(name + QLatin1Char('='))) {
        *value = arg.mid(name.size() + 1);
    } else if (*i + 1 < args.size()) {
        *value = args[++*i];
    } else {
        *error = QStringLiteral("%1 needs a value").arg(name);
        return false;
    }
    if (value->isEmpty()) {
        *error = QStringLiteral("%1 needs a value").arg(name);
        return false;
    }
    return true;
}

bool isOption(const QString& arg, const QString& name)
{
    return arg == name || arg.startsWith(name + QLatin1Char('='));
}

bool applySize(const QString& value, CommandLine* cl, QString* error)
{
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
        *error = QStringLiteral("--size takes 32, 16, 8, WxH (such as 48x20) or picture, not \"%1\"").arg(value);
        return false;
    }
    cl->setCustomSize(sides[0], sides[1]);
    return true;
}

bool applyOrder(const QString& value, CommandLine* cl, QString* error)
{
    if (value != QLatin1String("rows") && value != QLatin1String("tiles")) {
        *error = QStringLiteral("--order takes rows or tiles, not \"%1\"").arg(value);
        return false;
    }
    cl->setTileOrder(value == QLatin1String("tiles"));
    return true;
}

} // namespace

ParseResult parseArguments(const QStringList& args, CommandLine* cl, QString* error)
{
    QStringList images;
    bool bin = false;
    bool output = false;
    bool named = false;
    bool header = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        QString value;
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
            return ParseResult::Help;
        if (arg == QLatin1String("--version"))
            return ParseResult::Version;
        if (arg == QLatin1String("--no-header")) {
            cl->setSizeHeader(false);
        } else if (isOption(arg, QStringLiteral("--size"))) {
            if (!takeValue(args, &i, QStringLiteral("--size"), &value, error) || !applySize(value, cl, error))
                return ParseResult::Error;
        } else if (isOption(arg, QStringLiteral("--order"))) {
            if (!takeValue(args, &i, QStringLiteral("--order"), &value, error) || !applyOrder(value, cl, error))
                return ParseResult::Error;
        } else if (isOption(arg, QStringLiteral("--bin"))) {
            if (!takeValue(args, &i, QStringLiteral("--bin"), &value, error))
                return ParseResult::Error;
            cl->setBinPath(value);
            bin = true;
        } else if (isOption(arg, QStringLiteral("-o"))) {
            if (!takeValue(args, &i, QStringLiteral("-o"), &value, error))
                return ParseResult::Error;
            cl->setOutputPath(value);
            output = true;
        } else if (isOption(arg, QStringLiteral("--name"))) {
            if (!takeValue(args, &i, QStringLiteral("--name"), &value, error))
                return ParseResult::Error;
            const std::string problem = panetools::cNameProblem(value.toStdString());
            if (!problem.empty()) {
                *error = QStringLiteral("--name \"%1\" %2").arg(value, QString::fromStdString(problem));
                return ParseResult::Error;
            }
            cl->setName(value);
            named = true;
        } else if (isOption(arg, QStringLiteral("--header"))) {
            if (!takeValue(args, &i, QStringLiteral("--header"), &value, error))
                return ParseResult::Error;
            cl->setHeaderPath(value);
            header = true;
        } else if (isOption(arg, QStringLiteral("--transparent"))) {
            if (!takeValue(args, &i, QStringLiteral("--transparent"), &value, error))
                return ParseResult::Error;
            const qint32 transparent = readTransparent(value);
            if (transparent < 0) {
                *error = QStringLiteral("--transparent takes an RGB15 value (0 to 32767) or #RRGGBB, "
                                        "not \"%1\"").arg(value);
                return ParseResult::Error;
            }
            cl->setTransparent(transparent);
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            *error = QStringLiteral("unknown option %1").arg(arg);
            return ParseResult::Error;
        } else {
            images << arg;
        }
    }
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

int runCommandLine(const QStringList& arguments, FILE* out, FILE* err)
{
    CommandLine cl;
    cl.setStreams(out, err);
    QString error;
    switch (parseArguments(arguments, &cl, &error)) {
    case ParseResult::Help:
        std::fputs(qPrintable(usageText()), out);
        return 0;
    case ParseResult::Version:
        std::fprintf(out, "%s\n", panetools::versionLine("pixport").c_str());
        return 0;
    case ParseResult::Error:
        std::fprintf(err, "pixport: %s\nTry 'pixport --help'.\n", qPrintable(error));
        return 2;
    case ParseResult::Run:
        break;
    }
    return cl.run();
}

} // namespace pixport
