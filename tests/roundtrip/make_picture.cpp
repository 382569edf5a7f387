// Writes the round-trip test picture as a PNG file: make_picture OUT.png
#include <QImage>

#include <cstdio>

#include "picture_pattern.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: roundtrip_picture OUT.png\n");
    return 2;
  }
  QImage picture(roundtrip::kPictureWidth, roundtrip::kPictureHeight, QImage::Format_RGB32);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const roundtrip::Rgb c = roundtrip::picturePixel(x, y);
      picture.setPixel(x, y, qRgb(c.r, c.g, c.b));
    }
  }
  if (!picture.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
    std::fprintf(stderr, "roundtrip_picture: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
