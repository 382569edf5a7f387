/* The DS program's scene and the assets the installed tools made for it. */
#ifndef CONSUMER_SCENE_H
#define CONSUMER_SCENE_H

#include <libpane.h>

/* glyphcast's DejaVu Sans 9 (pixport's badge and palsqueeze's compression of it
 * come with their generated headers). */
#include "font_dejavu_sans_9.h"

#define SCENE_BADGE_TRANSPARENT 31775 /* the badge picture's magenta */
#define SCENE_BADGE_Y 48
#define SCENE_PLAIN_BADGE_X 16
#define SCENE_PACKED_BADGE_X 48
#define SCENE_TEXT_TOP 8
#define SCENE_TEXT_BOTTOM 40 /* the greeting stays above this row */
#define SCENE_BACKGROUND 0x2842

/* Sets up the main screen, draws one frame and shows it. */
void scene_show(void);

#endif
