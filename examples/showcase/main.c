/* DS entry point of the showcase. */
#include "showcase.h"

int main(void) { return showcase_main(); }
