// The load chart on the recording canvas: a hard block drives form below the zero line, so the value
// axis reaches below zero; legend, note, lines and bars; and which day a point of the plot hits.
#include "charts/load_chart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "charts/chart_frame.h"
#include "platform/headless/recording_canvas.h"

using namespace sb::charts;
using sb::platform::Point;
using sb::platform::headless::CallKind;
using sb::platform::headless::RecordingCanvas;
using sb::statistics::LoadSeries;

namespace {

sb::model::SportEntry session(const char* duration, int load) {
    sb::model::SportEntry entry;
    entry.duration = duration;
    entry.load = load;
    return entry;
}

// Two weeks of two hours at load 4 from 1 June, then one session without load.
LoadSeries hardBlock2009(int unloaded) {
    auto year = std::make_unique<sb::model::TrainingYear>();
    year->planYear = 2009;
    for (int d = 151; d < 165; ++d) year->days[d].bike = session("02:00", 4);
    if (unloaded) year->days[200].run = session("00:40", 0);
    return sb::statistics::computeLoadSeries(*year);
}

}  // namespace

TEST(LoadChart, HardBlockPutsFormBelowTheZeroLineWithLegendAndNote) {
    const LoadSeries series = hardBlock2009(1);
    const LoadAxis axis = loadAxis(series);
    double lowestForm = 0;
    for (const auto& day : series.days) lowestForm = std::min(lowestForm, day.form);
    ASSERT_LT(lowestForm, -100);
    EXPECT_LE(axis.bottom, lowestForm);
    EXPECT_GT(axis.bottom, lowestForm - axis.step);
    EXPECT_GE(axis.top, 480);
    EXPECT_LT(axis.top, 480 + axis.step);
    EXPECT_EQ(std::fmod(axis.bottom, axis.step), 0);

    RecordingCanvas canvas;
    drawLoadChart(canvas, series, 2009, 160);
    const int zeroY = frame::originY - truncated(-axis.bottom * 840 / (axis.top - axis.bottom));
    ASSERT_GT(zeroY, frame::plotTop);
    ASSERT_LT(zeroY, frame::originY);
    bool zeroLine = false;
    for (const auto* line : canvas.callsOf(CallKind::Line))
        zeroLine |= line->pen().width == 2 && line->points == std::vector<Point>{{80, zeroY}, {1350, zeroY}};
    EXPECT_TRUE(zeroLine);
    EXPECT_NE(canvas.findText(std::to_string(int(axis.bottom))), nullptr);
    EXPECT_NE(canvas.findText("Belastungsverlauf 2009"), nullptr);
    EXPECT_NE(canvas.findText("1 Trainings ohne Belastung"), nullptr);
    for (const char* entry : {"Punkte", "Fitness", "Ermüdung", "Form", "Woche"})
        EXPECT_NE(canvas.findText(entry), nullptr) << entry;

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
    drawLoadChart(quiet, hardBlock2009(0), 2009, -1);
    for (const std::string& text : quiet.texts()) EXPECT_EQ(text.find("ohne Belastung"), std::string::npos);
}

TEST(LoadChart, DayUnderAPointAndTheEmptyYearsAxis) {
    const LoadSeries series = hardBlock2009(0);
    struct Case {
        Point at;
        int day;
    } cases[] = {
        {{80, 500}, 0},    {{79, 500}, -1},   {{1349, 500}, 364}, {{1350, 500}, -1},
        {{700, 100}, 178}, {{700, 99}, -1},   {{700, 940}, 178},  {{700, 941}, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(loadDayAt(series, c.at), c.day) << c.at.x << "," << c.at.y;
    EXPECT_EQ(loadDayAt(LoadSeries{}, {700, 500}), -1);

    const LoadAxis empty = loadAxis(LoadSeries{});
    EXPECT_EQ(empty.bottom, 0);
    EXPECT_EQ(empty.top, 100);
    EXPECT_EQ(empty.step, 20);
}
