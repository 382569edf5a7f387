// The loaded picture as a pixel source: desktop colours by position, white outside.
#pragma once

#include <QImage>
#include <QString>

namespace pixport {

class Picture {
 public:
  Picture() = default;  // no picture: every position reads as kNoColour
  explicit Picture(const QImage& image);

  bool isNull() const { return m_image.isNull(); }
  int width() const { return m_image.width(); }
  int height() const { return m_image.height(); }
  const QImage& image() const { return m_image; }

  // The desktop colour at (x, y); kNoColour outside the picture. Partly
  // transparent pixels are shown over white and read as shown.
  quint32 desktopColourAt(int x, int y) const;

  // The pixel's opacity, 0 to 255; 255 outside the picture.
  int alphaAt(int x, int y) const;

 private:
  QImage m_image;  // always Format_ARGB32 (non-premultiplied) or null
};

// Reads any format the image loader knows (BMP, JPEG, PNG, GIF, ...) from the file
// at path, or from standard input for "-". A picture that cannot be read whole is
// refused, and so are directories, devices, inputs above 64 MB and pictures of
// more than kMaxDecodedBytes. On failure
// returns false, leaves *picture untouched and puts the reason, naming the file,
// in *error.
bool loadPicture(const QString& path, Picture* picture, QString* error);

// Largest picture decoded, in bytes of 32-bit pixels (8192 x 8192 pixels).
constexpr qint64 kMaxDecodedBytes = qint64(256) << 20;

// The same from bytes already read; name is the file's name for messages and
// formatHint the format its name suggests (may be empty).
bool decodePicture(const QByteArray& bytes, const QString& name, const QByteArray& formatHint,
                   Picture* picture, QString* error);

// The length a BMP file must have to hold all its pixels, as its headers give
// it (at least the headers' own length); -1 for bytes that are not a BMP.
// The image loader fills the missing rows of a shorter file with whatever
// memory held, so such a file is refused before it is decoded.
qint64 bmpBytesNeeded(const QByteArray& bytes);

// What the run-length data of an RLE8 or RLE4 BMP covers. The loader leaves the
// pixels that such data skips (a move, a line or the bitmap ended early) or
// never reaches (the file ends first) undefined, so only Complete data is read.
enum class RunLength { NotRunLength, Complete, SkipsPixels, CutShort };
RunLength walkBmpRunLength(const QByteArray& bytes);

}  // namespace pixport
