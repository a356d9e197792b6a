// Rendering each bar diagram kind over a full training year: onto a 1400 × 1000 image through the Qt
// canvas (when the Qt layer is built), and onto the recording canvas, which measures the diagram code
// without any pixel work.
#include <benchmark/benchmark.h>

#include <cstdio>

#include "charts/bar_diagram.h"
#include "charts/chart_frame.h"
#include "platform/headless/recording_canvas.h"

#if __has_include(<QGuiApplication>)
#include <QGuiApplication>
#include <cstdlib>

#include "platform/qt/surface_render.h"
#define SAISONBUCH_BENCH_QT 1
#endif

namespace {

using namespace sb::charts;
using namespace sb::model;
using namespace sb::statistics;

// Training on most days in several sports, with actual types, so stacks and legends have work to do.
const sb::model::TrainingYear& trainedYear() {
    static const sb::model::TrainingYear year = [] {
        sb::model::TrainingYear plan;
        plan.planYear = 2008;
        plan.planFileVersion = 3;
        plan.planLoaded = 1;
        for (int d = 0; d < 366; ++d) {
            sb::model::DayRecord& day = plan.days[d];
            char duration[8];
            std::snprintf(duration, sizeof duration, "%02d:%02d", 1 + d % 2, d % 60);
            if (d % 7 != 1) day.bike = {"", 130, 25.0f + float(d % 40), 300, duration, 3, ""};
            if (d % 2 == 0) day.run = {"", 150, 8.0f + float(d % 9), 0, "00:50", 2, ""};
            if (d % 3 == 0) day.swim = {"", 0, 2.0f, 0, "00:45", 2, ""};
            day.actualTypes = (d * 7919) % 10000;
            day.bodyWeight = 65.0f + float(d % 4) * 0.5f;
            day.restingPulse = 45 + d % 5;
        }
        return plan;
    }();
    return year;
}

DiagramRequest requestFor(int kind, int style) {
    static constexpr int kQuantity[] = {0, kTimeBySport, kActualKmBike, kTime, kKmBike};
    DiagramRequest request;
    request.kind = kind;
    request.code = kQuantity[kind];
    request.style = style;
    request.week = 23;
    request.month = 6;
    request.timeSportFlags = 15;
    for (int type = 0; type < kTrainingTypeCount; ++type) request.typeLabels[type] = "Typ";
    return request;
}

void drawOnRecordingCanvas(benchmark::State& state) {
    DiagramRequest request = requestFor(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        sb::platform::headless::RecordingCanvas canvas;
        setupScreenFrame(canvas, {0, 0, frame::width, frame::height});
        drawDiagram(canvas, trainedYear(), request);
        benchmark::DoNotOptimize(canvas.calls().data());
    }
}
BENCHMARK(drawOnRecordingCanvas)->ArgsProduct({{1, 2, 3, 4}, {1, 2, 3}})->Unit(benchmark::kMillisecond);

#ifdef SAISONBUCH_BENCH_QT
// Qt needs its application object for fonts; without a display the offscreen platform draws the same.
void ensureGuiApplication() {
    static int argc = 1;
    static char name[] = "saisonbuch-bench";
    static char* argv[] = {name, nullptr};
    if (QGuiApplication::instance()) return;
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(argc, argv);
}

void renderToImage(benchmark::State& state) {
    ensureGuiApplication();
    DiagramRequest request = requestFor(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        QImage image =
            sb::platform::qt::renderImage({frame::width, frame::height}, [&](sb::platform::Canvas& canvas) {
                setupScreenFrame(canvas, {0, 0, frame::width, frame::height});
                drawDiagram(canvas, trainedYear(), request);
            });
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(renderToImage)->ArgsProduct({{1, 2, 3, 4}, {1, 2, 3}})->Unit(benchmark::kMillisecond);
#endif

}  // namespace
