// Option parsing for the command line: "--name value" or "--name=value", the
// switches, and the usage text.
#include "glyphcast/cli/arguments.h"

#include "common/startup.h"
#include "glyphcast/cli/command_line.h"

#include <QIODevice>

#include <functional>
#include <map>

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
    };
    return options;
}

const std::map<QString, std::function<void(CommandLine&)>>& switches() {
    static const std::map<QString, std::function<void(CommandLine&)>> options = {
        {QStringLiteral("--bold"), [](CommandLine& c) { c.setBold(true); }},
        {QStringLiteral("--italic"), [](CommandLine& c) { c.setItalic(true); }},
        {QStringLiteral("--unsmoothed"), [](CommandLine& c) { c.setSmooth(false); }},
        {QStringLiteral("--exact"), [](CommandLine& c) { c.setExact(true); }},
    };
    return options;
}

}  // namespace

ArgumentsOutcome parseArguments(const QStringList& args, CommandLine& commandLine, QString* error) {
    bool fontGiven = false;
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
            return ArgumentsOutcome::Help;
        if (arg == QLatin1String("--version"))
            return ArgumentsOutcome::Version;
        if (auto flag = switches().find(arg); flag != switches().end()) {
            flag->second(commandLine);
            continue;
        }
        const int equals = arg.startsWith(QLatin1String("--")) ? arg.indexOf(QLatin1Char('=')) : -1;
        const QString name = equals < 0 ? arg : arg.left(equals);
        auto option = valueOptions().find(name);
        if (option == valueOptions().end()) {
            *error = arg.startsWith(QLatin1Char('-')) ? QStringLiteral("unknown option %1").arg(arg)
                                                      : QStringLiteral("unexpected argument %1").arg(arg);
            return ArgumentsOutcome::Error;
        }
        QString value;
        if (equals >= 0) {
            value = arg.mid(equals + 1);
        } else if (i + 1 < args.size()) {
            value = args[++i];
        } else {
            *error = QStringLiteral("%1 needs a value").arg(name);
            return ArgumentsOutcome::Error;
        }
        if (value.isEmpty() && name == QLatin1String("--name")) {
            *error = QStringLiteral("--name needs a value");
            return ArgumentsOutcome::Error;
        }
        option->second(commandLine, value);
        fontGiven = fontGiven || name == QLatin1String("--font") || name == QLatin1String("--font-file");
    }
    if (!fontGiven) {
        *error = QStringLiteral("--font NAME or --font-file FILE is required");
        return ArgumentsOutcome::Error;
    }
    return ArgumentsOutcome::Run;
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
        "  -o, --output FILE   write to FILE instead of standard output\n"
        "  -h, --help          show this text\n"
        "  --version           show the version\n"
        "\n"
        "Exit status: 0 written; 2 bad usage, refused settings, an output that is an\n"
        "input or another output, or an output not writable, with nothing written.\n");
}

int reportArguments(ArgumentsOutcome outcome, const QString& error, QIODevice& out, QIODevice& err) {
    if (outcome == ArgumentsOutcome::Help) {
        out.write(usageText().toUtf8());
        return kExitSuccess;
    }
    if (outcome == ArgumentsOutcome::Version) {
        out.write(QByteArray::fromStdString(panetools::versionLine("glyphcast") + "\n"));
        return kExitSuccess;
    }
    reportError(err, error + QLatin1String(" (see glyphcast --help)"));
    return kExitRefused;
}

int runCommandLine(const QStringList& args, QIODevice& out, QIODevice& err) {
    CommandLine commandLine;
    QString error;
    const ArgumentsOutcome outcome = parseArguments(args, commandLine, &error);
    if (outcome != ArgumentsOutcome::Run)
        return reportArguments(outcome, error, out, err);
    return commandLine.run(out, err);
}

}  // namespace glyphcast
