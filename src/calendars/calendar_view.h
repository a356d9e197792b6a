// What the planning view and the control view share: the month shown and its buttons, painting the
// grid, printing it, help, and the keyboard focus cell that the cursor keys move.
#pragma once

#include <optional>
#include <string>

#include "calendars/calendar_grid.h"
#include "config/config_store.h"
#include "platform/dialog.h"

namespace sb::calendars {

// Controls of the grid views' templates.
namespace view_id {
constexpr int canvas = 3;
constexpr int monthEdit = 201;  // the version-2 view's month name
constexpr int previousMonth = 202;
constexpr int nextMonth = 203;
constexpr int ok = 206;
constexpr int help = 207;
constexpr int print = 208;
}  // namespace view_id

// The month a view opens on: today's month when the plan is of this year, else January.
int openingMonth(const model::TrainingYear& year);
// The day the focus starts on: today when the month shown is today's, else the 1st.
int openingDay(const model::TrainingYear& year, int month);
// "<" / Page Up one month back, ">" / Page Down one on, never beyond January and December.
int steppedMonth(int month, int step);
// The focus cell after a cursor key, inside the month's days and the shown rows.
CalendarCell movedFocus(CalendarCell focus, platform::Key key, const std::vector<int>& sports, int days);
// The same cell, or the nearest one, after the month or the rows changed.
CalendarCell keptInside(CalendarCell focus, const std::vector<int>& sports, int days);
// Digit keys: the digit 0…9; other keys -1.
int digitOf(platform::Key key);
// A frame around a cell (logical rectangle), drawn over the grid so the keyboard user sees the focus.
void drawFocusFrame(platform::Canvas& canvas, const platform::Rect& cell, int width);

// The template SAISONBUCHUNG_NEU or TRAININGSKONTROLLE_NEU with its caption.
platform::DialogTemplate gridViewTemplate(const std::string& name, const std::string& caption);

class CalendarView : public platform::DialogProcedure {
  public:
    CalendarView(const model::TrainingYear& year, const config::ConfigStore& settings, std::string helpFile,
                 GridVariant variant, int helpTopic, std::string documentPrefix);

    void init(platform::DialogHost& host) override;
    void command(platform::DialogHost& host, int id, platform::Notification notification) override;
    void paint(platform::DialogHost& host, int id, platform::Canvas& canvas) override;
    void mouseDown(platform::DialogHost& host, int id, platform::Point at) override;
    bool keyDown(platform::DialogHost& host, int id, platform::Key key) override;
    void help(platform::DialogHost& host) override;
    void close(platform::DialogHost& host) override;

    int month() const { return month_; }
    CalendarCell focus() const { return focus_; }

  protected:
    // A click that hit no swatch, or the view's own keys on the focus cell.
    virtual void cellChosen(platform::DialogHost& host, CalendarCell cell) = 0;
    // A click on a legend swatch; the control view ignores it.
    virtual void swatchChosen(platform::DialogHost& host, int type) {}
    virtual bool cellKey(platform::DialogHost& host, platform::Key key) = 0;

    CalendarGrid grid(platform::Colour background) const;
    int chosenType_ = 0;
    int lastSwatch_ = -1;
    const model::TrainingYear& year_;

  private:
    void changeMonth(platform::DialogHost& host, int step);
    void print(platform::DialogHost& host);

    const config::ConfigStore& settings_;
    std::string helpFile_;
    GridVariant variant_;
    int helpTopic_;
    std::string documentPrefix_;
    int month_ = 1;
    CalendarCell focus_;
    CalendarHitAreas hitAreas_;
};

}  // namespace sb::calendars
