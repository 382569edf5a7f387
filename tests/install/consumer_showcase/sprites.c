/* The badge as the installed tools wrote it. Their array texts are initialisers,
 * so each follows its declaration, as when pasted into a program. */
#include <nds.h>

uint16 badge_plain[] =
#include "badge_plain.txt"

uint16 badge_packed[] =
#include "badge_packed.txt"
