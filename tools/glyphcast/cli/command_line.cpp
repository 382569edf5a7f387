// Runs one conversion with fixed settings and writes its text; nothing is written
// when the conversion is refused.
#include "glyphcast/cli/command_line.h"

#include "common/files.h"
#include "common/outcome.h"
#include "common/output_collision.h"
#include "glyphcast/core/converter.h"
#include "glyphcast/core/glyph_source.h"
#include "glyphcast/core/image_capture_box.h"
#include "glyphcast/core/template_text.h"

#include "glyphcast/core/memory_font.h"
#include "glyphcast/core/preview.h"

#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QRawFont>
#include <QIODevice>
#include <QStringDecoder>

namespace glyphcast {

using panetools::exitStatus;
using panetools::Outcome;

void reportError(QIODevice& err, const QString& message) {
  err.write((QLatin1String("glyphcast: ") + message + QLatin1Char('\n')).toUtf8());
}

bool readInput(const QString& path, qint64 maxBytes, const QString& what, QByteArray* bytes,
               QIODevice& err) {
  std::string data;
  std::string reason;
  if (!panetools::readWhole(QFile::encodeName(path).toStdString(), &data, &reason,
                            static_cast<std::size_t>(maxBytes))) {
    reportError(
        err,
        QStringLiteral("cannot read %1 %2: %3").arg(what, path, QString::fromLocal8Bit(reason)));
    return false;
  }
  *bytes = QByteArray::fromStdString(data);
  return true;
}

bool CommandLine::readTemplate(QString* text, QIODevice& err) const {
  if (templateFile_.isEmpty()) {
    *text = defaultTemplate();
    return true;
  }
  QByteArray bytes;
  if (!readInput(templateFile_, kMaxTemplateBytes, QStringLiteral("the template"), &bytes, err))
    return false;
  QStringDecoder decoder(QStringDecoder::Utf8);
  *text = decoder(bytes);
  if (decoder.hasError()) {
    reportError(err, QStringLiteral("the template %1 is not UTF-8 text").arg(templateFile_));
    return false;
  }
  return true;
}

namespace {

// The vendor of a font file (OS/2 achVendID), which Qt takes as its foundry;
// empty for a collection or a file without one.
QString fontVendor(const QByteArray& bytes) {
  auto word = [&bytes](qsizetype at) { return (uchar(bytes[at]) << 8) | uchar(bytes[at + 1]); };
  if (bytes.size() < 12 || bytes.startsWith("ttcf")) return QString();
  const int tables = word(4);
  for (int i = 0; i < tables && 12 + 16 * (i + 1) <= bytes.size(); ++i) {
    const qsizetype record = 12 + 16 * i;
    if (bytes.mid(record, 4) != "OS/2") continue;
    const qsizetype offset = (qsizetype(word(record + 8)) << 16) | word(record + 10);
    if (offset < 0 || offset + 62 > bytes.size()) return QString();
    return QString::fromLatin1(bytes.mid(offset + 58, 4)).trimmed();
  }
  return QString();
}

}  // namespace

// Makes the file's families known to Qt for this run only and picks the one to
// draw: the family named with --font, or the file's first. When the family is
// installed from another foundry too, the file's foundry is asked for by name.
bool CommandLine::loadFontFile(const QString& fontFile, Fields* fields, ConvertOptions* options,
                               QIODevice& err) const {
  QByteArray bytes;
  if (!readInput(fontFile, kMaxFontFileBytes, QStringLiteral("the font file"), &bytes, err))
    return false;
  const int id = QFontDatabase::addApplicationFontFromData(bytes);
  const QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
  if (families.isEmpty()) {
    reportError(
        err, QStringLiteral("the font file %1 is not a TrueType or OpenType font").arg(fontFile));
    return false;
  }
  QString chosen = fields->fontName.isEmpty() ? families.first() : QString();
  for (const QString& family : families) {
    if (chosen.isEmpty() && family.compare(fields->fontName, Qt::CaseInsensitive) == 0)
      chosen = family;
  }
  if (chosen.isEmpty()) {
    reportError(err, QStringLiteral("the font file %1 holds %2, not %3")
                         .arg(fontFile, families.join(QStringLiteral(", ")), fields->fontName));
    return false;
  }
  fields->fontName = chosen;
  options->fileData = bytes;
  const QString vendor = fontVendor(bytes);
  const QString withFoundry = chosen + QStringLiteral(" [") + vendor + QLatin1Char(']');
  for (const QString& family : QFontDatabase::families()) {
    if (!vendor.isEmpty() && family.compare(withFoundry, Qt::CaseInsensitive) == 0)
      options->drawFamily = family;
  }
  return checkFileStyle(fontFile, bytes, families.size(), *fields, err);
}

// A style the file does not hold is drawn with a face of the same family that
// happens to be installed, or made from the file's face where none is: the
// output would depend on the machine again. Named on stderr; refused with --exact.
bool CommandLine::checkFileStyle(const QString& fontFile, const QByteArray& bytes,
                                 qsizetype families, const Fields& fields, QIODevice& err) const {
  const QRawFont face(bytes, 12);
  if (families != 1 || !face.isValid())
    return true;  // a collection: its first face says nothing of the others
  auto styleName = [](bool bold, bool italic) {
    if (bold) return italic ? QStringLiteral("bold italic") : QStringLiteral("bold");
    return italic ? QStringLiteral("italic") : QStringLiteral("regular");
  };
  const QString held =
      styleName(face.weight() >= QFont::DemiBold, face.style() != QFont::StyleNormal);
  const QString wanted = styleName(fields.bold, fields.italic);
  if (held == wanted) return true;
  const QString message = QStringLiteral(
                              "the font file %1 holds %2 %3, not %4: the %4 face installed on this "
                              "machine, or one made from the file, draws it")
                              .arg(fontFile, fields.fontName, held, wanted);
  reportError(err, message);
  return !options_.exact;
}

bool CommandLine::drawPreview(const Conversion& result, QByteArray* png, QIODevice& err) const {
  QString error;
  std::unique_ptr<MemoryFont> font = MemoryFont::build(result, &error);
  if (!font) {
    reportError(err, QStringLiteral("cannot draw the preview: %1").arg(error));
    return false;
  }
  const QImage picture = renderPreview(font->table(), sample_.isNull() ? defaultSample() : sample_,
                                       previewBackground_);
  QBuffer buffer(png);
  buffer.open(QIODevice::WriteOnly);
  if (picture.save(&buffer, "PNG")) return true;
  reportError(
      err, QStringLiteral("cannot write %1: this Qt cannot encode PNG pictures").arg(previewFile_));
  return false;
}

QString CommandLine::collision() const {
  auto file = [](const char* role, const QString& path) {
    return panetools::RunFile{role, QFile::encodeName(path).toStdString()};
  };
  std::vector<panetools::RunFile> inputs = {file("the template", templateFile_)};
  for (const QString& path : fontFiles_) inputs.push_back(file("the font file", path));
  for (const QString& path : symbolsFiles_) inputs.push_back(file("the symbols file", path));
  const std::string problem = panetools::outputCollision(
      inputs, {file("the output", outputFile_), file("the header", headerFile_),
               file("the preview", previewFile_), file("the binary font", binaryFile_)});
  return QFile::decodeName(QByteArray::fromStdString(problem));
}

int CommandLine::run(QIODevice& out, QIODevice& err) const {
  if (const QString problem = collision(); !problem.isEmpty()) {
    reportError(err, problem);
    return exitStatus(Outcome::Failed);
  }
  if (unicodeFont()) return runUnicode(out, err);
  QString templateText;
  if (!readTemplate(&templateText, err)) return exitStatus(Outcome::Failed);
  Fields fields = fields_;
  ConvertOptions options = options_;
  if (!fontFiles_.isEmpty() && !loadFontFile(fontFiles_.first(), &fields, &options, err))
    return exitStatus(Outcome::Failed);
  ImageCaptureBox box;
  const Conversion result = convertFont(box, fields, templateText, options);
  if (!result.ok) {
    reportError(err, result.message);
    return exitStatus(Outcome::Failed);
  }
  if (!result.note.isEmpty()) reportError(err, result.note);
  if (!result.warning.isEmpty()) reportError(err, QStringLiteral("warning: ") + result.warning);

  QByteArray png;
  if (!previewFile_.isEmpty() && !drawPreview(result, &png, err))
    return exitStatus(Outcome::Failed);
  if (!headerFile_.isEmpty()) {
    // The header declares the table for other sources: the source must define
    // it where they can link to it.
    const QString problem = tableDefinitionProblem(result.templatePart, result.tableName);
    if (!problem.isEmpty()) {
      reportError(
          err,
          QStringLiteral("the header would declare %1, but %2").arg(result.tableName, problem));
      return exitStatus(Outcome::Failed);
    }
  }

  // Every file is made complete beside its target before any is replaced, so
  // a failure leaves the old ones together.
  const QByteArray bytes = result.text.toUtf8();
  panetools::OutputFiles files;
  auto add = [&files](const QString& path, const QByteArray& content) {
    return path.isEmpty() ||
           files.add(QFile::encodeName(path).toStdString(), content.toStdString());
  };
  auto writeFailed = [&files, &err]() {
    reportError(err, QStringLiteral("cannot write %1: %2")
                         .arg(QFile::decodeName(QByteArray::fromStdString(files.path())),
                              QString::fromLocal8Bit(files.reason())));
    return exitStatus(Outcome::Failed);
  };
  if (!add(previewFile_, png) || !add(outputFile_, bytes) ||
      !add(headerFile_, headerFile_.isEmpty()
                            ? QByteArray()
                            : headerText(result.tableName, result.fields).toUtf8()))
    return writeFailed();
  if (outputFile_.isEmpty() && out.write(bytes) != bytes.size()) {
    reportError(err, QStringLiteral("cannot write the output: %1").arg(out.errorString()));
    return exitStatus(Outcome::Failed);
  }
  if (!files.commit()) return writeFailed();
  return exitStatus(Outcome::Done);
}

}  // namespace glyphcast
