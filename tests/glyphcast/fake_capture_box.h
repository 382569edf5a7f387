// A scripted capture box for exact tests of the conversion: each character is a
// short diagonal white line from its drawing position, widths follow the code.
#pragma once

#include "glyphcast/core/capture_box.h"

#include <algorithm>
#include <vector>

namespace glyphcast::test {

struct DrawCall {
  int x;
  int y;
  int code;
};

class FakeCaptureBox : public CaptureBox {
 public:
  // Advance of code c is 3 + c % 4 pixels; the line height is lineHeight.
  double lineHeight = 5;
  double extraWidth = 0;  // added to every advance, e.g. 0.5 to test rounding
  bool blank = false;     // draws nothing
  int inkLength = 2;      // pixels of the diagonal line a character draws
  FontMatch match{QStringLiteral("Fake Sans"), true};
  std::vector<int> missing;  // codes the font has no glyph for

  CaptureFont font;
  int fontCalls = 0;
  std::vector<DrawCall> draws;
  mutable int pixelReads = 0;

  FontMatch setFont(const CaptureFont& f) override {
    font = f;
    ++fontCalls;
    FontMatch answer = match;
    if (answer.familyUsed.isEmpty()) answer.familyUsed = f.family;
    return answer;
  }
  void clear() override { cleared_ = true; }
  void drawChar(int x, int y, int code) override {
    draws.push_back({x, y, code});
    cleared_ = false;
  }
  double textWidth(int code) const override { return 3 + code % 4 + extraWidth; }
  double textHeight(int) const override { return lineHeight; }
  bool hasChar(int code) const override {
    return std::find(missing.begin(), missing.end(), code) == missing.end();
  }
  bool inkOutside(int, int left, int top, int right, int bottom) override {
    for (int along = 0; along < inkLength && !blank; ++along) {
      if (along < left || along > right || along < top || along > bottom) return true;
    }
    return false;
  }
  std::int32_t pixel(int x, int y) const override {
    ++pixelReads;
    if (x < 0 || y < 0 || x >= kWidth || y >= kHeight) return -1;
    if (cleared_ || draws.empty() || blank) return 0;
    const DrawCall& last = draws.back();
    const int along = x - last.x;
    return (along == y - last.y && along >= 0 && along < inkLength) ? 0x00FFFFFF : 0;
  }

 private:
  bool cleared_ = true;
};

}  // namespace glyphcast::test
