// The control view of version-2 plans, TRAININGSKONTROLLE_V2: rows for Rad, Laufen and Alternativ with
// the planned type above the actual one, a fixed legend, the month name in a field. It draws its own
// small grid in a pixel layout of its own, scaled onto the dialog so it stays beside the labels
// whatever the dialog font.
#pragma once

#include <optional>
#include <string>

#include "calendars/calendar_grid.h"
#include "config/config_store.h"
#include "platform/dialog.h"

namespace sb::calendars {

// The layout's own pixels: the whole dialog is this large.
namespace small_grid {
constexpr int width = 579;
constexpr int height = 345;
constexpr int firstColumn = 73;  // left edge of day 1
constexpr int columnWidth = 15;
}  // namespace small_grid

const platform::DialogTemplate& controlViewV2Template();

// Draws the rows and the legend's colours on a canvas mapped onto the layout's pixels; `focus` gets a
// frame when given.
void drawSmallControlGrid(platform::Canvas& canvas, const model::TrainingYear& year, int month,
                          const std::array<platform::Colour, model::kTrainingTypeCount>& colours,
                          std::optional<CalendarCell> focus);
// The day cell under a point of the layout, rows Rad, Laufen, Alternativ.
std::optional<CalendarCell> hitSmallGridCell(platform::Point at, int days);

class ControlViewV2 : public platform::DialogProcedure {
  public:
    ControlViewV2(const model::TrainingYear& year, const config::ConfigStore& settings, std::string helpFile);

    void init(platform::DialogHost& host) override;
    void command(platform::DialogHost& host, int id, platform::Notification notification) override;
    void paint(platform::DialogHost& host, int id, platform::Canvas& canvas) override;
    void mouseDown(platform::DialogHost& host, int id, platform::Point at) override;
    bool keyDown(platform::DialogHost& host, int id, platform::Key key) override;
    void help(platform::DialogHost& host) override;
    void close(platform::DialogHost& host) override;

  private:
    void changeMonth(platform::DialogHost& host, int step);
    void showCell(platform::DialogHost& host, CalendarCell cell);

    const model::TrainingYear& year_;
    const config::ConfigStore& settings_;
    std::string helpFile_;
    int month_ = 1;
    CalendarCell focus_{1, model::kBike};
};

}  // namespace sb::calendars
