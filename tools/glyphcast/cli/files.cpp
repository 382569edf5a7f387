// Bounded reads and all-or-nothing writes with POSIX calls, so that every
// failure carries errno and its strerror text.
#include "glyphcast/cli/files.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace glyphcast {

namespace {

QString reason(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports the error of close (a late write error on some file systems).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

mode_t currentUmask() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

QString kindOf(mode_t mode) {
    if (S_ISDIR(mode))
        return QStringLiteral("a directory");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("a device");
    if (S_ISSOCK(mode))
        return QStringLiteral("a socket");
    return QString();
}

}  // namespace

bool writeAll(int fd, const QByteArray& bytes) {
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

bool readInputFile(const QString& path, qint64 maxBytes, const QString& what, QByteArray* bytes, QString* error) {
    auto fail = [&](const QString& why) {
        *error = QStringLiteral("cannot read %1 %2: %3").arg(what, path, why);
        return false;
    };
    // Opening a FIFO for reading waits for a writer, as a shell's <(...) has; a
    // device is refused by its kind before it is opened.
    struct stat info;
    if (::stat(native(path).constData(), &info) != 0)
        return fail(reason(errno));
    const QString kind = kindOf(info.st_mode);
    if (!kind.isEmpty())
        return fail(QStringLiteral("it is %1, not a file").arg(kind));
    if (S_ISREG(info.st_mode) && info.st_size > maxBytes)
        return fail(QStringLiteral("it is larger than %1 MB").arg(maxBytes >> 20));
    Descriptor fd(::open(native(path).constData(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return fail(reason(errno));
    bytes->clear();
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return fail(reason(errno));
        }
        if (got == 0)
            return true;
        if (bytes->size() + got > maxBytes) {
            bytes->clear();
            return fail(QStringLiteral("it is larger than %1 MB").arg(maxBytes >> 20));
        }
        bytes->append(chunk, static_cast<qsizetype>(got));
    }
}

OutputFiles::~OutputFiles() {
    for (const Pending& file : pending_) {
        if (!file.temp.isEmpty())
            ::unlink(file.temp.constData());
    }
}

bool OutputFiles::add(const QString& path, const QByteArray& bytes, QString* error) {
    auto fail = [&](int code) {
        *error = QStringLiteral("cannot write %1: %2").arg(path, reason(code));
        return false;
    };
    // A link is followed, so that the file it names is replaced and the link stays.
    const QString resolved = QFileInfo(path).isSymLink() && QFileInfo(path).exists()
                                 ? QFileInfo(path).canonicalFilePath()
                                 : path;
    Pending file;
    file.path = path;
    file.target = native(resolved);
    struct stat info;
    const bool exists = ::stat(file.target.constData(), &info) == 0;
    if (exists && S_ISDIR(info.st_mode)) {
        *error = QStringLiteral("cannot write %1: it is a directory").arg(path);
        return false;
    }
    if (exists && !S_ISREG(info.st_mode)) {
        // A device or pipe: there is no file to keep, so it is written straight
        // to, when every file is ready.
        file.bytes = bytes;
        pending_.push_back(std::move(file));
        return true;
    }
    QByteArray temp = file.target + ".XXXXXX";
    Descriptor fd(::mkstemp(temp.data()));
    if (fd.get() < 0)
        return fail(errno);
    file.temp = temp;
    pending_.push_back(file);  // removed again unless committed
    const mode_t mode = exists ? (info.st_mode & 07777) : 0666 & ~currentUmask();
    if (::fchmod(fd.get(), mode) != 0 || !writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0)
        return fail(errno);
    if (!fd.close())
        return fail(errno);
    return true;
}

bool OutputFiles::commit(QString* error) {
    for (const Pending& file : pending_) {
        if (!file.temp.isEmpty())
            continue;
        Descriptor fd(::open(file.target.constData(), O_WRONLY | O_CLOEXEC));
        if (fd.get() < 0 || !writeAll(fd.get(), file.bytes) || !fd.close()) {
            *error = QStringLiteral("cannot write %1: %2").arg(file.path, reason(errno));
            return false;
        }
    }
    for (Pending& file : pending_) {
        if (file.temp.isEmpty())
            continue;
        if (::rename(file.temp.constData(), file.target.constData()) != 0) {
            *error = QStringLiteral("cannot write %1: %2").arg(file.path, reason(errno));
            return false;
        }
        file.temp.clear();
    }
    return true;
}

bool writeOutputFile(const QString& path, const QByteArray& bytes, QString* error) {
    OutputFiles files;
    return files.add(path, bytes, error) && files.commit(error);
}

}  // namespace glyphcast
