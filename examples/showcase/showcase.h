/* What the showcase shares with whoever runs it: its generated assets and the
 * two marks it leaves for a watcher (a screenshot taker on a host, nothing on a DS). */
#ifndef SHOWCASE_H
#define SHOWCASE_H

#include <libpane.h>

/* Made at build time by glyphcast, pixport and palsqueeze. */
extern uint16* font_dejavu_sans_9[];
extern const PaneFont font_world_9;
extern const PaneFont font_world_9_smooth;
extern uint16 rocket_plain[];
extern uint16 rocket_packed[];

/* Set right before the vertical blank whose picture is worth keeping; a
 * watcher reads and clears it. Null when there is nothing to keep. */
extern const char* volatile showcase_snapshot;
/* Set once the tour is over; the program then idles on vertical blanks. */
extern volatile int showcase_finished;

int showcase_main(void);

#endif
