// The planning view SAISONBUCHUNG_NEU: a month of the plan as the calendar grid, where a click on a
// legend swatch chooses a training type and a click on a day cell plans that type for its sport.
#pragma once

#include <string>

#include "calendars/calendar_view.h"
#include "platform/services.h"

namespace sb::calendars {

const platform::DialogTemplate& planningViewTemplate();

// Every change goes into the plan at once and marks it modified; there is nothing to cancel.
class PlanningView : public CalendarView {
  public:
    PlanningView(model::TrainingYear& year, const config::ConfigStore& settings, std::string helpFile);

    int chosenType() const { return chosenType_; }

  protected:
    void cellChosen(platform::DialogHost& host, CalendarCell cell) override;
    void swatchChosen(platform::DialogHost& host, int type) override;
    bool cellKey(platform::DialogHost& host, platform::Key key) override;

  private:
    void plan(platform::DialogHost& host, CalendarCell cell, int type);

    model::TrainingYear& plan_;
};

void runPlanningView(platform::Services& services, model::TrainingYear& year,
                     const config::ConfigStore& settings, const std::string& helpFile);

}  // namespace sb::calendars
