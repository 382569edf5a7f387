/* Compiled as C: the platform headers and the public header together, used
 * through the libnds names as a C program would. */
#include <libpane.h>
#include <nds.h>
#include <nds/host.h>

int pane_probe_nds_header_from_c(void) {
  u16 halfwords[2] = {0x1234, 0x5678};
  uint16 copy[2] = {0, 0};
  hostReset();
  REG_DISPCNT = MODE_5_2D | DISPLAY_BG2_ACTIVE;
  vramSetBankA(VRAM_A_MAIN_BG);
  REG_BG2PA = -256;
  REG_BG2X = 191 << 8;
  dmaCopy(halfwords, copy, sizeof copy);
  swiWaitForVBlank();
  return REG_DISPCNT == 0x10405u && VRAM_A_CR == 0x81 && REG_BG2PA == -256 && copy[1] == 0x5678 &&
         hostDmaCopyCount() == 1 && hostVBlankCount() == 1;
}
