// The planning view through the headless host: which month it opens on, choosing a type from the
// legend, planning a cell by mouse or keyboard, printing and help.
#include <gtest/gtest.h>

#include <tuple>

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

class PlanningViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        model::setClock([] { return model::CivilDate{17, 3, 2008}; });
    }
    void TearDown() override { model::setClock({}); }

    void run(const std::function<void(HeadlessDialogHost&)>& script) {
        services.scriptDialog("SAISONBUCHUNG_NEU", [&](HeadlessDialogHost& host) {
            host.paint(3);
            script(host);
            if (!host.ended()) host.press(206);
        });
        runPlanningView(services, *year, settings, "inhalt.hlp");
        EXPECT_EQ(std::vector<std::string>{}, services.unexpected());
    }

    HeadlessServices services;
    std::unique_ptr<model::TrainingYear> year = testing::plan2008();
    config::ConfigStore settings = testing::defaultSettings();
};

TEST_F(PlanningViewTest, AChosenTypePlansOnlyTheClickedSportsDigit) {
    year->days[62].plannedTypes = 1111;  // 3 March
    run([&](HeadlessDialogHost& host) {
        EXPECT_NE(nullptr, host.paint(3).findText("März 2008"));  // today's month of the plan year
        int repaints = host.repaintRequests();
        clickGrid(host, 980, 750);  // swatch of type 4
        EXPECT_EQ(repaints + 1, host.repaintRequests());
        clickGrid(host, 980, 750);
        EXPECT_EQ(repaints + 1, host.repaintRequests());
        EXPECT_EQ(0, year->modified);
        clickGrid(host, 250, 300);  // Laufen row, 3 March
        EXPECT_EQ(repaints + 2, host.repaintRequests());
    });
    EXPECT_EQ(std::tuple(year->days[62].plannedTypes, year->modified), std::tuple(1141, 1));
}

TEST_F(PlanningViewTest, OpensOnJanuaryForAnotherYearAndStopsAtTheYearsEnds) {
    year->planYear = 2009;
    run([&](HeadlessDialogHost& host) {
        int repaints = host.repaintRequests();
        host.press(202);
        EXPECT_NE(nullptr, host.paint(3).findText("Januar 2009"));
        EXPECT_EQ(repaints + 1, host.repaintRequests());
        for (int i = 0; i < 12; ++i) host.press(203);
        EXPECT_NE(nullptr, host.paint(3).findText("Dezember 2009"));
    });
}

TEST_F(PlanningViewTest, InRunningModeThereIsNoBikeCellToHit) {
    settings = testing::defaultSettings(2);
    run([&](HeadlessDialogHost& host) {
        clickGrid(host, 600, 750);  // type 1
        clickGrid(host, 250, 200);  // where mode 5 has its Rad row: the Alternativ row here
        clickGrid(host, 250, 300);  // below the last row
        clickGrid(host, 250, 400);
    });
    EXPECT_EQ(100, year->days[62].plannedTypes);
}

TEST_F(PlanningViewTest, PrintsTheMonthWithoutMovingTheClickTargets) {
    services.answerPrintDialogs(
        {platform::headless::PrintAnswer{}, platform::headless::PrintAnswer::failure(4)});
    run([&](HeadlessDialogHost& host) {
        host.press(208);
        host.press(208);
        clickGrid(host, 250, 300);
        host.pressHelp();
        host.press(207);
    });
    ASSERT_EQ(1u, services.printedDocuments().size());
    const auto& printed = services.printedDocuments().front();
    EXPECT_EQ("Saisonbuch_3_2008", printed.name);
    ASSERT_EQ(1u, printed.pages.size());
    const auto* ok = printed.pages[0].findText("ausgewählt");
    ASSERT_NE(nullptr, ok);
    EXPECT_EQ(platform::rgb(255, 255, 255), *ok->state.textBackground);
    EXPECT_EQ(std::vector<std::string>{"Fehler beim Inintialisieren des\nDruckertreibers"},
              services.messageTexts());
    EXPECT_EQ(1, year->modified);  // the click after printing still hit its cell
    EXPECT_EQ(services.helpCalls(), std::vector<platform::headless::LoggedHelp>(2, {"inhalt.hlp", 24}));
}

// The thick frame drawn around the keyboard's focus cell.
platform::Rect focusFrame(const platform::headless::RecordingCanvas& canvas) {
    for (const auto* call : canvas.callsOf(platform::headless::CallKind::Rectangle))
        if (call->brush().style == platform::BrushStyle::None && call->pen().width > 1) return call->rect();
    return {};
}

TEST_F(PlanningViewTest, CursorKeysMoveAVisibleFocusThatDigitsAndSpacePlan) {
    run([&](HeadlessDialogHost& host) {
        EXPECT_EQ(3, host.focus());
        EXPECT_EQ((platform::Rect{790, 66, 830, 146}), focusFrame(host.paint(3)));  // today, first row
        host.pressKey(3, Key::Left);
        host.pressKey(3, Key::Down);
        EXPECT_EQ((platform::Rect{750, 166, 790, 246}), focusFrame(host.paint(3)));
        host.pressKey(3, Key::Digit7);
        clickGrid(host, 630, 935);  // type 3 chosen
        host.pressKey(3, Key::Down);
        host.pressKey(3, Key::Space);
        for (int i = 0; i < 20; ++i) host.pressKey(3, Key::Right);  // stops at 31 March
        host.pressKey(3, Key::PageDown);                            // April has 30 days
        EXPECT_EQ((platform::Rect{1310, 266, 1350, 346}), focusFrame(host.paint(3)));
        EXPECT_NE(nullptr, host.paint(3).findText("April 2008"));
        host.pressKey(3, Key::Digit2);
        host.pressKey(3, Key::PageUp);
        host.pressKey(3, Key::Enter);  // not the view's key: the default button "OK"
        EXPECT_TRUE(host.ended());
    });
    EXPECT_EQ(37, year->days[75].plannedTypes);   // 16 March: Rad 7, Laufen 3
    EXPECT_EQ(20, year->days[120].plannedTypes);  // 30 April: Laufen 2
}

}  // namespace
}  // namespace sb::calendars
