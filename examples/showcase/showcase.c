/* The libpane showcase: a DS program that tours the library on both screens.
 * Written against <libpane.h> and <nds.h> only, so it builds for the DS too. */
#include <nds.h>
#include <libpane.h>
#include <string.h>

#include "showcase.h"

#define ROCKET_TRANSPARENT 31775 /* magenta in the sprite's picture */
#define RGB(r, g, b) ((uint16)((r) | ((g) << 5) | ((b) << 10)))

const char* volatile showcase_snapshot;
volatile int showcase_finished;

static uint16 background[256 * 256];

/* A dusk gradient with a faint grid, so transparency and refills show. */
static void paintBackground(void) {
  int x, y;
  for (y = 0; y < 256; y++) {
    for (x = 0; x < 256; x++) {
      int shade = y < 192 ? y * 12 / 192 : 12;
      uint16 c = RGB(2 + shade / 2, 4 + shade, 10 + shade);
      if ((x % 32) == 0 || (y % 32) == 0) c = RGB(6 + shade / 2, 9 + shade, 15 + shade);
      background[y * 256 + x] = c | 0x8000; /* bit 15: the pixel is shown */
    }
  }
}

/* Strings are written into during layout, so each lives in a writable array. */
static char title[] = "libpane";
static char paragraph[] =
    "Bitmap text that wraps at the last space that fits, with a highlighted "
    "range and a text cursor.";
static char buttons[] = "Press \x01 or \x02, steer \x05\x06\x0e\x0f";
static char moreButtons[] = "\x10 \x11   \x12 \x13   \x03 \x04";
static char styled[] = "italic";
static char struck[] = "struck";
static char boldWord[] = "bold";
static char boxText[] = "A dialog box opens\nwith an animation.";
static char subText[] =
    "The sub screen has its own buffers: the same dialog boxes and text.\n\n"
    "\x01 confirm   \x02 cancel";

/* UTF-8, drawn with a Unicode font that glyphcast makes from three font files and
 * the characters of this very file. */
static const char unicodeTitle[] = "Unicode: UTF-8 in every call";
static const char unicodeLatin[] = "Grüße aus Zürich: café, Ærø.";
static const char unicodeGreekCyrillic[] = "Ελληνικά και Русский текст.";
static const char unicodeJapanese[] =
    "日本語の文は、空白がなくても漢字とかなの間で折り返す。句読点は行頭に来ない。";
static const char unicodeChinese[] = "中文：你好，世界！按 \uE000 确认。";
static const char unicodeSmooth[] = "Smooth, 2 bits: Grüße, 滑らかな文字";
static const char unicodeSubText[] =
    "下の画面にも同じ文字。Ünïcödé, Ελλάδα, Россия, 中文。\n\n\uE000 はい   \uE001 いいえ";

static void resetStyles(void) {
  setBold(false);
  setItalics(false);
  setUnderline(false);
  setStrikeThrough(false);
  clearHighlight();
  hideCursor();
  setColor(RGB(31, 31, 31));
}

static void drawTitle(void) {
  setColor(RGB(31, 28, 12));
  setBold(true);
  setUnderline(true);
  fb_disableClipping();
  fb_dispString(8, 4, title);
  resetStyles();
}

static void drawParagraph(void) {
  fb_setClipping(8, 24, 180, 100);
  fb_enableClipping();
  setHighlightColor(RGB(6, 10, 24));
  setHighlight(35, 56);
  setCursorProperties(RGB(31, 31, 0), -1, 1, 0);
  setCursorPos(91);
  showCursor();
  fb_dispString(0, 0, paragraph);
  resetStyles();
  fb_setDefaultClipping();
}

static void drawStyles(void) {
  fb_disableClipping();
  fb_dispString(8, 106, buttons);
  fb_dispString(8, 124, moreButtons);
  setItalics(true);
  setColor(RGB(20, 31, 20));
  fb_dispString(8, 144, styled);
  setItalics(false);
  setStrikeThrough(true);
  setColor(RGB(31, 18, 18));
  fb_dispString(60, 144, struck);
  setStrikeThrough(false);
  setBold(true);
  setColor(RGB(18, 24, 31));
  fb_dispString(112, 144, boldWord);
  resetStyles();
}

