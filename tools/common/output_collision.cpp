// File identity by device and inode, or by resolved path for a file yet to be made.
#include "common/output_collision.h"

#include <sys/stat.h>

#include <filesystem>
#include <optional>
#include <system_error>

namespace panetools {

namespace {

namespace fs = std::filesystem;

// The absolute path with every link resolved, a chain of links that ends at no
// file included: two names of one file yet to be written agree.
std::string resolvedPath(const std::string& path) {
  std::error_code error;
  fs::path current = fs::absolute(path, error);
  for (int hops = 0; !error && hops < 40; ++hops) {  // 40: the system's own limit on links followed
    const fs::path canonical = fs::weakly_canonical(current, error);
    if (error) break;
    if (!fs::is_symlink(canonical, error)) return canonical.string();
    const fs::path target = fs::read_symlink(canonical, error);
    if (error) return canonical.string();
    current = target.is_absolute() ? target : canonical.parent_path() / target;
  }
  return current.lexically_normal().string();
}

// What makes two paths one file; none for a path that never collides. An input
// "-" is standard input; an output "-" that reaches this check is a file of that name.
std::optional<std::string> identity(const std::string& path, bool input) {
  if (path.empty() || (input && path == "-")) return std::nullopt;
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0) {
    if (!S_ISREG(status.st_mode)) return std::nullopt;
    return "inode " + std::to_string(status.st_dev) + ":" + std::to_string(status.st_ino);
  }
  return "path " + resolvedPath(path);
}

}  // namespace

std::string outputCollision(const std::vector<RunFile>& inputs,
                            const std::vector<RunFile>& outputs) {
  std::vector<std::pair<const RunFile*, std::string>>
      seen;  // inputs, then the outputs checked so far
  auto note = [&seen](const RunFile& file) {
    if (std::optional<std::string> key = identity(file.path, true)) seen.emplace_back(&file, *key);
  };
  for (const RunFile& input : inputs) note(input);
  for (const RunFile& output : outputs) {
    const std::optional<std::string> key = identity(output.path, false);
    if (!key) continue;
    for (const auto& [other, otherKey] : seen) {
      if (otherKey != *key) continue;
      std::string message = output.role + " " + output.path + " is " + other->role;
      if (other->path != output.path) message += " " + other->path;
      return message;
    }
    seen.emplace_back(&output, *key);
  }
  return std::string();
}

}  // namespace panetools
