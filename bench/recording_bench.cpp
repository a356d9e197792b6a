// A 100,000-sample heart-rate recording (a 28-hour ride at one sample a second with speed, cadence and
// altitude): reading the file, and drawing its X-Y diagram onto a 1400 × 1000 image through the Qt
// canvas (when the Qt layer is built) and onto the recording canvas.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "charts/chart_frame.h"
#include "fileio/file_bytes.h"
#include "platform/headless/recording_canvas.h"
#include "recordings/hrm_reader.h"
#include "recordings/xy_diagram.h"

#if __has_include(<QGuiApplication>)
#include <QGuiApplication>
#include <cstdlib>

#include "platform/qt/surface_render.h"
#define SAISONBUCH_BENCH_QT 1
#endif

namespace {

using namespace sb::recordings;
namespace frame = sb::charts::frame;

constexpr int kSamples = 100000;

const std::string& longRecordingPath() {
    static const std::string path = [] {
        std::string text =
            "[Params]\r\nVersion=106\r\nMonitor=12\r\nSMode=111000100\r\nDate=20090412\r\n"
            "StartTime=06:00:00.0\r\nInterval=1\r\n\r\n[HRData]\r\n";
        char line[64];
        for (int i = 0; i < kSamples; ++i) {
            std::snprintf(line, sizeof line, "%d\t%d\t%d\t%d\r\n", 110 + i % 70, 250 + i % 130, 80 + i % 20,
                          200 + (i / 50) % 600);
            text += line;
        }
        const std::string file =
            (std::filesystem::temp_directory_path() / "saisonbuch-bench-100k.hrm").string();
        sb::fileio::writeFileAtomically(file, text);
        return file;
    }();
    return path;
}

const XySeries& longSeries() {
    static const XySeries series = [] {
        RecordingTable table;
        PolarRecordingInfo info;
        readPolarRecording(longRecordingPath(), table, info);
        return seriesOf(table, 129, 135);
    }();
    return series;
}

const std::vector<PulseZone> kZones{{0, 120, 0x80FFFF},
                                    {121, 140, 0x4AFEC2},
                                    {141, 160, 0x85FF87},
                                    {161, 175, 0x4A86FE},
                                    {176, 190, 0x8585FE}};

void readLongRecording(benchmark::State& state) {
    const std::string& path = longRecordingPath();
    for (auto _ : state) {
        RecordingTable table;
        PolarRecordingInfo info;
        readPolarRecording(path, table, info);
        benchmark::DoNotOptimize(table.data());
    }
}
BENCHMARK(readLongRecording)->Unit(benchmark::kMillisecond);

void drawLongRecordingOnRecordingCanvas(benchmark::State& state) {
    const XySeries& series = longSeries();
    for (auto _ : state) {
        sb::platform::headless::RecordingCanvas canvas;
        drawXyDiagram(canvas, series, kZones);
        benchmark::DoNotOptimize(canvas.calls().data());
    }
}
BENCHMARK(drawLongRecordingOnRecordingCanvas)->Unit(benchmark::kMillisecond);

#ifdef SAISONBUCH_BENCH_QT
void drawLongRecordingToImage(benchmark::State& state) {
    static int argc = 1;
    static char name[] = "saisonbuch-bench";
    static char* argv[] = {name, nullptr};
    if (!QGuiApplication::instance()) {
        if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM"))
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        static QGuiApplication application(argc, argv);
    }
    const XySeries& series = longSeries();
    for (auto _ : state) {
        QImage image =
            sb::platform::qt::renderImage({frame::width, frame::height}, [&](sb::platform::Canvas& canvas) {
                sb::charts::setupScreenFrame(canvas, {0, 0, frame::width, frame::height});
                drawXyDiagram(canvas, series, kZones);
            });
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(drawLongRecordingToImage)->Unit(benchmark::kMillisecond);
#endif

}  // namespace