static void drawSprites(void) {
  fb_drawFilledRect(190, 24, 247, 117, RGB(20, 20, 28), RGB(4, 6, 12));
  fb_dispSprite(203, 30, rocket_plain, ROCKET_TRANSPARENT);
  fb_dispSprite(203, 76, rocket_packed, ROCKET_TRANSPARENT);
}

static void drawScene(void) {
  drawTitle();
  drawParagraph();
  drawStyles();
  drawSprites();
}

static void drawSubScreen(void) {
  bg_setBGColor(RGB(3, 5, 9));
  bg_setDialogBox(16, 24, 224, 120);
  setColor(RGB(31, 31, 31));
  bg_dispString(4, 4, subText);
  bg_drawRect(16, 160, 239, 163, RGB(31, 28, 12));
  bg_swapBuffers();
}

static void drawUnicodeScene(void) {
  fb_setDefaultClipping();
  fb_disableClipping();
  setColor(RGB(31, 28, 12));
  setUnderline(true);
  fb_dispString(8, 4, unicodeTitle);
  resetStyles();
  fb_dispString(8, 26, unicodeLatin);
  setItalics(true);
  fb_dispString(8, 42, unicodeGreekCyrillic);
  setItalics(false);
  fb_setClipping(8, 62, 248, 150);
  fb_enableClipping();
  setHighlightColor(RGB(6, 10, 24));
  setHighlight(0, 9); /* the first three characters: UTF-8 offsets */
  fb_dispString(0, 0, unicodeJapanese);
  resetStyles();
  fb_setDefaultClipping();
  fb_disableClipping();
  setColor(RGB(20, 31, 20));
  setBold(true);
  fb_dispString(8, 150, unicodeChinese);
  resetStyles();
  /* Two bits of coverage, blended with the picture under the glyphs. */
  setUnicodeFont(&font_world_9_smooth);
  fb_dispString(8, 170, unicodeSmooth);
  setUnicodeFont(&font_world_9);
}

/* Smooth text on the dialog's black interior: a known background, so the
 * glyphs are written from a table instead of blended with the buffer. */
static void drawUnicodeSubScreen(void) {
  bg_setBGColor(RGB(3, 5, 9));
  bg_setDialogBox(16, 24, 224, 120);
  bg_enableClipping();
  setColor(RGB(31, 31, 31));
  setUnicodeFont(&font_world_9_smooth);
  setTextBackground(getBGColorBox());
  bg_dispString(4, 4, unicodeSubText);
  clearTextBackground();
  setUnicodeFont(&font_world_9);
  bg_swapBuffers();
}

static void showFrames(int frames, const char* snapshot, int withBox) {
  int i;
  for (i = 0; i < frames; i++) {
    drawScene();
    if (withBox) {
      fb_setDialogBox(40, 96, 176, 64);
      setColor(RGB(31, 31, 31));
      fb_dispString(2, 2, boxText);
    }
    if (i == frames - 1) showcase_snapshot = snapshot;
    swiWaitForVBlank();
    fb_swapBuffers();
  }
}

int showcase_main(void) {
  int orientation;
  static const char* const turned[4] = {"orientation-0", "orientation-1", "orientation-2",
                                        "orientation-3"};
  fb_init();
  bg_init();
  paintBackground();
  fb_setBG(background);
  setFont(font_dejavu_sans_9);
  resetStyles();
  drawSubScreen();

  showFrames(10, "scene", 0);
  drawScene();
  fb_dispAnimatedBox(40, 96, 176, 64, 2, 2, boxText);
  swiWaitForVBlank();
  fb_swapBuffers();
  showFrames(10, "dialog", 1);
  for (orientation = 1; orientation <= 4; orientation++) {
    fb_setOrientation(orientation % 4);
    showFrames(6, turned[orientation % 4], 1);
  }
  setUnicodeFont(&font_world_9);
  drawUnicodeSubScreen();
  for (orientation = 0; orientation < 6; orientation++) {
    drawUnicodeScene();
    if (orientation == 5) showcase_snapshot = "unicode";
    swiWaitForVBlank();
    fb_swapBuffers();
  }
  setFont(font_dejavu_sans_9);
  showcase_finished = 1;
  for (;;) swiWaitForVBlank();
  return 0;
}
