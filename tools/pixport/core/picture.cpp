// Picture loading and the pixel query every conversion reads through.
#include "core/picture.h"

#include "common/files.h"
#include "core/colour.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>
#include <QtEndian>

#include <limits>

namespace pixport {

namespace {

// Mixes a channel with white by alpha, rounded to nearest.
int overWhite(int channel, int alpha)
{
    return (channel * alpha + 255 * (255 - alpha) + 127) / 255;
}

qint64 le32(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<qint32>(bytes.constData() + at);
}

qint64 leU32(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

int le16(const QByteArray& bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// Where the reader takes the first pixel byte: after the headers and the colour
// table, or at the header's pixel offset when that lies further on (an offset that
// points into the table is not followed). bytes holds at least the headers.
qint64 bmpPixelsStart(const QByteArray& bytes)
{
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

} // namespace

Picture::Picture(const QImage& image)
    : m_image(image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32))
{
}

quint32 Picture::desktopColourAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return kNoColour;
    const QRgb pixel = reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x];
    const int alpha = qAlpha(pixel);
    if (alpha == 255)
        return desktopColour(qRed(pixel), qGreen(pixel), qBlue(pixel));
    return desktopColour(overWhite(qRed(pixel), alpha), overWhite(qGreen(pixel), alpha),
                         overWhite(qBlue(pixel), alpha));
}

int Picture::alphaAt(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_image.width() || y >= m_image.height())
        return 255;
    return qAlpha(reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x]);
}

qint64 bmpBytesNeeded(const QByteArray& bytes)
{
    constexpr int kFileHeader = 14;
    if (!bytes.startsWith("BM"))
        return -1;
    if (bytes.size() < kFileHeader + 4)
        return kFileHeader + 4;
    const qint64 infoSize = leU32(bytes, kFileHeader);
    const bool core = infoSize == 12;
    const qint64 headers = kFileHeader + (core ? 12 : 40);
    if (bytes.size() < headers)
        return headers;
    const qint64 width = core ? le16(bytes, 18) : le32(bytes, 18);
    const qint64 height = core ? le16(bytes, 20) : le32(bytes, 22);
    const int bitsPerPixel = le16(bytes, core ? 24 : 28);
    const qint64 compression = core ? 0 : leU32(bytes, 30);
    const qint64 imageSize = core ? 0 : leU32(bytes, 34);
    const qint64 start = bmpPixelsStart(bytes);
    if (compression == 0 || compression == 3 || compression == 6) { // rows as stored
        const qint64 stride = (qAbs(width) * bitsPerPixel + 31) / 32 * 4;
        const qint64 rows = qAbs(height);
        if (rows != 0 && stride > (std::numeric_limits<qint64>::max() - start) / rows)
            return std::numeric_limits<qint64>::max(); // more than any file holds
        return start + stride * rows;
    }
    return start + imageSize; // run-length or embedded data: the size the header gives
}

RunLength walkBmpRunLength(const QByteArray& bytes)
{
    constexpr int kFileHeader = 14;
    if (!bytes.startsWith("BM") || bytes.size() < kFileHeader + 40 || leU32(bytes, kFileHeader) < 40)
        return RunLength::NotRunLength;
    const qint64 compression = leU32(bytes, 30);
    const int bitsPerPixel = le16(bytes, 28);
    const bool rle8 = compression == 1 && bitsPerPixel == 8;
    const bool rle4 = compression == 2 && bitsPerPixel == 4;
    if (!rle8 && !rle4)
        return RunLength::NotRunLength;
    const qint64 width = qAbs(le32(bytes, 18));
    const qint64 height = qAbs(le32(bytes, 22));
    const auto byteAt = [&bytes](qint64 at) { return static_cast<uchar>(bytes[static_cast<qsizetype>(at)]); };
    qint64 at = bmpPixelsStart(bytes);
    qint64 x = 0;
    qint64 y = 0;
    while (y < height) {
        if (at + 2 > bytes.size())
            return RunLength::CutShort;
        const int count = byteAt(at);
        const int code = byteAt(at + 1);
        at += 2;
        if (count > 0) { // a run of one value
            x = qMin(width, x + count);
        } else if (code == 0) { // end of line
            if (x < width)
                return RunLength::SkipsPixels;
            x = 0;
            ++y;
        } else if (code == 1) { // end of bitmap
            return y == height - 1 && x >= width ? RunLength::Complete : RunLength::SkipsPixels;
        } else if (code == 2) { // move right and up
            return RunLength::SkipsPixels;
        } else { // code pixels given one by one, padded to a whole word
            qint64 size = rle8 ? code : (code + 1) / 2;
            size += size & 1;
            if (at + size > bytes.size())
                return RunLength::CutShort;
            at += size;
            x = qMin(width, x + code);
        }
        if (x >= width && y == height - 1)
            return RunLength::Complete; // the last row is full: nothing more is read
    }
    return RunLength::Complete;
}

bool decodePicture(const QByteArray& bytes, const QString& name, const QByteArray& formatHint,
                   Picture* picture, QString* error)
{
    const qint64 needed = bmpBytesNeeded(bytes);
    if (needed > bytes.size()) {
        *error = QStringLiteral("%1: the picture is cut short (its header calls for %2 bytes, "
                                "the file has %3)")
                     .arg(name)
                     .arg(needed)
                     .arg(bytes.size());
        return false;
    }
    switch (walkBmpRunLength(bytes)) {
    case RunLength::CutShort:
        *error = QStringLiteral("%1: the picture is cut short (its run-length data ends before "
                                "its last row)").arg(name);
        return false;
    case RunLength::SkipsPixels:
        *error = QStringLiteral("%1: the picture's run-length data skips pixels, which the "
                                "loader leaves undefined").arg(name);
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
    reader.setAutoTransform(false); // pixels as stored, top-left first
    const QImage image = reader.read();
    if (image.isNull()) {
        *error = QStringLiteral("%1: cannot read the picture (%2)").arg(name, reader.errorString());
        return false;
    }
    *picture = Picture(image);
    return true;
}

bool loadPicture(const QString& path, Picture* picture, QString* error)
{
    const bool standardInput = path == QLatin1String("-");
    const QString name = standardInput ? QStringLiteral("standard input") : path;
    std::string bytes;
    std::string reason;
    if (!panetools::readWhole(path.toLocal8Bit().toStdString(), &bytes, &reason)) {
        *error = QStringLiteral("Cannot read %1: %2").arg(name, QString::fromLocal8Bit(reason.c_str()));
        return false;
    }
    const QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    const QByteArray hint = standardInput ? QByteArray() : QFileInfo(path).suffix().toLower().toLatin1();
    return decodePicture(data, name, hint, picture, error);
}

} // namespace pixport
