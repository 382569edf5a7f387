/* What the DS runtime offers a program beyond <nds.h>: the count of vertical
 * blanks its interrupt handler has seen. */
#ifndef PANE_NDS_RUNTIME_H
#define PANE_NDS_RUNTIME_H

#include <nds.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Vertical blanks since start-up, counted by the interrupt handler. */
extern volatile u32 ndsVBlankCount;

#ifdef __cplusplus
}
#endif

#endif
