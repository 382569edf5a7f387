/* The few system calls the C library needs on the DS: the heap (_sbrk) and
 * the end of the program. There are no files, no processes and no clock. */
#include <errno.h>
#include <stddef.h>
#include <sys/types.h>

#include "nds_runtime.h"

/* Bounds of the heap, from the linker script. */
extern char __heap_start[];
extern char __heap_end[];

volatile u32 ndsVBlankCount;

static char* heapTop;

/* Moves the top of the heap; fails with ENOMEM rather than run into the end
 * of main RAM. */
void* _sbrk(ptrdiff_t increment) {
  if (heapTop == NULL) heapTop = __heap_start;
  if (increment > __heap_end - heapTop || increment < __heap_start - heapTop) {
    errno = ENOMEM;
    return (void*)-1;
  }
  char* previous = heapTop;
  heapTop += increment;
  return previous;
}

/* A DS program has nowhere to return to: it sleeps on vertical blanks. */
void _exit(int status) {
  (void)status;
  for (;;) swiWaitForVBlank();
}

int _kill(int pid, int signal) {
  (void)pid;
  (void)signal;
  errno = EINVAL;
  return -1;
}

int _getpid(void) { return 1; }
