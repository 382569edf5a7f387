/* A C99 program calling libpane through its public header: draws sprites and
 * rectangles into its own buffer and uses the text settings. Exits non-zero
 * and names the failed check when something is wrong. */
#include <libpane.h>
#include <nds.h> /* a DS program includes both */

#include <stdio.h>
#include <string.h>

static uint16 buffer[256 * 256];
static int failures = 0;

#define CHECK(cond)                                                            \
  do {                                                                         \
    if (!(cond)) {                                                             \
      fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #cond); \
      ++failures;                                                              \
    }                                                                          \
  } while (0)

static uint16 pixel(int x, int y) { return buffer[y * 256 + x]; }

static void plainSprites(void) {
  /* 3 x 2: red, transparent magenta, white / green, white, red */
  uint16 sprite[] = {2, 1, 0x001F, 0x7C1F, 0x7FFF, 0x03E0, 0x7FFF, 0x001F};
  memset(buffer, 0, sizeof buffer);
  CHECK(getSpriteWidth(sprite) == 3);
  CHECK(getSpriteHeight(sprite) == 2);
  dispCustomSprite(10, 20, sprite, 0x7C1F, 0xFFFF, buffer, 255, 192);
  CHECK(pixel(10, 20) == 0x801F);
  CHECK(pixel(11, 20) == 0x0000);
  CHECK(pixel(12, 20) == 0xFFFF);
  CHECK(pixel(10, 21) == 0x83E0);
  CHECK(pixel(12, 21) == 0x801F);

  drawInverse();
  dispCustomSprite(0, 0, sprite, 0x7C1F, 0xFFFF, buffer, 255, 192);
  drawNormal();
  CHECK(pixel(2, 0) == 0x8000);

  dispCustomSprite(-2, 0, sprite, 0x7C1F, 0xFFFF, NULL, 255, 192); /* no buffer: no-op */
}

static void compressedSprites(void) {
  /* 4 x 1, palette of 2: indices 1 0 1 1 -> byte 1011 0000 */
  uint16 sprite[] = {0xFFFF, 3, 0, 2, 0x001F, 0x03E0, 0x00B0};
  memset(buffer, 0, sizeof buffer);
  CHECK(bitsFromPal(2) == 1 && bitMaskCalc(2) == 1);
  CHECK(getSpriteWidth(sprite) == 4);
  dispCustomSprite(0, 5, sprite, 0x7C1F, 0xFFFF, buffer, 255, 192);
  CHECK(pixel(0, 5) == 0x83E0);
  CHECK(pixel(1, 5) == 0x801F);
  CHECK(pixel(3, 5) == 0x83E0);
}

static void rectanglesAndHelpers(void) {
  int a = 4, b = 9;
  memset(buffer, 0, sizeof buffer);
  drawRect(20, 8, 10, 2, 0x001F, buffer, 191);
  CHECK(pixel(10, 2) == 0x801F && pixel(20, 8) == 0x801F);
  CHECK(pixel(9, 2) == 0 && pixel(21, 8) == 0 && pixel(10, 9) == 0);
  xorSwap(&a, &b);
  CHECK(a == 9 && b == 4);
  xorSwap(&a, &a);
  CHECK(a == 9);
  CHECK(MAXFB(-3, 2) == 2);
}

static int stopEverything(int index, u32 chr, int pass, int x, int y) {
  (void)index, (void)chr, (void)pass, (void)x, (void)y;
  return -1;
}

static void settings(void) {
  static uint16* noGlyphs[260];
  setFont(noGlyphs);
  setFont(NULL);
  CHECK(!isGlyphAvailable('A'));
  CHECK(!isArbitraryGlyphAvailable('A', NULL));
  setColor(0x001F);
  setHighlight(9, 3);
  setCallBack(stopEverything);
  clearCallBack();
  setCursorPos(5);
  CHECK(getPositionAbove() == 0 && getPositionBelow() == 0);
  CHECK(getLastX() == 0 && getLastY() == 0);
  CHECK(!libPANE_bgPreserve && !libPANE_bgDisabled);
  preserveBackground();
  disableBackgroundDraw();
  CHECK(libPANE_bgPreserve && libPANE_bgDisabled);
  libPANE_bgPreserve = false;
  libPANE_bgDisabled = false;
}

int main(void) {
  settings();
  plainSprites();
  compressedSprites();
  rectanglesAndHelpers();
  if (failures != 0) {
    fprintf(stderr, "%d check(s) failed\n", failures);
    return 1;
  }
  puts("libpane C API: all checks passed");
  return 0;
}
