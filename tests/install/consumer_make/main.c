/* The arrays the Makefile fragment generated, through their headers. */
#include <stdio.h>

#include "badge.h"
#include "badge_packed.h"
#include "badge_tiles.h"
#include "font_dejavu_sans_9.h"
#include "font_kana_9.h"

int main(void) {
  int ok = badge[0] == 15 && badge[1] == 15; /* a 16 x 16 sprite record */
  ok &= badge_tiles[0] == badge[2];          /* the same top-left pixel */
  ok &= badge_tiles[8] == badge[2 + 16];     /* tile rows are 8 pixels wide */
  ok &= font_dejavu_sans_9['A'] != 0;
  ok &= font_kana_9.glyphCount == 95 + 83 + 14 + 1; /* ASCII, kana, the buttons, U+FFFD */
  ok &= badge_packed[0] == 0xFFFF && badge_packed[1] == 15 && badge_packed[2] == 15;
  if (!ok) fprintf(stderr, "consumer_make: the generated arrays are not what the tools make\n");
  return ok ? 0 : 1;
}
