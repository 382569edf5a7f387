// The command-line run: options to settings, picture to output, errors to status 2.
#include "cli/command_line.h"

#include "common/c_source.h"
#include "common/files.h"
#include "common/outcome.h"
#include "core/colour.h"
#include "core/conversion.h"
#include "core/output_writer.h"
#include "core/run_files.h"

#include <QRegularExpression>

namespace pixport {

namespace {

constexpr int kExitOk = panetools::exitStatus(panetools::Outcome::Done);
constexpr int kExitError = panetools::exitStatus(panetools::Outcome::Failed);

QString fromSystem(const std::string& text) { return QString::fromLocal8Bit(text.c_str()); }

QString writeError(const panetools::OutputFiles& files) {
  return QStringLiteral("Cannot write %1: %2")
      .arg(fromSystem(files.path()), fromSystem(files.reason()));
}

}  // namespace

QString usageText() {
  return QStringLiteral(
      "Usage: pixport IMAGE [options]\n"
      "       pixport                 opens the window\n"
      "\n"
      "Converts the top-left corner of IMAGE (BMP, JPEG, PNG, GIF, ...; - reads standard\n"
      "input) to RGB15 values and writes them as C array text (CR LF line ends) to\n"
      "standard output.\n"
      "\n"
      "Options:\n"
      "  --size 32|16|8      a fixed square size (default 16), in 8x8 tiles unless\n"
      "                      --order rows is given\n"
      "  --size WxH          a custom size of W by H pixels, 1 to 32768 each, straight\n"
      "                      across, led by the size header \"W-1, H-1, //width, height\"\n"
      "  --size picture      the custom size of the whole picture\n"
      "  --order rows|tiles  row by row, or 8x8 sprite tiles (fixed sizes only)\n"
      "  --no-header         leave out the size header of a custom size\n"
      "  --transparent V     pixels with alpha below half take the value V, an RGB15\n"
      "                      value (0 to 32767) or #RRGGBB; pass it to the drawing\n"
      "                      functions as the transparent colour\n"
      "  --name NAME         write a C source that defines uint16 NAME[] (with\n"
      "                      #include <libpane.h>) rather than the bare array text\n"
      "  --header FILE       with --name, also write FILE declaring extern uint16 NAME[]\n"
      "  --bin FILE          write a BIN file of 16-bit little-endian words instead\n"
      "  -o FILE             write the text to FILE instead of standard output\n"
      "  --version           show the version\n"
      "  --help              show this help\n"
      "\n"
      "Other pixels with alpha are shown over white; pixels beyond the picture convert\n"
      "as white (32767).\n"
      "Exit status: 0 on success; 2 on any error, with nothing written.\n");
}

qint32 readTransparent(const QString& text) {
  static const QRegularExpression colour(QStringLiteral("^#([0-9A-Fa-f]{6})$"));
  const QRegularExpressionMatch match = colour.match(text);
  if (match.hasMatch()) {
    const uint rgb = match.captured(1).toUInt(nullptr, 16);
    return toRgb15(desktopColour(int(rgb >> 16), int((rgb >> 8) & 0xFF), int(rgb & 0xFF)));
  }
  static const QRegularExpression number(QStringLiteral("^(0[xX][0-9A-Fa-f]{1,4}|[0-9]{1,5})$"));
  if (!number.match(text).hasMatch()) return -1;
  const bool hex = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive);
  bool ok = false;
  const uint value = hex ? text.mid(2).toUInt(&ok, 16) : text.toUInt(&ok, 10);
  return ok && value <= 0x7FFF ? static_cast<qint32>(value) : -1;
}

void CommandLine::setCustomSize(const QString& width, const QString& height) {
  m_size = SizeOption::Custom;
  m_customWidth = width;
  m_customHeight = height;
}

bool CommandLine::fail(const QString& message) {
  std::fprintf(m_err, "pixport: %s\n", qPrintable(message));
  return false;
}

