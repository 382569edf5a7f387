/* The loops the workloads are measured against, built in the same run. */
#ifndef PANE_BENCH_REFERENCE_LOOPS_H
#define PANE_BENCH_REFERENCE_LOOPS_H

#include <nds.h>

/* A plain C copy of a rows x columns block of 16-bit pixels into a 256-pixel-wide buffer. */
void referenceCopy16(uint16* to, const uint16* from, int columns, int rows);
/* Copies bytes (a multiple of 32) with 8-register ldmia/stmia, in ARM code. */
void referenceCopyBlocks(void* to, const void* from, u32 bytes);

#endif
