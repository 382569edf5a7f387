// malloc wrapper for the heap watch: counts and optionally refuses requests
// of a whole buffer or more.
#include "heap_watch.h"

#include <cstddef>

extern "C" void* __real_malloc(size_t size);

namespace {
unsigned requests;
bool refusing;
}  // namespace

extern "C" void* __wrap_malloc(size_t size) {
  if (size >= pane_test::kBufferBlockBytes) {
    ++requests;
    if (refusing) return nullptr;
  }
  return __real_malloc(size);
}

namespace pane_test {

unsigned bufferBlockRequests() { return requests; }
RefuseBufferBlocks::RefuseBufferBlocks() { refusing = true; }
RefuseBufferBlocks::~RefuseBufferBlocks() { refusing = false; }

}  // namespace pane_test
