// Inputs read whole under a size cap and outputs written whole, each failure with
// the reason the system gives (its strerror text) or a plain description.
#pragma once

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace panetools {

// More than any sprite text or picture a DS program could hold: larger inputs are
// refused after reading at most this many bytes (and one more).
inline constexpr std::size_t kInputLimit = 64u * 1024u * 1024u;

// Reads the file at path whole, or standard input for "-". A directory or a
// device named as the input is refused without reading; so is a file, pipe or
// stream of more than limit bytes, after reading limit + 1 bytes at most. On
// failure returns false and sets *reason ("No such file or directory", "it is a
// directory, not a file", "it is a device, not a file", "it is a socket, not a
// file", "it is larger than 64 MB").
bool readWhole(const std::string& path, std::string* bytes, std::string* reason,
               std::size_t limit = kInputLimit);

// "64 MB" for the limits above.
std::string sizeText(std::size_t bytes);

// An output file written whole: the bytes go to a temporary file beside the target,
// made complete on disk by finish() and put in its place by replace() (commit()
// does both). A target that exists and is not a regular file (a
// device such as /dev/null, a pipe) is written directly; a directory is refused;
// through a symbolic link the file it names is replaced.
// After the first failure every call returns false and reason() says why.
class OutputFile {
 public:
  explicit OutputFile(std::string path);
  ~OutputFile();  // an uncommitted temporary file is removed
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  bool open();
  bool write(const char* data, std::size_t size);
  bool finish();
  bool replace();
  bool commit() { return finish() && replace(); }
  void discard();

  // Whether the target is a device or pipe, written straight to.
  bool direct() const { return temporary_.empty(); }
  bool isOpen() const { return fd_ >= 0; }
  const std::string& path() const { return path_; }
  const std::string& reason() const { return reason_; }

 private:
  bool failWithErrno();

  std::string path_;
  std::string temporary_;  // empty when the target is written directly
  std::string reason_;
  int fd_ = -1;
  bool failed_ = false;
};

// Writes all of data to stream and flushes it; on failure sets *reason.
bool writeStream(std::FILE* stream, const char* data, std::size_t size, std::string* reason);

// Several outputs written all or nothing, as OutputFile writes one: each regular
// file is written beside its target, and commit() replaces the targets only when
// every file is complete, so a failure leaves the old files together. The bytes
// added for a device or pipe are written at commit(), before any file is replaced.
// After the first failure every call returns false; path() names the output that
// failed, as it was given, and reason() says why.
class OutputFiles {
 public:
  // Starts an output to be written in pieces; nullptr on failure.
  OutputFile* open(const std::string& path);
  // An output whose bytes are all known.
  bool add(const std::string& path, std::string bytes);
  bool commit();

  const std::string& path() const { return failedPath_; }
  const std::string& reason() const { return reason_; }

 private:
  struct Output {
    std::string path;
    std::unique_ptr<OutputFile> file;
    std::string deferred;  // what a device or pipe gets at commit()
  };
  bool fail(const Output& output);

  std::vector<Output> outputs_;  // uncommitted temporary files are removed with them
  std::string failedPath_;
  std::string reason_;
  bool failed_ = false;
};

}  // namespace panetools
