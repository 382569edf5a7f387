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
    const qint64 pixelsAt = leU32(bytes, 10);
    const qint64 width = core ? le16(bytes, 18) : le32(bytes, 18);
    const qint64 height = core ? le16(bytes, 20) : le32(bytes, 22);
    const int bitsPerPixel = le16(bytes, core ? 24 : 28);
    const qint64 compression = core ? 0 : leU32(bytes, 30);
    const qint64 imageSize = core ? 0 : leU32(bytes, 34);
    const qint64 start = qMax(pixelsAt, kFileHeader + infoSize);
    if (compression == 0 || compression == 3 || compression == 6) { // rows as stored
        const qint64 stride = (qAbs(width) * bitsPerPixel + 31) / 32 * 4;
        const qint64 rows = qAbs(height);
        if (rows != 0 && stride > (std::numeric_limits<qint64>::max() - start) / rows)
            return std::numeric_limits<qint64>::max(); // more than any file holds
        return start + stride * rows;
    }
    return start + imageSize; // run-length or embedded data: the size the header gives
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
