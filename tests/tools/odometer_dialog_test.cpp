// The odometer dialog as the user works it: adding and changing odometers with every correcting
// message, a start date that stops the storing, switching and deleting, and a full table that must not
// be written outside its slots; and the due check over a plan year.
#include <gtest/gtest.h>

#include <tuple>

#include "model/clock.h"
#include "platform/headless/headless_services.h"
#include "tools/odometer_dialog.h"
#include "tools/odometer_due_check.h"

namespace sb::tools {
namespace {

using platform::headless::HeadlessDialogHost;
using platform::headless::HeadlessServices;
namespace id = odometer_dialog;

// A list line: the description is padded to 29 bytes of the stored text.
std::string line(const std::string& numbers, const std::string& description, int storedLength,
                 const std::string& state) {
    return numbers + " Kilometern :" + description + std::string(std::size_t(29 - storedLength), ' ') + state;
}

class OdometerDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        model::setClock([] { return model::CivilDate{14, 5, 2008}; });
        year.planYear = 2008;
        year.planFileVersion = 3;
    }
    void TearDown() override { model::setClock({}); }

    void edit(const std::function<void(HeadlessDialogHost&)>& script) {
        services.scriptDialog("TOOL_KILOMETERZAEHLER", [&script](HeadlessDialogHost& dialog) {
            script(dialog);
            dialog.press(id::okButton);
        });
        editOdometers(services, year, "inhalt");
        EXPECT_TRUE(services.unexpected().empty()) << services.unexpected().front();
    }

    static void store(HeadlessDialogHost& dialog, const std::string& day, const std::string& month,
                      const std::string& previous, const std::string& due, const std::string& description) {
        dialog.type(id::startDayField, day);
        dialog.type(id::startMonthField, month);
        dialog.type(id::previousKmField, previous);
        dialog.type(id::dueKmField, due);
        dialog.type(id::descriptionField, description);
        dialog.press(id::applyButton);
    }

    HeadlessServices services;
    model::TrainingYear year;
};

TEST_F(OdometerDialog, StoringCorrectsWhatItCanAndShowsTheOdometerAtOnce) {
    year.days[200].bike.distanceKm = 10.6f;
    year.days[201].bike.distanceKm = 10.6f;
    year.days[202].run.distanceKm = 30;
    edit([](HeadlessDialogHost& dialog) {
        EXPECT_TRUE(dialog.items(id::list).empty());
        EXPECT_FALSE(dialog.isEnabled(id::applyButton));
        dialog.press(id::addButton);
        EXPECT_EQ(std::tuple(dialog.text(id::startDayField), dialog.text(id::startMonthField),
                             dialog.text(id::dueKmField), dialog.isChecked(id::cyclingChoice)),
                  std::tuple("14", "5", "1000", true));
        store(dialog, "31", "2", "0", "1000", "Rad");
        store(dialog, "1", "7", "500", "400", "Rad, Kette");
        dialog.press(id::addButton);
        dialog.press(id::bothChoice);
        store(dialog, "1", "1", "zehn", "50", "");
        EXPECT_EQ((std::vector<std::string>{line("00 : 00521 von 00500", "Rad. Kette", 10, "  fällig!"),
                                            line("01 : 00051 von 00050", "Zähler Nr.1", 11, "  fällig!")}),
                  dialog.items(id::list));
        EXPECT_FALSE(dialog.isEnabled(id::startDayField));
    });
    EXPECT_EQ(
        (std::vector<std::string>{
            "Eingabefehler im Feld Startdatum",
            "Die Anzahl der auslösenden Kilometer\n darf nicht kleiner als die vorherigen Kilometer\nsein",
            "Jeder Zähler muß eine Beschreibung besitzen, korrigiert",
            "Eingabefehler im Feld vorherige Kilometer"}),
        services.messageTexts());
    const model::Odometer& chain = year.odometers[0];
    EXPECT_EQ(std::tuple(chain.startDayIndex, chain.previousKm, chain.dueKm, chain.currentKm - chain.previousKm,
                         chain.description, chain.state),
              std::tuple(182, 500, 500, 21, "Rad. Kette", 3));
    EXPECT_EQ(std::tuple(year.odometers[1].previousKm, year.odometers[1].sportSelector, year.modified),
              std::tuple(0, 3, 1));
}

