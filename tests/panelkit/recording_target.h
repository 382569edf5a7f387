// A drawing target that writes down every call the box code makes, with the
// vertical-blank waits and DMA copies in between, and keeps a background
// picture and a back buffer of its own.
#ifndef PANE_TEST_RECORDING_TARGET_H
#define PANE_TEST_RECORDING_TARGET_H

#include <nds.h>
#include <nds/host.h>

#include <string>
#include <vector>

#include "panelkit/panelkit_internal.h"

namespace panelkit_test {

struct Recording {
  std::vector<std::string> calls;
  std::vector<uint16_t> picture = std::vector<uint16_t>(256 * 256);
  std::vector<uint16_t> back = std::vector<uint16_t>(256 * 256);
  bool bgEnabled = false;
  // The background picture as each swap found it, when asked to keep it.
  std::vector<std::vector<uint16_t>> picturesAtSwaps;
  bool keepPictures = false;
  unsigned dmaSeen = 0;
  bool coloursOk = true;
};

inline Recording rec;

inline void noteDmaCopies() {
  for (; rec.dmaSeen < hostDmaCopyCount(); ++rec.dmaSeen) rec.calls.push_back("dma");
}

inline void note(const std::string& call) {
  noteDmaCopies();
  rec.calls.push_back(call);
}

// Everything recorded so far, DMA copies after the last call included.
inline const std::vector<std::string>& recorded() {
  noteDmaCopies();
  return rec.calls;
}

inline std::string at(int x, int y) { return std::to_string(x) + " " + std::to_string(y); }

inline const char* pieceName(const uint16* sprite) {
  static const char* const names[] = {"TL", "T", "TR", "R", "BR", "B", "BL", "L"};
  for (int i = 0; i < 8; ++i)
    if (sprite == pane::BoxPointers[i]) return names[i];
  return "?";
}

inline void recSetClipping(int x, int y, int bx, int by) {
  note("clip " + at(x, y) + " " + at(bx, by));
}
inline void recDispCustomSprite(int x, int y, uint16* sprite, uint16 tc, uint16 colormask) {
  if (tc != 0x001F || colormask != 0xFFFF) rec.coloursOk = false;
  note(std::string(pieceName(sprite)) + " " + at(x, y));
}
inline void recDrawRect(int x, int y, int bx, int by, uint16 c) {
  note("rect " + at(x, y) + " " + at(bx, by) + " " + std::to_string(c));
}
inline void recSetUpdate() { note("update"); }
inline bool recIsbgEnabled() {
  note("isbg");
  return rec.bgEnabled;
}
inline uint16* recReturnFrameBuffer() {
  note("picture");
  return rec.picture.data();
}
inline uint16* recBackBuffer() {
  note("back");
  return rec.back.data();
}
inline void recSwapBuffers() {
  note("swap");
  if (rec.keepPictures) rec.picturesAtSwaps.push_back(rec.picture);
  if (rec.bgEnabled) rec.back = rec.picture;
}
inline void recDispString(int x, int y, const void* text) {
  note("text " + at(x, y) + " " + static_cast<const char*>(text));
}

inline void onVBlank(void*) { note("vblank"); }

constexpr pane::DrawTarget kRecordingTarget = {
    recSetClipping,       recDispCustomSprite, recDrawRect,    recSetUpdate,  recIsbgEnabled,
    recReturnFrameBuffer, recBackBuffer,       recSwapBuffers, recDispString,
};

// Starts a fresh recording with the host counters at zero.
inline void startRecording() {
  hostReset();
  rec = Recording();
  hostOnVBlank(onVBlank, nullptr);
}

// The clipping call that opens a box of the given size.
inline std::string clipOf(int x, int y, int width, int height) {
  return "clip " + at(x + 6, y + 6) + " " + at(x + width - 12, y + height - 12);
}

// The calls without tiles and interior fills: one "clip" stands for each box.
inline std::vector<std::string> outline() {
  std::vector<std::string> kept;
  for (const std::string& c : recorded()) {
    const std::string word = c.substr(0, c.find(' '));
    if (word == "TL" || word == "T" || word == "TR" || word == "R" || word == "BR" || word == "B" ||
        word == "BL" || word == "L" || word == "rect")
      continue;
    kept.push_back(c);
  }
  return kept;
}

}  // namespace panelkit_test

#endif
