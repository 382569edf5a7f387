// The line-breaking rules shared by getWrapPoints and the layout pass of dispString.
#include "glyphcore/text_layout.h"

namespace pane::text {

LineBreaker::LineBreaker(uint16_t** font, int startX, int lineStart, int rightLimit)
    : font_(font),
      tabDistance_(tabDistance(font)),
      lineStart_(lineStart),
      rightLimit_(rightLimit),
      penX_(startX) {}

ByteEffect LineBreaker::take(uint8_t c) {
  ++sinceBreakable_;
  switch (c) {
    case kBell:
      penX_ = addSat(penX_, 1);
      break;
    case kBackspace:
      penX_ = addSat(penX_, -1);
      break;
    case kTab:
      penX_ = tabStopAfter(penX_, tabDistance_);
      sinceBreakable_ = 0;
      break;
    case kLineFeed:
    case kReturn:
    case kWrapMark:
      penX_ = lineStart_;
      spaceSeen_ = false;
      return ByteEffect::LineEnd;
    case kRowUp:
      return ByteEffect::RowUp;
    case kRowDown:
      return ByteEffect::RowDown;
    case kSpace:
      spaceSeen_ = true;
      sinceBreakable_ = 0;
      penX_ = addSat(penX_, glyphWidth(font_, kSpace));
      break;
    default:
      penX_ = addSat(penX_, glyphWidth(font_, c));
      break;
  }
  return ByteEffect::Advance;
}

Break LineBreaker::settle(uint8_t* str, int* index) {
  if (!runsPast(penX_, rightLimit_)) return Break::None;
  if (spaceSeen_) {
    // Every byte after the last space or tab moves to the next line; the space
    // itself ends this one. Each mark lies past the previous one, so the walk
    // always ends.
    *index -= sinceBreakable_;
    str[*index] = kWrapMark;
    return Break::AtSpace;
  }
  // A word wider than the line: the overflowing byte starts the next line. A
  // control code that overflows has no replacement glyph and starts it with
  // its own glyph's width, 0 without one.
  const uint8_t c = str[*index];
  penX_ = addSat(lineStart_, isControl(c) ? ownWidth(font_, c) : glyphWidth(font_, c));
  spaceSeen_ = false;
  return Break::BeforeByte;
}

}  // namespace pane::text
