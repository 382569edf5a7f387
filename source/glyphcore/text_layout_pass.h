// The layout pass of dispString, which marks the spaces where lines wrap, and
// the restoration of those marks.
#ifndef PANE_GLYPHCORE_TEXT_LAYOUT_PASS_H
#define PANE_GLYPHCORE_TEXT_LAYOUT_PASS_H

#include <stdint.h>

#include "glyphcore/text_frame.h"

namespace pane::text {

// Outcome of the layout pass: the index it ended at (wrap marks lie at or
// before it) and, when the callback stopped the string, the block height.
struct LayoutOutcome {
  bool stopped;
  int end;
  int height;
};

LayoutOutcome runLayoutPass(const TextFrame& f);

// Turns wrap marks from index `from` up to `to` inclusive back into spaces,
// stopping at the string's end.
void restoreWrapMarks(uint8_t* str, int from, int to);

}  // namespace pane::text

#endif
