// The four bar diagrams on the recording canvas: bars from truncated products, stacks sharing their
// boundaries, week 1 under its own weekdays, side-by-side sport bars, line style, legends, empty and
// zero-topped axes, and the printed page; the load chart, whose value axis reaches below zero when a
// hard block drives form under the zero line, and which day a point of its plot hits.
#include "charts/bar_diagram.h"

#include <gtest/gtest.h>

#include <deque>
#include <tuple>

#include "charts/chart_frame.h"
#include "charts/diagram_printing.h"
#include "charts/load_chart.h"
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

void marchRides(TrainingYear& year) {
    dayOf(year, 3, 3).bike.distanceKm = 20;  // Tuesday of week 10
    dayOf(year, 7, 3).bike.distanceKm = 45.5f;
}

void juneRideAndRun(TrainingYear& year) {
    dayOf(year, 10, 6).bike.duration = "01:00";
    dayOf(year, 10, 6).run.duration = "00:30";
}

void februaryTypes(TrainingYear& year) {
    dayOf(year, 4, 2).run.duration = "02:00";
    dayOf(year, 4, 2).actualTypes = 10;
    dayOf(year, 5, 2).run.duration = "01:00";
    dayOf(year, 5, 2).actualTypes = 40;
}

void januaryRide(TrainingYear& year) { dayOf(year, 14, 1).bike.distanceKm = 30; }

void fourSportsOnAMonday(TrainingYear& year) {  // 5 January 2009, the Monday of week 2
    for (auto* entry : {&dayOf(year, 5, 1).swim, &dayOf(year, 5, 1).bike, &dayOf(year, 5, 1).run,
                        &dayOf(year, 5, 1).other}) {
        entry->duration = "01:00";
        entry->load = 3;
    }
}

void nothing(TrainingYear&) {}

// Two weeks of two hours at load 4 from 1 June, then perhaps one session without load.
LoadSeries hardBlock2009(bool unloaded) {
    TrainingYear year = planFor(2009);
    for (int d = 151; d < 165; ++d) year.days[d].bike = {"", 0, 0, 0, "02:00", 4, ""};
    if (unloaded) year.days[200].run = {"", 0, 0, 0, "00:40", 0, ""};
    return sb::statistics::computeLoadSeries(year);
}

}  // namespace

TEST(BarDiagram, EachKindDrawsItsGoldenDiagram) {
    const struct {
        const char* golden;
        void (*fill)(TrainingYear&);
        int kind, code, style = kBarStyle, period = 1, sportMode = kModeTriathlon, timeSportFlags = 0,
                        loadSportFlags = 0, version = 3;
    } drawings[] = {
        {"week_10_bike_km", marchRides, kWeekDiagram, kKmBike, kBarStyle, 10},
        // No swimming in a duathlon's legend; all ten types in the legend of a stack by type.
        {"june_duathlon_time_by_sport", juneRideAndRun, kMonthDiagram, kTimeBySport, kBarStyle, 6, kModeDuathlon},
        {"months_run_time_by_type", februaryTypes, kMonthOfYearDiagram, kActualTimeRun},
        {"weeks_bike_km_3d", januaryRide, kWeekOfYearDiagram, kKmBike, kThreeDStyle},
        {"january_bike_km_lines", januaryRide, kMonthDiagram, kKmBike, kLineStyle},
        // Stacks have no line style: no lines, the legend stays.
        {"weeks_time_by_sport_lines", januaryRide, kWeekOfYearDiagram, kTimeBySport, kLineStyle},
        {"week_2_time_four_sports", fourSportsOnAMonday, kWeekDiagram, kTime, kBarStyle, 2, kModeTriathlon, 15},
        {"week_2_time_bike_run", fourSportsOnAMonday, kWeekDiagram, kTime, kBarStyle, 2, kModeTriathlon, 3},
        {"week_2_time_bike_run_lines", fourSportsOnAMonday, kWeekDiagram, kTime, kLineStyle, 2, kModeTriathlon, 3},
        // Load of a version-2 plan: no bars and no labels, the grid of an axis top of 5, the legend.
        {"week_2_load_version_2", fourSportsOnAMonday, kWeekDiagram, kLoad, kBarStyle, 2, kModeTriathlon, 0, 7, 2},
        // The grid of the axis top 0.1 and no labels; a weight has no grid and no line, only the axis.
        {"weeks_bike_km_empty", nothing, kWeekOfYearDiagram, kKmBike},
        {"january_weight_empty", nothing, kMonthDiagram, kWeight, kLineStyle},
    };
    for (const auto& d : drawings) {
        TrainingYear year = planFor(2009, d.version);
        d.fill(year);
        DiagramRequest r = request(d.kind, d.code, d.style);
        r.week = r.month = d.period;
        r.sportMode = d.sportMode;
        r.timeSportFlags = d.timeSportFlags;
        r.loadSportFlags = d.loadSportFlags;
        RecordingCanvas canvas;
        drawDiagram(canvas, year, r);
        expectDrawing(canvas, std::string("charts/") + d.golden);
        EXPECT_EQ(canvas.state().font, sb::platform::Font{}) << d.golden;  // the caller's font is back
    }
}

TEST(BarDiagram, PeriodsAreClampedAndOtherKindsDrawNothing) {
    DiagramRequest week = request(kWeekDiagram, kKmBike);
    week.week = 99;  // out of range: the last week, never a slot past the year
    RecordingCanvas late;
    drawDiagram(late, planFor(2009), week);
    EXPECT_NE(late.findText("Trainingswoche : 53"), nullptr);

    RecordingCanvas unhandled;
    drawDiagram(unhandled, planFor(2009), request(kWeekDiagram, kTimeBySport));
    EXPECT_EQ(unhandled.findText("Alternativ"), nullptr);
    RecordingCanvas none;
    drawDiagram(none, planFor(2009), request(kXyDiagram, kXyPulse));
    EXPECT_TRUE(none.calls().empty());
}

TEST(DiagramPrinting, UpperHalfOfThePageAndJobNames) {
    const sb::platform::Mapping upperHalf = printerFrameMapping({5000, 7000, 80, 100});
    EXPECT_EQ(std::pair(upperHalf.viewportOrigin, upperHalf.viewportExtent),
              std::pair(Point{130, 250}, sb::platform::Size{5000 - 100 - 130, 3225}));
    EXPECT_EQ(diagramDocumentName(kMonthDiagram, 1, 5), "5_Monat");
    EXPECT_EQ(diagramDocumentName(kMonthOfYearDiagram, 1, 1), "Montas_Jahresdiagramm");

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
    ASSERT_EQ(std::tuple(log[0].name, log[0].ended, log[0].pages.size()), std::tuple("10_Woche", true, 1u));
    const RecordingCanvas& page = log[0].pages[0];
    EXPECT_EQ(page.state().mapping, printerFrameMapping({4960, 7016, 100, 100}));
    expectDrawing(page, "charts/week_10_bike_km_printed");

    sb::platform::headless::PrintAnswer failing;
    failing.documentFails = true;
    sb::platform::headless::HeadlessPrinter refusing(failing, log);
    EXPECT_FALSE(printDiagram(refusing, year, r));
    EXPECT_EQ(log.size(), 1u);
}

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
