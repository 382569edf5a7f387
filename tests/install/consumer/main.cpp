// Uses the installed headers and libraries: draws a sprite into its own buffer
// and drives the simulated DS through the platform's host controls.
#include <libpane.h>
#include <nds.h>
#include <nds/host.h>

#include <cstdio>
#include <vector>

int main() {
  std::vector<uint16> buffer(256 * 256, 0);
  uint16 sprite[] = {1, 0, 0x001F, 0x7C1F};  // 2 x 1: red, then the transparent colour
  dispCustomSprite(4, 3, sprite, 0x7C1F, 0xFFFF, buffer.data(), 255, 192);
  const bool drawn = buffer[3 * 256 + 4] == 0x801F && buffer[3 * 256 + 5] == 0;

  hostReset();
  swiWaitForVBlank();
  const bool platformLinked = hostVBlankCount() == 1;

  if (!drawn || !platformLinked) {
    std::fprintf(stderr, "consumer: drawn %d, platform %d\n", drawn, platformLinked);
    return 1;
  }
  std::puts("consumer: installed libpane works");
  return 0;
}
