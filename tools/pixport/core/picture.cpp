// Picture loading and the pixel query every conversion reads through.
#include "core/picture.h"

#include "common/files.h"
#include "core/colour.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QtAlgorithms>
#include <QtEndian>

#include <QtMath>

#include <cmath>
#include <limits>

namespace pixport {

namespace {

// Mixes a channel with white by alpha, rounded to nearest.
int overWhite(int channel, int alpha) {
  return (channel * alpha + 255 * (255 - alpha) + 127) / 255;
}

qint64 le32(const QByteArray& bytes, int at) {
  return qFromLittleEndian<qint32>(bytes.constData() + at);
}

qint64 leU32(const QByteArray& bytes, int at) {
  return qFromLittleEndian<quint32>(bytes.constData() + at);
}

int le16(const QByteArray& bytes, int at) {
  return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// Where the reader takes the first pixel byte: after the headers and the colour
// table, or at the header's pixel offset when that lies further on (an offset that
// points into the table is not followed). bytes holds at least the headers.
qint64 bmpPixelsStart(const QByteArray& bytes) {
  constexpr int kFileHeader = 14;
  const qint64 infoSize = leU32(bytes, kFileHeader);
  const bool core = infoSize == 12;
  const int bitsPerPixel = le16(bytes, core ? 24 : 28);
  qint64 tableEntries = 0;
  if (bitsPerPixel >= 1 && bitsPerPixel <= 8) {
    const qint64 used = core ? 0 : leU32(bytes, 46);
    tableEntries = used != 0 ? used : qint64(1) << bitsPerPixel;
  }
  const qint64 tableEnd = kFileHeader + infoSize + tableEntries * (core ? 3 : 4);
  return qMax(leU32(bytes, 10), tableEnd);
}

// A channel value of bits bits widened to 8 by repeating its bits, so that the
// largest value becomes 255 and 5-bit values return to themselves in RGB15.
int widenChannel(quint32 value, int bits) {
  if (bits <= 0) return 0;
  if (bits >= 8) return static_cast<int>(value >> (bits - 8));
  quint32 wide = 0;
  for (int shift = 8 - bits; shift > -bits; shift -= bits)
    wide |= shift >= 0 ? value << shift : value >> -shift;
  return static_cast<int>(wide & 0xFF);
}

struct Channel {
  quint32 mask = 0;
  int shift = 0;
  int bits = 0;
};

// False for a mask whose bits are not one run.
bool channelOf(quint32 mask, Channel* channel) {
  channel->mask = mask;
  channel->shift = mask == 0 ? 0 : qCountTrailingZeroBits(mask);
  channel->bits = qPopulationCount(mask);
  return mask == 0 || (mask >> channel->shift) == (quint32(1) << channel->bits) - 1;
}

int channelValue(quint32 pixel, const Channel& channel) {
  return widenChannel((pixel & channel.mask) >> channel.shift, channel.bits);
}

// The image loader widens a 16-bit BMP's channels by shifting alone (31 becomes
// 248, one RGB15 shade darker); the pixels of an image it has read are taken
// again from the file with their bits repeated, alpha only where the loader
// found it. image is Format_ARGB32.
void rereadBmp16(const QByteArray& bytes, bool loaderAlpha, QImage* image) {
  constexpr int kFileHeader = 14;
  if (!bytes.startsWith("BM") || bytes.size() < kFileHeader + 40 ||
      leU32(bytes, kFileHeader) < 40 || le16(bytes, 28) != 16)
    return;
  const qint64 infoSize = leU32(bytes, kFileHeader);
  const qint64 compression = leU32(bytes, 30);
  quint32 masks[4] = {0x7C00, 0x03E0, 0x001F, 0};  // without bit fields: 5 bits each
  qint64 start = bmpPixelsStart(bytes);
  if (compression == 3 || compression == 6) {  // the masks follow the 40-byte header
    const bool alpha = compression == 6 || infoSize >= 56;
    const int maskCount = alpha ? 4 : 3;
    if (bytes.size() < kFileHeader + 40 + 4 * maskCount) return;
    for (int i = 0; i < maskCount; ++i)
      masks[i] = static_cast<quint32>(leU32(bytes, kFileHeader + 40 + 4 * i));
    if (infoSize == 40) start = qMax<qint64>(start, kFileHeader + 40 + 4 * maskCount);
  } else if (compression != 0) {
    return;
  }
  Channel red, green, blue, alpha;
  if (!channelOf(masks[0], &red) || !channelOf(masks[1], &green) || !channelOf(masks[2], &blue) ||
      !channelOf(masks[3], &alpha))
    return;  // left as the loader read it
  const qint64 height = le32(bytes, 22);
  const qint64 rows = qAbs(height);
  const qint64 stride = (qint64(image->width()) * 16 + 31) / 32 * 4;
  if (qAbs(le32(bytes, 18)) != image->width() || rows != image->height() ||
      start + stride * rows > bytes.size())
    return;
  const bool withAlpha = loaderAlpha && alpha.mask != 0;
  for (int y = 0; y < image->height(); ++y) {
    const qint64 fileRow =
        height > 0 ? rows - 1 - y : y;  // rows are stored bottom-up unless the height is negative
    const char* from = bytes.constData() + start + fileRow * stride;
    QRgb* to = reinterpret_cast<QRgb*>(image->scanLine(y));
    for (int x = 0; x < image->width(); ++x) {
      const quint32 pixel = qFromLittleEndian<quint16>(from + 2 * x);
      to[x] = qRgba(channelValue(pixel, red), channelValue(pixel, green), channelValue(pixel, blue),
                    withAlpha ? channelValue(pixel, alpha) : 255);
    }
  }
}

}  // namespace

Picture::Picture(const QImage& image)
    : m_image(image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32)) {}

quint32 Picture::desktopColourAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height()) return kNoColour;
  const QRgb pixel = reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x];
  const int alpha = qAlpha(pixel);
  if (alpha == 255) return desktopColour(qRed(pixel), qGreen(pixel), qBlue(pixel));
  return desktopColour(overWhite(qRed(pixel), alpha), overWhite(qGreen(pixel), alpha),
                       overWhite(qBlue(pixel), alpha));
}

