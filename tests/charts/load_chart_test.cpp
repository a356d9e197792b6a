// The load chart on the recording canvas: a hard block drives form below the zero line, so the value
// axis reaches below zero; legend, note, lines and bars; and which day a point of the plot hits.
#include "charts/load_chart.h"

#include <gtest/gtest.h>

#include <memory>

#include "charts/chart_frame.h"
#include "platform/headless/recording_canvas.h"

using namespace sb::charts;
using sb::platform::Point;
using sb::platform::headless::CallKind;
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
    const LoadSeries series = hardBlock2009(true);
    const LoadAxis axis = loadAxis(series);
    double lowestForm = 0;
    for (const auto& day : series.days) lowestForm = std::min(lowestForm, day.form);
    EXPECT_TRUE(axis.bottom <= lowestForm && axis.bottom > lowestForm - axis.step) << axis.bottom;
    EXPECT_TRUE(axis.top >= 480 && axis.top < 480 + axis.step) << axis.top;

    RecordingCanvas canvas;
    drawLoadChart(canvas, series, 2009, 160);
    const int zeroY = frame::originY - truncated(-axis.bottom * 840 / (axis.top - axis.bottom));
    bool zeroLine = false;
    for (const auto* line : canvas.callsOf(CallKind::Line))
        zeroLine |= line->pen().width == 2 && line->points == std::vector<Point>{{80, zeroY}, {1350, zeroY}};
    EXPECT_TRUE(zeroLine);
    for (std::string text : {std::to_string(int(axis.bottom)), std::string("Belastungsverlauf 2009"),
                             std::string("1 Trainings ohne Belastung"), std::string("Punkte"), std::string("Fitness"),
                             std::string("Ermüdung"), std::string("Form"), std::string("Woche")})
        EXPECT_NE(canvas.findText(text), nullptr) << text;

    // Fourteen day bars and the legend's square; each line one point per day, form dipping below zero.
    EXPECT_EQ(canvas.filledWith(load_colour::points).size(), 14u + 1u);
    for (auto colour : {load_colour::fitness, load_colour::fatigue, load_colour::form}) {
        ASSERT_EQ(canvas.strokedWith(colour).size(), 1u);
        EXPECT_EQ(canvas.strokedWith(colour)[0]->points.size(), 365u);
        EXPECT_EQ(canvas.filledWith(colour).size(), 1u);
    }
    int deepest = 0;
    for (Point p : canvas.strokedWith(load_colour::form)[0]->points) deepest = std::max(deepest, p.y);
    EXPECT_GT(deepest, zeroY);

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
