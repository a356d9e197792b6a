// The version-2 control view. Its positions are pixels of its own layout (the template's labels sit
// beside them); the canvas covers the whole dialog and maps that layout onto it.
#include "calendars/control_view_v2.h"

#include <algorithm>

#include "calendars/calendar_view.h"
#include "calendars/day_information.h"
#include "charts/chart_frame.h"
#include "model/calendar.h"
#include "platform/help.h"

namespace sb::calendars {

using platform::ControlKind;
using platform::DialogHost;
using platform::Key;
using platform::Point;
using platform::Rect;

namespace {

constexpr int kHelpTopic = 34;
constexpr int kFontHeight = 13;
constexpr int kFocusFrameWidth = 2;
constexpr int kCellHeight = 10;

struct SmallRow {
    int sport;
    int plannedTop;  // the actual half follows directly below
    int hitTop;
    int hitBottom;  // inclusive
};

constexpr SmallRow kRows[]{
    {model::kBike, 77, 73, 97},
    {model::kRun, 108, 108, 128},
    {model::kOther, 139, 139, 159},
};

struct SmallSwatch {
    int type;
    Point topLeft;
};

constexpr SmallSwatch kLegend[model::kTrainingTypeCount]{
    {0, {195, 200}}, {1, {195, 222}}, {2, {195, 244}}, {3, {195, 266}}, {5, {350, 200}},
    {4, {350, 222}}, {8, {350, 244}}, {7, {350, 266}}, {6, {505, 200}}, {9, {505, 222}},
};

platform::Mapping layoutOnto(platform::Size client) {
    return {{0, 0}, {small_grid::width, small_grid::height}, {0, 0}, client};
}

int columnLeft(int day) {
    return small_grid::firstColumn + small_grid::columnWidth * (day - 1);
}

const SmallRow& rowOf(int sport) {
    for (const SmallRow& row : kRows)
        if (row.sport == sport) return row;
    return kRows[0];
}

std::vector<int> smallGridSports() {
    return {model::kBike, model::kRun, model::kOther};
}

void fill(platform::Canvas& canvas, const Rect& rect, platform::Colour colour) {
    canvas.setBrush(platform::Brush::solid(colour));
    canvas.drawRectangle(rect);
}

void drawDay(platform::Canvas& canvas, const model::TrainingYear& year, int month, int day,
             const std::array<platform::Colour, model::kTrainingTypeCount>& colours) {
    const model::DayRecord& record = year.days[std::size_t(model::dayOfYear(day, month, year.planYear) - 1)];
    const int x = columnLeft(day);
    for (const SmallRow& row : kRows) {
        const int planned = model::sportTypeDigit(record.plannedTypes, row.sport);
        const int actual = model::sportTypeDigit(record.actualTypes, row.sport);
        fill(canvas, {x, row.plannedTop, x + small_grid::columnWidth, row.plannedTop + kCellHeight},
             colours[std::size_t(planned)]);
        fill(canvas,
             {x, row.plannedTop + kCellHeight, x + small_grid::columnWidth, row.plannedTop + 2 * kCellHeight},
             colours[std::size_t(actual)]);
    }
    if (day < 10) {
        canvas.drawText({x + 4, 162}, std::to_string(day));
    } else {
        canvas.drawText({x + 4, 162}, std::to_string(day / 10));
        canvas.drawText({x + 4, 176}, std::to_string(day % 10));
    }
}

}  // namespace

const platform::DialogTemplate& controlViewV2Template() {
    using platform::ControlFlag;
    constexpr unsigned tab = ControlFlag::TabStop;
    constexpr int none = platform::staticControlId;
    static const platform::DialogTemplate dialog{
        "TRAININGSKONTROLLE_V2",
        "Trainingskontrolldiagramm",
        386,
        212,
        {
            {view_id::canvas, ControlKind::Canvas, "", {0, 0, 386, 212}, tab},
            {none, ControlKind::GroupBox, "Monat", {20, 5, 210, 32}},
            {view_id::previousMonth, ControlKind::Button, "<", {31, 17, 29, 14}, tab},
            {none, ControlKind::Static, "Monat:", {69, 20, 33, 8}},
            {view_id::monthEdit, ControlKind::Edit, "", {104, 18, 68, 12}, ControlFlag::ReadOnly},
            {view_id::nextMonth, ControlKind::Button, ">", {181, 17, 30, 14}, tab},
            {none, ControlKind::Frame, "", {240, 5, 121, 35}},
            {none,
             ControlKind::Static,
             "auf das Feld einer Sportart klicken, um Detailinformation\nzu bekommen",
             {243, 9, 115, 28},
             ControlFlag::MultiLine},
            {none, ControlKind::Frame, "", {42, 45, 339, 18}},
            {none, ControlKind::Static, "rad:", {8, 50, 32, 8}},
            {none, ControlKind::Static, "soll\nist", {362, 46, 18, 16}, ControlFlag::MultiLine},
            {none, ControlKind::Frame, "", {42, 64, 339, 18}},
            {none, ControlKind::Static, "laufen:", {8, 69, 32, 8}},
            {none, ControlKind::Static, "soll\nist", {362, 65, 18, 16}, ControlFlag::MultiLine},
            {none, ControlKind::Frame, "", {42, 83, 339, 18}},
            {none, ControlKind::Static, "altern.:", {8, 88, 32, 8}},
            {none, ControlKind::Static, "soll\nist", {362, 84, 18, 16}, ControlFlag::MultiLine},
            {none, ControlKind::GroupBox, "Legende", {5, 115, 375, 64}},
            {none, ControlKind::Static, "keine Angabe:", {40, 125, 86, 8}},
            {none, ControlKind::Static, "Ausdauer aerob:", {40, 139, 86, 8}},
            {none, ControlKind::Static, "Ausdauer anaerob:", {40, 152, 86, 8}},
            {none, ControlKind::Static, "Grundlagen Ausdauer:", {40, 166, 86, 8}},
            {none, ControlKind::Static, "Kraft Ausdauer:", {161, 125, 70, 8}},
            {none, ControlKind::Static, "Intervalltraining:", {161, 139, 70, 8}},
            {none, ControlKind::Static, "Technik Training:", {161, 152, 70, 8}},
            {none, ControlKind::Static, "Regeneration:", {161, 166, 70, 8}},
            {none, ControlKind::Static, "Leistungstest:", {264, 125, 70, 8}},
            {none, ControlKind::Static, "Wettkampf:", {264, 139, 70, 8}},
            {view_id::help, ControlKind::Button, "Hilfe", {5, 190, 50, 14}, tab},
            {view_id::ok, ControlKind::DefaultButton, "OK", {329, 190, 50, 14}, tab},
        }};
    return dialog;
}

void drawSmallControlGrid(platform::Canvas& canvas, const model::TrainingYear& year, int month,
                          const std::array<platform::Colour, model::kTrainingTypeCount>& colours,
                          std::optional<CalendarCell> focus) {
    charts::SavedDrawingObjects saved(canvas);
    const platform::Font previousFont = canvas.state().font;
    canvas.setFont({kFontHeight, platform::Pitch::Variable, false, false});
    month = model::clampMonth(month);
    for (int day = 1; day <= model::daysOfPlanMonth(month, year.planYear); ++day)
        drawDay(canvas, year, month, day, colours);
    for (const SmallSwatch& swatch : kLegend)
        fill(canvas, {swatch.topLeft.x, swatch.topLeft.y, swatch.topLeft.x + 40, swatch.topLeft.y + 20},
             colours[std::size_t(swatch.type)]);
    if (focus) {
        const int x = columnLeft(focus->day);
        const int top = rowOf(focus->sport).plannedTop;
        drawFocusFrame(canvas, {x, top, x + small_grid::columnWidth, top + 2 * kCellHeight},
                       kFocusFrameWidth);
    }
    canvas.setFont(previousFont);
}

std::optional<CalendarCell> hitSmallGridCell(Point at, int days) {
    if (at.x < small_grid::firstColumn) return std::nullopt;
    const int day = (at.x - small_grid::firstColumn) / small_grid::columnWidth + 1;
    if (day > days) return std::nullopt;
    for (const SmallRow& row : kRows)
        if (at.y >= row.hitTop && at.y <= row.hitBottom) return CalendarCell{day, row.sport};
    return std::nullopt;
}

ControlViewV2::ControlViewV2(const model::TrainingYear& year, const config::ConfigStore& settings,
                             std::string helpFile)
    : year_(year), settings_(settings), helpFile_(std::move(helpFile)) {}

void ControlViewV2::init(DialogHost& host) {
    month_ = openingMonth(year_);
    focus_ = keptInside({openingDay(year_, month_), model::kBike}, smallGridSports(),
                        model::daysOfPlanMonth(month_, year_.planYear));
    host.setText(view_id::monthEdit, model::monthName(month_));
    host.setFocus(view_id::canvas);
}

void ControlViewV2::command(DialogHost& host, int id, platform::Notification notification) {
    if (notification != platform::Notification::Clicked) return;
    if (id == view_id::previousMonth) changeMonth(host, -1);
    if (id == view_id::nextMonth) changeMonth(host, 1);
    if (id == view_id::ok) host.end(platform::dialogOk);
    if (id == view_id::help) help(host);
}

void ControlViewV2::close(DialogHost& host) {
    host.end(platform::dialogOk);
}

void ControlViewV2::help(DialogHost& host) {
    platform::showHelpTopic(host.services(), helpFile_, kHelpTopic);
}

void ControlViewV2::paint(DialogHost& host, int id, platform::Canvas& canvas) {
    canvas.setMapping(layoutOnto(host.clientSize(id)));
    std::array<platform::Colour, model::kTrainingTypeCount> colours{};
    for (std::size_t type = 0; type < colours.size(); ++type)
        colours[type] = platform::Colour(settings_.trainingTypeColours[type]);
    drawSmallControlGrid(canvas, year_, month_, colours, focus_);
}

void ControlViewV2::mouseDown(DialogHost& host, int id, Point at) {
    const Point layoutPoint = platform::toLogical(layoutOnto(host.clientSize(id)), at);
    if (std::optional<CalendarCell> cell =
            hitSmallGridCell(layoutPoint, model::daysOfPlanMonth(month_, year_.planYear))) {
        focus_ = *cell;
        showCell(host, *cell);
    }
}

bool ControlViewV2::keyDown(DialogHost& host, int id, Key key) {
    const int days = model::daysOfPlanMonth(month_, year_.planYear);
    switch (key) {
        case Key::PageUp:
            changeMonth(host, -1);
            return true;
        case Key::PageDown:
            changeMonth(host, 1);
            return true;
        case Key::Enter:
            showCell(host, focus_);
            return true;
        case Key::Left:
        case Key::Right:
        case Key::Up:
        case Key::Down:
            focus_ = movedFocus(focus_, key, smallGridSports(), days);
            host.repaint(view_id::canvas);
            return true;
        default:
            return false;
    }
}

void ControlViewV2::changeMonth(DialogHost& host, int step) {
    month_ = steppedMonth(month_, step);
    focus_ = keptInside(focus_, smallGridSports(), model::daysOfPlanMonth(month_, year_.planYear));
    host.setText(view_id::monthEdit, model::monthName(month_));
    host.repaint(view_id::canvas);
}

void ControlViewV2::showCell(DialogHost& host, CalendarCell cell) {
    showDayInformation(host.services(), year_, cell.day, month_, cell.sport);
    host.repaint(view_id::canvas);
}

}  // namespace sb::calendars