int Picture::alphaAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height()) return 255;
  return qAlpha(reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x]);
}

qint64 bmpBytesNeeded(const QByteArray& bytes) {
  constexpr int kFileHeader = 14;
  if (!bytes.startsWith("BM")) return -1;
  if (bytes.size() < kFileHeader + 4) return kFileHeader + 4;
  const qint64 infoSize = leU32(bytes, kFileHeader);
  const bool core = infoSize == 12;
  const qint64 headers = kFileHeader + (core ? 12 : 40);
  if (bytes.size() < headers) return headers;
  const qint64 width = core ? le16(bytes, 18) : le32(bytes, 18);
  const qint64 height = core ? le16(bytes, 20) : le32(bytes, 22);
  const int bitsPerPixel = le16(bytes, core ? 24 : 28);
  const qint64 compression = core ? 0 : leU32(bytes, 30);
  const qint64 imageSize = core ? 0 : leU32(bytes, 34);
  const qint64 start = bmpPixelsStart(bytes);
  if (compression == 0 || compression == 3 || compression == 6) {  // rows as stored
    const qint64 stride = (qAbs(width) * bitsPerPixel + 31) / 32 * 4;
    const qint64 rows = qAbs(height);
    if (rows != 0 && stride > (std::numeric_limits<qint64>::max() - start) / rows)
      return std::numeric_limits<qint64>::max();  // more than any file holds
    return start + stride * rows;
  }
  return start + imageSize;  // run-length or embedded data: the size the header gives
}

