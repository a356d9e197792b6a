// The gear calculator: the list lines, fields filled in order, a refused circumference, the step chart
// as drawn, both printouts, and what is remembered when it is left with "Beenden" or the close box.
#include <gtest/gtest.h>

#include <tuple>

#include "charts/drawing_log.h"
#include "support/plan_fixtures.h"
#include "platform/headless/headless_services.h"
#include "tools/gear_calculator_dialog.h"
#include "tools/gear_chart.h"

namespace sb::tools {
namespace {

using platform::headless::HeadlessDialogHost;
using platform::headless::HeadlessServices;
using platform::headless::PrintAnswer;
using platform::headless::RecordingCanvas;
namespace id = gear_dialog;

class GearCalculator : public ::testing::Test {
  protected:
    void SetUp() override { config::openConfigFile(settings, scratch.file("train.cfg")); }

    std::string stored(const std::string& key) const {
        return config::profileString(config::loadProfileFile(scratch.file("train.cfg")), "Ritzelrechner", key)
            .value_or("missing");
    }

    void run(const std::function<void(HeadlessDialogHost&)>& script) {
        services.scriptDialog("TOOL_RITZELRECHNER", script);
        runGearCalculator(services, settings, "inhalt");
        EXPECT_TRUE(services.unexpected().empty()) << services.unexpected().front();
    }

    sb::testing::TempDir scratch;
    config::ConfigStore settings;
    HeadlessServices services;
};

TEST_F(GearCalculator, ListsEveryUsedPairAndKeepsTheFieldsInOrder) {
    run([](HeadlessDialogHost& dialog) {
        EXPECT_EQ("2133", dialog.text(id::circumference));
        EXPECT_TRUE(dialog.items(id::resultList).empty());
        dialog.type(id::firstSprocket + 2, "15");
        EXPECT_EQ("", dialog.text(id::firstSprocket + 2));
        dialog.type(id::firstChainring, "53");
        dialog.press(id::listButton);
        EXPECT_TRUE(dialog.items(id::resultList).empty());  // no sprocket yet
        dialog.type(id::firstChainring + 1, "39");
        dialog.type(id::firstSprocket, "11");
        dialog.type(id::firstSprocket + 1, "-3");
        dialog.press(id::listButton);
        EXPECT_EQ((std::vector<std::string>{"1:3.55    7.56m   Kettenblatt: 39   Ritzel: 11",
                                            "1:4.82   10.28m   Kettenblatt: 53   Ritzel: 11"}),
                  dialog.items(id::resultList));
        dialog.type(id::circumference, "0");
        dialog.press(id::chartButton);
        EXPECT_TRUE(dialog.isVisible(id::resultList));
        dialog.type(id::circumference, "21OO");
        dialog.press(id::chartButton);
        EXPECT_EQ(id::circumference, dialog.focus());
        dialog.type(id::circumference, "2100");
        dialog.press(id::chartButton);
        EXPECT_EQ(std::pair(dialog.isVisible(id::resultList), dialog.isVisible(id::chart)),
                  std::pair(false, true));
        dialog.pressClose();
    });
    EXPECT_EQ(
        (std::vector<std::string>{"Bitte geben Sie die Werte  nach einander ein.",
                                  "Eingabefehler im Feld Radumfang", "Eingabefehler im Feld Radumfang"}),
        services.messageTexts());
    EXPECT_EQ(std::tuple(stored("Kettenblatt1"), stored("Umfang"), stored("MODUS")),
              std::tuple("missing", "2133", "0"));

    services.clearLog();
    run([](HeadlessDialogHost& dialog) {
        dialog.type(id::firstChainring, "50");
        dialog.type(id::firstSprocket, "12");
        dialog.press(id::chartButton);
        dialog.press(id::closeButton);
    });
    EXPECT_EQ(std::tuple(stored("Kettenblatt1"), stored("Kettenblatt2"), stored("Ritzel1"), stored("MODUS")),
              std::tuple("50", "", "12", "1"));

    // Stored inputs come back, in the mode last used.
    run([](HeadlessDialogHost& dialog) {
        EXPECT_EQ(std::tuple(dialog.text(id::firstChainring), dialog.isVisible(id::chart),
                             dialog.paint(id::chart).texts().front()),
                  std::tuple("50", true, "50"));
        dialog.press(id::closeButton);
    });
}

TEST_F(GearCalculator, TheChartStandsTheChainringsSideBySideWithTheirSteps) {
    GearInputs inputs;
    inputs.chainrings = {39, 53, 0};
    inputs.sprockets = {11, 12};
    RecordingCanvas canvas;
    drawGearChart(canvas, inputs);
    // Two chainrings side by side with two ticks each: the smallest development (39/12) half a metre
    // above the bottom, the largest (53/11) half a metre below the top, the steps between them.
    charts::testing::expectDrawing(canvas, "tools/gear_chart_39_53");

    RecordingCanvas nothing;
    inputs.circumference = 0;
    drawGearChart(nothing, inputs);
    inputs.circumference = 2133;
    inputs.sprockets = {};
    drawGearChart(nothing, inputs);
    EXPECT_TRUE(nothing.calls().empty());
}

TEST_F(GearCalculator, PrintsTheListInFieldOrderAndTheChartOnTheUpperHalf) {
    services.answerPrintDialogs(
        {PrintAnswer::failure(0x1007), PrintAnswer::cancel(), PrintAnswer{}, PrintAnswer{}});
    run([](HeadlessDialogHost& dialog) {
        dialog.type(id::firstChainring, "39");
        dialog.type(id::firstChainring + 1, "53");
        dialog.type(id::firstSprocket, "12");
        dialog.type(id::firstSprocket + 1, "11");
        for (int k = 0; k < 3; ++k) dialog.press(id::printListButton);
        EXPECT_TRUE(dialog.isEnabled(platform::dialogItself));
        dialog.press(id::printChartButton);
        dialog.press(id::closeButton);
    });
    EXPECT_EQ(std::vector<std::string>{"Fehler beim Inintialisieren des\nDruckertreibers"},
              services.messageTexts());
    EXPECT_EQ(platform::Icon::Stop, services.messages()[0].icon);
    ASSERT_EQ(2u, services.printedDocuments().size());
    const auto& list = services.printedDocuments()[0];
    EXPECT_EQ(std::pair(list.name, list.ended), std::pair(std::string("Ritzelliste"), true));
    // Line height 21 of the printer's font: the title after one and a half lines, each group followed by
    // an empty line.
    charts::testing::expectDrawing(list.pages.at(0), "tools/gear_list_39_53");
    EXPECT_EQ("Ritzelrechner", services.printedDocuments()[1].name);
    EXPECT_EQ(8u, services.printedDocuments()[1].pages.at(0).texts().size());
}

}  // namespace
}  // namespace sb::tools
