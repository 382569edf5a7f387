// Array text and BIN file output of a conversion.
#include "core/output_writer.h"

namespace pixport {

namespace {

constexpr qsizetype kPendingLimit = 64 * 1024;
const QByteArray kLineEnd = QByteArrayLiteral("\r\n\t");
// What finish() removes: the ", " after the last value and the last line end.
const QByteArray kLastValueTail = QByteArrayLiteral(", \r\n\t");

QString writeError(const QString& path, const std::string& reason) {
  return QStringLiteral("Cannot write %1: %2").arg(path, QString::fromLocal8Bit(reason.c_str()));
}

}  // namespace

void appendValueText(QByteArray* text, quint16 v) {
  char digits[8];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + v % 10);
    v = static_cast<quint16>(v / 10);
  } while (v != 0);
  while (n > 0) text->append(digits[--n]);
  text->append(", ", 2);
}

qint64 arrayTextBound(qint64 width, qint64 height) {
  // "32767, " per value; a line end per row (or tile, never more lines than rows
  // of 8 values); the opening, the header line and the closing.
  return width * height * 7 + width * height / 8 * 3 + height * 3 + 64;
}

OutputWriter OutputWriter::arrayText() { return OutputWriter(); }

OutputWriter OutputWriter::arrayText(Sink sink) {
  OutputWriter writer;
  writer.m_sink = std::move(sink);
  return writer;
}

OutputWriter OutputWriter::binFile(const QString& path) {
  OutputWriter writer;
  writer.m_isBin = true;
  writer.m_binPath = path;
  return writer;
}

OutputWriter::~OutputWriter() { cancel(); }

bool OutputWriter::start(QString* error) {
  cancel();
  m_text.clear();
  m_failure.clear();
  if (isArrayText()) {
    m_text = QByteArrayLiteral("{ ");
    return true;
  }
  m_file = std::make_unique<panetools::OutputFile>(m_binPath.toLocal8Bit().toStdString());
  if (!m_file->open()) {
    *error = writeError(m_binPath, m_file->reason());
    m_file.reset();
    return false;
  }
  return true;
}

void OutputWriter::sizeHeader(qint32 w1, qint32 h1) {
  if (isArrayText()) {
    m_text +=
        QByteArray::number(w1) + ", " + QByteArray::number(h1) + ", //width, height" + kLineEnd;
    return;
  }
  // Signed 16-bit in the file; callers keep sizes within 1 to 32768.
  writeWord(static_cast<quint16>(static_cast<qint16>(w1)));
  writeWord(static_cast<quint16>(static_cast<qint16>(h1)));
}

void OutputWriter::value(quint16 v) {
  if (isArrayText()) {
    appendValueText(&m_text, v);
    if (m_sink && m_text.size() >= kPendingLimit) passToSink(false);
  } else {
    writeWord(v);
  }
}

void OutputWriter::lineEnd() {
  if (isArrayText()) m_text += kLineEnd;
}

void OutputWriter::appendText(const QByteArray& piece) {
  m_text += piece;
  if (m_sink && m_text.size() >= kPendingLimit) passToSink(false);
}

bool OutputWriter::finish(QString* error) {
  if (isArrayText()) {
    if (m_text.endsWith(kLastValueTail)) m_text.chop(kLastValueTail.size());
    m_text += "};";
    if (m_sink) passToSink(true);
    if (failed()) *error = m_failure;
    return !failed();
  }
  if (!m_file) {
    *error = QStringLiteral("Cannot write %1: the file was not opened").arg(m_binPath);
    return false;
  }
  flushPending();
  // commit() fails on any earlier failed write and then leaves the target as it was.
  const bool written = m_file->commit();
  if (!written) *error = writeError(m_binPath, m_file->reason());
  m_file.reset();
  return written;
}

void OutputWriter::cancel() {
  // An uncommitted output file removes its temporary file.
  m_file.reset();
  m_pending.clear();
}

// Keeps the last few bytes back: finish() may still take the last value's ", "
// and the last line end off the end.
void OutputWriter::passToSink(bool all) {
  const qsizetype keep = all ? 0 : kLastValueTail.size();
  if (m_text.size() <= keep) return;
  if (!failed()) m_failure = m_sink(m_text.first(m_text.size() - keep));
  m_text.remove(0, m_text.size() - keep);
}

void OutputWriter::writeWord(quint16 word) {
  m_pending.append(static_cast<char>(word & 0xFF));
  m_pending.append(static_cast<char>(word >> 8));
  if (m_pending.size() >= kPendingLimit) flushPending();
}

void OutputWriter::flushPending() {
  const auto size = static_cast<std::size_t>(m_pending.size());
  if (m_file && size != 0 && !failed() && !m_file->write(m_pending.constData(), size))
    m_failure = writeError(m_binPath, m_file->reason());
  m_pending.clear();
}

}  // namespace pixport
