// pixport on the command line: converts a picture file to array text on standard
// output, to a text file or to a BIN file, with the window's settings as options.
#pragma once

#include "core/picture.h"
#include "core/settings.h"

#include <QString>
#include <QStringList>

#include <cstdio>
#include <optional>

namespace panetools {
class OutputFiles;
}

namespace pixport {

class CommandLine {
 public:
  void setImagePath(const QString& path) { m_imagePath = path; }
  void setFixedSize(SizeOption size) { m_size = size; }
  void setCustomSize(const QString& width, const QString& height);
  void setTileOrder(bool tiles) { m_tileOrder = tiles; }
  void setSizeHeader(bool header) { m_sizeHeader = header; }
  void setBinPath(const QString& path) { m_binPath = path; }
  void setOutputPath(const QString& path) { m_outputPath = path; }
  void setWholePicture() { m_wholePicture = true; }
  void setName(const QString& name) { m_name = name; }
  void setHeaderPath(const QString& path) { m_headerPath = path; }
  void setTransparent(qint32 value) { m_transparent = value; }
  void setStreams(FILE* out, FILE* err) {
    m_out = out;
    m_err = err;
  }

  // Converts and writes; returns the exit status: 0, or 2 after a message on
  // the error stream with nothing written.
  int run();

 private:
  bool fail(const QString& message);
  bool choose(Settings* settings);
  bool convertToText(const Picture& picture, const Settings& settings,
                     panetools::OutputFiles* files);

  QString m_imagePath;
  SizeOption m_size = SizeOption::Size16;
  QString m_customWidth;
  QString m_customHeight;
  std::optional<bool> m_tileOrder;  // unset: tiles for fixed sizes, rows for custom
  bool m_sizeHeader = true;         // honoured with a custom size only
  QString m_binPath;
  QString m_outputPath;
  bool m_wholePicture = false;  // --size picture: the loaded picture's own size
  QString m_name;               // C source of uint16 m_name[] when set
  QString m_headerPath;
  qint32 m_transparent = -1;
  FILE* m_out = stdout;
  FILE* m_err = stderr;
};

enum class ParseResult { Run, Help, Version, Error };

// Fills cl from the arguments after the program name; on Error, *error says why.
ParseResult parseArguments(const QStringList& arguments, CommandLine* cl, QString* error);

// The --help text.
QString usageText();

// The value of a --transparent option: an RGB15 value (0 to 32767, decimal or
// 0x hexadecimal) or a colour as #RRGGBB; -1 for anything else.
qint32 readTransparent(const QString& text);

// The whole command-line mode: parse, then run or explain. Returns the exit status.
int runCommandLine(const QStringList& arguments, FILE* out = stdout, FILE* err = stderr);

}  // namespace pixport
