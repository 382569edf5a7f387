// Framed dialog boxes and their opening animation, drawn through whichever
// screen's operations the caller hands in.
#include <nds.h>
#include <pane_geometry.h>

#include <climits>
#include <cstdlib>

#include "panelkit/panelkit_internal.h"

namespace pane {
namespace {

// A whole 256 x 256 picture of RGB15 pixels.
constexpr uint32_t kPictureBytes = PANE_PAGE_BYTES;

// The animation's first box size and its growth per frame.
constexpr int kFirstFrameSize = 25;
constexpr int kFrameGrowth = 15;

// Largest side accepted: the 16-bit frame size stays below 65536 until it has
// passed the side, and the 16-bit edge counters reach every edge piece.
constexpr int kLargestSide = 0xFFFF - kFrameGrowth;
// Room kept around the origin so that a side plus two tiles never overflows an int.
constexpr int kOriginMargin = 0x40000;

bool sideFits(int side) { return side >= -kLargestSide && side <= kLargestSide; }

bool originFits(int v) { return v >= INT_MIN + kOriginMargin && v <= INT_MAX - kOriginMargin; }

// Larger boxes are refused: their loops would never end or their
// coordinates would overflow.
bool boxFits(int x, int y, int width, int height) {
  return sideFits(width) && sideFits(height) && originFits(x) && originFits(y);
}

int tileWidth() { return static_cast<int>(getSpriteWidth(BoxPointers[kTopLeft])); }

int tileHeight() { return static_cast<int>(getSpriteHeight(BoxPointers[kTopLeft])); }

void drawTile(const DrawTarget& target, BoxPiece piece, int x, int y) {
  target.dispCustomSprite(x, y, BoxPointers[piece], BoxPointers[kTransparentValue][0], 0xFFFF);
}

// Clipping rectangle, corners, edges, interior, in that order; later steps
// draw over earlier ones where they overlap.
void drawBox(const DrawTarget& target, int x, int y, int width, int height) {
  const int w = tileWidth();
  const int h = tileHeight();
  const int right = x + width - w;
  const int bottom = y + height - h;

  // The right and bottom bounds lie one tile inside the interior's edges.
  target.setClipping(x + w, y + h, x + width - 2 * w, y + height - 2 * h);

  drawTile(target, kTopLeft, x, y);
  drawTile(target, kTopRight, right, y);
  drawTile(target, kBottomRight, right, bottom);
  drawTile(target, kBottomLeft, x, bottom);

  const int across = width - 2 * w;
  for (uint16_t i = 0; i < across; i++) {
    drawTile(target, kTop, x + w + i, y);
    drawTile(target, kBottom, x + w + i, bottom);
  }
  const int down = height - 2 * h;
  for (uint16_t i = 0; i < down; i++) {
    drawTile(target, kLeft, x, y + h + i);
    drawTile(target, kRight, right, y + h + i);
  }

  target.drawRect(x + w, y + h, right, bottom, BoxPointers[kBackgroundValue][0]);
  target.setUpdate();
}

// DMA reads and writes memory behind the data cache: both ranges are written
// back and dropped from the cache first.
void copyPicture(const uint16_t* from, uint16_t* to) {
  DC_FlushRange(from, kPictureBytes);
  DC_FlushRange(to, kPictureBytes);
  dmaCopy(from, to, kPictureBytes);
}

// Keeps the background picture in block, then makes the picture being drawn
// the one that every swap of the animation refills from. False when there
// is no picture to keep.
bool saveBackground(const DrawTarget& target, uint16_t* block) {
  uint16_t* picture = target.returnFrameBuffer();
  if (picture == nullptr) return false;
  copyPicture(picture, block);
  uint16_t* back = target.backBuffer();
  picture = target.returnFrameBuffer();
  if (back != nullptr && picture != nullptr) copyPicture(back, picture);
  return true;
}

void restoreBackground(const DrawTarget& target, const uint16_t* block) {
  uint16_t* picture = target.returnFrameBuffer();
  if (picture != nullptr) copyPicture(block, picture);
}

}  // namespace

void drawDialogBox(const DrawTarget& target, int x, int y, int width, int height) {
  if (!boxFits(x, y, width, height)) return;
  drawBox(target, x, y, width, height);
}

// Without a temporary block the animation still runs, and the background
// picture is neither saved nor replaced.
void openDialogBox(const DrawTarget& target, int x, int y, int width, int height, int tx, int ty,
                   const void* text) {
  if (!boxFits(x, y, width, height)) return;

  uint16_t* block = static_cast<uint16_t*>(malloc(kPictureBytes));
  const bool saved = target.isbgEnabled() && block != nullptr && saveBackground(target, block);

  for (uint16_t s = kFirstFrameSize; s < width || s < height; s += kFrameGrowth) {
    drawBox(target, x, y, s < width ? s : width, s < height ? s : height);
    swiWaitForVBlank();
    target.swapBuffers();
  }

  drawBox(target, x, y, width, height);
  if (text != nullptr) target.dispString(tx, ty, text);

  // Only a picture saved above is put back, even if the text's character
  // callback changed the background meanwhile.
  if (target.isbgEnabled() && saved) restoreBackground(target, block);
  free(block);
  target.setUpdate();
}

}  // namespace pane
