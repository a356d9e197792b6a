// The month grid on the recording canvas (diagram font: line height 28): rows per sport mode, columns
// per month, the type colours of each row, two-line day numbers, the legend, and the click targets.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "calendars/calendar_grid.h"
#include "charts/chart_frame.h"
#include "model/training_types.h"
#include "platform/headless/recording_canvas.h"

namespace sb::calendars {
namespace {

using platform::Rect;
using platform::headless::CallKind;
using platform::headless::DrawCall;
using platform::headless::RecordingCanvas;

constexpr int kFirstRowTop = 66;  // 10 + 2 × 28

struct GridFixture {
    std::unique_ptr<model::TrainingYear> year = std::make_unique<model::TrainingYear>();
    CalendarGrid grid;

    explicit GridFixture(int month, int sportMode = 5, GridVariant variant = GridVariant::Planning) {
        year->planYear = 2008;
        grid.year = year.get();
        grid.month = month;
        grid.sportMode = sportMode;
        grid.variant = variant;
        for (int type = 0; type < model::kTrainingTypeCount; ++type) {
            grid.typeLabels[std::size_t(type)] = "Typ" + std::to_string(type);
            grid.typeColours[std::size_t(type)] = platform::rgb(type, 100, 200);
        }
    }

    RecordingCanvas draw(CalendarHitAreas* areas = nullptr) const {
        RecordingCanvas canvas;
        drawCalendarGrid(canvas, grid, areas);
        return canvas;
    }
};

// Filled cells whose top is `top` (one per day column in that row).
std::vector<Rect> cellsAt(const RecordingCanvas& canvas, int top, int height) {
    std::vector<Rect> cells;
    for (const DrawCall* call : canvas.callsOf(CallKind::Rectangle)) {
        Rect r = call->rect();
        if (r.top == top && r.bottom - r.top == height && r.right - r.left == 40) cells.push_back(r);
    }
    return cells;
}

platform::Colour fillOfCellAt(const RecordingCanvas& canvas, int centreX, int top) {
    for (const DrawCall* call : canvas.callsOf(CallKind::Rectangle))
        if (call->rect().left == centreX - 20 && call->rect().top == top) return call->brush().colour;
    ADD_FAILURE() << "no cell at " << centreX << "," << top;
    return 0;
}

TEST(CalendarGrid, RowsFollowTheSportModeAndColumnsTheMonth) {
    GridFixture running(3, 2);
    RecordingCanvas two = running.draw();
    for (const auto& [label, shown] : {std::pair{"laufen:", true}, {"alternativ:", true}, {"rad:", false},
                                       {"schwim.:", false}})
        EXPECT_EQ(shown, two.findText(label) != nullptr) << label;
    EXPECT_EQ(31u, cellsAt(two, kFirstRowTop + 100, 80).size());
    EXPECT_TRUE(cellsAt(two, kFirstRowTop + 200, 80).empty());

    GridFixture triathlon(2, 5);
    RecordingCanvas four = triathlon.draw();
    for (const char* label : {"schwim.:", "rad:", "laufen:", "alternativ:"})
        EXPECT_NE(nullptr, four.findText(label));
    EXPECT_EQ(29u, cellsAt(four, kFirstRowTop + 300, 80).size());  // February of a leap year
    EXPECT_NE(nullptr, four.findText("Februar 2008"));

    std::vector<Rect> march = cellsAt(GridFixture(3).draw(), kFirstRowTop, 80);
    ASSERT_EQ(31u, march.size());
    EXPECT_EQ(1370, (march.back().left + march.back().right) / 2);
    EXPECT_NE(nullptr, GridFixture(13).draw().findText("Dezember 2008"));  // the month is clamped
}

TEST(CalendarGrid, EachRowShowsItsSportsDigitAndTheControlGridBothHalves) {
    GridFixture fixture(1);
    fixture.year->days[4].plannedTypes = 3021;  // 5 January: column centre 330
    fixture.year->days[4].actualTypes = 9876;
    RecordingCanvas planning = fixture.draw();
    const auto& colours = fixture.grid.typeColours;
    EXPECT_EQ(colours[3], fillOfCellAt(planning, 330, kFirstRowTop));        // Schwimmen
    EXPECT_EQ(colours[1], fillOfCellAt(planning, 330, kFirstRowTop + 100));  // Rad
    EXPECT_EQ(colours[2], fillOfCellAt(planning, 330, kFirstRowTop + 200));  // Laufen
    EXPECT_EQ(colours[0], fillOfCellAt(planning, 330, kFirstRowTop + 300));  // Alternativ

    fixture.grid.variant = GridVariant::Control;
    RecordingCanvas control = fixture.draw();
    EXPECT_EQ(colours[1], fillOfCellAt(control, 330, kFirstRowTop + 100));
    EXPECT_EQ(colours[6], fillOfCellAt(control, 330, kFirstRowTop + 140));  // actual Rad digit of 9876
    EXPECT_EQ(31u, cellsAt(control, kFirstRowTop + 340, 40).size());
    EXPECT_EQ(std::tuple(control.findText("S ") != nullptr, control.findText("I ") != nullptr,
                         control.findText("ausgewählt") != nullptr),
              std::tuple(true, true, false));
}

TEST(CalendarGrid, DayNumbersWeekdaysAndLegend) {
    GridFixture fixture(3);
    fixture.grid.chosenType = 7;
    RecordingCanvas canvas = fixture.draw();
    const int x25 = 170 + 40 * 24;
    const DrawCall* tens = nullptr;
    const DrawCall* units = nullptr;
    for (const DrawCall* call : canvas.callsOf(CallKind::Text)) {
        if (call->points[0].x != x25) continue;
        if (call->text == "2") tens = call;
        if (call->text == "5") units = call;
    }
    ASSERT_TRUE(tens && units);
    EXPECT_EQ(tens->points[0].y + 28, units->points[0].y);
    EXPECT_GT(tens->points[0].y, kFirstRowTop + 380);

    // 3 March 2008 was a Monday, 7 March a Friday; marks stand one line above the first row.
    const DrawCall* monday = canvas.findText("Mo");
    ASSERT_NE(nullptr, monday);
    EXPECT_EQ((platform::Point{170 + 40 * 2, kFirstRowTop - 28}), monday->points[0]);
    EXPECT_EQ(170 + 40 * 6, canvas.findText("Fr")->points[0].x);

    const std::pair<int, platform::Point> legend[]{{0, {600, 620}}, {3, {600, 905}},  {5, {950, 620}},
                                                   {7, {950, 905}}, {6, {1300, 620}}, {9, {1300, 715}}};
    for (const auto& [type, topLeft] : legend) {
        const Rect swatch{topLeft.x, topLeft.y, topLeft.x + 60, topLeft.y + 70};
        auto filled = canvas.filledWith(fixture.grid.typeColours[std::size_t(type)]);
        EXPECT_TRUE(
            std::any_of(filled.begin(), filled.end(), [&](const DrawCall* c) { return c->rect() == swatch; }))
            << "type " << type;
        const DrawCall* label = canvas.findText("Typ" + std::to_string(type) + ":");
        ASSERT_NE(nullptr, label);
        EXPECT_EQ((platform::Point{topLeft.x - 10, topLeft.y + 21}), label->points[0]);
        EXPECT_EQ(platform::HAlign::Right, label->align.horizontal);
    }
    auto chosen = canvas.filledWith(fixture.grid.typeColours[7]);
    EXPECT_TRUE(std::any_of(chosen.begin(), chosen.end(), [](const DrawCall* c) {
        return c->rect() == Rect{150, 620, 270, 760};
    }));
    EXPECT_EQ((platform::Point{210, 781}), canvas.findText("ausgewählt")->points[0]);
}

TEST(CalendarGrid, HitAreasAreDeviceRectanglesOfWholeCellsAndSwatches) {
    GridFixture fixture(4, 2, GridVariant::Control);
    CalendarHitAreas areas;
    areas.dayCells[1][30] = {1, 1, 500, 500};  // left over from a 31-day month in mode 5
    RecordingCanvas canvas({700, 500});
    charts::setupDialogFrame(canvas, {700, 500}, dialogFace);
    drawCalendarGrid(canvas, fixture.grid, &areas);

    const auto& run = areas.dayCells[std::size_t(rowIndexOf(model::kRun))];
    // April has 30 days.
    EXPECT_EQ(std::tuple(run[0], run[30], areas.dayCells[std::size_t(rowIndexOf(model::kBike))][30]),
              std::tuple(Rect{75, 33, 95, 73}, Rect{}, Rect{}));
    EXPECT_EQ((Rect{300, 310, 330, 345}), areas.typeSwatches[0]);

    EXPECT_EQ((CalendarCell{1, model::kRun}), hitDayCell(areas, {80, 70}));  // lower, actual half
    EXPECT_EQ((CalendarCell{2, model::kOther}), hitDayCell(areas, {100, 90}));
    EXPECT_FALSE(hitDayCell(areas, {80, 140}));  // below the last row
    EXPECT_EQ(std::pair(hitTypeSwatch(areas, {660, 360}), hitTypeSwatch(areas, {10, 10})), std::pair(9, -1));
}

}  // namespace
}  // namespace sb::calendars
