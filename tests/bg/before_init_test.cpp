// Before bg_init nothing happens, and a bg_init that cannot get its back
// buffer from the heap leaves the sub screen off.
#include <libpane.h>
#include <nds.h>
#include <nds/host.h>

#include <gtest/gtest.h>

#include "heap_watch.h"
#include "screen_helpers.h"
#include "sprite_builder.h"

namespace {

using namespace pane_test;

void callEveryOperation() {
  static const Record sprite = plainSprite(4, 4, 0x001F);
  uint16_t* record = const_cast<uint16_t*>(sprite.data());
  std::vector<uint16_t> picture = pattern(1);
  char text[] = "text";
  bg_swapBuffers();
  bg_setUpdate();
  bg_setBG(picture.data());
  bg_setBGColor(0x1F);
  bg_eraseBG();
  bg_clear();
  bg_enableClipping();
  bg_disableClipping();
  bg_setDefaultClipping();
  bg_setClipping(1, 2, 3, 4);
  bg_setPixel(1, 1, 1);
  bg_drawRect(0, 0, 5, 5, 1);
  bg_drawBox(0, 0, 5, 5, 1);
  bg_drawFilledRect(0, 0, 5, 5, 1, 2);
  bg_dispCustomSprite(0, 0, record, 0, 0xFFFF);
  bg_dispSprite(0, 0, record, 0);
  bg_dispChar(0, 0, 'A');
  bg_dispString(0, 0, text);
}

bool inZeroState() {
  return bg_backBuffer() == nullptr && bg_returnFrameBuffer() == nullptr && !bg_isbgEnabled() &&
         !bg_needsUpdate();
}

TEST(BgBeforeInit, NothingHappensUntilInitGetsItsBackBuffer) {
  hostReset();
  callEveryOperation();
  EXPECT_TRUE(ioAndVramUntouched());
  EXPECT_TRUE(inZeroState());
  EXPECT_EQ(hostDmaCopyCount(), 0u);

  {
    RefuseBufferBlocks refuse;
    bg_init();
  }
  callEveryOperation();
  EXPECT_TRUE(ioAndVramUntouched()) << "no back buffer: the sub screen stays off";
  EXPECT_TRUE(inZeroState());

  bg_init();
  ASSERT_NE(bg_backBuffer(), nullptr);
  EXPECT_EQ(REG_DISPCNT_SUB, 0x00010805u);
}

}  // namespace
