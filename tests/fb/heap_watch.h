// Watches the heap blocks of a whole buffer (128 KB and more) that the
// library asks malloc for, and can refuse them. Executables using it link
// with -Wl,--wrap=malloc.
#ifndef PANE_TEST_HEAP_WATCH_H
#define PANE_TEST_HEAP_WATCH_H

namespace pane_test {

constexpr unsigned kBufferBlockBytes = 131072;

// Buffer-sized malloc calls since the process started (refused ones included).
unsigned bufferBlockRequests();

// While alive, buffer-sized malloc calls return null.
class RefuseBufferBlocks {
 public:
  RefuseBufferBlocks();
  ~RefuseBufferBlocks();
  RefuseBufferBlocks(const RefuseBufferBlocks&) = delete;
  RefuseBufferBlocks& operator=(const RefuseBufferBlocks&) = delete;
};

}  // namespace pane_test

#endif
