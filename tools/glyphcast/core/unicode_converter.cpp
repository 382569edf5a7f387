// The Unicode capture over the capture box: one face at a time in fallback order,
// each code point drawn once near the middle of the box so that ink on every side
// of its cell is seen, then cut to the cell as the classic capture cuts it.
#include "glyphcast/core/unicode_converter.h"

#include "glyphcast/core/cut_ink.h"
#include "glyphcast/core/glyph_source.h"
#include "glyphcast/core/numbers.h"
#include "glyphcast/core/special_glyphs.h"
#include "glyphcast/core/template_text.h"

#include <QStringList>

#include <algorithm>
#include <map>

namespace glyphcast {

namespace {

constexpr int kMaxSide = 255;  // a glyph record's advance, width, height and top are bytes
constexpr int kMaxLeft = 127;  // and its left a signed byte

QString quoted(const QString& text) { return QLatin1Char('"') + text + QLatin1Char('"'); }

std::vector<UnicodeGlyph> pictureGlyphs() {
  std::vector<UnicodeGlyph> glyphs;
  for (const SpecialGlyph& special : specialGlyphs()) {
    UnicodeGlyph glyph;
    glyph.codePoint = kButtonFirst + static_cast<std::uint32_t>(special.number - 1);
    glyph.picture = true;
    glyph.width = special.columns();
    glyph.height = kSpecialGlyphRows;
    glyph.advance = glyph.width;
    for (const char* row : special.rows) {
      for (int x = 0; x < glyph.width; ++x)
        glyph.colours.push_back(static_cast<std::uint16_t>(pictureColour(row[x])));
    }
    glyphs.push_back(std::move(glyph));
  }
  return glyphs;
}

// A pixel of white drawn on black as the font holds it, 0 for none. One bit: ink
// as the classic glyphs hold it, a pixel whose RGB15 value is not 0. Coverage: the
// grey level, 0 to 255, scaled to 0 to full and rounded to the nearest. Black,
// which most of the box is, is tested first.
int levelOf(QRgb pixel, int full) {
  const std::int32_t rgb = static_cast<std::int32_t>(pixel & 0xFFFFFF);
  if (rgb == 0) return 0;
  if (full == 1) return rgb15FromPixel(qRed(rgb) | qGreen(rgb) << 8 | qBlue(rgb) << 16) != 0;
  return (qGray(pixel) * full + 127) / 255;
}

class UnicodeRun {
 public:
  UnicodeRun(ImageCaptureBox& box, const Fields& fields, const UnicodeRequest& request)
      : box_(box), fields_(fields), request_(request) {}

  UnicodeConversion execute();

 private:
  bool checkName();
  bool startFace(size_t face);
  bool captureFace(size_t face);
  bool capture(std::uint32_t point, bool inkless);
  UnicodeConversion refuse();

