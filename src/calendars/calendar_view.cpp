// The grid views' shared behaviour. The view repaints after every month button, even one that changes
// nothing, as the user expects the press to be answered.
#include "calendars/calendar_view.h"

#include <algorithm>

#include "charts/chart_frame.h"
#include "charts/diagram_printing.h"
#include "charts/printer_choice.h"
#include "model/calendar.h"
#include "model/printout_name.h"
#include "model/calendar.h"
#include "platform/help.h"

namespace sb::calendars {

using platform::ControlKind;
using platform::DialogHost;
using platform::Key;

namespace {

constexpr int kFocusFrameWidth = 6;

}  // namespace

int openingMonth(const model::TrainingYear& year) {
    return year.planYear == model::systemDatePart(2) ? model::clampMonth(model::systemDatePart(1)) : 1;
}

int openingDay(const model::TrainingYear& year, int month) {
    const bool thisMonth = year.planYear == model::systemDatePart(2) && month == model::systemDatePart(1);
    return thisMonth ? model::systemDatePart(0) : 1;
}

int steppedMonth(int month, int step) {
    return model::clampMonth(month + step);
}

CalendarCell movedFocus(CalendarCell focus, Key key, const std::vector<int>& sports, int days) {
    auto row = std::find(sports.begin(), sports.end(), focus.sport);
    int rowIndex = row == sports.end() ? 0 : int(row - sports.begin());
    if (key == Key::Left) focus.day -= 1;
    if (key == Key::Right) focus.day += 1;
    if (key == Key::Up) rowIndex -= 1;
    if (key == Key::Down) rowIndex += 1;
    focus.day = std::clamp(focus.day, 1, days);
    focus.sport = sports[std::size_t(std::clamp(rowIndex, 0, int(sports.size()) - 1))];
    return focus;
}

CalendarCell keptInside(CalendarCell focus, const std::vector<int>& sports, int days) {
    return movedFocus(focus, Key::Enter, sports, days);
}

int digitOf(Key key) {
    const int offset = int(key) - int(Key::Digit0);
    return offset >= 0 && offset <= 9 ? offset : -1;
}

void drawFocusFrame(platform::Canvas& canvas, const platform::Rect& cell, int width) {
    charts::SavedDrawingObjects saved(canvas);
    canvas.setPen({charts::colour::black, width, platform::PenStyle::Solid});
    canvas.setBrush(platform::Brush::none());
    canvas.drawRectangle(cell);
}

platform::DialogTemplate gridViewTemplate(const std::string& name, const std::string& caption) {
    using platform::ControlFlag;
    constexpr unsigned tab = ControlFlag::TabStop;
    constexpr int none = platform::staticControlId;
    return {name,
            caption,
            386,
            190,
            {
                {view_id::canvas, ControlKind::Canvas, "", {5, 5, 376, 158}, tab},
                {none, ControlKind::GroupBox, "", {159, 164, 68, 24}},
                {view_id::help, ControlKind::Button, "Hilfe", {5, 171, 50, 14}, tab},
                {view_id::previousMonth, ControlKind::Button, "<", {163, 171, 14, 14}, tab},
                {none, ControlKind::Static, "Monat", {181, 174, 25, 8}},
                {view_id::nextMonth, ControlKind::Button, ">", {209, 171, 14, 14}, tab},
                {view_id::print, ControlKind::Button, "&Drucken", {271, 171, 50, 14}, tab},
                {view_id::ok, ControlKind::DefaultButton, "OK", {331, 171, 50, 14}, tab},
            }};
}

CalendarView::CalendarView(const model::TrainingYear& year, const config::ConfigStore& settings,
                           std::string helpFile, GridVariant variant, int helpTopic,
                           std::string documentPrefix)
    : year_(year),
      settings_(settings),
      helpFile_(std::move(helpFile)),
      variant_(variant),
      helpTopic_(helpTopic),
      documentPrefix_(std::move(documentPrefix)) {}

void CalendarView::init(DialogHost& host) {
    month_ = openingMonth(year_);
    chosenType_ = 0;
    lastSwatch_ = -1;
    focus_ = {openingDay(year_, month_), shownSports(settings_.sportMode).front()};
    focus_ =
        keptInside(focus_, shownSports(settings_.sportMode), model::daysOfPlanMonth(month_, year_.planYear));
    host.setFocus(view_id::canvas);
}

void CalendarView::command(DialogHost& host, int id, platform::Notification notification) {
    if (notification != platform::Notification::Clicked) return;
    switch (id) {
        case view_id::previousMonth:
            changeMonth(host, -1);
            break;
        case view_id::nextMonth:
            changeMonth(host, 1);
            break;
        case view_id::ok:
            host.end(platform::dialogOk);
            break;
        case view_id::help:
            help(host);
            break;
        case view_id::print:
            print(host);
            break;
        default:
            break;
    }
}

void CalendarView::close(DialogHost& host) {
    host.end(platform::dialogOk);
}

void CalendarView::help(DialogHost& host) {
    platform::showHelpTopic(host.services(), helpFile_, helpTopic_);
}

CalendarGrid CalendarView::grid(platform::Colour background) const {
    CalendarGrid grid = calendarGridOf(year_, settings_, month_, variant_, background);
    grid.chosenType = chosenType_;
    return grid;
}

void CalendarView::paint(DialogHost& host, int id, platform::Canvas& canvas) {
    charts::setupDialogFrame(canvas, host.clientSize(id), dialogFace);
    const CalendarGrid shown = grid(dialogFace);
    drawCalendarGrid(canvas, shown, &hitAreas_);
    const platform::Font previous = charts::selectDiagramFont(canvas);
    drawFocusFrame(canvas, cellRect(shown, canvas.textMetrics().lineHeight(), focus_), kFocusFrameWidth);
    charts::restoreDiagramFont(canvas, previous);
}

void CalendarView::mouseDown(DialogHost& host, int id, platform::Point at) {
    const int type = hitTypeSwatch(hitAreas_, at);
    if (type >= 0) {
        swatchChosen(host, type);
        return;
    }
    if (std::optional<CalendarCell> cell = hitDayCell(hitAreas_, at)) {
        focus_ = *cell;
        cellChosen(host, *cell);
    }
}

bool CalendarView::keyDown(DialogHost& host, int id, Key key) {
    switch (key) {
        case Key::PageUp:
            changeMonth(host, -1);
            return true;
        case Key::PageDown:
            changeMonth(host, 1);
            return true;
        case Key::Left:
        case Key::Right:
        case Key::Up:
        case Key::Down:
            focus_ = movedFocus(focus_, key, shownSports(settings_.sportMode),
                                model::daysOfPlanMonth(month_, year_.planYear));
            host.repaint(view_id::canvas);
            return true;
        default:
            return cellKey(host, key);
    }
}

void CalendarView::changeMonth(DialogHost& host, int step) {
    month_ = steppedMonth(month_, step);
    focus_ =
        keptInside(focus_, shownSports(settings_.sportMode), model::daysOfPlanMonth(month_, year_.planYear));
    host.repaint(view_id::canvas);
}

void CalendarView::print(DialogHost& host) {
    std::unique_ptr<platform::Printer> printer = charts::choosePrinter(
        host.services(), model::printoutFileProposal(year_, "Kalender " + model::monthName(month_)));
    if (!printer) return;
    const std::string name =
        documentPrefix_ + "_" + std::to_string(month_) + "_" + std::to_string(year_.planYear);
    const CalendarGrid printed = grid(charts::colour::white);
    charts::printOnUpperHalf(*printer, name,
                             [&](platform::Canvas& canvas) { drawCalendarGrid(canvas, printed, nullptr); });
}

}  // namespace sb::calendars
