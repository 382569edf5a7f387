// getWrapPoints: the line starts of a string laid out in a box, as a list on
// the C heap that belongs to the caller.
#include "glyphcore/wrap_points.h"

#include <libpane.h>
#include <stdlib.h>

#include "glyphcore/text_layout.h"
#include "glyphcore/text_state.h"
#include "glyphcore/unicode_lines.h"

namespace pane::text {

void* (*wrapListRealloc)(void* block, size_t bytes) = realloc;

namespace {

// Grows the list by one entry; on failure the list stays as it was.
bool appendPoint(int** pts, unsigned* count, int index) {
  void* grown = wrapListRealloc(*pts, (*count + 1) * sizeof(int));
  if (grown == nullptr) return false;
  *pts = static_cast<int*>(grown);
  (*pts)[(*count)++] = index;
  return true;
}

// Walks the string with the line-breaking rules and appends every line start.
// Each wrap mark lives only until the walk takes it as a line end, so the string
// is whole again when the walk ends, early or not. A list that cannot grow ends
// the walk with the lines found so far.
void collectLineStarts(uint8_t* str, LineBreaker& breaker, int** pts, unsigned* count) {
  int i = 0;
  while (str[i] != kEndOfString) {
    const int at = i;
    const uint8_t c = str[at];
    const bool lineEnd = breaker.take(c) == ByteEffect::LineEnd;
    // A byte 27 becomes a space only after settle(): should its line end run
    // past the limit, it starts the next line as itself, as in dispString.
    const Break b = breaker.settle(str, &i);
    if (c == kWrapMark) str[at] = kSpace;
    if (lineEnd && !appendPoint(pts, count, at + 1)) return;
    if (b == Break::AtSpace) continue;
    if (b == Break::BeforeByte && !appendPoint(pts, count, i)) return;
    ++i;
  }
}

// The line starts of Unicode text, line by line as the drawing pass finds them.
void collectUnicodeLineStarts(const uint8_t* str, const PaneFont* font, int startX, int lineStart,
                              int rightLimit, int** pts, unsigned* count) {
  int from = 0;
  int penX = startX;
  for (;;) {
    const LineEnd end = findLineEnd(font, str, from, penX, rightLimit);
    int next;
    if (end.kind == LineEndKind::Open) {
      if (str[end.at] == kEndOfString) return;
      next = end.at + 1;  // line-end codes are single bytes
    } else {
      next = end.kind == LineEndKind::AtSpace ? end.at + 1 : end.at;
    }
    // Every line holds at least one character; should one not, the list ends
    // rather than repeat a line start for ever.
    if (!appendPoint(pts, count, next) || next <= from) return;
    from = next;
    penX = lineStart;
  }
}

// *pts is always left null or pointing at a live list; with a font the list
// starts with 0. The count of points in it.
unsigned startList(int** pts, bool haveFont) {
  free(*pts);
  *pts = nullptr;
  unsigned count = 0;
  if (haveFont) appendPoint(pts, &count, 0);
  return count;
}

}  // namespace
}  // namespace pane::text

using namespace pane;
using namespace pane::text;

extern "C" {

// y, c_y and c_by are taken for symmetry with dispString: line starts do not
// depend on them. *pts is always left null or pointing at a live list.
unsigned getWrapPoints(int x, int y, const void* inStr, int c_x, int c_y, int c_bx, int c_by,
                       int** pts, uint16_t** FP) {
  (void)y;
  (void)c_y;
  (void)c_by;
  if (pts == nullptr) return 0;
  unsigned count = startList(pts, FP != nullptr);
  if (count == 0 || inStr == nullptr) return count;

  // The string is the caller's and must be writable: wrap marks come and go in it.
  uint8_t* str = static_cast<uint8_t*>(const_cast<void*>(inStr));
  LineBreaker breaker(FP, addSat(x, c_x), lineStartColumn(x, c_x, textState.border), c_bx);
  collectLineStarts(str, breaker, pts, &count);
  return count;
}

// Unicode text is only read: its line ends need no marks.
unsigned getUnicodeWrapPoints(int x, int y, const void* inStr, int c_x, int c_y, int c_bx, int c_by,
                              int** pts, const PaneFont* font) {
  (void)y;
  (void)c_y;
  (void)c_by;
  if (pts == nullptr) return 0;
  unsigned count = startList(pts, font != nullptr);
  if (count == 0 || inStr == nullptr) return count;
  collectUnicodeLineStarts(static_cast<const uint8_t*>(inStr), font, addSat(x, c_x),
                           lineStartColumn(x, c_x, textState.border), c_bx, pts, &count);
  return count;
}

}  // extern "C"
