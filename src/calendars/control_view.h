// The control view: plan against reality for one month. Plans of version 3 get the grid view
// TRAININGSKONTROLLE_NEU, plans of version 2 the small view TRAININGSKONTROLLE_V2; a click on a cell
// shows what was recorded that day for that sport. The view only reads the plan.
#pragma once

#include <string>

#include "calendars/calendar_view.h"
#include "platform/services.h"

namespace sb::calendars {

const platform::DialogTemplate& controlViewTemplate();

class ControlView : public CalendarView {
  public:
    ControlView(const model::TrainingYear& year, const config::ConfigStore& settings, std::string helpFile);

  protected:
    void cellChosen(platform::DialogHost& host, CalendarCell cell) override;
    bool cellKey(platform::DialogHost& host, platform::Key key) override;
};

// Opens the view that suits the plan's version; a version-1 plan has no types and gets none.
void runControlView(platform::Services& services, const model::TrainingYear& year,
                    const config::ConfigStore& settings, const std::string& helpFile);

}  // namespace sb::calendars
