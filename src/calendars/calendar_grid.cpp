// Drawing the month grid. A column is 40 units wide and holds one digit of the diagram font, so day
// numbers from 10 on stand as two digits one above the other.
#include "calendars/calendar_grid.h"

#include <algorithm>

#include "charts/chart_frame.h"
#include "model/calendar.h"
#include "model/text_encoding.h"
#include "statistics/sport_parts.h"

namespace sb::calendars {

using platform::Brush;
using platform::Canvas;
using platform::HAlign;
using platform::Point;
using platform::Rect;
using platform::TextAlign;
using platform::VAlign;

namespace {

constexpr TextAlign kLeft{HAlign::Left, VAlign::Top};
constexpr TextAlign kCentre{HAlign::Centre, VAlign::Top};
constexpr TextAlign kRight{HAlign::Right, VAlign::Top};

struct LegendPlace {
    int type;
    Point topLeft;
};

// Three columns; the order within them is the one users know from the printed legend.
constexpr LegendPlace kLegend[model::kTrainingTypeCount]{
    {0, {600, 620}}, {1, {600, 715}}, {2, {600, 810}}, {3, {600, 905}},  {5, {950, 620}},
    {4, {950, 715}}, {8, {950, 810}}, {7, {950, 905}}, {6, {1300, 620}}, {9, {1300, 715}},
};

constexpr Rect kChosenSwatch{150, 620, 270, 760};

const char* rowLabel(int sport) {
    switch (sport) {
        case model::kSwim:
            return "schwim.:";
        case model::kBike:
            return "rad:";
        case model::kRun:
            return "laufen:";
        default:
            return "alternativ:";
    }
}

int clampedMonth(int month) {
    return model::clampMonth(month);
}

int firstRowTop(int lineHeight) {
    return 10 + 2 * lineHeight;
}

int columnCentre(int day) {
    return grid::firstColumnX + grid::columnStep * (day - 1);
}

int swatchLabelOffset(int lineHeight) {
    return charts::truncated(0.5 * (grid::swatchHeight - lineHeight));
}

void fillRect(Canvas& canvas, const Rect& rect, platform::Colour colour) {
    canvas.setBrush(Brush::solid(colour));
    canvas.drawRectangle(rect);
}

std::string twoDigitsOf(int number, int place) {
    return std::string(1, char('0' + (place == 0 ? number / 10 : number % 10)));
}

void drawDayNumber(Canvas& canvas, int day, int top, int lineHeight) {
    const int x = columnCentre(day);
    if (day < 10) {
        canvas.drawText({x, top}, std::to_string(day), kCentre);
        return;
    }
    canvas.drawText({x, top}, twoDigitsOf(day, 0), kCentre);
    canvas.drawText({x, top + lineHeight}, twoDigitsOf(day, 1), kCentre);
}

void drawRowLabels(Canvas& canvas, const CalendarGrid& grid, const std::vector<int>& sports, int lineHeight) {
    int top = firstRowTop(lineHeight);
    for (int sport : sports) {
        canvas.drawText({10, top + (grid::cellHeight - lineHeight) / 2}, rowLabel(sport), kLeft);
        if (grid.variant == GridVariant::Control) {
            const int halfOffset = (grid::halfCell - lineHeight) / 2;
            canvas.drawText({150, top + halfOffset}, "S ", kRight);
            canvas.drawText({150, top + grid::halfCell + halfOffset}, "I ", kRight);
        }
        top += grid::rowStep;
    }
}

// The part of a day's column between two heights.
Rect columnPart(int day, int top, int bottom) {
    return {columnCentre(day) - grid::halfColumn, top, columnCentre(day) + grid::halfColumn, bottom};
}

void drawWeekdayMark(Canvas& canvas, const CalendarGrid& grid, int day, int lineHeight) {
    const int weekday = model::weekdayOf(day, clampedMonth(grid.month), grid.year->planYear);
    if (weekday != 1 && weekday != 5) return;
    canvas.drawText({columnCentre(day), firstRowTop(lineHeight) - lineHeight}, weekday == 1 ? "Mo" : "Fr",
                    kCentre);
}

void drawDayColumn(Canvas& canvas, const CalendarGrid& grid, const std::vector<int>& sports, int day,
                   int lineHeight, CalendarHitAreas* hitAreas) {
    const model::TrainingYear& year = *grid.year;
    const int firstIndex = model::dayOfYear(1, clampedMonth(grid.month), year.planYear) - 1;
    const model::DayRecord& record = year.days[std::size_t(firstIndex + day - 1)];
    const bool control = grid.variant == GridVariant::Control;
    drawWeekdayMark(canvas, grid, day, lineHeight);
    int top = firstRowTop(lineHeight);
    for (int sport : sports) {
        const int planned = model::sportTypeDigit(record.plannedTypes, sport);
        const int plannedBottom = top + (control ? grid::halfCell : grid::cellHeight);
        fillRect(canvas, columnPart(day, top, plannedBottom), grid.typeColours[std::size_t(planned)]);
        if (control) {
            const int actual = model::sportTypeDigit(record.actualTypes, sport);
            fillRect(canvas, columnPart(day, plannedBottom, top + grid::cellHeight),
                     grid.typeColours[std::size_t(actual)]);
        }
        if (hitAreas) {
            hitAreas->dayCells[std::size_t(rowIndexOf(sport))][std::size_t(day - 1)] =
                platform::toDevice(canvas.state().mapping, columnPart(day, top, top + grid::cellHeight));
        }
        top += grid::rowStep;
    }
    drawDayNumber(canvas, day, top - grid::rowStep + grid::cellHeight + lineHeight / 2, lineHeight);
}

void drawLegend(Canvas& canvas, const CalendarGrid& grid, int lineHeight, CalendarHitAreas* hitAreas) {
    for (const LegendPlace& place : kLegend) {
        const Rect swatch{place.topLeft.x, place.topLeft.y, place.topLeft.x + grid::swatchWidth,
                          place.topLeft.y + grid::swatchHeight};
        fillRect(canvas, swatch, grid.typeColours[std::size_t(place.type)]);
        const std::string label = model::cp1252ToUtf8(grid.typeLabels[std::size_t(place.type)]) + ":";
        canvas.drawText({swatch.left - 10, swatch.top + swatchLabelOffset(lineHeight)}, label, kRight);
        if (hitAreas)
            hitAreas->typeSwatches[std::size_t(place.type)] =
                platform::toDevice(canvas.state().mapping, swatch);
    }
    if (grid.variant != GridVariant::Planning) return;
    fillRect(canvas, kChosenSwatch, grid.typeColours[std::size_t(std::clamp(grid.chosenType, 0, 9))]);
    canvas.drawText({(kChosenSwatch.left + kChosenSwatch.right) / 2,
                     kChosenSwatch.bottom + swatchLabelOffset(lineHeight)},
                    "ausgewählt", kCentre);
}

}  // namespace

int rowIndexOf(int sport) {
    return int(std::find(rowSports.begin(), rowSports.end(), sport) - rowSports.begin());
}

std::vector<int> shownSports(int sportMode) {
    std::vector<int> sports;
    for (int part :
         {statistics::kPartSwim, statistics::kPartBike, statistics::kPartRun, statistics::kPartOther})
        if (statistics::sportModeShows(part, sportMode)) sports.push_back(statistics::sportOfPart(part));
    return sports;
}

CalendarGrid calendarGridOf(const model::TrainingYear& year, const config::ConfigStore& settings, int month,
                            GridVariant variant, platform::Colour background) {
    CalendarGrid grid;
    grid.year = &year;
    grid.month = month;
    grid.variant = variant;
    grid.sportMode = settings.sportMode;
    grid.typeLabels = settings.trainingTypeLabels;
    for (std::size_t type = 0; type < grid.typeColours.size(); ++type)
        grid.typeColours[type] = platform::Colour(settings.trainingTypeColours[type]);
    grid.background = background;
    return grid;
}

void drawCalendarGrid(Canvas& canvas, const CalendarGrid& grid, CalendarHitAreas* hitAreas) {
    const platform::Font previousFont = charts::selectDiagramFont(canvas);
    const platform::CanvasState saved = canvas.state();
    canvas.setTextBackground(grid.background);
    const int lineHeight = canvas.textMetrics().lineHeight();
    const int month = clampedMonth(grid.month);
    const int planYear = grid.year->planYear;
    if (hitAreas) hitAreas->dayCells = {};

    canvas.drawText({700, 10}, model::monthName(month) + " " + std::to_string(planYear), kCentre);
    const std::vector<int> sports = shownSports(grid.sportMode);
    drawRowLabels(canvas, grid, sports, lineHeight);
    for (int day = 1; day <= model::daysOfPlanMonth(month, planYear); ++day)
        drawDayColumn(canvas, grid, sports, day, lineHeight, hitAreas);
    drawLegend(canvas, grid, lineHeight, hitAreas);

    canvas.setBrush(saved.brush);
    canvas.setTextBackground(saved.textBackground);
    charts::restoreDiagramFont(canvas, previousFont);
}

Rect cellRect(const CalendarGrid& grid, int lineHeight, CalendarCell cell) {
    const std::vector<int> sports = shownSports(grid.sportMode);
    const int row = int(std::find(sports.begin(), sports.end(), cell.sport) - sports.begin());
    const int top = firstRowTop(lineHeight) + grid::rowStep * row;
    return columnPart(cell.day, top, top + grid::cellHeight);
}

std::optional<CalendarCell> hitDayCell(const CalendarHitAreas& areas, Point at) {
    for (int day = 1; day <= grid::maxDays; ++day) {
        for (int row = 0; row < grid::rowCount; ++row) {
            if (areas.dayCells[std::size_t(row)][std::size_t(day - 1)].contains(at))
                return CalendarCell{day, rowSports[std::size_t(row)]};
        }
    }
    return std::nullopt;
}

int hitTypeSwatch(const CalendarHitAreas& areas, Point at) {
    for (int type = 0; type < model::kTrainingTypeCount; ++type)
        if (areas.typeSwatches[std::size_t(type)].contains(at)) return type;
    return -1;
}

}  // namespace sb::calendars
