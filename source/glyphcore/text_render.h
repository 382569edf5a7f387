// The string renderer inside the library: dispString for a buffer with a
// known last row, as the screens of fb and bg call it.
#ifndef PANE_GLYPHCORE_TEXT_RENDER_H
#define PANE_GLYPHCORE_TEXT_RENDER_H

#include <stdint.h>

namespace pane {

// dispString for a buffer whose last writable row is lastRow: decorations,
// highlight bands and the cursor bar never go below it. dispString itself
// passes the bound it can derive from its arguments.
int dispStringBounded(int x, int y, const void* inStr, uint16_t* buffer, uint32_t enableClipping,
                      int c_x, int c_y, int c_bx, int c_by, int lastRow);

}  // namespace pane

#endif
