/* Runs the scene on the host platform, checks what the upper screen shows and
 * keeps a screenshot of both screens. */
#include <nds/host.h>

#include <stdio.h>

#include "font_kana_9.h"
#include "scene.h"

/* The badge picture: a green disc with a yellow square in its middle. */
#define BADGE_GREEN 11013 /* (40, 200, 80) */
#define BADGE_YELLOW 895  /* (255, 220, 0) */

static uint32_t screens[HOST_SCREEN_WIDTH * HOST_SCREENS_HEIGHT];

/* The display model's colour for an RGB15 value. */
static uint32_t shown(unsigned rgb15) {
  uint32_t out = 0xFF000000u;
  int channel;
  for (channel = 0; channel < 3; channel++) {
    const uint32_t v = (rgb15 >> (5 * channel)) & 31;
    out |= ((v << 3) | (v >> 2)) << (8 * channel);
  }
  return out;
}

static uint32_t at(int x, int y) { return screens[y * HOST_SCREEN_WIDTH + x]; }

static int badgeShown(const char* name, int left) {
  const int top = SCENE_BADGE_Y;
  const int ok = at(left + 7, top + 7) == shown(BADGE_YELLOW) &&
                 at(left + 7, top + 2) == shown(BADGE_GREEN) &&
                 at(left, top) == shown(SCENE_BACKGROUND); /* magenta corner left out */
  if (!ok) fprintf(stderr, "consumer_showcase: the %s badge is not on screen\n", name);
  return ok;
}

static int greetingShown(void) {
  int x, y, lit = 0;
  for (y = SCENE_TEXT_TOP; y <= SCENE_TEXT_BOTTOM; y++) {
    for (x = 0; x < HOST_SCREEN_WIDTH; x++) lit += at(x, y) != shown(SCENE_BACKGROUND);
  }
  if (lit < 100) fprintf(stderr, "consumer_showcase: %d text pixels only\n", lit);
  return lit >= 100;
}

/* The binary file holds the glyphs the C source holds. */
static int kanaFontMade(void) {
  unsigned char head[28];
  FILE* file = fopen(KANA_BINARY, "rb");
  const int read = file != NULL && fread(head, 1, sizeof head, file) == sizeof head;
  const unsigned long glyphs = read ? head[24] | head[25] << 8 | (unsigned long)head[26] << 16 : 0;
  const int ok = read && glyphs == font_kana_9.glyphCount && font_kana_9.ranges[0].first == 0x20 &&
                 font_kana_9.glyphCount == 95 + 83 + 14 + 1; /* and U+FFFD */
  if (file != NULL) fclose(file);
  if (!ok) fprintf(stderr, "consumer_showcase: the kana font is not what glyphcast makes\n");
  return ok;
}

int main(void) {
  int ok;
  hostReset();
  scene_show();
  hostRenderScreens(screens);
  ok = badgeShown("plain", SCENE_PLAIN_BADGE_X) & badgeShown("compressed", SCENE_PACKED_BADGE_X) &
       greetingShown() & kanaFontMade();
  if (hostSaveScreens(SCREENSHOT) != 0) {
    fprintf(stderr, "consumer_showcase: cannot write %s\n", SCREENSHOT);
    ok = 0;
  }
  if (!ok) return 1;
  printf("consumer_showcase: scene drawn, screenshot %s\n", SCREENSHOT);
  return 0;
}
