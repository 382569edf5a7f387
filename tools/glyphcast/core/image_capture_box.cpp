// QImage capture box: draws one character at a time and reads pixels back.
#include "glyphcast/core/image_capture_box.h"

#include "glyphcast/core/codepage.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>

#include <algorithm>

namespace glyphcast {

namespace {

// A family name no font has: the family Qt falls back to for it is the one it
// uses for any name that nothing installed answers to.
const QString kNoSuchFamily = QStringLiteral("glyphcast no such family 7f3e");

QString charText(int code) { return QString(unicodeFromWindows1252(code)); }

QString pointText(std::uint32_t point) {
  const char32_t c = point;
  return QString::fromUcs4(&c, 1);
}

bool isInstalledFamily(const QString& name) {
  const QStringList families = QFontDatabase::families();
  for (const QString& family : families) {
    if (withoutFoundry(family).compare(name, Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

}  // namespace

QString withoutFoundry(const QString& family) {
  static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]$"));
  QString name = family;
  name.remove(foundry);
  return name;
}

QFont qtFontFor(const CaptureFont& font) {
  QFont qfont;
  qfont.setFamily(font.family);
  qfont.setPixelSize(qRound(font.points * 96 / 72.0));
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  qfont.setHintingPreference(QFont::PreferFullHinting);
  int strategy =
      font.smooth ? QFont::PreferAntialias | QFont::NoSubpixelAntialias : QFont::NoAntialias;
  if (!font.fileData.isEmpty() || font.ownGlyphsOnly) strategy |= QFont::NoFontMerging;
  qfont.setStyleStrategy(QFont::StyleStrategy(strategy));
  return qfont;
}

FontMatch matchFont(const QFont& font) {
  FontMatch match;
  // Qt names a family that several foundries have as "Family [Foundry]".
  match.familyUsed = withoutFoundry(QFontInfo(font).family());
  const QString asked = withoutFoundry(font.family());
  if (match.familyUsed.compare(asked, Qt::CaseInsensitive) == 0 || isInstalledFamily(asked))
    return match;
  QFont probe = font;
  probe.setFamily(kNoSuchFamily);
  // A fontconfig alias (Arial answered by a metric-compatible family) resolves to
  // something other than the general fallback.
  match.answered = withoutFoundry(QFontInfo(probe).family()) != match.familyUsed;
  return match;
}

ImageCaptureBox::ImageCaptureBox() : image_(kWidth, kHeight, QImage::Format_RGB32) { clear(); }

FontMatch ImageCaptureBox::setFont(const CaptureFont& font) {
  font_ = qtFontFor(font);
  italic_ = font.italic;
  spans_.clear();
  FontMatch match = matchFont(font_);
  drawnFace_ = QRawFont();
  if (font.ownGlyphsOnly) drawnFace_ = QRawFont::fromFont(font_);
  if (!font.fileData.isEmpty()) {
    drawnFace_ = QRawFont::fromFont(font_);
    // The face's header table, dates and checksum included, is the file's own
    // only when the file draws; a collection holds each of its faces' tables.
    QByteArray header = drawnFace_.fontTable("head");
    if (header.isEmpty()) header = drawnFace_.fontTable("bhed");  // a bitmap-only face
    match.fromFile = header.isEmpty() || font.fileData.contains(header);
  }
  const QFontInfo info(font_);
  if (!QFontDatabase::isScalable(info.family(), info.styleName()) && info.pointSizeF() > 0) {
    match.fixedPixels = info.pixelSize();
    // The database gives points at the platform's resolution; the converter's
    // points are at 96 pixels per inch.
    const double toPoints = info.pixelSize() * 72 / 96.0 / info.pointSizeF();
    for (int points : QFontDatabase::pointSizes(info.family(), info.styleName()))
      match.fixedPoints << qRound(points * toPoints * 4) / 4.0;
  }
  return match;
}

const ImageCaptureBox::Span& ImageCaptureBox::span(const QString& text) const {
  Span& span = spans_[text];
  if (span.known) return span;
  span.known = true;
  const QFontMetrics metrics(font_, &image_);
  const int advance = metrics.horizontalAdvance(text);
  span.width = advance;
  if (!italic_) return span;
  // The character on a scratch image with a line height of room on every side.
  const int margin = metrics.height();
  QImage scratch(advance + 2 * margin, 3 * margin, QImage::Format_RGB32);
  scratch.fill(Qt::black);
  {
    QPainter painter(&scratch);
    painter.setFont(font_);
    painter.setPen(Qt::white);
    painter.drawText(QPoint(margin, margin + metrics.ascent()), text);
  }
  int first = scratch.width();
  int last = -1;
  for (int y = 0; y < scratch.height(); ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
    for (int x = 0; x < scratch.width(); ++x) {
      if ((row[x] & 0xFFFFFF) != 0) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
  }
  if (last >= 0) {
    span.left = std::max(0, margin - first);
    span.width = span.left + std::max(advance, last - margin + 1);
  }
  return span;
}

void ImageCaptureBox::clear() { image_.fill(Qt::black); }

void ImageCaptureBox::drawText(int x, int y, const QString& text) {
  QPainter painter(&image_);
  painter.setFont(font_);
  painter.setPen(Qt::white);
  // GDI places the cell's top-left corner at the position; Qt takes the baseline.
  painter.drawText(QPoint(x + span(text).left, y + ascent()), text);
}

void ImageCaptureBox::drawChar(int x, int y, int code) { drawText(x, y, charText(code)); }

void ImageCaptureBox::drawCodePoint(int x, int y, std::uint32_t point) {
  drawText(x, y, pointText(point));
}

double ImageCaptureBox::textWidth(int code) const { return span(charText(code)).width; }

double ImageCaptureBox::codePointWidth(std::uint32_t point) const {
  return span(pointText(point)).width;
}

int ImageCaptureBox::ascent() const { return QFontMetrics(font_, &image_).ascent(); }

double ImageCaptureBox::textHeight(int) const { return QFontMetrics(font_, &image_).height(); }

std::int32_t ImageCaptureBox::pixel(int x, int y) const {
  if (!image_.valid(x, y)) return -1;
  const QRgb rgb = image_.pixel(x, y);
  return qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16);
}

bool ImageCaptureBox::hasChar(int code) const {
  return !drawnFace_.isValid() || drawnFace_.supportsCharacter(unicodeFromWindows1252(code));
}

bool ImageCaptureBox::hasCodePoint(std::uint32_t point) const {
  return !drawnFace_.isValid() || drawnFace_.supportsCharacter(static_cast<uint>(point));
}

bool ImageCaptureBox::inkOutsideArea(int left, int top, int right, int bottom) const {
  for (int y = 0; y < kHeight; ++y) {
    const QRgb* row = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
    const bool rowInside = y >= top && y <= bottom;
    for (int x = 0; x < kWidth; ++x) {
      if ((row[x] & 0xFFFFFF) != 0 && (!rowInside || x < left || x > right)) return true;
    }
  }
  return false;
}

}  // namespace glyphcast
