// Converting a 256 x 192 picture (one DS screen) to array text and to a BIN file.
// Target: well under 50 ms each, so the window never stalls on a screen-sized picture.
// And the command line's streamed array text of a 4096 x 4096 area: its throughput,
// with the memory it holds bounded by the writer's block, whatever the size.
#include "core/conversion.h"

#include <QDir>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace pixport;

namespace {

Picture screenPicture() {
  QImage image(256, 192, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, qRgb(x, y, (x * y) & 0xFF));
  return Picture(image);
}

Settings screenSettings(bool tileOrder, bool binFile) {
  Settings settings;
  settings.w1 = 255;
  settings.h1 = 191;
  settings.tileOrder = tileOrder;
  settings.binFile = binFile;
  return settings;
}

void arrayText(benchmark::State& state) {
  const Picture picture = screenPicture();
  const Settings settings = screenSettings(state.range(0) != 0, false);
  QString error;
  for (auto _ : state) {
    OutputWriter out = OutputWriter::arrayText();
    convert(picture, settings, out, ConversionHooks(), &error);
    benchmark::DoNotOptimize(out.text().size());
  }
}

void binFile(benchmark::State& state) {
  const Picture picture = screenPicture();
  const Settings settings = screenSettings(false, true);
  QTemporaryDir dir;
  const QString path = QDir(dir.path()).filePath(QStringLiteral("screen.bin"));
  QString error;
  for (auto _ : state) {
    OutputWriter out = OutputWriter::binFile(path);
    benchmark::DoNotOptimize(convert(picture, settings, out, ConversionHooks(), &error));
  }
}

void streamedArrayText(benchmark::State& state) {
  const Picture picture = screenPicture();
  Settings settings = screenSettings(false, false);
  settings.w1 = settings.h1 = 4095;
  QString error;
  qint64 bytes = 0;
  for (auto _ : state) {
    OutputWriter out = OutputWriter::arrayText([&bytes](const QByteArray& piece) {
      bytes += piece.size();
      return QString();
    });
    benchmark::DoNotOptimize(convert(picture, settings, out, ConversionHooks(), &error));
  }
  state.SetBytesProcessed(bytes);
}

}  // namespace

BENCHMARK(streamedArrayText)->Unit(benchmark::kMillisecond);
BENCHMARK(arrayText)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(binFile)->Unit(benchmark::kMillisecond);
