// The month calendar of the planning and control views on the 1400 × 1000 chart canvas: one column per
// day, one row per sport of the sport mode, each cell in the colour of its training type, the legend of
// the ten types, and the rectangles on which the views test clicks.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "config/config_store.h"
#include "model/training_types.h"
#include "model/training_year.h"
#include "platform/canvas.h"

namespace sb::calendars {

// Logical units of the canvas.
namespace grid {
constexpr int firstColumnX = 170;  // centre of day 1
constexpr int columnStep = 40;
constexpr int halfColumn = 20;
constexpr int rowStep = 100;
constexpr int cellHeight = 80;
constexpr int halfCell = 40;
constexpr int swatchWidth = 60;
constexpr int swatchHeight = 70;
constexpr int maxDays = 31;
constexpr int rowCount = 4;
}  // namespace grid

enum class GridVariant { Planning = 0, Control = 1 };

// The text background of the views' faces on screen; printouts use white.
constexpr platform::Colour dialogFace = platform::rgb(240, 240, 240);

// Rows in drawing order: Schwimmen, Rad, Laufen, Alternativ. A sport's row index is its place here.
constexpr std::array<int, grid::rowCount> rowSports{model::kSwim, model::kBike, model::kRun, model::kOther};
int rowIndexOf(int sport);
// The sports the sport mode shows, in row order.
std::vector<int> shownSports(int sportMode);

// Click targets in device pixels of the canvas control. Rectangles of rows and days not shown are
// empty, so nothing hits them.
struct CalendarHitAreas {
    std::array<std::array<platform::Rect, grid::maxDays>, grid::rowCount> dayCells{};  // [row][day - 1]
    std::array<platform::Rect, model::kTrainingTypeCount> typeSwatches{};
};

struct CalendarCell {
    int day = 0;    // 1…31
    int sport = 0;  // model::Sport
    bool operator==(const CalendarCell&) const = default;
};

// What one grid shows. Labels are Windows-1252 as the settings keep them.
struct CalendarGrid {
    const model::TrainingYear* year = nullptr;
    int month = 1;  // clamped to 1…12 before drawing
    GridVariant variant = GridVariant::Planning;
    int chosenType = 0;
    int sportMode = 5;
    std::array<std::string, model::kTrainingTypeCount> typeLabels;
    std::array<platform::Colour, model::kTrainingTypeCount> typeColours{};
    platform::Colour background = dialogFace;
};

// The grid of a month with the sport mode, labels and colours of the settings; chosen type 0.
CalendarGrid calendarGridOf(const model::TrainingYear& year, const config::ConfigStore& settings, int month,
                            GridVariant variant, platform::Colour background);

// Draws the month on a canvas whose frame is already set up (screen or printer). hitAreas, when given,
// are refreshed in the canvas's device coordinates; a printout passes none, so the view's stay valid.
void drawCalendarGrid(platform::Canvas& canvas, const CalendarGrid& grid, CalendarHitAreas* hitAreas);

// The logical rectangle of a day cell (both halves) in the grid's layout for a line height.
platform::Rect cellRect(const CalendarGrid& grid, int lineHeight, CalendarCell cell);

// The first day cell under a point (days from 1, rows in row order), or none.
std::optional<CalendarCell> hitDayCell(const CalendarHitAreas& areas, platform::Point at);
// The type 0…9 of the swatch under a point, tested from type 0, or -1.
int hitTypeSwatch(const CalendarHitAreas& areas, platform::Point at);

}  // namespace sb::calendars
