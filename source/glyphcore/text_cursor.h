// The cursor's bookkeeping and the drawing-pass callback of dispString. The
// tests whether the cursor is shown and the callback set are inline, so that
// plain text pays no call for either per character.
#ifndef PANE_GLYPHCORE_TEXT_CURSOR_H
#define PANE_GLYPHCORE_TEXT_CURSOR_H

#include <stdint.h>

#include "glyphcore/text_frame.h"
#include "glyphcore/text_state.h"

namespace pane::text {

// The bookkeeping of a shown cursor.
void noteShownLineEnd(CursorSearch& search, int index, const Pen& pen);
void trackShownCursor(CursorSearch& search, const TextFrame& f, int index, int next,
                      const Pen& before, int nx, int ny, int h);
void finishShownCursor(CursorSearch& search, const TextFrame& f, int index, const Pen& pen);

// Copies what calculateNewXY needs and calls the set callback for the drawing
// pass; true when it asks to stop the string. charHeight is the character's
// height, breaks whether Unicode text breaks the line before it.
bool callDrawingCallback(const TextFrame& f, int index, uint32_t c, int charHeight, bool breaks,
                         const Pen& pen);

// At a line end or forced break, before the pen moves to the new line.
inline void noteLineEnd(CursorSearch& search, int index, const Pen& pen) {
  if (textState.cVis) noteShownLineEnd(search, index, pen);
}

// After character `index` was handled: `next` is the index of the character
// after it, `before` the pen it started at, (nx, ny) the pen after it and h
// the line height by then.
inline void trackCursor(CursorSearch& search, const TextFrame& f, int index, int next,
                        const Pen& before, int nx, int ny, int h) {
  if (textState.cVis) trackShownCursor(search, f, index, next, before, nx, ny, h);
}

// After the drawing pass, with the final index and pen.
inline void finishCursor(CursorSearch& search, const TextFrame& f, int index, const Pen& pen) {
  if (textState.cVis) finishShownCursor(search, f, index, pen);
}

inline bool drawingCallbackStops(const TextFrame& f, int index, uint32_t c, int charHeight,
                                 bool breaks, const Pen& pen) {
  if (!textState.callbackEnabled || textState.callbackFunction == nullptr) return false;
  return callDrawingCallback(f, index, c, charHeight, breaks, pen);
}

// The callback of the layout pass, which it sees only when it asked to.
inline bool layoutCallbackStops(int index, uint32_t c, int penX, int top) {
  if (!textState.twoPass || !textState.callbackEnabled || textState.callbackFunction == nullptr)
    return false;
  return textState.callbackFunction(index, c, 1, penX, top) == -1;
}

}  // namespace pane::text

#endif
