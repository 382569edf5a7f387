// Before fb_init nothing touches registers, VRAM or the heap, and the
// accessors report the zero state; only fb_dispSprite marks the frame.
#include <libpane.h>
#include <nds.h>
#include <nds/host.h>

#include <gtest/gtest.h>

#include "screen_helpers.h"
#include "sprite_builder.h"

namespace {

using namespace pane_test;

TEST(FbBeforeInit, EveryOperationDoesNothing) {
  hostReset();
  const Record sprite = plainSprite(4, 4, 0x001F);
  uint16_t* record = const_cast<uint16_t*>(sprite.data());
  std::vector<uint16_t> picture = pattern(1);
  char text[] = "text";
  fb_swapBuffers();
  fb_setOrientation(1);
  fb_setUpdate();
  fb_setBG(picture.data());
  fb_setBGColor(0x1F);
  fb_eraseBG();
  fb_clear();
  fb_setPixel(1, 1, 1);
  fb_drawRect(0, 0, 5, 5, 1);
  fb_drawBox(0, 0, 5, 5, 1);
  fb_drawFilledRect(0, 0, 5, 5, 1, 2);
  fb_dispCustomSprite(0, 0, record, 0, 0xFFFF);
  fb_dispChar(0, 0, 'A');
  fb_dispString(0, 0, text);
  fb_enableClipping();
  fb_setClipping(1, 2, 3, 4);
  EXPECT_TRUE(ioAndVramUntouched());
  EXPECT_EQ(fb_backBuffer(), nullptr);
  EXPECT_EQ(fb_returnFrameBuffer(), nullptr);
  EXPECT_FALSE(fb_isbgEnabled());
  EXPECT_FALSE(fb_needsUpdate());

  fb_dispSprite(0, 0, record, 0);
  EXPECT_TRUE(ioAndVramUntouched());
  EXPECT_TRUE(fb_needsUpdate()) << "fb_dispSprite marks the frame even now";
}

}  // namespace
