// The command-line mode: the window's fields as setters, one run() that writes
// the font source to standard output or a file and returns the exit status
// (common/outcome.h).
#pragma once

#include "glyphcast/core/converter.h"
#include "glyphcast/core/fields.h"

#include <QByteArray>
#include <QString>

class QIODevice;

namespace glyphcast {

class CommandLine {
 public:
  void setFontName(const QString& name) { fields_.fontName = name; }
  void setSize(const QString& size) { fields_.size = size; }
  void setBold(bool bold) { fields_.bold = bold; }
  void setItalic(bool italic) { fields_.italic = italic; }
  void setWidthBias(const QString& bias) { fields_.widthBias = bias; }
  void setHeightBias(const QString& bias) { fields_.heightBias = bias; }
  void setLocX(const QString& x) { fields_.locX = x; }
  void setLocY(const QString& y) { fields_.locY = y; }
  void setUnderline(const QString& underline) { fields_.underline = underline; }
  void setTemplateFile(const QString& path) { templateFile_ = path; }
  void setOutputFile(const QString& path) { outputFile_ = path; }
  void setSmooth(bool smooth) { options_.smooth = smooth; }
  void setName(const QString& name) { options_.name = name; }
  void setExact(bool exact) { options_.exact = exact; }
  void setHeaderFile(const QString& path) { headerFile_ = path; }
  void setFontFile(const QString& path) { fontFile_ = path; }
  void setPreviewFile(const QString& path) { previewFile_ = path; }
  void setSample(const QString& sample) { sample_ = sample; }

  const Fields& fields() const { return fields_; }
  const ConvertOptions& options() const { return options_; }

  // Converts and writes the whole font source (UTF-8, CR LF) to out or to the
  // output file, and the header when asked; each file is replaced only once
  // complete. Messages go to err. Needs a QGuiApplication.
  int run(QIODevice& out, QIODevice& err) const;

  // Why an output would overwrite the font file, the template or another
  // output; empty when none does.
  QString collision() const;

 private:
  bool readTemplate(QString* text, QIODevice& err) const;
  bool loadFontFile(Fields* fields, ConvertOptions* options, QIODevice& err) const;
  bool checkFileStyle(const QByteArray& bytes, qsizetype families, const Fields& fields,
                      QIODevice& err) const;
  bool drawPreview(const Conversion& result, QByteArray* png, QIODevice& err) const;

  Fields fields_;
  ConvertOptions options_;
  QString templateFile_;
  QString outputFile_;
  QString headerFile_;
  QString fontFile_;
  QString previewFile_;
  QString sample_;
};

// Largest template and font file read: far beyond any real one, small enough
// that an endless input is refused quickly.
constexpr qint64 kMaxTemplateBytes = qint64(64) << 20;
constexpr qint64 kMaxFontFileBytes = qint64(256) << 20;

// Writes "glyphcast: " + message and a line end to err.
void reportError(QIODevice& err, const QString& message);

}  // namespace glyphcast
