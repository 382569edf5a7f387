// Where a line of Unicode text may break besides its spaces: between two CJK
// characters (Han, kana, Hangul syllables), but never before closing
// punctuation, which stays with the character before it.
#ifndef PANE_GLYPHCORE_CJK_BREAKS_H
#define PANE_GLYPHCORE_CJK_BREAKS_H

#include <stdint.h>

namespace pane::text {

// Whether a line may end after `before` and start again with `after`. Below
// U+2E80 neither side is CJK, which keeps Latin, Greek and Cyrillic text to
// one compare per character.
bool cjkBreakBetweenSlow(uint32_t before, uint32_t after);

inline bool cjkBreakBetween(uint32_t before, uint32_t after) {
  if (before < 0x2E80u || after < 0x2E80u) return false;
  return cjkBreakBetweenSlow(before, after);
}

}  // namespace pane::text

#endif
