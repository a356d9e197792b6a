// The four bar diagrams on the recording canvas: bars from truncated products, stacks sharing their
// boundaries, week 1 under its own weekdays, side-by-side sport bars, line style, legends, empty and
// zero-topped axes, and the printed page.
#include "charts/bar_diagram.h"

#include <gtest/gtest.h>

#include <deque>
#include <tuple>

#include "charts/chart_frame.h"
#include "charts/diagram_printing.h"
#include "charts/drawing_log.h"
#include "model/calendar.h"
#include "platform/headless/headless_printer.h"
#include "platform/headless/recording_canvas.h"

using namespace sb::charts;
using namespace sb::model;
using namespace sb::statistics;
using sb::model::TrainingYear;
using sb::platform::Point;
using sb::platform::headless::RecordingCanvas;
using sb::charts::testing::expectDrawing;

namespace {

TrainingYear planFor(int planYear, int version = 3) {
    TrainingYear year;
    year.planYear = planYear;
    year.planFileVersion = version;
    year.planLoaded = 1;
    return year;
}

sb::model::DayRecord& dayOf(TrainingYear& year, int day, int month) {
    return year.days[sb::model::dayOfYear(day, month, year.planYear) - 1];
}

DiagramRequest request(int kind, int code, int style = kBarStyle) {
    DiagramRequest r;
    r.kind = kind;
    r.code = code;
    r.style = style;
    for (int type = 0; type < sb::model::kTrainingTypeCount; ++type) {
        r.typeLabels[type] = "Typ " + std::to_string(type);
        r.typeColours[type] = sb::platform::rgb(type, 0, 100);
    }
    return r;
}

}  // namespace

// Each drawing is compared whole with its golden file: the bars' rectangles (truncated products of
// slot widths and axis units), the axes, grid, labels and legends.
TEST(BarDiagram, WeekBarsStandInTheirWeekdaySlots) {
    TrainingYear year = planFor(2009);
    dayOf(year, 3, 3).bike.distanceKm = 20;  // Tuesday of week 10
    dayOf(year, 7, 3).bike.distanceKm = 45.5f;
    DiagramRequest r = request(kWeekDiagram, kKmBike);
    r.week = 10;
    RecordingCanvas canvas;
    drawDiagram(canvas, year, r);
    expectDrawing(canvas, "charts/week_10_bike_km");
    EXPECT_EQ(canvas.state().font, sb::platform::Font{});  // the caller's font is back

    r.week = 99;  // out of range: the last week, never a slot past the year
    RecordingCanvas late;
    drawDiagram(late, year, r);
    EXPECT_NE(late.findText("Trainingswoche : 53"), nullptr);
}

TEST(BarDiagram, StacksShareTheirBoundaries) {
    TrainingYear year = planFor(2009);
    dayOf(year, 10, 6).bike.duration = "01:00";
    dayOf(year, 10, 6).run.duration = "00:30";
    DiagramRequest r = request(kMonthDiagram, kTimeBySport);
    r.month = 6;
    r.sportMode = kModeDuathlon;
    RecordingCanvas canvas;
    drawDiagram(canvas, year, r);
    expectDrawing(canvas, "charts/june_duathlon_time_by_sport");  // no swimming in the legend

    TrainingYear types = planFor(2009);
    dayOf(types, 4, 2).run.duration = "02:00";
    dayOf(types, 4, 2).actualTypes = 10;
    dayOf(types, 5, 2).run.duration = "01:00";
    dayOf(types, 5, 2).actualTypes = 40;
    RecordingCanvas byType;
    drawDiagram(byType, types, request(kMonthOfYearDiagram, kActualTimeRun));
    expectDrawing(byType, "charts/months_run_time_by_type");  // all ten types in the legend
}

TEST(BarDiagram, ThreeDStackAndLineStyle) {
    TrainingYear year = planFor(2009);
    dayOf(year, 14, 1).bike.distanceKm = 30;
    RecordingCanvas threeD;
    drawDiagram(threeD, year, request(kWeekOfYearDiagram, kKmBike, kThreeDStyle));
    expectDrawing(threeD, "charts/weeks_bike_km_3d");

    RecordingCanvas lines;
    drawDiagram(lines, year, request(kMonthDiagram, kKmBike, kLineStyle));
    expectDrawing(lines, "charts/january_bike_km_lines");

    RecordingCanvas stackLines;  // stacks have no line style: no lines, the legend stays
    drawDiagram(stackLines, year, request(kWeekOfYearDiagram, kTimeBySport, kLineStyle));
    expectDrawing(stackLines, "charts/weeks_time_by_sport_lines");
}

