// The C++ half of the runtime check ROM: a static object with a constructor,
// new and delete, and a function-local static.
#include "runtime_check.h"

namespace {

struct Constructed {
  Constructed() : value(42) {}
  volatile int value;
};

Constructed constructed;

struct Counter {
  explicit Counter(int start) : value(start) {}
  int value;
};

int nextCount() {
  static Counter counter(10);
  return counter.value++;
}

}  // namespace

int runtimeCheckCxxConstructed(void) { return constructed.value == 42; }

int runtimeCheckNewDelete(void) {
  int* one = new int(7);
  int* many = new int[1000];
  many[999] = 3;
  const bool ok = one != nullptr && *one == 7 && many[999] == 3 && many != one;
  delete one;
  delete[] many;
  const int first = nextCount();
  const int second = nextCount();
  return ok && first == 10 && second == 11;
}
