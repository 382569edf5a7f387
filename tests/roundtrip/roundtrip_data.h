// What the round-trip tests see of the tools' compiled output.
#ifndef ROUNDTRIP_DATA_H
#define ROUNDTRIP_DATA_H

#include <libpane.h>
#include <nds.h>

#include "font_probe.h"

// glyphcast's font, compiled once as C and once as C++.
extern "C" uint16* font_liberation_sans_12[];
extern uint16* cxx_font_liberation_sans_12[];
extern "C" const FontProbe c_font_probe[FONT_PROBE_COUNT];
extern "C" const FontProbe cxx_font_probe[FONT_PROBE_COUNT];

// pixport's plain record of the test picture and palsqueeze's compression of it.
extern "C" uint16 roundtrip_plain[];
extern "C" uint16 roundtrip_packed[];
extern "C" const unsigned roundtrip_plain_words;
extern "C" const unsigned roundtrip_packed_words;

#endif
