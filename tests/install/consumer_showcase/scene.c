/* A DS program written against <nds.h> and <libpane.h> only: a greeting in the
 * generated font, the badge as a plain and a compressed sprite, a dialog box. */
#include <nds.h>
#include <libpane.h>

#include "badge_packed.h"
#include "badge_plain.h"
#include "scene.h"

/* Text is laid out in place, so strings live in writable arrays. */
static char greeting[] = "Font by glyphcast, badges by pixport and palsqueeze.";
static char boxText[] = "Drawn with the installed libpane.";

void scene_show(void) {
  fb_init();
  fb_setBGColor(SCENE_BACKGROUND);
  fb_clear();
  setFont(font_dejavu_sans_9);
  setColor(0x7FFF);

  fb_setClipping(8, SCENE_TEXT_TOP, 247, SCENE_TEXT_BOTTOM);
  fb_enableClipping();
  fb_dispString(0, 0, greeting);
  fb_setDefaultClipping();

  fb_dispCustomSprite(SCENE_PLAIN_BADGE_X, SCENE_BADGE_Y, badge_plain, SCENE_BADGE_TRANSPARENT,
                      0xFFFF);
  fb_dispCustomSprite(SCENE_PACKED_BADGE_X, SCENE_BADGE_Y, badge_packed, SCENE_BADGE_TRANSPARENT,
                      0xFFFF);

  /* The box leaves the clipping rectangle on its interior: the text goes inside. */
  fb_setDialogBox(8, 112, 240, 56);
  fb_enableClipping();
  fb_dispString(4, 4, boxText);

  swiWaitForVBlank();
  fb_swapBuffers();
}