TEST(BarDiagram, SideBySideSportBars) {
    TrainingYear year = planFor(2009);
    for (auto* entry : {&dayOf(year, 5, 1).swim, &dayOf(year, 5, 1).bike, &dayOf(year, 5, 1).run,
                        &dayOf(year, 5, 1).other}) {
        entry->duration = "01:00";
        entry->load = 3;
    }
    DiagramRequest r = request(kWeekDiagram, kTime);
    r.week = 2;  // 5 January 2009 is its Monday
    for (auto [flags, style, name] : {std::tuple{15, kBarStyle, "week_2_time_four_sports"},
                                      {3, kBarStyle, "week_2_time_bike_run"},
                                      {3, kLineStyle, "week_2_time_bike_run_lines"}}) {
        r.timeSportFlags = flags;
        r.style = style;
        RecordingCanvas canvas;
        drawDiagram(canvas, year, r);
        expectDrawing(canvas, std::string("charts/") + name);
    }

    // Load of a version-2 plan: no bars and no labels, the grid of an axis top of 5, the legend.
    year.planFileVersion = 2;
    DiagramRequest load = request(kWeekDiagram, kLoad);
    load.week = 2;
    load.loadSportFlags = 7;
    RecordingCanvas noLoad;
    drawDiagram(noLoad, year, load);
    expectDrawing(noLoad, "charts/week_2_load_version_2");
}

TEST(BarDiagram, EmptySeriesAndAxisTopZero) {
    TrainingYear empty = planFor(2009);
    RecordingCanvas year;  // the grid of the axis top 0.1, no labels
    drawDiagram(year, empty, request(kWeekOfYearDiagram, kKmBike));
    expectDrawing(year, "charts/weeks_bike_km_empty");

    RecordingCanvas weight;  // no grid and no line; the category axis stays
    drawDiagram(weight, empty, request(kMonthDiagram, kWeight, kLineStyle));
    expectDrawing(weight, "charts/january_weight_empty");

    RecordingCanvas february;
    DiagramRequest r = request(kMonthDiagram, kKmRun);
    r.month = 2;
    drawDiagram(february, planFor(2008), r);
    EXPECT_NE(february.findText("Trainingsmonat : Februar"), nullptr);

    RecordingCanvas unhandled;
    drawDiagram(unhandled, empty, request(kWeekDiagram, kTimeBySport));
    EXPECT_EQ(unhandled.findText("Alternativ"), nullptr);
    RecordingCanvas none;
    drawDiagram(none, empty, request(kXyDiagram, kXyPulse));
    EXPECT_TRUE(none.calls().empty());
}

TEST(DiagramPrinting, UpperHalfOfThePageAndJobNames) {
    EXPECT_EQ(printerFrameMapping({5000, 7000, 80, 100}).viewportExtent,
              (sb::platform::Size{5000 - 100 - 130, 3225}));
    EXPECT_EQ(printerFrameMapping({5000, 7000, 80, 100}).viewportOrigin, (Point{130, 250}));
    EXPECT_EQ(diagramDocumentName(kMonthDiagram, 1, 5), "5_Monat");
    EXPECT_EQ(diagramDocumentName(kMonthOfYearDiagram, 1, 1), "Montas_Jahresdiagramm");
    EXPECT_EQ(diagramDocumentName(kXyDiagram, 1, 1), "X_Y_Diagramm");

    std::deque<sb::platform::headless::PrintedDocument> log;
    TrainingYear year = planFor(2009);
    dayOf(year, 3, 3).bike.distanceKm = 20;
    DiagramRequest r = request(kWeekDiagram, kKmBike);
    r.week = 10;
    {
        sb::platform::headless::HeadlessPrinter printer({}, log);
        EXPECT_TRUE(printDiagram(printer, year, r));
    }
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].name, "10_Woche");
    EXPECT_TRUE(log[0].ended);
    ASSERT_EQ(log[0].pages.size(), 1u);
    const RecordingCanvas& page = log[0].pages[0];
    EXPECT_EQ(page.state().mapping, printerFrameMapping({4960, 7016, 100, 100}));
    expectDrawing(page, "charts/week_10_bike_km_printed");

    sb::platform::headless::PrintAnswer failing;
    failing.documentFails = true;
    sb::platform::headless::HeadlessPrinter refusing(failing, log);
    EXPECT_FALSE(printDiagram(refusing, year, r));
    EXPECT_EQ(log.size(), 1u);
}
