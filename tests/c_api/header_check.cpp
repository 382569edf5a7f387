// Compile-time check that the public header builds as C++ and that its
// integer types have the sizes the record layouts depend on.
#include <libpane.h>

static_assert(sizeof(uint8) == 1 && sizeof(uint16) == 2 && sizeof(int16) == 2, "16-bit words");
static_assert(sizeof(uint32) == 4 && sizeof(u32) == 4 && sizeof(uint) == 4, "32-bit values");
static_assert(static_cast<uint16>(-1) == 0xFFFF, "uint16 is unsigned");
