// The day editor: one dialog procedure behind all eight forms. It opens on today (in a plan of the
// current year) or on 1 January, steps through the year storing each day before it moves, and offers
// the standard routes in the bike and run route lists.
#pragma once

#include <string>
#include <vector>

#include "config/config_store.h"
#include "config/route_store.h"
#include "editor/day_editor_layout.h"
#include "model/training_year.h"
#include "platform/dialog.h"
#include "platform/services.h"

namespace sb::editor {

// What the day editor works on; it keeps no copy of a day.
struct DayEditorContext {
    model::TrainingYear& year;
    const config::ConfigStore& settings;  // the training-type labels
    const config::RouteStore& routes;
    std::string helpFile;
    int firstDay = -1;  // the day index shown first; -1: today in a plan of the current year, else 1 January
};

class DayEditorProcedure : public platform::DialogProcedure {
  public:
    DayEditorProcedure(const DayEditorLayout& layout, DayEditorContext context);

    void init(platform::DialogHost& host) override;
    void command(platform::DialogHost& host, int id, platform::Notification notification) override;
    bool keyDown(platform::DialogHost& host, int id, platform::Key key) override;
    void help(platform::DialogHost& host) override;

    // The day index shown.
    int editorDay() const { return editorDay_; }

  private:
    void fillLists(platform::DialogHost& host);
    void show(platform::DialogHost& host);
    // Stores the day; when every field was accepted, moves by `step` days, stopping at the year's ends.
    void move(platform::DialogHost& host, int step);
    void goToDate(platform::DialogHost& host);
    void routeChosen(platform::DialogHost& host, model::Sport sport);

    const DayEditorLayout& layout_;
    DayEditorContext context_;
    int editorDay_ = 0;
    // Slot of the standard route behind each entry of the route lists after entry 0.
    std::vector<int> routeSlots_;
};

// Runs the day editor modally in the form `layout`; returns the dialog's result.
int openDayEditor(platform::Services& services, const DayEditorLayout& layout, DayEditorContext context);

}  // namespace sb::editor
