// Inputs read whole under a size cap and outputs written whole, each failure with
// the reason the system gives (its strerror text) or a plain description.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

namespace panetools {

// More than any sprite text or picture a DS program could hold: larger inputs are
// refused after reading at most this many bytes (and one more).
inline constexpr std::size_t kInputLimit = 64u * 1024u * 1024u;

// Reads the file at path whole, or standard input for "-". A directory or a
// device named as the input is refused without reading; so is a file, pipe or
// stream of more than limit bytes, after reading limit + 1 bytes at most. On
// failure returns false and sets *reason ("No such file or directory", "it is a
// directory", "it is a device, not a file", "it is larger than 64 MB").
bool readWhole(const std::string& path, std::string* bytes, std::string* reason,
               std::size_t limit = kInputLimit);

// "64 MB" for the limits above.
std::string sizeText(std::size_t bytes);

// An output file written whole: the bytes go to a temporary file beside the target,
// which replaces it at commit(). A target that exists and is not a regular file (a
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
  bool commit();
  void discard();

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

// Writes a whole file through OutputFile; on failure sets *reason.
bool writeWholeFile(const std::string& path, const std::string& bytes, std::string* reason);

}  // namespace panetools
