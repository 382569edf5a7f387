// Patterned glyphs as a font table and as a Unicode font with the same pixels.
#include "pattern_fonts.h"

#include <algorithm>
#include <cstring>

namespace pane_test {

namespace {

constexpr uint16_t kInk = 0x7FFF;
constexpr uint32_t kPicture = 0xE000;
constexpr uint16_t kPictureColours[] = {0x03E0, 0x7C00, 0x001F};

void put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void put32(std::vector<uint8_t>& out, uint32_t v) {
  put16(out, v & 0xFFFF);
  put16(out, v >> 16);
}

uint16_t pictureAt(int x, int y) { return (x + y) % 4 == 3 ? 0 : kPictureColours[(x + y) % 4]; }

}  // namespace

int PatternFonts::widthOf(uint32_t c) { return c < 128 ? 3 + static_cast<int>(c % 4) : 8; }

// A blank first column and last row leave room for bold and underline; the
// pattern differs from glyph to glyph.
bool PatternFonts::inkAt(uint32_t c, int x, int y) {
  if (c == ' ' || x == 0 || y == kLineHeight - 1 || y == 0) return false;
  return ((c * 7 + static_cast<uint32_t>(x) * 3 + static_cast<uint32_t>(y) * 5) % 3) != 0;
}

uint32_t PatternFonts::coverageAt(uint32_t c, int x, int y) const {
  if (!inkAt(c, x, y)) return 0;
  const uint32_t amax = (1u << bpp_) - 1u;
  return fullInk_ ? amax : 1 + (c + static_cast<uint32_t>(x * 5 + y)) % amax;
}

PatternFonts::PatternFonts(const std::vector<uint32_t>& extraCodePoints, int bitsPerPixel,
                           bool fullInk)
    : bpp_(bitsPerPixel), fullInk_(fullInk) {
  std::vector<uint32_t> codes;
  for (uint32_t c = 32; c < 127; ++c) codes.push_back(c);
  codes.insert(codes.end(), extraCodePoints.begin(), extraCodePoints.end());
  codes.push_back(kPicture);
  std::sort(codes.begin(), codes.end());
  codes.erase(std::unique(codes.begin(), codes.end()), codes.end());

  for (uint32_t c : codes) {
    if (ranges_.empty() || ranges_.back().first + (glyphs_.size() - ranges_.back().glyph) != c)
      ranges_.push_back({c, static_cast<uint32_t>(glyphs_.size())});
    if (c == kPicture) font_.pictureFirst = static_cast<uint32_t>(glyphs_.size());
    addGlyph(c, c == kPicture);
  }
  font_.rangeCount = static_cast<uint32_t>(ranges_.size());
  ranges_.push_back({0x110000, static_cast<uint32_t>(glyphs_.size())});
  font_.ranges = ranges_.data();
  font_.glyphs = glyphs_.data();
  font_.bitmaps = bitmaps_.data();
  font_.glyphCount = static_cast<uint32_t>(glyphs_.size());
  font_.bitmapBytes = static_cast<uint32_t>(bitmaps_.size());
  font_.pictureCount = 1;
  font_.replacement = '?' - 32;
  font_.lineHeight = kLineHeight;
  font_.baseline = kLineHeight - 2;
  font_.underline = kUnderline;
  font_.tabDistance = kTab;
  font_.transparent = transparent_;
  font_.bitsPerPixel = static_cast<uint8_t>(bpp_);

  for (std::size_t c = 0; c < records_.size(); ++c)
    slots_[c] = records_[c].empty() ? nullptr : records_[c].data();
  slots_[256] = &tab_;
  slots_[257] = &transparent_;
  slots_[258] = &underline_;
}

// The table's record is the whole cell; the Unicode glyph keeps its ink box.
void PatternFonts::addGlyph(uint32_t c, bool picture) {
  const int width = picture ? 5 : widthOf(c);
  auto pixel = [&](int x, int y) -> uint16_t {
    if (picture) return pictureAt(x, y);
    return inkAt(c, x, y) ? kInk : 0;
  };
  const uint32_t slot = picture ? 1 : c;
  if (slot < 256) {
    std::vector<uint16_t>& record = records_[slot];
    record = {static_cast<uint16_t>(width - 1), kLineHeight - 1};
    for (int y = 0; y < kLineHeight; ++y)
      for (int x = 0; x < width; ++x) record.push_back(pixel(x, y));
  }
  int left = width, right = -1, top = kLineHeight, bottom = -1;
  for (int y = 0; y < kLineHeight; ++y)
    for (int x = 0; x < width; ++x)
      if (pixel(x, y) != 0) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  PaneGlyph g{};
  const uint32_t offset = static_cast<uint32_t>(bitmaps_.size());
  std::memcpy(g.offset, &offset, 3);
  g.advance = static_cast<uint8_t>(width);
  if (right >= 0) {
    g.width = static_cast<uint8_t>(right - left + 1);
    g.height = static_cast<uint8_t>(bottom - top + 1);
    g.left = static_cast<int8_t>(left);
    g.top = static_cast<uint8_t>(top);
    int bit = 0;
    for (int y = top; y <= bottom; ++y)
      for (int x = left; x <= right; ++x) {
        if (picture) {
          put16(bitmaps_, pixel(x, y));
          continue;
        }
        const uint32_t a = coverageAt(c, x, y);
        for (int k = bpp_ - 1; k >= 0; --k, ++bit) {
          if (bit % 8 == 0) bitmaps_.push_back(0);
          if ((a >> k) & 1u) bitmaps_.back() |= static_cast<uint8_t>(0x80 >> (bit % 8));
        }
      }
  }
  glyphs_.push_back(g);
}

std::vector<uint8_t> PatternFonts::binary() const {
  std::vector<uint8_t> out = {'P', 'F', 'N', 'T'};
  put16(out, 1);
  out.push_back(font_.bitsPerPixel);
  out.push_back(0);
  for (uint32_t v : {font_.lineHeight, font_.baseline, font_.underline, font_.tabDistance,
                     font_.transparent, uint16_t{0}})
    put16(out, v);
  for (uint32_t v : {font_.rangeCount, font_.glyphCount, font_.bitmapBytes, font_.pictureFirst,
                     font_.pictureCount, font_.replacement})
    put32(out, v);
  for (const PaneRange& r : ranges_) put32(out, r.first), put32(out, r.glyph);
  for (const PaneGlyph& g : glyphs_) {
    const uint8_t* p = reinterpret_cast<const uint8_t*>(&g);
    out.insert(out.end(), p, p + sizeof g);
  }
  out.insert(out.end(), bitmaps_.begin(), bitmaps_.end());
  return out;
}

}  // namespace pane_test
