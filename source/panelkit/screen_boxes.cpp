// The dialog box operations of the main screen (fb_) and the sub screen (bg_):
// the same box code, bound to each screen's drawing operations.
#include "panelkit/panelkit_internal.h"

namespace pane {
namespace {

constexpr DrawTarget kMainScreen = {
    fb_setClipping,       fb_dispCustomSprite, fb_drawRect,    fb_setUpdate,  fb_isbgEnabled,
    fb_returnFrameBuffer, fb_backBuffer,       fb_swapBuffers, fb_dispString,
};

constexpr DrawTarget kSubScreen = {
    bg_setClipping,       bg_dispCustomSprite, bg_drawRect,    bg_setUpdate,  bg_isbgEnabled,
    bg_returnFrameBuffer, bg_backBuffer,       bg_swapBuffers, bg_dispString,
};

}  // namespace
}  // namespace pane

extern "C" void fb_setDialogBox(int x, int y, int width, int height) {
  pane::drawDialogBox(pane::kMainScreen, x, y, width, height);
}

extern "C" void bg_setDialogBox(int x, int y, int width, int height) {
  pane::drawDialogBox(pane::kSubScreen, x, y, width, height);
}

extern "C" void fb_dispAnimatedBox(int x, int y, int width, int height, int tx, int ty,
                                   const void* strDisp) {
  pane::openDialogBox(pane::kMainScreen, x, y, width, height, tx, ty, strDisp);
}

extern "C" void bg_dispAnimatedBox(int x, int y, int width, int height, int tx, int ty,
                                   const void* strDisp) {
  pane::openDialogBox(pane::kSubScreen, x, y, width, height, tx, ty, strDisp);
}
