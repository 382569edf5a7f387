// The C++ runtime hooks a DS program needs without libstdc++: allocation on
// the C heap, and the ABI functions that static objects and pure virtual calls
// reach. Exceptions do not exist here, so allocation failure stops the program.
#include <stdlib.h>

#include "nds_runtime.h"

namespace std {
struct nothrow_t;
}

namespace {

// Nothing sensible can follow a failed allocation that may not return null;
// the program halts where a debugger can see it.
[[noreturn]] void halt() {
  for (;;) swiWaitForVBlank();
}

void* allocateOrHalt(size_t size) {
  void* block = malloc(size == 0 ? 1 : size);
  if (block == nullptr) halt();
  return block;
}

}  // namespace

void* operator new(size_t size) { return allocateOrHalt(size); }
void* operator new[](size_t size) { return allocateOrHalt(size); }
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  return malloc(size == 0 ? 1 : size);
}
void* operator new[](size_t size, const std::nothrow_t&) noexcept {
  return malloc(size == 0 ? 1 : size);
}

void operator delete(void* block) noexcept { free(block); }
void operator delete[](void* block) noexcept { free(block); }
void operator delete(void* block, size_t) noexcept { free(block); }
void operator delete[](void* block, size_t) noexcept { free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { free(block); }

extern "C" {

// Identifies this program to __cxa_atexit.
void* __dso_handle = &__dso_handle;

// Destructors of static objects would run at exit, which never comes.
int __cxa_atexit(void (*)(void*), void*, void*) { return 0; }
int __aeabi_atexit(void*, void (*)(void*), void*) { return 0; }

// One thread: a function-local static is initialised by the first caller.
// The ARM ABI guard is a 32-bit word whose bit 0 marks completion.
int __cxa_guard_acquire(int* guard) { return (*guard & 1) == 0; }
void __cxa_guard_release(int* guard) { *guard = 1; }
void __cxa_guard_abort(int*) {}

[[noreturn]] void __cxa_pure_virtual() { halt(); }
[[noreturn]] void __cxa_deleted_virtual() { halt(); }

}  // extern "C"
