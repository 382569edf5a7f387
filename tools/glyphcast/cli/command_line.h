// The command-line mode: the window's fields as setters, one run() that writes
// the font source to standard output or a file and returns the exit status
// (common/outcome.h).
#pragma once

#include "glyphcast/core/code_points.h"
#include "glyphcast/core/converter.h"
#include "glyphcast/core/fields.h"
#include "glyphcast/core/preview.h"
#include "glyphcast/core/unicode_converter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>

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
  // Each call adds a font file: the fallback order of a Unicode font.
  void setFontFile(const QString& path) { fontFiles_ << path; }
  void setPreviewFile(const QString& path) { previewFile_ = path; }
  void setSample(const QString& sample) { sample_ = sample; }
  void setUnicode(bool unicode) { unicode_ = unicode; }
  void setBinaryFile(const QString& path) { binaryFile_ = path; }
  // false with *error when the text is not a range list (see addRanges).
  bool addRanges(const QString& text, QString* error);
  void addSymbolsFile(const QString& path) { symbolsFiles_ << path; }
  // false with *error unless the text is 1, 2 or 4.
  bool setBitsPerPixel(const QString& text, QString* error);
  // false with *error unless the text is an RGB15 value (parseRgb15).
  bool setPreviewBackground(const QString& text, QString* error);

  // Whether the run makes a Unicode font (--unicode or --binary).
  bool unicodeFont() const { return unicode_ || !binaryFile_.isEmpty(); }
  // Why the options given do not go together; empty when they do.
  QString combinationProblem() const;

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
  bool loadFontFile(const QString& path, Fields* fields, ConvertOptions* options,
                    QIODevice& err) const;
  bool checkFileStyle(const QString& path, const QByteArray& bytes, qsizetype families,
                      const Fields& fields, QIODevice& err) const;
  int runUnicode(QIODevice& out, QIODevice& err) const;
  bool readCodePoints(CodePoints* points, QIODevice& err) const;
  bool drawPreview(const Conversion& result, QByteArray* png, QIODevice& err) const;

  Fields fields_;
  ConvertOptions options_;
  QString templateFile_;
  QString outputFile_;
  QString headerFile_;
  QStringList fontFiles_;
  QString previewFile_;
  QString sample_;
  bool unicode_ = false;
  QString binaryFile_;
  bool rangesGiven_ = false;
  CodePoints ranges_;
  QStringList symbolsFiles_;
  int bitsPerPixel_ = 1;
  bool bitsPerPixelGiven_ = false;
  std::uint16_t previewBackground_ = kPreviewBackground;
};

// Largest template and font file read: far beyond any real one, small enough
// that an endless input is refused quickly.
constexpr qint64 kMaxTemplateBytes = qint64(64) << 20;
constexpr qint64 kMaxFontFileBytes = qint64(256) << 20;

// Reads the whole of path, at most maxBytes; what names the input in the message
// written to err on failure.
bool readInput(const QString& path, qint64 maxBytes, const QString& what, QByteArray* bytes,
               QIODevice& err);

// Writes "glyphcast: " + message and a line end to err.
void reportError(QIODevice& err, const QString& message);

}  // namespace glyphcast