RunLength walkBmpRunLength(const QByteArray& bytes) {
  constexpr int kFileHeader = 14;
  if (!bytes.startsWith("BM") || bytes.size() < kFileHeader + 40 || leU32(bytes, kFileHeader) < 40)
    return RunLength::NotRunLength;
  const qint64 compression = leU32(bytes, 30);
  const int bitsPerPixel = le16(bytes, 28);
  const bool rle8 = compression == 1 && bitsPerPixel == 8;
  const bool rle4 = compression == 2 && bitsPerPixel == 4;
  if (!rle8 && !rle4) return RunLength::NotRunLength;
  const qint64 width = qAbs(le32(bytes, 18));
  const qint64 height = qAbs(le32(bytes, 22));
  const auto byteAt = [&bytes](qint64 at) {
    return static_cast<uchar>(bytes[static_cast<qsizetype>(at)]);
  };
  qint64 at = bmpPixelsStart(bytes);
  qint64 x = 0;
  qint64 y = 0;
  while (y < height) {
    if (at + 2 > bytes.size()) return RunLength::CutShort;
    const int count = byteAt(at);
    const int code = byteAt(at + 1);
    at += 2;
    if (count > 0) {  // a run of one value
      x = qMin(width, x + count);
    } else if (code == 0) {  // end of line
      if (x < width) return RunLength::SkipsPixels;
      x = 0;
      ++y;
    } else if (code == 1) {  // end of bitmap
      return y == height - 1 && x >= width ? RunLength::Complete : RunLength::SkipsPixels;
    } else if (code == 2) {  // move right and up
      return RunLength::SkipsPixels;
    } else {  // code pixels given one by one, padded to a whole word
      qint64 size = rle8 ? code : (code + 1) / 2;
      size += size & 1;
      if (at + size > bytes.size()) return RunLength::CutShort;
      at += size;
      x = qMin(width, x + code);
    }
    if (x >= width && y == height - 1)
      return RunLength::Complete;  // the last row is full: nothing more is read
  }
  return RunLength::Complete;
}

bool decodePicture(const QByteArray& bytes, const QString& name, const QByteArray& formatHint,
                   Picture* picture, QString* error) {
  const qint64 needed = bmpBytesNeeded(bytes);
  if (needed > bytes.size()) {
    *error = QStringLiteral(
                 "%1: the picture is cut short (its header calls for %2 bytes, "
                 "the file has %3)")
                 .arg(name)
                 .arg(needed)
                 .arg(bytes.size());
    return false;
  }
  switch (walkBmpRunLength(bytes)) {
    case RunLength::CutShort:
      *error = QStringLiteral(
                   "%1: the picture is cut short (its run-length data ends before "
                   "its last row)")
                   .arg(name);
      return false;
    case RunLength::SkipsPixels:
      *error = QStringLiteral(
                   "%1: the picture's run-length data skips pixels, which the "
                   "loader leaves undefined")
                   .arg(name);
      return false;
    case RunLength::NotRunLength:
    case RunLength::Complete:
      break;
  }
  QBuffer buffer;
  buffer.setData(bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, formatHint);
  reader.setDecideFormatFromContent(true);
  reader.setAutoTransform(false);  // pixels as stored, top-left first
  const QSize size = reader.size();
  if (qint64(size.width()) * size.height() * 4 > kMaxDecodedBytes) {
    *error = QStringLiteral(
                 "%1: the picture is %2 x %3 pixels, more than pixport decodes "
                 "(%4 MB of 32-bit pixels, such as %5 x %5)")
                 .arg(name)
                 .arg(size.width())
                 .arg(size.height())
                 .arg(kMaxDecodedBytes >> 20)
                 .arg(qFloor(std::sqrt(kMaxDecodedBytes / 4.0)));
    return false;
  }
  // The loader's own limit is far below that cap; it stays above it for the
  // 64-bit pixels of 16-bit channels.
  QImageReader::setAllocationLimit(static_cast<int>(2 * kMaxDecodedBytes >> 20));
  QImage image = reader.read();
  if (image.isNull()) {
    *error = QStringLiteral("%1: cannot read the picture (%2)").arg(name, reader.errorString());
    return false;
  }
  const bool loaderAlpha = image.hasAlphaChannel();
  image.convertTo(QImage::Format_ARGB32);
  rereadBmp16(bytes, loaderAlpha, &image);
  *picture = Picture(image);
  return true;
}

bool loadPicture(const QString& path, Picture* picture, QString* error) {
  const bool standardInput = path == QLatin1String("-");
  const QString name = standardInput ? QStringLiteral("standard input") : path;
  std::string bytes;
  std::string reason;
  if (!panetools::readWhole(path.toLocal8Bit().toStdString(), &bytes, &reason)) {
    *error = QStringLiteral("Cannot read %1: %2").arg(name, QString::fromLocal8Bit(reason.c_str()));
    return false;
  }
  const QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
  const QByteArray hint =
      standardInput ? QByteArray() : QFileInfo(path).suffix().toLower().toLatin1();
  return decodePicture(data, name, hint, picture, error);
}

}  // namespace pixport
