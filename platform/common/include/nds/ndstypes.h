/* The DS integer types under their libnds names, shared by the host and the
 * ARM9 <nds.h>. Compiles as C99 and as C++. */
#ifndef PANE_NDS_TYPES_H
#define PANE_NDS_TYPES_H

#include <stdint.h>

typedef uint8_t u8;
typedef uint16_t u16;
typedef int8_t s8;
typedef int16_t s16;
typedef int32_t s32;
typedef volatile uint8_t vu8;
typedef volatile uint16_t vu16;
typedef volatile uint32_t vu32;
typedef volatile int16_t vs16;
typedef volatile int32_t vs32;

/* The integer types libpane.h shares with this header, defined once under one
 * guard so a C99 program can include both in either order. */
#ifndef PANE_SHARED_INTEGER_TYPES
#define PANE_SHARED_INTEGER_TYPES
typedef uint8_t uint8;
typedef uint16_t uint16;
typedef uint32_t uint32;
typedef int16_t int16;
typedef uint32_t u32;
typedef unsigned int uint;
#endif

#endif /* PANE_NDS_TYPES_H */
