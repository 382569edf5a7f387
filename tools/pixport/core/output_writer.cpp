// Array text and BIN file output of a conversion.
#include "core/output_writer.h"

namespace pixport {

namespace {

constexpr qsizetype kPendingLimit = 64 * 1024;
const QByteArray kLineEnd = QByteArrayLiteral("\r\n\t");
// What finish() removes: the ", " after the last value and the last line end.
const QByteArray kLastValueTail = QByteArrayLiteral(", \r\n\t");

QString writeError(const QSaveFile& file)
{
    return QStringLiteral("Cannot write %1: %2").arg(file.fileName(), file.errorString());
}

} // namespace

void appendValueText(QByteArray* text, quint16 v)
{
    char digits[8];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + v % 10);
        v = static_cast<quint16>(v / 10);
    } while (v != 0);
    while (n > 0)
        text->append(digits[--n]);
    text->append(", ", 2);
}

OutputWriter OutputWriter::arrayText()
{
    return OutputWriter();
}

OutputWriter OutputWriter::binFile(const QString& path)
{
    OutputWriter writer;
    writer.m_isBin = true;
    writer.m_binPath = path;
    return writer;
}

OutputWriter::~OutputWriter()
{
    cancel();
}

bool OutputWriter::start(QString* error)
{
    cancel();
    m_text.clear();
    if (isArrayText()) {
        m_text = QByteArrayLiteral("{ ");
        return true;
    }
    m_file = std::make_unique<QSaveFile>(m_binPath);
    if (!m_file->open(QIODevice::WriteOnly)) {
        *error = writeError(*m_file);
        m_file.reset();
        return false;
    }
    return true;
}

void OutputWriter::sizeHeader(qint32 w1, qint32 h1)
{
    if (isArrayText()) {
        m_text += QByteArray::number(w1) + ", " + QByteArray::number(h1) + ", //width, height" + kLineEnd;
        return;
    }
    // Signed 16-bit in the file; callers keep sizes within 1 to 32768.
    writeWord(static_cast<quint16>(static_cast<qint16>(w1)));
    writeWord(static_cast<quint16>(static_cast<qint16>(h1)));
}

void OutputWriter::value(quint16 v)
{
    if (isArrayText())
        appendValueText(&m_text, v);
    else
        writeWord(v);
}

void OutputWriter::lineEnd()
{
    if (isArrayText())
        m_text += kLineEnd;
}

bool OutputWriter::finish(QString* error)
{
    if (isArrayText()) {
        if (m_text.endsWith(kLastValueTail))
            m_text.chop(kLastValueTail.size());
        m_text += "};";
        return true;
    }
    if (!m_file) {
        *error = QStringLiteral("Cannot write %1: the file was not opened").arg(m_binPath);
        return false;
    }
    flushPending();
    // commit() fails on any earlier failed write and then leaves the target as it was.
    const bool written = m_file->commit();
    if (!written)
        *error = writeError(*m_file);
    m_file.reset();
    return written;
}

void OutputWriter::cancel()
{
    // Destroying an uncommitted QSaveFile removes its temporary file.
    m_file.reset();
    m_pending.clear();
}

void OutputWriter::writeWord(quint16 word)
{
    m_pending.append(static_cast<char>(word & 0xFF));
    m_pending.append(static_cast<char>(word >> 8));
    if (m_pending.size() >= kPendingLimit)
        flushPending();
}

void OutputWriter::flushPending()
{
    if (m_file && !m_pending.isEmpty())
        m_file->write(m_pending);
    m_pending.clear();
}

} // namespace pixport
