// Line breaking of Unicode text: where the line starting at a given byte ends.
// The drawing pass asks at every line start and getUnicodeWrapPoints walks
// the same answers, so measured and drawn lines agree. Nothing is written into
// the string: a line that wraps at a space consumes the space in place.
#ifndef PANE_GLYPHCORE_UNICODE_LINES_H
#define PANE_GLYPHCORE_UNICODE_LINES_H

#include <libpane.h>
#include <stdint.h>

namespace pane::text {

enum class LineEndKind {
  Open,      // the line ends at the line-end code or the string's end at `at`
  AtSpace,   // the space (or a tab after it) at `at` ends the line, as a wrap mark would
  BeforeAt,  // the character at `at` starts the next line
};

struct LineEnd {
  LineEndKind kind;
  int at;  // byte offset
};

// The end of the line whose first character is at byte `from` of str, the
// pen starting at penX, wrapping once the pen passes rightLimit. Breaks at the last space, or
// between two CJK characters, before the overflow; a line keeps at least its first character.
LineEnd findLineEnd(const PaneFont* font, const uint8_t* str, int from, int penX, int rightLimit);

}  // namespace pane::text

#endif
