// The command-line run: options to settings, picture to output, errors to status 2.
#include "cli/command_line.h"

#include "core/conversion.h"
#include "core/output_writer.h"
#include "core/picture.h"

#include <QSaveFile>

namespace pixport {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitError = 2;

} // namespace

QString usageText()
{
    return QStringLiteral(
        "Usage: pixport IMAGE [options]\n"
        "       pixport                 opens the window\n"
        "\n"
        "Converts the top-left corner of IMAGE (BMP, JPEG, PNG, GIF, ...) to RGB15 values\n"
        "and writes them as C array text (CR LF line ends) to standard output.\n"
        "\n"
        "Options:\n"
        "  --size 32|16|8      a fixed square size (default 16), in 8x8 tiles unless\n"
        "                      --order rows is given\n"
        "  --size WxH          a custom size of W by H pixels, 1 to 32768 each, straight\n"
        "                      across, led by the size header \"W-1, H-1, //width, height\"\n"
        "  --order rows|tiles  row by row, or 8x8 sprite tiles (fixed sizes only)\n"
        "  --no-header         leave out the size header of a custom size\n"
        "  --bin FILE          write a BIN file of 16-bit little-endian words instead\n"
        "  -o FILE             write the array text to FILE instead of standard output\n"
        "  --help              show this help\n"
        "\n"
        "Pixels beyond the picture convert as white (32767).\n"
        "Exit status: 0 on success; 2 on any error, with nothing written.\n");
}

void CommandLine::setCustomSize(const QString& width, const QString& height)
{
    m_size = SizeOption::Custom;
    m_customWidth = width;
    m_customHeight = height;
}

bool CommandLine::fail(const QString& message)
{
    std::fprintf(m_err, "pixport: %s\n", qPrintable(message));
    return false;
}

// The choices the window would hold after the same clicks: a custom size as
// "Custom" leaves them (straight across, size header), the rest as given.
bool CommandLine::choose(Settings* settings)
{
    const bool custom = m_size == SizeOption::Custom;
    if (custom && m_tileOrder.value_or(false))
        return fail(QStringLiteral("--order tiles needs a fixed size (32, 16 or 8); "
                                   "a custom size converts straight across"));
    Choices choices;
    choices.size = m_size;
    choices.customWidth = m_customWidth;
    choices.customHeight = m_customHeight;
    choices.tileOrder = m_tileOrder.value_or(!custom);
    choices.binFile = !m_binPath.isEmpty();
    choices.sizeBytes = m_sizeHeader;
    QString error;
    return resolveSettings(choices, settings, &error) || fail(error);
}

bool CommandLine::writeText(const QByteArray& text)
{
    if (!m_outputPath.isEmpty()) {
        QSaveFile file(m_outputPath);
        if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
            return true;
        return fail(QStringLiteral("Cannot write %1: %2").arg(m_outputPath, file.errorString()));
    }
    const size_t written = std::fwrite(text.constData(), 1, static_cast<size_t>(text.size()), m_out);
    if (written != static_cast<size_t>(text.size()) || std::fflush(m_out) != 0)
        return fail(QStringLiteral("Cannot write to standard output"));
    return true;
}

int CommandLine::run()
{
    Settings settings;
    if (!choose(&settings))
        return kExitError;
    Picture picture;
    QString error;
    if (!loadPicture(m_imagePath, &picture, &error)) {
        fail(error);
        return kExitError;
    }
    OutputWriter out = settings.binFile ? OutputWriter::binFile(m_binPath) : OutputWriter::arrayText();
    if (convert(picture, settings, out, ConversionHooks(), &error) != Outcome::Done) {
        fail(error);
        return kExitError;
    }
    if (!settings.binFile && !writeText(out.text()))
        return kExitError;
    return kExitOk;
}

} // namespace pixport
