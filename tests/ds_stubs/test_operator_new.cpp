// operator new for the ARM9 test executables: straight to the C heap, past any
// -Wl,--wrap=malloc. Tests wrap malloc to watch or refuse the library's own heap
// blocks; on the host libstdc++ is a shared library whose calls the wrap never
// sees, and this keeps the static ARM link the same (the library itself never
// uses operator new).
#include <cstdlib>
#include <new>

// Defined by the linker as malloc itself when the executable wraps malloc.
extern "C" void* __real_malloc(std::size_t size) __attribute__((weak));

void* operator new(std::size_t size) {
  if (size == 0) size = 1;
  for (;;) {
    void* block = __real_malloc != nullptr ? __real_malloc(size) : std::malloc(size);
    if (block != nullptr) return block;
    std::new_handler handler = std::get_new_handler();
    if (handler == nullptr) throw std::bad_alloc();
    handler();
  }
}
