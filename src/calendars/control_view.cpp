// The grid form of the control view, and the choice between it and the version-2 form.
#include "calendars/control_view.h"

#include "calendars/control_view_v2.h"
#include "calendars/day_information.h"

namespace sb::calendars {

namespace {

constexpr int kHelpTopic = 34;

}  // namespace

const platform::DialogTemplate& controlViewTemplate() {
    static const platform::DialogTemplate dialog =
        gridViewTemplate("TRAININGSKONTROLLE_NEU", "Trainingskontrolldiagramm");
    return dialog;
}

ControlView::ControlView(const model::TrainingYear& year, const config::ConfigStore& settings,
                         std::string helpFile)
    : CalendarView(year, settings, std::move(helpFile), GridVariant::Control, kHelpTopic,
                   "Saisonbuchkontrolle") {}

void ControlView::cellChosen(platform::DialogHost& host, CalendarCell cell) {
    showDayInformation(host.services(), year_, cell.day, month(), cell.sport);
    host.repaint(view_id::canvas);
}

bool ControlView::cellKey(platform::DialogHost& host, platform::Key key) {
    if (key != platform::Key::Enter) return false;
    cellChosen(host, focus());
    return true;
}

void runControlView(platform::Services& services, const model::TrainingYear& year,
                    const config::ConfigStore& settings, const std::string& helpFile) {
    if (year.planFileVersion == 3) {
        ControlView view(year, settings, helpFile);
        services.runModal(controlViewTemplate(), view);
    } else if (year.planFileVersion == 2) {
        ControlViewV2 view(year, settings, helpFile);
        services.runModal(controlViewV2Template(), view);
    }
}

}  // namespace sb::calendars
