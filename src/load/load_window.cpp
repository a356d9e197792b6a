// The load window. The series is computed anew for every drawing and every click (a year takes a few
// microseconds), so the window never shows numbers the plan no longer holds.
#include "load/load_window.h"

#include <algorithm>

#include "charts/chart_frame.h"
#include "charts/diagram_printing.h"
#include "charts/load_chart.h"
#include "charts/printer_choice.h"
#include "model/calendar.h"
#include "platform/help.h"
#include "statistics/training_load.h"

namespace sb::load {

namespace {

using platform::ControlKind;
using platform::DialogHost;
namespace id = load_window;

constexpr int kWeekDays = 7;
constexpr const char* kHint = "Ein Klick auf einen Tag zeigt seine Zahlen.";
constexpr const char* kDocumentName = "Belastungsverlauf";

platform::Mapping chartMapping(platform::Size controlSize) {
    return {{0, 0}, {charts::frame::width, charts::frame::height}, {0, 0}, controlSize};
}

std::string pictureName(int planYear) {
    return std::string(kDocumentName) + "_" + std::to_string(planYear) + ".png";
}

}  // namespace

const platform::DialogTemplate& loadWindowTemplate() {
    using platform::TabStop;
    static const platform::DialogTemplate dialog{
        "BELASTUNGSVERLAUF",
        "Belastungsverlauf",
        480,
        336,
        {
            {id::chart, ControlKind::Canvas, "", {4, 4, 472, 294}, TabStop},
            {id::dayNumbers, ControlKind::Static, kHint, {6, 302, 468, 10}},
            {id::printButton, ControlKind::Button, "&Drucken...", {150, 316, 74, 14}, TabStop},
            {id::saveButton, ControlKind::Button, "Als &PNG speichern...", {228, 316, 84, 14}, TabStop},
            {id::helpButton, ControlKind::Button, "&Hilfe", {316, 316, 74, 14}, TabStop},
            {id::closeButton, ControlKind::DefaultButton, "&Schließen", {394, 316, 80, 14}, TabStop},
        }};
    return dialog;
}

std::string dayNumbersText(const model::TrainingYear& year, int dayIndex) {
    const statistics::LoadSeries series = statistics::computeLoadSeries(year);
    if (dayIndex < 0 || dayIndex >= int(series.days.size())) return kHint;
    const statistics::LoadDay& day = series.days[std::size_t(dayIndex)];
    const model::DayMonth date = model::dateOfDayOfYear(dayIndex + 1, year.planYear);
    using statistics::formatLoadValue;
    return model::weekdayAbbreviation(model::weekdayOf(date.day, date.month, year.planYear)) + " " +
           model::dateText(date.day, date.month, year.planYear) +
           "   Punkte " + formatLoadValue(day.points) + "   Fitness " + formatLoadValue(day.fitness) +
           "   Ermüdung " + formatLoadValue(day.fatigue) + "   Form " + formatLoadValue(day.form);
}

LoadWindowProcedure::LoadWindowProcedure(const model::TrainingYear& year, platform::PictureWriter* pictures,
                                         std::string helpFile)
    : year_(year), pictures_(pictures), helpFile_(std::move(helpFile)) {}

void LoadWindowProcedure::init(DialogHost& host) {
    host.enable(id::saveButton, pictures_ != nullptr);
    host.setFocus(id::chart);
}

void LoadWindowProcedure::command(DialogHost& host, int control, platform::Notification notification) {
    if (notification != platform::Notification::Clicked) return;
    switch (control) {
        case id::printButton:
            print(host);
            break;
        case id::saveButton:
            save(host);
            break;
        case id::helpButton:
            help(host);
            break;
        case id::closeButton:
            host.end(platform::dialogOk);
            break;
        default:
            break;
    }
}

void LoadWindowProcedure::paint(DialogHost& host, int control, platform::Canvas& canvas) {
    if (control != id::chart) return;
    charts::setupDialogFrame(canvas, host.clientSize(id::chart), charts::colour::white);
    charts::drawLoadChart(canvas, statistics::computeLoadSeries(year_), year_.planYear, selectedDay_);
}

void LoadWindowProcedure::mouseDown(DialogHost& host, int control, platform::Point at) {
    if (control != id::chart) return;
    const platform::Point logical = platform::toLogical(chartMapping(host.clientSize(id::chart)), at);
    const int day = charts::loadDayAt(statistics::computeLoadSeries(year_), logical);
    if (day >= 0) selectDay(host, day);
}

bool LoadWindowProcedure::keyDown(DialogHost& host, int control, platform::Key key) {
    if (control != id::chart) return false;
    int step = 0;
    switch (key) {
        case platform::Key::Left:
            step = -1;
            break;
        case platform::Key::Right:
            step = 1;
            break;
        case platform::Key::PageUp:
            step = -kWeekDays;
            break;
        case platform::Key::PageDown:
            step = kWeekDays;
            break;
        default:
            return false;
    }
    const int last = model::dayCount(year_) - 1;
    selectDay(host, selectedDay_ < 0 ? 0 : std::clamp(selectedDay_ + step, 0, last));
    return true;
}

void LoadWindowProcedure::help(DialogHost& host) {
    platform::showHelpTopic(host.services(), helpFile_, id::helpTopic);
}

void LoadWindowProcedure::refresh(DialogHost& host) {
    if (selectedDay_ >= model::dayCount(year_)) selectedDay_ = -1;
    host.setText(id::dayNumbers, dayNumbersText(year_, selectedDay_));
    host.repaint(id::chart);
}

void LoadWindowProcedure::selectDay(DialogHost& host, int dayIndex) {
    selectedDay_ = dayIndex;
    refresh(host);
}

void LoadWindowProcedure::print(DialogHost& host) {
    std::unique_ptr<platform::Printer> printer = charts::choosePrinter(host.services());
    if (!printer) return;
    const statistics::LoadSeries series = statistics::computeLoadSeries(year_);
    charts::printOnUpperHalf(*printer, kDocumentName, [&](platform::Canvas& canvas) {
        charts::drawLoadChart(canvas, series, year_.planYear, -1);
    });
}

void LoadWindowProcedure::save(DialogHost& host) {
    if (!pictures_) return;
    platform::Services& services = host.services();
    const std::optional<std::string> path = services.saveFileName(
        {"Als PNG speichern", {{"PNG-Bild (*.png)", "*.png"}}, pictureName(year_.planYear), "png"});
    if (!path) return;
    const statistics::LoadSeries series = statistics::computeLoadSeries(year_);
    const bool written = pictures_->writePng(
        *path, {charts::frame::width, charts::frame::height}, [&](platform::Canvas& canvas) {
            charts::setupScreenFrame(canvas, {0, 0, charts::frame::width, charts::frame::height});
            charts::drawLoadChart(canvas, series, year_.planYear, -1);
        });
    if (!written)
        services.messageBox("Fehler beim Schreiben der Datei " + *path, "Fehler", platform::Buttons::Ok,
                            platform::Icon::Exclamation);
}

void LoadWindow::open(platform::Services& services, const model::TrainingYear& year,
                      platform::PictureWriter* pictures, const std::string& helpFile) {
    dialog_.reset();
    procedure_ = std::make_unique<LoadWindowProcedure>(year, pictures, helpFile);
    dialog_ = services.openModeless(loadWindowTemplate(), *procedure_);
}

void LoadWindow::refresh() {
    if (isOpen()) procedure_->refresh(dialog_->host());
}

}  // namespace sb::load
