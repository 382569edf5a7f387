// The output writer: turns a conversion's header, values and line ends into
// array text or a BIN file of 16-bit little-endian words.
#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

#include <memory>

namespace pixport {

class OutputWriter {
public:
    // Array text, kept in memory for the clipboard or a text file.
    static OutputWriter arrayText();
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
    void appendText(const QByteArray& piece) { m_text += piece; }

    // The array text so far; empty text for a BIN file.
    const QByteArray& text() const { return m_text; }

private:
    OutputWriter() = default;
    void writeWord(quint16 word);
    void flushPending();

    QByteArray m_text;
    bool m_isBin = false;
    QString m_binPath;
    std::unique_ptr<QSaveFile> m_file; // open between start() and finish()
    QByteArray m_pending; // BIN words waiting to be written in one block
};

// Appends v in decimal followed by ", ", the array text of one value.
void appendValueText(QByteArray* text, quint16 v);

} // namespace pixport
