// Text decorations of dispString: highlight bands, underline and
// strike-through lines, and the cursor bar. The per-character tests are
// inline, so that undecorated text pays no call for them.
#ifndef PANE_GLYPHCORE_TEXT_DECORATIONS_H
#define PANE_GLYPHCORE_TEXT_DECORATIONS_H

#include "glyphcore/text_frame.h"
#include "glyphcore/text_state.h"

namespace pane::text {

// Compared as unsigned numbers, so a negative start (no highlight) covers nothing.
inline bool inHighlight(int index) {
  const unsigned i = static_cast<unsigned>(index);
  return static_cast<unsigned>(textState.highlightStart) <= i &&
         i < static_cast<unsigned>(textState.highlightEnd);
}

// Decorations, drawn only into a non-null buffer and never outside it.
void drawHighlightBand(const TextFrame& f, int top, int firstColumn, int lastColumn);
void drawUnderlineAndStrikeThrough(const TextFrame& f, int top, int x, int length);
void drawCursorBar(const TextFrame& f, int column, int firstRow, int lastRow);

// The underline and the strike-through that are switched on, `length` pixels from x.
inline void drawCharacterLines(const TextFrame& f, int top, int x, int length) {
  if (textState.underline || textState.strikethrough)
    drawUnderlineAndStrikeThrough(f, top, x, length);
}

}  // namespace pane::text

#endif
