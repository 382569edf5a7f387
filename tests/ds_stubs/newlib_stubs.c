/* System calls that newlib's semihosting runtime (rdimon) leaves undefined but that
 * GoogleTest and libstdc++ reference; each fails cleanly, as on a system without them. */
#include <errno.h>
#include <stddef.h>
#include <sys/stat.h>
#include <sys/types.h>

int getentropy(void* buffer, size_t length) {
  (void)buffer;
  (void)length;
  errno = ENOSYS;
  return -1;
}

int mkdir(const char* path, mode_t mode) {
  (void)path;
  (void)mode;
  errno = ENOSYS;
  return -1;
}
