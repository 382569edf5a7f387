// Files the command line reads and writes: inputs are refused before they are
// read when they cannot be what they are named for (a directory, a device, more
// bytes than any such input holds); outputs replace a file only once complete.
// Failures are reported with the system's reason.
#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace glyphcast {

// Reads the whole of path, refusing a directory, a device or socket, and any
// input longer than maxBytes (an endless pipe stops being read there). what names
// the input in messages, e.g. "the template". False with *error on failure.
bool readInputFile(const QString& path, qint64 maxBytes, const QString& what, QByteArray* bytes, QString* error);

// Writes bytes to path. A regular file (or a new one) is written beside the
// target and renamed over it only when complete, so a failed write leaves the
// old file as it was; a device or pipe (/dev/stdout) is written directly.
// False with *error ("cannot write PATH: reason") on failure.
bool writeOutputFile(const QString& path, const QByteArray& bytes, QString* error);

// Several outputs written all or nothing: add() writes each regular file beside
// its target; commit() writes the devices and pipes among them, then renames
// every file over its target. Files not committed are removed. A link is
// followed, so that the file it names is replaced and the link stays. False with
// *error ("cannot write PATH: reason") on failure.
class OutputFiles {
public:
    OutputFiles() = default;
    ~OutputFiles();
    OutputFiles(const OutputFiles&) = delete;
    OutputFiles& operator=(const OutputFiles&) = delete;

    bool add(const QString& path, const QByteArray& bytes, QString* error);
    bool commit(QString* error);

private:
    struct Pending {
        QString path;
        QByteArray target;
        QByteArray temp;   // empty for a device or pipe, and once renamed
        QByteArray bytes;  // what a device or pipe gets
    };
    std::vector<Pending> pending_;
};

// Writes all of bytes to an open file descriptor; false with errno set on failure.
bool writeAll(int fd, const QByteArray& bytes);

}  // namespace glyphcast
