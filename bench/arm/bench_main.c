/* Workloads for counting the ARM9's instructions under qemu-arm: the program
 * draws with libpane.a exactly as built for the DS, into VRAM and registers
 * mapped at their DS addresses. Usage: bench WORKLOAD K
 * runs the workload's set-up, one warm-up body, then K bodies; the counting
 * script takes (count with K bodies - count with 0) / K as one body's cost.
 * K = -1 prints where the text ended after the warm-up (e.g. bench text -1). */
#include <nds.h>
#include <libpane.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "japanese_page.h"
#include "reference_loops.h"

extern uint16* font_dejavu_sans_mono_8[];
extern const PaneFont unicode_dejavu_sans_mono_8;
extern const PaneFont unicode_ipa_gothic_12;
extern const PaneFont smooth_dejavu_sans_mono_8;

/* --- The DS's memory map and the platform calls the library makes ----------------------- */

/* mmap2 through qemu-arm's Linux system calls: anonymous memory at a fixed address. */
__attribute__((target("arm"))) static void* mapAt(u32 address, u32 size) {
  register u32 r0 __asm__("r0") = address;
  register u32 r1 __asm__("r1") = size;
  register u32 r2 __asm__("r2") = 3;    /* PROT_READ | PROT_WRITE */
  register u32 r3 __asm__("r3") = 0x32; /* MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED */
  register s32 r4 __asm__("r4") = -1;
  register u32 r5 __asm__("r5") = 0;
  register u32 r7 __asm__("r7") = 192; /* mmap2 */
  __asm__ volatile("svc 0"
                   : "+r"(r0)
                   : "r"(r1), "r"(r2), "r"(r3), "r"(r4), "r"(r5), "r"(r7)
                   : "memory");
  return (void*)(uintptr_t)r0;
}

static void mapDs(void) {
  static const u32 regions[][2] = {
      {0x04000000u, 0x2000u},  /* I/O registers of both engines */
      {0x05000000u, 0x1000u},  /* palettes */
      {0x06000000u, 0x40000u}, /* main background VRAM: banks A and B */
      {0x06200000u, 0x20000u}, /* sub background VRAM */
  };
  for (unsigned i = 0; i < sizeof regions / sizeof regions[0]; ++i) {
    if (mapAt(regions[i][0], regions[i][1]) != (void*)(uintptr_t)regions[i][0]) {
      printf("bench: cannot map 0x%08lx\n", (unsigned long)regions[i][0]);
      exit(2);
    }
  }
}

void swiWaitForVBlank(void) {}
void DC_FlushRange(const void* base, u32 size) {
  (void)base;
  (void)size;
}
void dmaCopy(const void* source, void* dest, u32 size) { memcpy(dest, source, size); }

/* --- Sprites: a 32 x 32 disc, transparent outside, plain and compressed ------------------- */

enum { kSide = 32, kTransparent = 0x001F };

static u32 seed = 12345u;
static uint16 randomColour(void) {
  seed = seed * 1103515245u + 12345u;
  return (uint16)((seed >> 12) & 0x7FFF);
}

/* Palette index of each pixel: 0 (the transparent colour) outside the disc. */
static unsigned discIndex(int r, int c, unsigned entries) {
  const int dr = 2 * r - 31, dc = 2 * c - 31;
  if (dr * dr + dc * dc > 32 * 32) return 0;
  return 1u + (unsigned)(r * 7 + c * 3) % (entries - 1u);
}

static uint16 plainSprite[2 + kSide * kSide];
static uint16 packedSprite[4 + 256 + kSide * kSide];