TEST_F(OdometerDialog, ChoosingSwitchingAndDeleting) {
    year.odometers[4] = {59, 100, 0, 20000, 2, "Schuhe", 0};
    year.odometers[7] = {0, 10, 0, 20, 1, "Kette", 1};
    edit([this](HeadlessDialogHost& dialog) {
        dialog.choose(id::list, 1);
        dialog.press(id::applyButton);
        EXPECT_EQ(0, year.modified);  // stored as it was
        dialog.choose(id::list, 0);
        EXPECT_EQ(std::tuple(dialog.text(id::startDayField), dialog.text(id::startMonthField),
                             dialog.isChecked(id::runningChoice), dialog.isChecked(id::cyclingChoice)),
                  std::tuple("29", "2", true, false));
        dialog.press(id::toggleButton);
        EXPECT_EQ(line("04 : 00100 von 20000", "Schuhe", 6, "  aktiv!"), dialog.items(id::list)[0]);
        dialog.choose(id::list, 1);
        dialog.press(id::deleteButton);
        EXPECT_EQ(1u, dialog.items(id::list).size());
        EXPECT_FALSE(dialog.isEnabled(id::toggleButton));
        EXPECT_FALSE(dialog.isEnabled(id::deleteButton));
    });
    EXPECT_TRUE(services.messages().empty());
    // The due kilometres stay untouched until the odometer is stored again.
    EXPECT_EQ(std::tuple(year.odometers[4].state, year.odometers[4].dueKm, year.odometers[7].description,
                         year.odometers[7].dueKm),
              std::tuple(1, 20000, "", 0));
}

TEST_F(OdometerDialog, AFullTableChangesNoSlotUntilAnOdometerIsChosen) {
    for (int i = 0; i < model::kOdometerCount; ++i)
        year.odometers[std::size_t(i)] = {0, i, 0, 5000, 1, "Z", 1};
    OdometerProcedure procedure(year, "inhalt");
    services.scriptDialog("TOOL_KILOMETERZAEHLER", [&procedure](HeadlessDialogHost& dialog) {
        dialog.choose(id::list, 3);
        dialog.press(id::addButton);
        EXPECT_FALSE(dialog.isEnabled(id::applyButton));
        EXPECT_FALSE(dialog.isEnabled(id::toggleButton));
        for (int button : {id::applyButton, id::deleteButton, id::toggleButton})
            procedure.command(dialog, button, platform::Notification::Clicked);
        EXPECT_EQ(-1, procedure.currentSlot());
        dialog.pressHelp();
        dialog.pressClose();
    });
    services.runModal(odometerTemplate(), procedure);
    EXPECT_TRUE(services.unexpected().empty());
    EXPECT_EQ(std::vector<std::string>{"Zählerspeicher Voll\nMax. 10 Zähler erlaubt"},
              services.messageTexts());
    EXPECT_EQ(services.helpCalls(), (std::vector<platform::headless::LoggedHelp>{{"inhalt", 44}}));
    for (int i = 0; i < model::kOdometerCount; ++i)
        EXPECT_EQ(std::pair(i, 1),
                  std::pair(year.odometers[std::size_t(i)].previousKm, year.odometers[std::size_t(i)].state));
    EXPECT_EQ(0, year.modified);
}

// Kilometres and state of the first six odometers.
std::vector<std::pair<int, int>> readings(const model::TrainingYear& year) {
    std::vector<std::pair<int, int>> result;
    for (int i = 0; i < 6; ++i) result.emplace_back(year.odometers[i].currentKm, year.odometers[i].state);
    return result;
}

TEST_F(OdometerDialog, TheDueCheckSumsTheChosenSportsFromTheStartDay) {
    year.days[10].bike.distanceKm = 10.6f;
    year.days[20].bike.distanceKm = 10.6f;
    year.days[20].run.distanceKm = 5.5f;
    year.days[0].run.distanceKm = 1.0f;
    year.days[365].run.distanceKm = 1.0f;   // 31 December of a leap year counts
    year.days[5].bike.distanceKm = 100.0f;  // before the start days below
    year.odometers[0] = {6, 0, 0, 21, 1, "Rad", 1};
    year.odometers[1] = {6, 100, 0, 500, 3, "beides", 1};
    year.odometers[2] = {-5, 0, 0, 100, 2, "Laufen", 1};  // a start before the year counts from 1 January
    year.odometers[3] = {0, 900, 0, 100, 1, "aus", 0};    // inactive: never due
    year.odometers[4] = {400, 50, 0, 50, 1, "nach dem Jahr", 1};
    year.odometers[5] = {0, 5000, 0, 10, 1, "", 1};  // free slot

    EXPECT_TRUE(checkOdometersDue(year));
    EXPECT_EQ(readings(year),
              (std::vector<std::pair<int, int>>{{21, 3}, {127, 1}, {7, 1}, {1021, 0}, {50, 3}, {0, 1}}));

    // Switched off, an odometer is not made due again; one whose kilometres went away keeps its state
    // but no longer calls for the reminder.
    year.days[10].bike.distanceKm = 0;
    year.odometers[4].state = 0;
    EXPECT_FALSE(checkOdometersDue(year));
    EXPECT_EQ(year.odometers[4].state, 0);
    EXPECT_EQ(readings(year)[0], std::pair(10, 3));
}

}  // namespace
}  // namespace sb::tools
