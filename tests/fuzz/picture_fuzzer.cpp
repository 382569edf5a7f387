// pixport's picture loader under any file content: the loader either refuses
// it with a reason or gives a picture whose every pixel can be read.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "core/colour.h"
#include "core/picture.h"

namespace {

QString* picturePath;

[[noreturn]] void fail(const char* what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what);
  std::abort();
}

}  // namespace

// The image plugins are found through the application object. Pictures that
// claim more than 16 MB are refused by the reader, so runs stay fast.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  static QCoreApplication app(*argc, *argv);
  QImageReader::setAllocationLimit(16);
  picturePath = new QString(QDir::temp().filePath(
      QStringLiteral("pane-picture-fuzz-%1").arg(QCoreApplication::applicationPid())));
  std::atexit([] { QFile::remove(*picturePath); });
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  {
    QFile file(*picturePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
            static_cast<qint64>(size))
      fail("cannot write the picture file");
  }
  pixport::Picture picture;
  QString error;
  if (!pixport::loadPicture(*picturePath, &picture, &error)) {
    if (error.isEmpty() || !picture.isNull()) fail("a refusal without a reason, or with a picture");
    return 0;
  }
  if (picture.isNull()) fail("a loaded picture that is null");
  // Large pictures are sampled; every pixel of small ones is read.
  const int stepX = picture.width() / 64 + 1, stepY = picture.height() / 64 + 1;
  for (int y = -1; y <= picture.height(); y += stepY)
    for (int x = -1; x <= picture.width(); x += stepX) picture.desktopColourAt(x, y);
  return 0;
}
