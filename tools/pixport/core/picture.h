// The loaded picture as a pixel source: desktop colours by position, white outside.
#pragma once

#include <QImage>
#include <QString>

namespace pixport {

class Picture {
public:
    Picture() = default; // no picture: every position reads as kNoColour
    explicit Picture(const QImage& image);

    bool isNull() const { return m_image.isNull(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    const QImage& image() const { return m_image; }

    // The desktop colour at (x, y); kNoColour outside the picture. Partly
    // transparent pixels are shown over white and read as shown.
    quint32 desktopColourAt(int x, int y) const;

private:
    QImage m_image; // always Format_ARGB32 (non-premultiplied) or null
};

// Reads any format the image loader knows (BMP, JPEG, PNG, GIF, ...). On failure
// returns false, leaves *picture untouched and puts the reason in *error.
bool loadPicture(const QString& path, Picture* picture, QString* error);

} // namespace pixport
