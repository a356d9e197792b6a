// The planning view. Choosing the swatch that is already chosen repaints nothing, so a double click on
// the legend does not flicker.
#include "calendars/planning_view.h"

#include "model/calendar.h"

namespace sb::calendars {

namespace {

constexpr int kHelpTopic = 24;

}  // namespace

const platform::DialogTemplate& planningViewTemplate() {
    static const platform::DialogTemplate dialog =
        gridViewTemplate("SAISONBUCHUNG_NEU", "Saisonbuch erstellen/verändern");
    return dialog;
}

PlanningView::PlanningView(model::TrainingYear& year, const config::ConfigStore& settings,
                           std::string helpFile)
    : CalendarView(year, settings, std::move(helpFile), GridVariant::Planning, kHelpTopic, "Saisonbuch"),
      plan_(year) {}

void PlanningView::swatchChosen(platform::DialogHost& host, int type) {
    chosenType_ = type;
    if (type == lastSwatch_) return;
    lastSwatch_ = type;
    host.repaint(view_id::canvas);
}

void PlanningView::cellChosen(platform::DialogHost& host, CalendarCell cell) {
    plan(host, cell, chosenType_);
}

bool PlanningView::cellKey(platform::DialogHost& host, platform::Key key) {
    const int digit = key == platform::Key::Space ? chosenType_ : digitOf(key);
    if (digit < 0) return false;
    plan(host, focus(), digit);
    return true;
}

void PlanningView::plan(platform::DialogHost& host, CalendarCell cell, int type) {
    model::DayRecord& day = plan_.days[std::size_t(model::dayOfYear(cell.day, month(), plan_.planYear) - 1)];
    day.plannedTypes = model::setSportTypeDigit(type, day.plannedTypes, cell.sport);
    plan_.modified = 1;
    host.repaint(view_id::canvas);
}

void runPlanningView(platform::Services& services, model::TrainingYear& year,
                     const config::ConfigStore& settings, const std::string& helpFile) {
    PlanningView view(year, settings, helpFile);
    services.runModal(planningViewTemplate(), view);
}

}  // namespace sb::calendars
