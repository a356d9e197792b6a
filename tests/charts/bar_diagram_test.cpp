// The four bar diagrams on the recording canvas: bars from truncated products, stacks sharing their
// boundaries, week 1 under its own weekdays, side-by-side sport bars, line style, legends, empty and
// zero-topped axes, and the printed page.
#include "charts/bar_diagram.h"

#include <gtest/gtest.h>

#include <deque>

#include "charts/chart_frame.h"
#include "charts/diagram_printing.h"
#include "model/calendar.h"
#include "platform/headless/headless_printer.h"
#include "platform/headless/recording_canvas.h"

using namespace sb::charts;
using namespace sb::model;
using namespace sb::statistics;
using sb::model::TrainingYear;
using sb::platform::Colour;
using sb::platform::Point;
using sb::platform::Rect;
using sb::platform::headless::CallKind;
using sb::platform::headless::DrawCall;
using sb::platform::headless::RecordingCanvas;

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

bool isLegendSquare(const Rect& rect) {
    return rect.left >= 1130 && rect.right - rect.left == 28 && rect.bottom - rect.top == 28;
}

// The bars (and flat or front faces) of a colour, without the legend's colour squares.
std::vector<Rect> rectanglesIn(const RecordingCanvas& canvas, Colour colour) {
    std::vector<Rect> found;
    for (const DrawCall* call : canvas.filledWith(colour))
        if (call->kind == CallKind::Rectangle && !isLegendSquare(call->rect())) found.push_back(call->rect());
    return found;
}

bool hasValueLabels(const RecordingCanvas& canvas) {
    for (const DrawCall* text : canvas.callsOf(CallKind::Text))
        if (text->points[0].x == 80 - 28) return true;
    return false;
}

}  // namespace

TEST(BarDiagram, WeekBarsStandInTheirWeekdaySlots) {
    TrainingYear year = planFor(2009);
    dayOf(year, 3, 3).bike.distanceKm = 20;  // Tuesday of week 10
    dayOf(year, 7, 3).bike.distanceKm = 45.5f;
    DiagramRequest r = request(kWeekDiagram, kKmBike);
    r.week = 10;
    RecordingCanvas canvas;
    drawDiagram(canvas, year, r);
    for (const char* label : {"0", "10", "20", "30", "40", "50", "Trainingswoche : 10", "Radkilometer", "km"})
        EXPECT_NE(canvas.findText(label), nullptr) << label;
    EXPECT_EQ(rectanglesIn(canvas, colour::singleBar),
              (std::vector<Rect>{{279, 940 - 336, 424, 940}, {1005, 940 - 764, 1150, 940}}));
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
    // Axis top 5: 168 units per hour. Slot 9 of 30 days.
    int left = 80 + int(9 * (1270 / 30.0)), right = 80 + int(10 * (1270 / 30.0)), inset = 4;
    EXPECT_EQ(rectanglesIn(canvas, colour::bike),
              (std::vector<Rect>{{left + inset, 772, right - inset, 940}}));
    EXPECT_EQ(rectanglesIn(canvas, colour::run),
              (std::vector<Rect>{{left + inset, 688, right - inset, 772}}));
    EXPECT_EQ(canvas.texts().back(), "Alternativ");
    EXPECT_EQ(canvas.findText("Schwimmen"), nullptr);

    TrainingYear types = planFor(2009);
    dayOf(types, 4, 2).run.duration = "02:00";
    dayOf(types, 4, 2).actualTypes = 10;
    dayOf(types, 5, 2).run.duration = "01:00";
    dayOf(types, 5, 2).actualTypes = 40;
    RecordingCanvas byType;
    drawDiagram(byType, types, request(kMonthOfYearDiagram, kActualTimeRun));
    Rect february{80 + 105 + 10, 0, 80 + 211 - 10, 0};
    EXPECT_EQ(rectanglesIn(byType, r.typeColours[4]),
              (std::vector<Rect>{{february.left, 772, february.right, 940}}));
    EXPECT_EQ(rectanglesIn(byType, r.typeColours[1]),
              (std::vector<Rect>{{february.left, 436, february.right, 772}}));
    EXPECT_NE(byType.findText("Typ 9"), nullptr);  // all ten types
}

