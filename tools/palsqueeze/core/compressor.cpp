// Builds the compressed sprite record text: palette by first appearance, indices
// packed straight into stream bytes, words written as "0x" and four hex digits.
#include "core/compressor.h"

#include <cstdint>
#include <unordered_map>

#include "core/palette_bits.h"
#include "core/sprite_text.h"

namespace palsqueeze {

namespace {

constexpr std::size_t kFirstPixel = 2;  // values 0 and 1 are width - 1 and height - 1
constexpr std::uint32_t kCompressedMarker = 0xFFFF;
constexpr std::uint32_t kMaxWidthValue = 0xFFFE;  // 0xFFFF in word 0 marks a compressed record
constexpr std::uint32_t kMaxHeightValue = 0xFFFF;
constexpr char kPaletteComment[] = "// width, height, # of pallate entries, pallate entries";

// A size word as C reads it: decimal digits without a leading zero (which would make
// C read the number as octal), at most `limit`.
bool readSizeValue(std::string_view text, std::uint32_t limit, std::uint32_t& value) {
  if (text.empty() || text.size() > 5 || (text.size() > 1 && text[0] == '0')) return false;
  value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + static_cast<std::uint32_t>(c - '0');
  }
  return value <= limit;
}

bool isCompressedMarker(std::string_view text) {
  return text == "0xFFFF" || text == "0xffff" || text == std::to_string(kCompressedMarker);
}

std::string sizeProblem(const char* which, std::uint32_t limit, std::string_view text) {
  return std::string("The ") + which + " must be a decimal number from 0 to " +
         std::to_string(limit) + " without leading zeros; found \"" + std::string(text) + "\".";
}

// Reads width - 1 and height - 1 and checks the pixel values against them.
bool checkShape(const std::vector<std::string_view>& values, Result& result) {
  if (values.size() < kFirstPixel) {
    result.problem =
        "The array needs at least two values: width - 1 and height - 1, then the pixels.";
    return false;
  }
  std::uint32_t widthValue = 0;
  std::uint32_t heightValue = 0;
  if (isCompressedMarker(values[0])) {
    result.problem = "The array is already a compressed sprite (its first value is 0xFFFF).";
    return false;
  }
  if (!readSizeValue(values[0], kMaxWidthValue, widthValue)) {
    result.problem = sizeProblem("first value (width - 1)", kMaxWidthValue, values[0]);
    return false;
  }
  if (!readSizeValue(values[1], kMaxHeightValue, heightValue)) {
    result.problem = sizeProblem("second value (height - 1)", kMaxHeightValue, values[1]);
    return false;
  }
  const std::uint64_t width = widthValue + 1ull;
  const std::uint64_t height = heightValue + 1ull;
  result.sizeReport = "Sprite is " + std::to_string(width) + " x " + std::to_string(height) + ".";
  for (std::size_t i = kFirstPixel; i < values.size(); ++i) {
    if (values[i].empty()) {
      result.problem = "Pixel value " + std::to_string(i - kFirstPixel + 1) +
                       " is empty (two commas in a row?).";
      return false;
    }
  }
  const std::uint64_t given = values.size() - kFirstPixel;
  if (given != width * height) {
    result.problem = result.sizeReport.substr(0, result.sizeReport.size() - 1) + ", which takes " +
                     std::to_string(width * height) + " pixel values, but the array holds " +
                     std::to_string(given) + ".";
    return false;
  }
  return true;
}

// Palette in order of first appearance and the palette index of every pixel.
std::vector<std::uint32_t> buildPalette(const std::vector<std::string_view>& values,
                                        std::vector<std::string>& palette) {
  std::unordered_map<std::string_view, std::uint32_t> positions;
  std::vector<std::uint32_t> indices;
  indices.reserve(values.size() - kFirstPixel);
  for (std::size_t i = kFirstPixel; i < values.size(); ++i) {
    const auto [it, added] =
        positions.try_emplace(values[i], static_cast<std::uint32_t>(palette.size()));
    if (added) palette.emplace_back(values[i]);
    indices.push_back(it->second);
  }
  return indices;
}

// Indices packed most significant bit first into bytes, zero-padded to whole words.
std::vector<std::uint8_t> packIndices(const std::vector<std::uint32_t>& indices, int bits) {
  std::vector<std::uint8_t> bytes;
  bytes.reserve((indices.size() * bits + 15) / 16 * 2);
  std::uint32_t pending = 0;
  int pendingBits = 0;
  for (std::uint32_t index : indices) {
    pending = (pending << bits) | index;
    pendingBits += bits;
    while (pendingBits >= 8) {
      pendingBits -= 8;
      bytes.push_back(static_cast<std::uint8_t>(pending >> pendingBits));
    }
    pending &= (1u << pendingBits) - 1;
  }
  if (pendingBits > 0) bytes.push_back(static_cast<std::uint8_t>(pending << (8 - pendingBits)));
  if (bytes.size() % 2 != 0) bytes.push_back(0);
  return bytes;
}

// Stream bytes as words: each pair's first byte is the low byte of its word.
void appendStreamWords(const std::vector<std::uint8_t>& bytes, std::string& out) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  for (std::size_t i = 0; i < bytes.size(); i += 2) {
    if (i != 0) out += ", ";
    const std::uint8_t low = bytes[i];
    const std::uint8_t high = bytes[i + 1];
    const char word[] = {'0',           'x', kHex[high >> 4], kHex[high & 15], kHex[low >> 4],
                         kHex[low & 15]};
    out.append(word, sizeof word);
  }
  out += " };";
}

std::string recordText(const SpriteText& sprite, const std::vector<std::string>& palette,
                       const std::vector<std::uint8_t>& stream) {
  std::string out;
  out.reserve(sprite.declaration.size() + palette.size() * 8 + stream.size() * 4 + 96);
  out += sprite.declaration;
  out += "{ 0xFFFF, ";
  out += sprite.values[0];
  out += ", ";
  out += sprite.values[1];
  out += ", " + std::to_string(palette.size());
  for (const std::string& entry : palette) out += ", " + entry;
  out += ", ";
  out += kPaletteComment;
  out += "\r\n";
  appendStreamWords(stream, out);
  return out;
}

}  // namespace

Result compress(std::string_view text) {
  Result result;
  const std::optional<SpriteText> sprite = readSpriteText(text);
  if (!sprite) {
    result.problem =
        "The text has no \"{\". Paste the C array of a plain sprite: "
        "{ width - 1, height - 1, pixel, pixel, ... };";
    return result;
  }
  if (!checkShape(sprite->values, result)) return result;
  const std::vector<std::uint32_t> indices = buildPalette(sprite->values, result.palette);
  if (result.palette.size() > kMaxPaletteEntries) {
    result.status = Status::TooManyEntries;
    result.problem = kTooManyEntriesMessage;
    return result;
  }
  result.bits = BitsForPalette(result.palette.size());
  result.output = recordText(*sprite, result.palette, packIndices(indices, result.bits));
  result.bitsReport = "Sprite takes up " + std::to_string(result.bits) + " bits per pixel.";
  result.status = Status::Compressed;
  return result;
}

}  // namespace palsqueeze
