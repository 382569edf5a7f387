/* glyphcast's font source compiled as C, exactly as the tool wrote it. */
#include "font_liberation_sans_12.c"

#include "font_probe.h"

FONT_PROBE_DEFINE(c_font_probe)
