// The load chart on the recording canvas: a hard block drives form below the zero line, so the value
// axis reaches below zero; legend, note, lines and bars; and which day a point of the plot hits.
#include "charts/load_chart.h"

#include <gtest/gtest.h>

#include <memory>

#include "charts/chart_frame.h"
#include "charts/drawing_log.h"
#include "platform/headless/recording_canvas.h"

using namespace sb::charts;
using sb::platform::Point;
using sb::charts::testing::expectDrawing;
using sb::platform::headless::RecordingCanvas;
using sb::statistics::LoadSeries;

namespace {

// Two weeks of two hours at load 4 from 1 June, then perhaps one session without load.
LoadSeries hardBlock2009(bool unloaded) {
    auto year = std::make_unique<sb::model::TrainingYear>();
    year->planYear = 2009;
    for (int d = 151; d < 165; ++d) year->days[d].bike = {"", 0, 0, 0, "02:00", 4, ""};
    if (unloaded) year->days[200].run = {"", 0, 0, 0, "00:40", 0, ""};
    return sb::statistics::computeLoadSeries(*year);
}

}  // namespace

TEST(LoadChart, HardBlockPutsFormBelowTheZeroLineWithLegendAndNote) {
    RecordingCanvas canvas;
    drawLoadChart(canvas, hardBlock2009(true), 2009, 160);
    // The zero line, fourteen day bars, one point a day for each line with form dipping below zero,
    // legend and note, compared whole with the golden call log. The value axis reaches from -300, the step
    // just below the lowest form, to 500, the step above a day's 480 points.
    expectDrawing(canvas, "charts/load_hard_block");

    RecordingCanvas quiet;
    drawLoadChart(quiet, hardBlock2009(false), 2009, -1);
    for (const std::string& text : quiet.texts()) EXPECT_EQ(text.find("ohne Belastung"), std::string::npos);
}

TEST(LoadChart, DayUnderAPointAndTheEmptyYearsAxis) {
    const std::pair<Point, int> cases[] = {{{80, 500}, 0},    {{79, 500}, -1}, {{1349, 500}, 364}, {{1350, 500}, -1},
                                           {{700, 100}, 178}, {{700, 99}, -1}, {{700, 940}, 178},  {{700, 941}, -1}};
    for (auto [at, day] : cases) EXPECT_EQ(loadDayAt(hardBlock2009(false), at), day) << at.x << "," << at.y;
    EXPECT_EQ(loadDayAt(LoadSeries{}, {700, 500}), -1);
    const LoadAxis empty = loadAxis(LoadSeries{});
    EXPECT_EQ(std::vector<double>({empty.bottom, empty.top, empty.step}), std::vector<double>({0, 100, 20}));
}