  ImageCaptureBox& box_;
  const Fields& fields_;
  const UnicodeRequest& request_;
  UnicodeConversion result_;
  GlyphPlacement placement_;
  int baselineShift_ = 0;  // rows the face's baseline moves down to meet the first face's
  int full_ = 1;           // a pixel's full value: (1 << bitsPerPixel) - 1
  std::map<std::uint32_t, UnicodeGlyph> glyphs_;
  std::vector<std::uint32_t> wanted_;
  std::vector<std::uint32_t> cut_;
  int done_ = 0;   // glyphs captured so far
  int total_ = 0;  // glyphs asked for but the space and the pictures
};

UnicodeConversion UnicodeRun::refuse() {
  UnicodeConversion refused;
  refused.message = result_.message;
  refused.note = result_.note;
  return refused;
}

bool UnicodeRun::checkName() {
  const QString& asked = request_.options.name;
  result_.name = asked.isEmpty() ? fontTableName(fields_.fontName, fields_.size) : asked;
  const QString problem = cNameProblem(result_.name);
  if (problem.isEmpty()) return true;
  result_.message =
      asked.isEmpty()
          ? QStringLiteral("Font name %1 and size %2 give the name %3, which %4.")
                .arg(quoted(fields_.fontName), quoted(fields_.size), result_.name, problem)
          : QStringLiteral("The name %1 %2.").arg(quoted(asked), problem);
  return false;
}

// Sets the face in the box with the checks of a classic run; the first face
// fixes the line, the others meet its baseline.
bool UnicodeRun::startFace(size_t index) {
  const UnicodeFace& face = request_.faces[index];
  Fields fields = fields_;
  fields.fontName = face.family;
  ConvertOptions options = request_.options;
  options.smooth = full_ > 1;
  options.ownGlyphsOnly = true;
  options.fileData = face.fileData;
  options.drawFamily = face.drawFamily;
  if (!startCapture(box_, fields, options, &placement_, &result_.message, &result_.note))
    return false;
  if (index == 0) {
    const double rows = roundHalfEven(placement_.heightBias + box_.textHeight(' ')) + 1;
    if (rows < 1 || rows > std::min(kMaxSide, CaptureBox::kHeight)) {
      result_.message =
          QStringLiteral(
              "Size %1 with height bias %2 gives lines %3 pixels tall; a Unicode font's "
              "lines are 1 to %4.")
              .arg(fields_.size, fields_.heightBias)
              .arg(rows)
              .arg(std::min(kMaxSide, CaptureBox::kHeight));
      return false;
    }
    result_.font.metrics.lineHeight = static_cast<int>(rows);
    result_.font.metrics.baseline = placement_.y + box_.ascent();
    if (result_.font.metrics.baseline < 0) {
      result_.message =
          QStringLiteral("Loc bias y %1 puts the baseline above the line's top.").arg(fields_.locY);
      return false;
    }
  }
  baselineShift_ = result_.font.metrics.baseline - (placement_.y + box_.ascent());
  return true;
}

// Draws the point with its cell near the middle of the box, reads the cell's ink
// box and whether ink lies outside the cell.
bool UnicodeRun::capture(std::uint32_t point, bool inkless) {
  const double columns = roundHalfEven(placement_.widthBias + box_.codePointWidth(point)) + 1;
  const int rows = result_.font.metrics.lineHeight;
  if (columns < 1 || columns > std::min(kMaxSide, CaptureBox::kWidth)) {
    result_.message = QStringLiteral(
                          "The glyph of %1 would be %2 pixels wide (size %3, width bias %4); a "
                          "Unicode glyph is 1 to %5.")
                          .arg(codePointName(point))
                          .arg(columns)
                          .arg(fields_.size, fields_.widthBias)
                          .arg(std::min(kMaxSide, CaptureBox::kWidth));
    return false;
  }
  const int width = static_cast<int>(columns);
  const int cellLeft = (CaptureBox::kWidth - width) / 2;
  const int cellTop = (CaptureBox::kHeight - rows) / 2;
  box_.clear();
  box_.drawCodePoint(cellLeft + placement_.x, cellTop + placement_.y + baselineShift_, point);

  const QImage& image = box_.image();
  int left = width, top = rows, right = -1, bottom = -1;
  bool outside = false;
  for (int y = 0; y < image.height(); ++y) {
    const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    const bool rowInside = y >= cellTop && y < cellTop + rows;
    for (int x = 0; x < image.width(); ++x) {
      if (levelOf(line[x], full_) == 0) continue;
      if (!rowInside || x < cellLeft || x >= cellLeft + width) {
        outside = true;
        continue;
      }
      left = std::min(left, x - cellLeft);
      right = std::max(right, x - cellLeft);
      top = std::min(top, y - cellTop);
      bottom = std::max(bottom, y - cellTop);
    }
  }
  UnicodeGlyph glyph;
  glyph.codePoint = point;
  glyph.advance = width;
  if (outside && !inkless) cut_.push_back(point);
  if (right >= 0 && !inkless && left > kMaxLeft) {
    result_.message = QStringLiteral(
                          "The ink of %1 starts %2 columns right of the pen; a Unicode glyph's "
                          "starts at most %3 columns in.")
                          .arg(codePointName(point))
                          .arg(left)
                          .arg(kMaxLeft);
    return false;
  }
  if (right >= 0 && !inkless) {
    glyph.left = left;
    glyph.top = top;
    glyph.width = right - left + 1;
    glyph.height = bottom - top + 1;
    for (int y = top; y <= bottom; ++y) {
      const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(cellTop + y));
      for (int x = left; x <= right; ++x)
        glyph.levels.push_back(static_cast<std::uint8_t>(levelOf(line[cellLeft + x], full_)));
    }
  }
  glyphs_[point] = std::move(glyph);
  return true;
}

bool UnicodeRun::captureFace(size_t face) {
  if (!startFace(face)) return false;
  // The space holds its advance alone, from the first face whether it has one or not.
  if (face == 0 && !capture(' ', true)) return false;
  std::vector<std::uint32_t> left;
  for (std::uint32_t point : wanted_) {
    if (!box_.hasCodePoint(point)) {
      left.push_back(point);
      continue;
    }
    if (request_.progress) request_.progress(++done_, total_);
    if (!capture(point, false)) return false;
    if (request_.yield && !request_.yield()) {
      result_.message = stoppedMessage();
      return false;
    }
  }
  wanted_ = std::move(left);
  return true;
}

UnicodeConversion UnicodeRun::execute() {
  if (request_.faces.empty()) {
    result_.message = QStringLiteral("A Unicode font needs a font to draw.");
    return refuse();
  }
  if (request_.bitsPerPixel != 1 && request_.bitsPerPixel != 2 && request_.bitsPerPixel != 4) {
    result_.message = QStringLiteral("A Unicode font has 1, 2 or 4 bits per pixel, not %1.")
                          .arg(request_.bitsPerPixel);
    return refuse();
  }
  full_ = (1 << request_.bitsPerPixel) - 1;
  if (request_.cSource && !checkName()) return refuse();
  std::vector<UnicodeGlyph> pictures = pictureGlyphs();
  CodePoints points = request_.codePoints;
  if (!request_.codePointsGiven) addPrintableAscii(&points);
  // The glyph the library draws for what the font lacks and for malformed UTF-8:
  // U+FFFD when a font has it, else '?', which every font gets.
  points.insert('?');
  points.insert(kReplacementCharacter);
  for (std::uint32_t point : points) {
    const bool picture = point >= kButtonFirst && point < kButtonFirst + pictures.size();
    if (point != ' ' && !picture) wanted_.push_back(point);
  }
  total_ = static_cast<int>(wanted_.size());
  for (size_t face = 0; face < request_.faces.size(); ++face) {
    if (!captureFace(face)) return refuse();
  }
  wanted_.erase(std::remove(wanted_.begin(), wanted_.end(), kReplacementCharacter), wanted_.end());
  result_.missing = wanted_;
  if (!result_.missing.empty() && request_.options.exact) {
    result_.message = QStringLiteral("No font has %1; only the fonts' own glyphs are accepted.")
                          .arg(codePointList(result_.missing));
    return refuse();
  }
  bool inked = false;
  for (const auto& [point, glyph] : glyphs_) inked = inked || glyph.width > 0;
  if (!inked) {
    result_.message = QStringLiteral(
                          "Every glyph is blank: nothing was drawn inside the glyph cells (loc "
                          "bias %1, %2).")
                          .arg(fields_.locX, fields_.locY);
    return refuse();
  }
  for (UnicodeGlyph& picture : pictures) glyphs_[picture.codePoint] = std::move(picture);
  std::vector<UnicodeGlyph> sorted;
  sorted.reserve(glyphs_.size());
  for (auto& entry : glyphs_) sorted.push_back(std::move(entry.second));

  FontMetrics metrics = result_.font.metrics;
  metrics.underline = fields_.underline.toInt();
  metrics.tabDistance = kTabStop;
  metrics.transparent = kTransparentValue;
  result_.font = buildUnicodeFont(sorted, metrics, request_.bitsPerPixel);
  if (result_.font.bitmaps.size() > kMaxBitmapOffset) {
    result_.message =
        QStringLiteral("The glyphs need %1 bytes of pixels; a Unicode font holds at most 16 MB.")
            .arg(result_.font.bitmaps.size());
    return refuse();
  }
  if (!cut_.empty())
    result_.warning = cutInkWarning(QStringLiteral("cells"), static_cast<int>(cut_.size()),
                                    QStringLiteral("code point"), QStringLiteral("code points"),
                                    fields_, codePointList(cut_));

  QStringList families;
  for (const UnicodeFace& face : request_.faces)
    families << QLatin1Char('\'') + face.family + QLatin1Char('\'');
  auto mark = [](bool checked) { return checked ? QStringLiteral("x") : QStringLiteral(" "); };
  result_.about =
      QStringLiteral("Font name: %1 size %2\n")
          .arg(families.join(QLatin1String(", then ")), fields_.size) +
      QStringLiteral("[%1] Bold\n[%2] Italics\n").arg(mark(fields_.bold), mark(fields_.italic)) +
      QStringLiteral("Width bias: %1, %2\nLoc bias: %3, %4\nUnderline: %5\n")
          .arg(fields_.widthBias, fields_.heightBias, fields_.locX, fields_.locY,
               fields_.underline) +
      QStringLiteral("%1 glyphs, %2; buttons at U+E000-U+E00D")
          .arg(result_.font.glyphCount)
          .arg(request_.bitsPerPixel == 1
                   ? QStringLiteral("1 bit per pixel")
                   : QStringLiteral("%1 bits per pixel of coverage").arg(request_.bitsPerPixel));
  result_.ok = true;
  return result_;
}

}  // namespace

UnicodeConversion convertUnicodeFont(ImageCaptureBox& box, const Fields& fields,
                                     const UnicodeRequest& request) {
  return UnicodeRun(box, fields, request).execute();
}

QString unicodeReport(const UnicodeConversion& conversion) {
  return QStringLiteral("%1 glyphs, %2 bytes")
      .arg(conversion.font.glyphCount)
      .arg(binaryFontBytes(conversion.font).size());
}

QString missingWarning(const UnicodeConversion& conversion) {
  if (conversion.missing.empty()) return QString();
  const size_t count = conversion.missing.size();
  return QStringLiteral("no font has %1 %2: %3; they are drawn as the replacement glyph.")
      .arg(count)
      .arg(count == 1 ? QStringLiteral("code point") : QStringLiteral("code points"))
      .arg(codePointList(conversion.missing));
}

}  // namespace glyphcast