static void makeSprites(unsigned entries) {
  uint16 palette[256];
  palette[0] = kTransparent;
  for (unsigned k = 1; k < 256; ++k) palette[k] = randomColour();

  plainSprite[0] = kSide - 1;
  plainSprite[1] = kSide - 1;
  for (int r = 0; r < kSide; ++r)
    for (int c = 0; c < kSide; ++c) plainSprite[2 + r * kSide + c] = palette[discIndex(r, c, 256)];

  unsigned bits = bitsFromPal(entries);
  memset(packedSprite, 0, sizeof packedSprite);
  packedSprite[0] = 0xFFFF;
  packedSprite[1] = kSide - 1;
  packedSprite[2] = kSide - 1;
  packedSprite[3] = (uint16)entries;
  for (unsigned k = 0; k < entries; ++k) packedSprite[4 + k] = palette[k];
  u8* stream = (u8*)(packedSprite + 4 + entries);
  unsigned position = 0;
  for (int r = 0; r < kSide; ++r)
    for (int c = 0; c < kSide; ++c) {
      const unsigned index = discIndex(r, c, entries);
      for (unsigned b = 0; b < bits; ++b, ++position)
        if (index >> (bits - 1u - b) & 1u) stream[position / 8] |= (u8)(0x80u >> (position % 8));
    }
}

/* --- Workloads ------------------------------------------------------------------------------ */

/* About 365 characters: twelve lines of 32 columns in the 8-pixel font fill the screen. */
static char screenText[] =
    "The ARM9 draws every glyph of this page from its font record, clipped to the "
    "screen and wrapped at word boundaries, twelve lines deep. Each line holds about "
    "thirty characters, so the screen is a fair test of the text path: the pen moves, "
    "the words wrap, and each glyph lands where the layout put it, ink drawn and the "
    "rest left alone. Frame after frame, all day.";
static char dialogText[] = "Saved.";
static char titleText[] = "Chapter one: the page";

/* A second font at other addresses: the bench font's plain glyph records copied,
 * as a program's title font beside its body font. */
static uint16* titleFont[260];
static void makeTitleFont(void) {
  for (unsigned c = 0; c < 260; ++c) {
    uint16* glyph = font_dejavu_sans_mono_8[c];
    titleFont[c] = glyph;
    if (c > 255 || glyph == NULL || glyph[0] == 0xFFFF) continue;
    const size_t words = 2u + (glyph[0] + 1u) * (glyph[1] + 1u);
    titleFont[c] = malloc(words * sizeof(uint16));
    if (titleFont[c] == NULL) exit(2);
    memcpy(titleFont[c], glyph, words * sizeof(uint16));
  }
}

static uint16 picture[256 * 256];
static uint16 referenceBuffer[256 * 256];

typedef void (*Body)(void);
static uint16* back;

/* The same page with its font set again first, as a program may do every frame:
 * setting the current font again forgets the glyphs' ink boxes. */
static void drawTextSame(void) {
  setFont(font_dejavu_sans_mono_8);
  fb_setClipping(0, 0, 256, 192);
  fb_dispString(0, 0, screenText);
}
static void drawText(void) {
  fb_setClipping(0, 0, 256, 192);
  fb_dispString(0, 0, screenText);
}
/* A title line in one font, the page below it in another: a setFont pair per frame. */
static void drawTwoFonts(void) {
  fb_setClipping(0, 0, 256, 192);
  setFont(titleFont);
  fb_dispString(0, 0, titleText);
  setFont(font_dejavu_sans_mono_8);
  fb_dispString(0, 16, screenText);
}
/* The page again with the same face as a Unicode font, and a page of Japanese. */
static void drawUnicodeText(void) {
  fb_setClipping(0, 0, 256, 192);
  fb_dispString(0, 0, screenText);
}
static void drawJapanese(void) {
  fb_setClipping(0, 0, 256, 192);
  fb_dispString(0, 0, japanesePage);
}
/* A hundred font changes: what making a font current costs. */
static void setTableFont(void) {
  for (int i = 0; i < 50; ++i) {
    setFont(titleFont);
    setFont(font_dejavu_sans_mono_8);
  }
}
static void setUnicodeFonts(void) {
  for (int i = 0; i < 50; ++i) {
    setUnicodeFont(&unicode_ipa_gothic_12);
    setUnicodeFont(&unicode_dejavu_sans_mono_8);
  }
}
static void drawPlain(void) {
  dispCustomSprite(112, 80, plainSprite, kTransparent, 0xFFFF, back, 255, 192);
}
static void drawPacked(void) {
  dispCustomSprite(112, 80, packedSprite, kTransparent, 0xFFFF, back, 255, 192);
}
static void swapPages(void) { fb_swapBuffers(); }
static void openDialog(void) { fb_dispAnimatedBox(16, 16, 224, 160, 4, 4, dialogText); }
/* The animation's largest frame: the box one step short of full size, then the swap. */
static void dialogFrame(void) {
  fb_setDialogBox(16, 16, 220, 160);
  fb_swapBuffers();
}
static void copy16(void) {
  referenceCopy16(referenceBuffer + 80 * 256 + 112, plainSprite + 2, kSide, kSide);
}
static void copyLdmStm(void) { referenceCopyBlocks(referenceBuffer, picture, 96 * 1024); }

