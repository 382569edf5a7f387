/* Included right after glyphcast's Liberation Sans 12 source (array prefix fl12):
 * a few glyph arrays by name, with their length in words as the compiler counted
 * it from the text, so the tests can hold each header against its pixel data. */
#ifndef ROUNDTRIP_FONT_PROBE_H
#define ROUNDTRIP_FONT_PROBE_H

#include <nds.h>

#ifdef __cplusplus
#define FONT_PROBE_LINKAGE extern "C"
#else
#define FONT_PROBE_LINKAGE
#endif

struct FontProbe {
  unsigned code;
  uint16* record;
  unsigned words;
};

#define FONT_PROBE_COUNT 8
#define FONT_PROBE_ENTRY(code, array) \
  { code, array, (unsigned)(sizeof(array) / sizeof((array)[0])) }

/* Defines the probe table `name`: a button picture, the space, the replacement
 * glyph, letters with and without descenders, and accented letters. */
#define FONT_PROBE_DEFINE(name)                                           \
  FONT_PROBE_LINKAGE const struct FontProbe name[FONT_PROBE_COUNT] = {    \
      FONT_PROBE_ENTRY(1, fl12_X001),   FONT_PROBE_ENTRY(32, fl12_A032),  \
      FONT_PROBE_ENTRY(63, fl12_A063),  FONT_PROBE_ENTRY(65, fl12_A065),  \
      FONT_PROBE_ENTRY(103, fl12_A103), FONT_PROBE_ENTRY(128, fl12_A128), \
      FONT_PROBE_ENTRY(201, fl12_A201), FONT_PROBE_ENTRY(255, fl12_A255)};

#endif
