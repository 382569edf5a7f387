// The same font source compiled as C++. Its table is renamed so that it can sit
// beside the C copy in one program; everything else is the tool's text.
#define font_liberation_sans_12 cxx_font_liberation_sans_12
#include "font_liberation_sans_12.c"

#include "font_probe.h"

FONT_PROBE_DEFINE(cxx_font_probe)
