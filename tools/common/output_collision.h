// The check every run makes before it writes: no output is one of its inputs or
// another of its outputs, however the paths are spelled.
#pragma once

#include <string>
#include <vector>

namespace panetools {

// A file a run reads or writes, with the role its messages give it ("the input
// picture", "the header"). An empty path is an option not given.
struct RunFile {
  std::string role;
  std::string path;
};

// The first output that is the same file as an input or as an output before it,
// as "<role> <path> is <other role>", the other's path added where it is spelled
// differently ("the output a.png is the input picture ./q.png"); empty when there
// is none. Sameness is the file's identity: its device and inode when it exists
// (so a hard link or a symbolic link is the file it names), else its absolute path
// with every link resolved. Standard input and output never collide: an input "-",
// and an output the tool writes to standard output (left out of outputs). Nor do
// paths that are not regular files (devices, pipes: nothing there is lost by writing).
std::string outputCollision(const std::vector<RunFile>& inputs,
                            const std::vector<RunFile>& outputs);

}  // namespace panetools