// The choices the window would hold after the same clicks: a custom size as
// "Custom" leaves them (straight across, size header), the rest as given.
bool CommandLine::choose(Settings* settings) {
  const bool custom = m_size == SizeOption::Custom || m_wholePicture;
  if (custom && m_tileOrder.value_or(false))
    return fail(
        QStringLiteral("--order tiles needs a fixed size (32, 16 or 8); "
                       "a custom size converts straight across"));
  Choices choices;
  choices.size = m_size;
  choices.customWidth = m_customWidth;
  choices.customHeight = m_customHeight;
  choices.tileOrder = m_tileOrder.value_or(!custom);
  choices.binFile = !m_binPath.isEmpty();
  choices.sizeBytes = m_sizeHeader;
  choices.transparent = m_transparent;
  QString error;
  return resolveSettings(choices, settings, &error) || fail(error);
}

// The text goes out as it is made, to standard output or to a file among files,
// which replaces the target only when all of them are whole; with a name it is
// wrapped into a C source.
bool CommandLine::convertToText(const Picture& picture, const Settings& settings,
                                panetools::OutputFiles* files) {
  const bool toFile = !m_outputPath.isEmpty();
  panetools::OutputFile* file =
      toFile ? files->open(m_outputPath.toLocal8Bit().toStdString()) : nullptr;
  if (toFile && file == nullptr) return fail(writeError(*files));
  auto write = [&](const QByteArray& piece) -> QString {
    std::string reason;
    const auto size = static_cast<std::size_t>(piece.size());
    if (toFile ? file->write(piece.constData(), size)
               : panetools::writeStream(m_out, piece.constData(), size, &reason))
      return QString();
    return QStringLiteral("Cannot write %1: %2")
        .arg(toFile ? m_outputPath : QStringLiteral("standard output"),
             fromSystem(toFile ? file->reason() : reason));
  };

  QString error;
  if (!m_name.isEmpty())
    error =
        write(QByteArray::fromStdString(panetools::sourcePrefix("pixport", m_name.toStdString())));
  OutputWriter out = OutputWriter::arrayText(write);
  if (error.isEmpty() &&
      convert(picture, settings, out, ConversionHooks(), &error) == Outcome::Done) {
    error.clear();
    if (!m_name.isEmpty()) error = write(QByteArrayLiteral("\r\n"));
  }
  return error.isEmpty() || fail(error);
}

int CommandLine::run() {
  if (const QString problem = outputCollision(m_imagePath, m_outputPath, m_headerPath, m_binPath);
      !problem.isEmpty())
    return fail(problem), kExitError;
  Settings settings;
  if (!m_wholePicture && !choose(&settings)) return kExitError;
  Picture picture;
  QString error;
  if (!loadPicture(m_imagePath, &picture, &error)) {
    fail(error);
    return kExitError;
  }
  if (m_wholePicture) {
    setCustomSize(QString::number(picture.width()), QString::number(picture.height()));
    if (!choose(&settings)) return kExitError;
  }
  if (settings.binFile) {
    OutputWriter out = OutputWriter::binFile(m_binPath);
    if (convert(picture, settings, out, ConversionHooks(), &error) != Outcome::Done) {
      fail(error);
      return kExitError;
    }
    return kExitOk;
  }
  // The source and its header replace the old ones together or not at all.
  // The header goes first: a header that cannot be written stops the run before any
  // source text reaches standard output.
  panetools::OutputFiles files;
  if (!m_headerPath.isEmpty() && !files.add(m_headerPath.toLocal8Bit().toStdString(),
                                            panetools::headerText("pixport", m_name.toStdString())))
    return fail(writeError(files)), kExitError;
  if (!convertToText(picture, settings, &files)) return kExitError;
  if (!files.commit()) return fail(writeError(files)), kExitError;
  return kExitOk;
}

}  // namespace pixport
