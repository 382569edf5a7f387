// Whole conversions with installed fonts, drawn off screen, and the template alone.
#include "glyphcast/core/converter.h"
#include "glyphcast/core/image_capture_box.h"
#include "glyphcast/core/memory_font.h"
#include "glyphcast/core/preview.h"
#include "glyphcast/core/template_text.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

void ensureApplication() {
  static int argc = 1;
  static char name[] = "glyphcast_bench";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

void convertFamily(benchmark::State& state, const char* family, const char* size) {
  ensureApplication();
  glyphcast::Fields fields;
  fields.fontName = QString::fromUtf8(family);
  fields.size = QString::fromUtf8(size);
  const QString templ = glyphcast::defaultTemplate();
  for (auto _ : state) {
    glyphcast::ImageCaptureBox box;
    const glyphcast::Conversion result = glyphcast::convertFont(box, fields, templ);
    if (!result.ok) state.SkipWithError(result.message.toUtf8().constData());
    benchmark::DoNotOptimize(result.text.size());
  }
}

void BM_ConvertLiberationSans12(benchmark::State& state) {
  convertFamily(state, "Liberation Sans", "12");
}
BENCHMARK(BM_ConvertLiberationSans12)->Unit(benchmark::kMillisecond);

void BM_ConvertDejaVuSans24(benchmark::State& state) { convertFamily(state, "DejaVu Sans", "24"); }
BENCHMARK(BM_ConvertDejaVuSans24)->Unit(benchmark::kMillisecond);

// The window's largest useful size: every glyph near the capture box's height.
void BM_ConvertDejaVuSans100(benchmark::State& state) {
  convertFamily(state, "DejaVu Sans", "100");
}
BENCHMARK(BM_ConvertDejaVuSans100)->Unit(benchmark::kMillisecond)->Iterations(3);

// What the window does after a conversion and on every edit of the sample:
// the table in memory from the glyphs and the template, then the picture.
void BM_PreviewDejaVuSans12(benchmark::State& state) {
  ensureApplication();
  glyphcast::Fields fields;
  fields.fontName = QStringLiteral("DejaVu Sans");
  glyphcast::ImageCaptureBox box;
  const glyphcast::Conversion result =
      glyphcast::convertFont(box, fields, glyphcast::defaultTemplate());
  if (!result.ok) state.SkipWithError(result.message.toUtf8().constData());
  for (auto _ : state) {
    QString error;
    std::unique_ptr<glyphcast::MemoryFont> font = glyphcast::MemoryFont::build(result, &error);
    if (!font) {
      state.SkipWithError(error.toUtf8().constData());
      break;
    }
    benchmark::DoNotOptimize(
        glyphcast::renderPreview(font->table(), glyphcast::defaultSample()).width());
  }
}
BENCHMARK(BM_PreviewDejaVuSans12)->Unit(benchmark::kMillisecond);

void BM_DefaultTemplate(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(glyphcast::defaultTemplate().size());
}
BENCHMARK(BM_DefaultTemplate)->Unit(benchmark::kMicrosecond);

}  // namespace
