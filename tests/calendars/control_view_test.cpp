// The control views through the headless host: which view a plan's version opens, the day information
// from either half of a cell or by keyboard with its distance's four digits, the version-2 view's month
// field and cells, and printing.
#include <gtest/gtest.h>

#include <tuple>

#include "calendars/control_view.h"
#include "calendars/control_view_v2.h"
#include "calendars/day_information.h"
#include "calendars/view_test_support.h"
#include "charts/drawing_log.h"
#include "model/clock.h"
#include "platform/headless/headless_services.h"

namespace sb::calendars {
namespace {

using platform::headless::HeadlessDialogHost;
using platform::headless::HeadlessServices;
using testing::clickGrid;

const char* const kRunInfo =
    "3.3.2008\nDistanz: 12.5\nStrecke: Stadtwald\nZeit: 01:00\nTrainingspuls: 152\nWetter: 24 °C\nKommentar: "
    "gut";

class ControlViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        model::setClock([] { return model::CivilDate{17, 3, 2008}; });
        year->days[62].run = {"Stadtwald", 152, 12.5f, 0, "01:00", 0, ""};
        year->days[62].bike = {"", 130, 1234.56f, 0, "02:00", 0, ""};
        year->days[62].weather = "24 \xb0" "C";  // Windows-1252, as the plan file holds it
        year->days[62].comment = "gut";
    }
    void TearDown() override { model::setClock({}); }

    void run(const std::string& dialog, const std::function<void(HeadlessDialogHost&)>& script) {
        services.scriptDialog(dialog, [&](HeadlessDialogHost& host) {
            host.paint(3);
            script(host);
            host.press(206);
        });
        runControlView(services, *year, settings, "inhalt.hlp");
        EXPECT_EQ(std::vector<std::string>{}, services.unexpected());
    }

    HeadlessServices services;
    std::unique_ptr<model::TrainingYear> year = testing::plan2008();
    config::ConfigStore settings = testing::defaultSettings();
};

TEST_F(ControlViewTest, EnterOnTheFocusCellAndBothHalvesOfACellShowTheDayInformation) {
    year->days[75].swim = {"Halle", 0, 1.5f, 0, "00:40", 0, ""};  // 16 March
    services.answerPrintDialogs({platform::headless::PrintAnswer{}});
    run("TRAININGSKONTROLLE_NEU", [&](HeadlessDialogHost& host) {
        host.pressKey(3, platform::Key::Left);
        host.pressKey(3, platform::Key::Up);
        host.pressKey(3, platform::Key::Enter);
        host.pressKey(3, platform::Key::Digit4);  // plans nothing here
        int repaints = host.repaintRequests();
        clickGrid(host, 250, 280);  // Laufen, 3 March, planned half
        clickGrid(host, 250, 330);  // actual half
        EXPECT_EQ(repaints + 2, host.repaintRequests());
        clickGrid(host, 250, 200);  // Rad
        clickGrid(host, 980, 750);  // a swatch does nothing here
        host.press(208);
        host.pressHelp();
    });
    const std::vector<std::string> expected{
        "16.3.2008\nDistanz: 1.5\nInfo: Halle\nZeit: 00:40\nTrainingspuls: 0\nWetter: \nKommentar: ",
        kRunInfo, kRunInfo,
        "3.3.2008\nDistanz: 1235\nStrecke: \nZeit: 02:00\nTrainigspuls: 130\n"
        "Wetter: 24 °C\nKommentar: gut"};
    EXPECT_EQ(expected, services.messageTexts());
    ASSERT_EQ(1u, services.printedDocuments().size());
    EXPECT_EQ(std::tuple(services.printedDocuments().front().name, services.helpCalls().front().topic, year->modified),
              std::tuple("Saisonbuchkontrolle_3_2008", 34, 0));
}

TEST_F(ControlViewTest, VersionTwoOpensTheSmallViewAndVersionOneNone) {
    year->planFileVersion = 2;
    year->days[31 + 6].bike = {"Ring", 120, 40.0f, 0, "01:30", 0, ""};  // 7 February
    year->days[31 + 15].run = {"", 0, 8.0f, 0, "00:40", 0, ""};         // 16 February
    run("TRAININGSKONTROLLE_V2", [&](HeadlessDialogHost& host) {
        EXPECT_EQ("März", host.text(201));
        host.pressKey(3, platform::Key::PageDown);
        EXPECT_EQ("April", host.text(201));
        host.pressKey(3, platform::Key::PageUp);
        host.press(202);
        EXPECT_EQ("Februar", host.text(201));
        host.pressKey(3, platform::Key::Down);  // from Rad of today's day, 17
        host.pressKey(3, platform::Key::Left);
        host.pressKey(3, platform::Key::Enter);
        const platform::Size layout{small_grid::width, small_grid::height};
        clickGrid(host, 73 + 15 * 6 + 7, 75, layout);    // Rad of day 7, above its cell
        clickGrid(host, 73 + 15 * 29 + 7, 115, layout);  // no 30 February
        host.pressHelp();
    });
    const std::vector<std::string> expected{
        "16.2.2008\nDistanz: 8\nStrecke: \nZeit: 00:40\nTrainingspuls: 0\nWetter: \nKommentar: ",
        "7.2.2008\nDistanz: 40\nStrecke: Ring\nZeit: 01:30\nTrainigspuls: 120\nWetter: \nKommentar: "};
    EXPECT_EQ(expected, services.messageTexts());
    EXPECT_EQ(34, services.helpCalls().front().topic);

    HeadlessServices versionOne;
    year->planFileVersion = 1;
    runControlView(versionOne, *year, settings, "inhalt.hlp");
    EXPECT_TRUE(versionOne.dialogsOpened().empty());
}

TEST(SmallControlGrid, DrawsPlannedOverActualCellsAndTwoLineDayNumbers) {
    auto year = testing::plan2008(2);
    year->days[24].plannedTypes = 21;  // 25 January: Rad 1, Laufen 2
    year->days[24].actualTypes = 300;  // Alternativ 3
    std::array<platform::Colour, model::kTrainingTypeCount> colours{};
    for (int type = 0; type < 10; ++type) colours[std::size_t(type)] = platform::rgb(type, 0, 0);
    platform::headless::RecordingCanvas canvas;
    drawSmallControlGrid(canvas, *year, 1, colours, std::nullopt);
    charts::testing::expectDrawing(canvas, "calendars/small_control_grid_january");
}

// 1234.56 is shown by the view tests above; an exact half goes up, not to the even digit.
TEST(DayInformation, DistanceHasFourSignificantDigitsRoundedAwayFromZero) {
    const std::pair<float, const char*> cases[]{
        {105.27f, "105.3"},       {1234.5f, "1235"},   {42.0f, "42"},     {0.1f, "0.1"},    {0.0f, "0."},
        {12345.0f, "1.235e+004"}, {9999.7f, "1e+004"}, {0.05f, "5e-002"}, {-12.5f, "-12.5"}};
    for (auto [km, shown] : cases) EXPECT_EQ(shown, fourDigitDistance(km)) << km;
}

}  // namespace
}  // namespace sb::calendars
