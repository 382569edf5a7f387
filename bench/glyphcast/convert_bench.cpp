// Whole conversions with installed fonts, drawn off screen, and the template alone.
#include "glyphcast/core/converter.h"
#include "glyphcast/core/image_capture_box.h"
#include "glyphcast/core/template_text.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

namespace {

void ensureApplication() {
    static int argc = 1;
    static char name[] = "glyphcast_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
        if (!result.ok)
            state.SkipWithError(result.message.toUtf8().constData());
        benchmark::DoNotOptimize(result.text.size());
    }
}

void BM_ConvertLiberationSans12(benchmark::State& state) {
    convertFamily(state, "Liberation Sans", "12");
}
BENCHMARK(BM_ConvertLiberationSans12)->Unit(benchmark::kMillisecond);

void BM_ConvertDejaVuSans24(benchmark::State& state) {
    convertFamily(state, "DejaVu Sans", "24");
}
BENCHMARK(BM_ConvertDejaVuSans24)->Unit(benchmark::kMillisecond);

void BM_DefaultTemplate(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(glyphcast::defaultTemplate().size());
}
BENCHMARK(BM_DefaultTemplate)->Unit(benchmark::kMicrosecond);

}  // namespace
