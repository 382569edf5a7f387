// UTF-8 decoding for the text of Unicode fonts. A malformed sequence (an
// overlong form, a surrogate, a value above U+10FFFF, a sequence cut short or
// a stray continuation byte) decodes as one U+FFFD, and decoding resumes at
// the next byte that can start a sequence. The terminating 0 is never a
// continuation byte, so nothing past it is read.
#ifndef PANE_GLYPHCORE_UTF8_H
#define PANE_GLYPHCORE_UTF8_H

#include <stdint.h>

namespace pane::text {

constexpr uint32_t kReplacementCharacter = 0xFFFD;

// One decoded character: its code point and the bytes it took.
struct Decoded {
  uint32_t code;
  int length;
};

inline bool isContinuation(uint8_t b) { return (b & 0xC0u) == 0x80u; }

// The bytes of a malformed sequence: its first byte and the continuation bytes after it.
inline Decoded malformedAt(const uint8_t* s) {
  int n = 1;
  while (isContinuation(s[n])) ++n;
  return {kReplacementCharacter, n};
}

Decoded decodeMultibyte(const uint8_t* s);

// ASCII, the common case, costs one compare.
inline Decoded decodeUtf8(const uint8_t* s) {
  if (s[0] < 0x80u) return {s[0], 1};
  return decodeMultibyte(s);
}

}  // namespace pane::text

#endif
