// The command line's Unicode fonts: the code points asked for, the fallback order
// of font files, and the C source, header and binary file written together.
#include "glyphcast/cli/command_line.h"

#include "common/files.h"
#include "common/outcome.h"
#include "glyphcast/core/preview.h"
#include "glyphcast/core/unicode_font.h"

#include <QBuffer>

#include <QFile>
#include <QIODevice>

namespace glyphcast {

using panetools::exitStatus;
using panetools::Outcome;

bool CommandLine::addRanges(const QString& text, QString* error) {
  rangesGiven_ = true;
  return glyphcast::addRanges(text, &ranges_, error);
}

bool CommandLine::setBitsPerPixel(const QString& text, QString* error) {
  bitsPerPixelGiven_ = true;
  for (int bits : {1, 2, 4}) {
    if (text == QString::number(bits)) {
      bitsPerPixel_ = bits;
      return true;
    }
  }
  *error = QStringLiteral("--bpp takes 1, 2 or 4, not \"%1\"").arg(text);
  return false;
}

bool CommandLine::setPreviewBackground(const QString& text, QString* error) {
  const std::optional<std::uint16_t> colour = parseRgb15(text);
  if (!colour) {
    *error = QStringLiteral(
                 "--preview-background takes an RGB15 value (0 to 32767, hex or decimal), not "
                 "\"%1\"")
                 .arg(text);
    return false;
  }
  previewBackground_ = *colour;
  return true;
}

QString CommandLine::combinationProblem() const {
  if (!unicodeFont()) {
    if (bitsPerPixelGiven_) return QStringLiteral("--bpp needs --unicode or --binary");
    if (rangesGiven_ || !symbolsFiles_.isEmpty())
      return QStringLiteral("--range and --symbols-file need --unicode or --binary");
    if (fontFiles_.size() > 1)
      return QStringLiteral("several --font-file need --unicode or --binary");
    return QString();
  }
  if (fontFiles_.size() > 1 && !fields_.fontName.isEmpty())
    return QStringLiteral(
        "--font picks the family of a single --font-file; with several, each file gives its "
        "first family");
  if (!unicode_ && (!outputFile_.isEmpty() || !headerFile_.isEmpty()))
    return QStringLiteral("-o and --header write the C source of --unicode");
  if (!templateFile_.isEmpty()) return QStringLiteral("--template is for classic fonts only");
  return QString();
}

bool CommandLine::readCodePoints(CodePoints* points, QIODevice& err) const {
  *points = ranges_;
  for (const QString& path : symbolsFiles_) {
    QByteArray bytes;
    if (!readInput(path, kMaxSymbolsBytes, QStringLiteral("the symbols file"), &bytes, err))
      return false;
    QString problem;
    if (!addSymbols(bytes, points, &problem)) {
      reportError(err, QStringLiteral("the symbols file %1 %2").arg(path, problem));
      return false;
    }
  }
  return true;
}

int CommandLine::runUnicode(QIODevice& out, QIODevice& err) const {
  UnicodeRequest request;
  if (!readCodePoints(&request.codePoints, err)) return exitStatus(Outcome::Failed);
  request.codePointsGiven = rangesGiven_ || !symbolsFiles_.isEmpty();
  request.options = options_;
  request.cSource = unicode_;
  request.bitsPerPixel = bitsPerPixel_;
  Fields fields = fields_;
  for (const QString& path : fontFiles_) {
    Fields faceFields = fields_;
    ConvertOptions faceOptions = options_;
    if (!loadFontFile(path, &faceFields, &faceOptions, err)) return exitStatus(Outcome::Failed);
    if (request.faces.empty()) fields = faceFields;
    request.faces.push_back({faceFields.fontName, faceOptions.drawFamily, faceOptions.fileData});
  }
  if (fontFiles_.isEmpty()) request.faces.push_back({fields.fontName, QString(), QByteArray()});

  ImageCaptureBox box;
  const UnicodeConversion result = convertUnicodeFont(box, fields, request);
  if (!result.note.isEmpty()) reportError(err, result.note);
  if (!result.ok) {
    reportError(err, result.message);
    return exitStatus(Outcome::Failed);
  }
  if (!result.warning.isEmpty()) reportError(err, QStringLiteral("warning: ") + result.warning);
  if (const QString missing = missingWarning(result); !missing.isEmpty())
    reportError(err, QStringLiteral("warning: ") + missing);

  QByteArray png;
  if (!previewFile_.isEmpty()) {
    QString problem;
    const QImage picture = renderUnicodePreview(
        result.font, sample_.isNull() ? defaultSample() : sample_, &problem, previewBackground_);
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (picture.isNull() || !picture.save(&buffer, "PNG")) {
      reportError(err, QStringLiteral("cannot draw the preview: %1")
                           .arg(problem.isEmpty() ? QStringLiteral("this Qt cannot encode PNG "
                                                                   "pictures")
                                                  : problem));
      return exitStatus(Outcome::Failed);
    }
  }

  panetools::OutputFiles files;
  auto add = [&files](const QString& path, const QByteArray& content) {
    return path.isEmpty() ||
           files.add(QFile::encodeName(path).toStdString(), content.toStdString());
  };
  const QByteArray source =
      unicode_ ? unicodeSourceText(result.font, result.name, result.about).toUtf8() : QByteArray();
  const QByteArray header =
      headerFile_.isEmpty() ? QByteArray() : unicodeHeaderText(result.name, result.about).toUtf8();
  if (!add(previewFile_, png) || !add(binaryFile_, binaryFontBytes(result.font)) ||
      !add(outputFile_, source) || !add(headerFile_, header)) {
    reportError(err, QStringLiteral("cannot write %1: %2")
                         .arg(QFile::decodeName(QByteArray::fromStdString(files.path())),
                              QString::fromLocal8Bit(files.reason())));
    return exitStatus(Outcome::Failed);
  }
  if (unicode_ && outputFile_.isEmpty() && out.write(source) != source.size()) {
    reportError(err, QStringLiteral("cannot write the output: %1").arg(out.errorString()));
    return exitStatus(Outcome::Failed);
  }
  if (!files.commit()) {
    reportError(err, QStringLiteral("cannot write %1: %2")
                         .arg(QFile::decodeName(QByteArray::fromStdString(files.path())),
                              QString::fromLocal8Bit(files.reason())));
    return exitStatus(Outcome::Failed);
  }
  reportError(err, unicodeReport(result));
  return exitStatus(Outcome::Done);
}

}  // namespace glyphcast