int main(int argc, char** argv) {
  if (argc != 3) {
    printf("usage: bench WORKLOAD K\n");
    return 2;
  }
  const char* name = argv[1];
  const long k = atol(argv[2]);
  mapDs();
  fb_init();
  fb_setBGColor(0x2C00);
  back = fb_backBuffer();
  for (unsigned i = 0; i < 256u * 256u; ++i) picture[i] = (uint16)(i * 37u | 0x8000u);
  setFont(font_dejavu_sans_mono_8);
  setColor(0x7FFF);

  Body body = NULL;
  if (strcmp(name, "copy16") == 0) {
    makeSprites(256);
    body = copy16;
  } else if (strcmp(name, "ldmstm") == 0) {
    body = copyLdmStm;
  } else if (strcmp(name, "textsame") == 0) {
    body = drawTextSame;
  } else if (strcmp(name, "text") == 0) {
    body = drawText;
  } else if (strcmp(name, "fonts") == 0) {
    makeTitleFont();
    body = drawTwoFonts;
  } else if (strcmp(name, "utext") == 0) {
    setUnicodeFont(&unicode_dejavu_sans_mono_8);
    body = drawUnicodeText;
  } else if (strcmp(name, "smooth") == 0) {
    setUnicodeFont(&smooth_dejavu_sans_mono_8);
    body = drawUnicodeText;
  } else if (strcmp(name, "smoothknown") == 0) {
    setUnicodeFont(&smooth_dejavu_sans_mono_8);
    setTextBackground(0x2C00); /* the refill colour the page stands on */
    body = drawUnicodeText;
  } else if (strcmp(name, "japanese") == 0) {
    setUnicodeFont(&unicode_ipa_gothic_12);
    body = drawJapanese;
  } else if (strcmp(name, "setfont") == 0) {
    makeTitleFont();
    body = setTableFont;
  } else if (strcmp(name, "setunicode") == 0) {
    body = setUnicodeFonts;
  } else if (strcmp(name, "plain") == 0) {
    makeSprites(256);
    body = drawPlain;
  } else if (strncmp(name, "packed", 6) == 0) {
    const int bits = atoi(name + 6);
    if (bits < 1 || bits > 8) return 2;
    makeSprites(1u << bits);
    body = drawPacked;
  } else if (strcmp(name, "fill") == 0) {
    body = swapPages;
  } else if (strcmp(name, "picture") == 0) {
    fb_setBG(picture);
    body = swapPages;
  } else if (strcmp(name, "dialog") == 0) {
    body = openDialog;
  } else if (strcmp(name, "dialogframe") == 0) {
    body = dialogFrame;
  } else {
    printf("bench: unknown workload %s\n", name);
    return 2;
  }
  body(); /* warm-up: caches the steady state sees are filled */
  for (long i = 0; i < k; ++i) body();
  if (k < 0) { /* a look at the workload, outside any count */
    const char* text = strcmp(name, "japanese") == 0 ? japanesePage : screenText;
    printf("%s: %d bytes of text end on the line at row %d\n", name, (int)strlen(text), getLastY());
  }
  return 0;
}
