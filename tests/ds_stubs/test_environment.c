/* The environment a test registration gives its tests on the host: programs under
 * qemu-arm with newlib's semihosting start with an empty environment, so the one
 * variable the library's tests read (where the source tree and its goldens are) is
 * set here before main. */
#include <stdlib.h>

void pane_test_environment(void) __attribute__((constructor));

void pane_test_environment(void) { setenv("PANE_SOURCE_DIR", PANE_TEST_SOURCE_DIR, 0); }
