// The month grid on the recording canvas (diagram font: line height 28): rows per sport mode, columns
// per month, the type colours of each row, two-line day numbers, the legend, and the click targets.
#include <gtest/gtest.h>

#include <memory>
#include <tuple>

#include "calendars/calendar_grid.h"
#include "charts/chart_frame.h"
#include "charts/drawing_log.h"
#include "model/training_types.h"
#include "platform/headless/recording_canvas.h"

namespace sb::calendars {
namespace {

using platform::Rect;
using platform::headless::RecordingCanvas;
using charts::testing::expectDrawing;

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

TEST(CalendarGrid, RowsFollowTheSportModeColumnsTheMonthAndCellsTheirSportsDigit) {
    // Running mode: the rows of running and the other sports only; a leap year's February has 29 days.
    expectDrawing(GridFixture(3, 2).draw(), "calendars/grid_march_running");
    expectDrawing(GridFixture(2, 5).draw(), "calendars/grid_february_triathlon");
    EXPECT_NE(nullptr, GridFixture(13).draw().findText("Dezember 2008"));  // the month is clamped
    // 3 March 2008 was a Monday; day numbers stand in two lines, the chosen type beside the legend.
    GridFixture march(3);
    march.grid.chosenType = 7;
    expectDrawing(march.draw(), "calendars/grid_march_chosen_type");

    GridFixture january(1);
    january.year->days[4].plannedTypes = 3021;  // 5 January: swimming 3, cycling 1, running 2, other 0
    january.year->days[4].actualTypes = 9876;
    expectDrawing(january.draw(), "calendars/grid_january_types");
    january.grid.variant = GridVariant::Control;  // planned and actual halves, no chosen type
    expectDrawing(january.draw(), "calendars/control_grid_january_types");
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
