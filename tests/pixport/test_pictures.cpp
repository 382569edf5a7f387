// Generated test pictures and helpers that read pixport's outputs back.
#include "test_pictures.h"

#include "core/conversion.h"
#include "core/output_writer.h"

#include <QDir>
#include <QFile>

namespace pixport::test {

namespace {

constexpr int kWhite = 32767;

int valueAt(int x, int y, int pictureWidth, int pictureHeight) {
  return x < pictureWidth && y < pictureHeight ? codedValue(x, y) : kWhite;
}

}  // namespace

int channelFor(int five) { return (five * 255 + 15) / 31; }

QImage codedPicture(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(channelFor(x), channelFor(y), 0));
  return image;
}

QList<QList<int>> rowsOf(int width, int height, int pictureWidth, int pictureHeight) {
  QList<QList<int>> lines;
  for (int y = 0; y < height; ++y) {
    QList<int> row;
    for (int x = 0; x < width; ++x) row << valueAt(x, y, pictureWidth, pictureHeight);
    lines << row;
  }
  return lines;
}

QList<QList<int>> tilesOf(int width, int height, int pictureWidth, int pictureHeight) {
  QList<QList<int>> lines;
  for (int ty = 0; ty < height; ty += 8) {
    for (int tx = 0; tx < width; tx += 8) {
      QList<int> tile;
      for (int y = ty; y < ty + 8; ++y)
        for (int x = tx; x < tx + 8; ++x) tile << valueAt(x, y, pictureWidth, pictureHeight);
      lines << tile;
    }
  }
  return lines;
}

QList<QByteArray> linesOf(const QByteArray& arrayText) { return arrayText.split('\n'); }

QList<QList<int>> valuesByLine(const QByteArray& arrayText) {
  QList<QList<int>> lines;
  for (QByteArray line : linesOf(arrayText)) {
    if (line.contains("//width, height")) continue;
    line = line.trimmed();  // the tab in front, the CR behind
    if (line.startsWith("{ ")) line = line.mid(2);
    if (line.endsWith("};")) line.chop(2);
    QList<int> values;
    for (const QByteArray& item : line.split(',')) {
      if (!item.trimmed().isEmpty()) values << item.trimmed().toInt();
    }
    lines << values;
  }
  return lines;
}

QString savePicture(const QImage& image, const QString& dir, const QString& name) {
  const QString path = QDir(dir).filePath(name);
  if (!image.save(path)) qFatal("cannot save test picture %s", qPrintable(path));
  return path;
}

Settings fixedSettings(SizeOption size, bool tileOrder, bool binFile) {
  Choices choices;
  choices.size = size;
  choices.tileOrder = tileOrder;
  choices.binFile = binFile;
  choices.sizeBytes = true;  // fixed sizes never write the header
  Settings settings;
  QString error;
  resolveSettings(choices, &settings, &error);
  return settings;
}

Settings customSettings(int width, int height, bool header, bool binFile) {
  Settings settings;
  settings.w1 = width - 1;
  settings.h1 = height - 1;
  settings.tileOrder = false;
  settings.binFile = binFile;
  settings.sizeHeader = header;
  return settings;
}

QByteArray arrayText(const Picture& picture, const Settings& settings) {
  OutputWriter out = OutputWriter::arrayText();
  QString error;
  convert(picture, settings, out, ConversionHooks(), &error);
  return out.text();
}

QByteArray readFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    qFatal("cannot write %s", qPrintable(path));
}

QList<int> wordsOf(const QByteArray& bytes) {
  QList<int> words;
  for (qsizetype i = 0; i + 1 < bytes.size(); i += 2)
    words << (static_cast<quint8>(bytes[i]) | static_cast<quint8>(bytes[i + 1]) << 8);
  return words;
}

}  // namespace pixport::test
