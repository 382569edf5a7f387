// POSIX reading and writing for the tools' command lines.
#include "common/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace panetools {

namespace {

constexpr std::size_t kChunk = 1u << 16;

std::string errnoText(int error) {
  return error == 0 ? std::string("the write failed") : std::string(std::strerror(error));
}

bool isDevice(const struct stat& info) { return S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode); }

std::string tooLarge(std::size_t limit) { return "it is larger than " + sizeText(limit); }

// Reads fd up to limit + 1 bytes; more than limit is refused.
bool readDescriptor(int fd, std::string* bytes, std::string* reason, std::size_t limit) {
  bytes->clear();
  std::vector<char> chunk(kChunk);
  while (true) {
    const ssize_t n = ::read(fd, chunk.data(), chunk.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      *reason = errnoText(errno);
      return false;
    }
    if (n == 0) return true;
    if (bytes->size() + static_cast<std::size_t>(n) > limit) {
      bytes->clear();
      *reason = tooLarge(limit);
      return false;
    }
    bytes->append(chunk.data(), static_cast<std::size_t>(n));
  }
}

}  // namespace

std::string sizeText(std::size_t bytes) {
  if (bytes % (1024u * 1024u) == 0) return std::to_string(bytes / (1024u * 1024u)) + " MB";
  return std::to_string(bytes) + " bytes";
}

bool readWhole(const std::string& path, std::string* bytes, std::string* reason,
               std::size_t limit) {
  if (path == "-") return readDescriptor(STDIN_FILENO, bytes, reason, limit);
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    *reason = errnoText(errno);
    return false;
  }
  if (S_ISDIR(info.st_mode) || isDevice(info) || S_ISSOCK(info.st_mode)) {
    *reason = S_ISDIR(info.st_mode) ? "it is a directory, not a file"
              : isDevice(info)      ? "it is a device, not a file"
                                    : "it is a socket, not a file";
    return false;
  }
  if (S_ISREG(info.st_mode) && static_cast<unsigned long long>(info.st_size) > limit) {
    *reason = tooLarge(limit);
    return false;
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    *reason = errnoText(errno);
    return false;
  }
  const bool read = readDescriptor(fd, bytes, reason, limit);
  ::close(fd);
  return read;
}

OutputFile::OutputFile(std::string path) : path_(std::move(path)) {}

OutputFile::~OutputFile() { discard(); }

bool OutputFile::failWithErrno() {
  const int error = errno;
  reason_ = errnoText(error);
  failed_ = true;
  return false;
}

bool OutputFile::open() {
  discard();
  failed_ = false;
  reason_.clear();
  // Through a symbolic link, the file it names is replaced, not the link.
  struct stat link {};
  if (::lstat(path_.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
    if (char* named = ::realpath(path_.c_str(), nullptr)) {
      path_ = named;
      std::free(named);
    }
  }
  struct stat info {};
  const bool exists = ::stat(path_.c_str(), &info) == 0;
  if (exists && S_ISDIR(info.st_mode)) {
    reason_ = "it is a directory";
    failed_ = true;
    return false;
  }
  if (exists && !S_ISREG(info.st_mode)) {
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CLOEXEC);
    return fd_ >= 0 || failWithErrno();
  }
  // Past the file size limit a write kills the process (SIGXFSZ) and leaves the
  // temporary file behind; ignored, the write fails with EFBIG and it is removed.
  static const bool sizeSignalIgnored = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
  (void)sizeSignalIgnored;
  std::string pattern = path_ + ".XXXXXX";
  fd_ = ::mkstemp(pattern.data());
  if (fd_ < 0) return failWithErrno();
  temporary_ = pattern;
  // mkstemp makes the file private; give it the target's mode, or the usual one.
  mode_t mode = 0;
  if (exists) {
    mode = info.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }
  if (::fchmod(fd_, mode) != 0) return failWithErrno();
  return true;
}

bool OutputFile::write(const char* data, std::size_t size) {
  if (failed_ || fd_ < 0) {
    if (!failed_) {
      reason_ = "the file is not open";
      failed_ = true;
    }
    return false;
  }
  while (size > 0) {
    errno = 0;
    const ssize_t n = ::write(fd_, data, size);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return failWithErrno();
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

bool OutputFile::finish() {
  if (failed_ || fd_ < 0) {
    write(nullptr, 0);  // sets the reason when the file was never opened
    discard();
    return false;
  }
  const int fd = fd_;
  fd_ = -1;
  // A temporary file is on disk before it replaces the target; close reports a
  // late write error on some file systems.
  const bool synced = temporary_.empty() || ::fsync(fd) == 0;
  const int syncError = errno;
  const bool closed = ::close(fd) == 0;
  if (!synced || !closed) {
    if (!synced) errno = syncError;
    failWithErrno();
    discard();
    return false;
  }
  return true;
}

bool OutputFile::replace() {
  if (failed_) return false;
  if (!temporary_.empty() && ::rename(temporary_.c_str(), path_.c_str()) != 0) {
    failWithErrno();
    discard();
    return false;
  }
  temporary_.clear();
  return true;
}

void OutputFile::discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temporary_.empty()) ::unlink(temporary_.c_str());
  temporary_.clear();
}

bool writeStream(std::FILE* stream, const char* data, std::size_t size, std::string* reason) {
  errno = 0;
  if (std::fwrite(data, 1, size, stream) == size && std::fflush(stream) == 0) return true;
  *reason = errnoText(errno);
  return false;
}

bool OutputFiles::fail(const Output& output) {
  failed_ = true;
  failedPath_ = output.path;
  reason_ = output.file->reason();
  return false;
}

OutputFile* OutputFiles::open(const std::string& path) {
  if (failed_) return nullptr;
  outputs_.push_back(Output{path, std::make_unique<OutputFile>(path), std::string()});
  return outputs_.back().file->open() ? outputs_.back().file.get()
                                      : (fail(outputs_.back()), nullptr);
}

bool OutputFiles::add(const std::string& path, std::string bytes) {
  OutputFile* file = open(path);
  if (file == nullptr) return false;
  if (file->direct()) {
    outputs_.back().deferred = std::move(bytes);
    return true;
  }
  return (file->write(bytes.data(), bytes.size()) && file->finish()) || fail(outputs_.back());
}

bool OutputFiles::commit() {
  if (failed_) return false;
  // Every file complete on disk, then the devices and pipes written, then the
  // files put in place.
  for (Output& output : outputs_) {
    OutputFile& file = *output.file;
    if (!file.direct() && file.isOpen() && !file.finish()) return fail(output);
  }
  for (Output& output : outputs_) {
    OutputFile& file = *output.file;
    if (file.direct() &&
        !(file.write(output.deferred.data(), output.deferred.size()) && file.finish()))
      return fail(output);
  }
  for (Output& output : outputs_) {
    if (!output.file->replace()) return fail(output);
  }
  return true;
}

}  // namespace panetools
