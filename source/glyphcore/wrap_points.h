// The allocator behind the wrap-point list of getWrapPoints.
#ifndef PANE_GLYPHCORE_WRAP_POINTS_H
#define PANE_GLYPHCORE_WRAP_POINTS_H

#include <stddef.h>

namespace pane::text {

// realloc by default; the list is obtained (from null) and grown through it, so
// that a heap running dry can be simulated.
extern void* (*wrapListRealloc)(void* block, size_t bytes);

}  // namespace pane::text

#endif
