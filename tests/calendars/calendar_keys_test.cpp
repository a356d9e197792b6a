// Using the grid views without a mouse: the cursor keys move a visible focus cell, digits and Space
// plan it, Enter shows its day information, Page Up and Page Down change the month. (The small
// control view's keys are tested with that view.)
#include <gtest/gtest.h>

#include "calendars/control_view.h"
#include "calendars/planning_view.h"
#include "calendars/view_test_support.h"
#include "model/clock.h"
#include "platform/headless/headless_services.h"

namespace sb::calendars {
namespace {

using platform::Key;
using platform::headless::HeadlessDialogHost;
using platform::headless::HeadlessServices;
using testing::clickGrid;

class CalendarKeys : public ::testing::Test {
  protected:
    void SetUp() override {
        model::setClock([] { return model::CivilDate{30, 3, 2008}; });
    }
    void TearDown() override { model::setClock({}); }

    HeadlessServices services;
    std::unique_ptr<model::TrainingYear> year = testing::plan2008();
    config::ConfigStore settings = testing::defaultSettings();
};

// The thick frame drawn around the focus cell.
platform::Rect focusFrame(const platform::headless::RecordingCanvas& canvas) {
    for (const auto* call : canvas.callsOf(platform::headless::CallKind::Rectangle))
        if (call->brush().style == platform::BrushStyle::None && call->pen().width > 1) return call->rect();
    return {};
}

TEST_F(CalendarKeys, PlanningByKeys) {
    services.scriptDialog("SAISONBUCHUNG_NEU", [&](HeadlessDialogHost& host) {
        EXPECT_EQ(3, host.focus());
        EXPECT_EQ((platform::Rect{1310, 66, 1350, 146}), focusFrame(host.paint(3)));  // today, first row
        host.pressKey(3, Key::Right);
        host.pressKey(3, Key::Right);  // 31 March is the last column
        host.pressKey(3, Key::Down);
        EXPECT_EQ((platform::Rect{1350, 166, 1390, 246}), focusFrame(host.paint(3)));
        host.pressKey(3, Key::Digit7);
        clickGrid(host, 630, 935);  // type 3 chosen
        host.pressKey(3, Key::Down);
        host.pressKey(3, Key::Space);
        host.pressKey(3, Key::PageDown);  // April has 30 days: the focus stays inside
        EXPECT_EQ((platform::Rect{1310, 266, 1350, 346}), focusFrame(host.paint(3)));
        EXPECT_NE(nullptr, host.paint(3).findText("April 2008"));
        host.pressKey(3, Key::Digit2);
        host.pressKey(3, Key::PageUp);
        host.pressKey(3, Key::Enter);  // not used here: the default button "OK"
        EXPECT_TRUE(host.ended());
    });
    runPlanningView(services, *year, settings, "inhalt.hlp");
    EXPECT_EQ(std::vector<std::string>{}, services.unexpected());
    EXPECT_EQ(37, year->days[90].plannedTypes);   // 31 March: Rad 7, Laufen 3
    EXPECT_EQ(20, year->days[120].plannedTypes);  // 30 April: Laufen 2
}

TEST_F(CalendarKeys, EnterShowsTheFocusCellsDayInformation) {
    year->days[88].swim = {"Halle", 0, 1.5f, 0, "00:40", 0, ""};  // 29 March
    services.scriptDialog("TRAININGSKONTROLLE_NEU", [&](HeadlessDialogHost& host) {
        host.pressKey(3, Key::Left);
        host.pressKey(3, Key::Up);
        host.pressKey(3, Key::Enter);
        host.pressKey(3, Key::Digit4);  // plans nothing in the control view
        host.press(206);
    });
    runControlView(services, *year, settings, "inhalt.hlp");
    EXPECT_EQ(std::vector<std::string>{"29.3.2008\nDistanz: 1.5\nInfo: Halle\nZeit: 00:40\nTrainingspuls: 0\n"
                                       "Wetter: \nKommentar: "},
              services.messageTexts());
    EXPECT_EQ(0, year->modified);
}

}  // namespace
}  // namespace sb::calendars
