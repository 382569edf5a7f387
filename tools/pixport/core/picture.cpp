// Picture loading and the pixel query every conversion reads through.
#include "core/picture.h"

#include "core/colour.h"

#include <QFileInfo>
#include <QImageReader>

namespace pixport {

namespace {

// Mixes a channel with white by alpha, rounded to nearest.
int overWhite(int channel, int alpha)
{
    return (channel * alpha + 255 * (255 - alpha) + 127) / 255;
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

bool loadPicture(const QString& path, Picture* picture, QString* error)
{
    if (!QFileInfo(path).isFile()) {
        *error = QStringLiteral("%1: no such file").arg(path);
        return false;
    }
    QImageReader reader(path);
    reader.setAutoTransform(false); // pixels as stored, top-left first
    const QImage image = reader.read();
    if (image.isNull()) {
        *error = QStringLiteral("%1: cannot read the picture (%2)").arg(path, reader.errorString());
        return false;
    }
    *picture = Picture(image);
    return true;
}

} // namespace pixport
