// The output writer: turns a conversion's header, values and line ends into
// array text or a BIN file of 16-bit little-endian words.
#pragma once

#include "common/files.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

namespace pixport {

class OutputWriter {
 public:
  // Takes a finished piece of array text; returns an empty text when it was
  // written, else the reason it was not.
  using Sink = std::function<QString(const QByteArray& piece)>;

  // Array text, kept in memory for the clipboard.
  static OutputWriter arrayText();
  // Array text handed to sink in pieces as it grows, so that no more than a
  // small tail stays in memory, however large the conversion.
  static OutputWriter arrayText(Sink sink);
  // BIN file at path. The words go to a temporary file beside it, which
  // replaces path only when finish() succeeds.
  static OutputWriter binFile(const QString& path);

  OutputWriter(OutputWriter&&) = default;
  OutputWriter& operator=(OutputWriter&&) = default;
  ~OutputWriter();

  bool isArrayText() const { return !m_isBin; }

  // The five steps, in this order: start, optional size header, values and
  // line ends, finish. start() and finish() report failure with a reason.
  bool start(QString* error);
  void sizeHeader(qint32 w1, qint32 h1);
  void value(quint16 v);
  void lineEnd();
  bool finish(QString* error);

  // Drops a BIN file before finish(); the file at the target path stays as it was.
  void cancel();

  // A ready-made piece of array text (values each followed by ", ").
  void appendText(const QByteArray& piece);

  // Whether a write has failed since start(), and why.
  bool failed() const { return !m_failure.isEmpty(); }
  const QString& failure() const { return m_failure; }

  // The array text so far (what has not gone to a sink); empty text for a BIN file.
  const QByteArray& text() const { return m_text; }

 private:
  OutputWriter() = default;
  void writeWord(quint16 word);
  void flushPending();
  void passToSink(bool all);

  QByteArray m_text;
  bool m_isBin = false;
  QString m_binPath;
  Sink m_sink;
  QString m_failure;
  std::unique_ptr<panetools::OutputFile> m_file;  // open between start() and finish()
  QByteArray m_pending;                           // BIN words waiting to be written in one block
};

// Appends v in decimal followed by ", ", the array text of one value.
void appendValueText(QByteArray* text, quint16 v);

// The most bytes the array text of a w x h conversion can take, header and line
// ends included (every value at its longest).
qint64 arrayTextBound(qint64 width, qint64 height);

}  // namespace pixport
