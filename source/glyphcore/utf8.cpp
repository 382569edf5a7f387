// The multi-byte part of UTF-8 decoding.
#include "glyphcore/utf8.h"

namespace pane::text {

namespace {

struct LeadByte {
  int length;       // bytes of the whole sequence
  uint32_t bits;    // the lead byte's payload
  uint32_t lowest;  // smallest code point the length may carry: below it, an overlong form
};

// 0xC0, 0xC1 and 0xF5 to 0xFF only begin overlong forms or values above U+10FFFF;
// they are rejected by the bounds after decoding.
bool leadOf(uint8_t b, LeadByte& lead) {
  if ((b & 0xE0u) == 0xC0u) {
    lead = {2, b & 0x1Fu, 0x80u};
  } else if ((b & 0xF0u) == 0xE0u) {
    lead = {3, b & 0x0Fu, 0x800u};
  } else if ((b & 0xF8u) == 0xF0u) {
    lead = {4, b & 0x07u, 0x10000u};
  } else {
    return false;  // a continuation byte with no lead, or 0xF8 and above
  }
  return true;
}

}  // namespace

Decoded decodeMultibyte(const uint8_t* s) {
  LeadByte lead;
  if (!leadOf(s[0], lead)) return malformedAt(s);
  uint32_t code = lead.bits;
  for (int k = 1; k < lead.length; ++k) {
    // A byte that is not a continuation, the terminating 0 included, ends the
    // sequence early: it starts what follows.
    if (!isContinuation(s[k])) return {kReplacementCharacter, k};
    code = (code << 6) | (s[k] & 0x3Fu);
  }
  if (code < lead.lowest || code > 0x10FFFFu || (code >= 0xD800u && code <= 0xDFFFu))
    return malformedAt(s);
  return {code, lead.length};
}

}  // namespace pane::text