TEST(BarDiagram, ThreeDStackAndLineStyle) {
    TrainingYear year = planFor(2009);
    dayOf(year, 14, 1).bike.distanceKm = 30;
    RecordingCanvas threeD;
    drawDiagram(threeD, year, request(kWeekOfYearDiagram, kKmBike, kThreeDStyle));
    // Week 3, slot 2; axis top 50 over 815 units; inset trunc(2.35) = 2.
    auto faces = threeD.filledWith(colour::singleBar);
    ASSERT_EQ(faces.size(), 3u);
    int left = 80 + int(2 * 1245 * 0.018867925f), right = 80 + int(3 * 1245 * 0.018867925f);
    EXPECT_EQ(faces[0]->rect(), (Rect{left + 2 + 10, 940 - 489, right - 4 + 10, 930}));

    RecordingCanvas lines;
    drawDiagram(lines, year, request(kMonthDiagram, kKmBike, kLineStyle));
    auto polylines = lines.callsOf(CallKind::Polyline);
    ASSERT_EQ(polylines.size(), 1u);
    ASSERT_EQ(polylines[0]->points.size(), 31u);
    EXPECT_EQ(polylines[0]->points[13], (Point{80 + int(13 * 1270 / 31.0) + 20, 940 - 504}));
    EXPECT_EQ(polylines[0]->points[0].y, 940);
    EXPECT_EQ(lines.callsOf(CallKind::Ellipse).size(), 31u);

    RecordingCanvas stackLines;
    drawDiagram(stackLines, year, request(kWeekOfYearDiagram, kTimeBySport, kLineStyle));
    EXPECT_TRUE(stackLines.callsOf(CallKind::Polyline).empty());
    EXPECT_NE(stackLines.findText("Alternativ"), nullptr);
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
    r.timeSportFlags = 15;
    RecordingCanvas all;
    drawDiagram(all, year, r);
    // Four sub-slots of trunc(181.43 / 4) = 45, Schwimmen first; inset 4.
    EXPECT_EQ(rectanglesIn(all, colour::swim), (std::vector<Rect>{{84, 772, 121, 940}}));
    EXPECT_EQ(rectanglesIn(all, colour::bike), (std::vector<Rect>{{129, 772, 166, 940}}));
    EXPECT_EQ(rectanglesIn(all, colour::other), (std::vector<Rect>{{219, 772, 256, 940}}));

    r.timeSportFlags = 3;
    RecordingCanvas two;
    drawDiagram(two, year, r);
    EXPECT_EQ(rectanglesIn(two, colour::bike), (std::vector<Rect>{{89, 772, 161, 940}}));
    EXPECT_TRUE(rectanglesIn(two, colour::swim).empty());
    EXPECT_EQ(two.findText("Schwimmen"), nullptr);
    EXPECT_NE(two.findText("Laufen"), nullptr);

    r.style = kLineStyle;
    RecordingCanvas lines;
    drawDiagram(lines, year, r);
    auto polylines = lines.callsOf(CallKind::Polyline);
    ASSERT_EQ(polylines.size(), 2u);
    EXPECT_EQ(polylines[0]->pen().colour, colour::bike);
    EXPECT_EQ(polylines[0]->pen().width, 1);
    EXPECT_EQ(polylines[1]->points[0], (Point{80 + 90 + 45, 772}));

    // Load of a version-2 plan: no bars and no labels, the grid of an axis top of 5, the legend.
    year.planFileVersion = 2;
    DiagramRequest load = request(kWeekDiagram, kLoad);
    load.week = 2;
    load.loadSportFlags = 7;
    RecordingCanvas noLoad;
    drawDiagram(noLoad, year, load);
    EXPECT_TRUE(rectanglesIn(noLoad, colour::bike).empty());
    EXPECT_FALSE(hasValueLabels(noLoad));
    EXPECT_EQ(noLoad.strokedWith(colour::grid).size(), 25u);
    EXPECT_NE(noLoad.findText("Alternativ"), nullptr);
}

TEST(BarDiagram, EmptySeriesAndAxisTopZero) {
    TrainingYear empty = planFor(2009);
    RecordingCanvas year;
    drawDiagram(year, empty, request(kWeekOfYearDiagram, kKmBike));
    EXPECT_FALSE(hasValueLabels(year));
    EXPECT_TRUE(rectanglesIn(year, colour::singleBar).empty());
    EXPECT_EQ(year.strokedWith(colour::grid).size(), 25u);  // grid of the axis top 0.1

    RecordingCanvas weight;
    drawDiagram(weight, empty, request(kMonthDiagram, kWeight, kLineStyle));
    EXPECT_TRUE(weight.strokedWith(colour::grid).empty());
    EXPECT_TRUE(weight.callsOf(CallKind::Polyline).empty());
    EXPECT_NE(weight.findText("Gewicht"), nullptr);
    EXPECT_NE(weight.findText("30"), nullptr);  // the category axis stays

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
    EXPECT_EQ(rectanglesIn(page, colour::singleBar).size(), 1u);

    sb::platform::headless::PrintAnswer failing;
    failing.documentFails = true;
    sb::platform::headless::HeadlessPrinter refusing(failing, log);
    EXPECT_FALSE(printDiagram(refusing, year, r));
    EXPECT_EQ(log.size(), 1u);
}
