// The athlete dialog: the plan year check of a new plan, an old plan's year kept, commas that must not
// reach the plan file, and which fields the dialog offers when.
#include <gtest/gtest.h>

#include <tuple>

#include "editor/athlete_dialog.h"
#include "model/clock.h"
#include "platform/headless/headless_services.h"

namespace sb::editor {
namespace {

using platform::headless::HeadlessDialogHost;
using platform::headless::HeadlessServices;

const char* const kYearMessage =
    "Eingabefehler im Feld\nTrainingsjahr (1990-2040). Aktuelles\nSystemdatum übernommen";

class AthleteDialog : public ::testing::Test {
  protected:
    void SetUp() override {
        model::setClock([] { return model::CivilDate{3, 3, 2025}; });
    }
    void TearDown() override {
        model::setClock({});
        EXPECT_EQ(services.unexpected(), std::vector<std::string>{});
    }

    // The year a new plan stores for `typed`.
    int yearAfterTyping(const std::string& typed) {
        EXPECT_EQ(services.unexpected(), std::vector<std::string>{});
        services.clearLog();
        year = {};
        services.scriptDialog("IDD_PERSONEN", [&typed](HeadlessDialogHost& dialog) {
            dialog.type(210, typed);
            dialog.press(211);
        });
        EXPECT_EQ(platform::dialogOk, editAthlete(services, year, true, "help"));
        return year.planYear;
    }

    HeadlessServices services;
    model::TrainingYear year;
};

TEST_F(AthleteDialog, ANewPlanYearOutside1990To2040BecomesThisYear) {
    // The field holds four digits: of "20301" 2030 is taken.
    for (auto [typed, stored] : {std::pair{"1990", 1990}, {"2040", 2040}, {"1989", 2025}, {"2041", 2025},
                                 {"abc", 2025}, {"20301", 2030}}) {
        EXPECT_EQ(stored, yearAfterTyping(typed)) << typed;
        EXPECT_EQ(stored == 2025 ? std::vector<std::string>{kYearMessage} : std::vector<std::string>{},
                  services.messageTexts())
            << typed;
    }
}

TEST_F(AthleteDialog, CommasBecomeDotsAndAnOldPlanKeepsItsYear) {
    year.planYear = 1989;  // an old plan keeps its year, though a new one could not have it
    year.gender = 'm';
    year.modified = 0;
    services.scriptDialog("IDD_PERSONEN", [](HeadlessDialogHost& dialog) {
        EXPECT_EQ(
            std::tuple(dialog.isEnabled(210), dialog.isChecked(205), dialog.text(210), dialog.text(214)),
            std::tuple(false, true, "1989", "01"));
        dialog.type(201, "Anna, Maria");
        dialog.type(202, "Köhler");
        dialog.type(203, "1,2,1980");
        dialog.type(208, "RSC Köln, e.V.");
        dialog.type(209, "Trainer, Chef");
        // The sex goes with the arrow keys, round the end of its group.
        dialog.pressKey(205, platform::Key::Left);
        EXPECT_TRUE(dialog.isChecked(204));
        dialog.pressKey(204, platform::Key::Right);
        dialog.pressKey(205, platform::Key::Down);
        EXPECT_EQ(std::pair(true, false), std::pair(dialog.isChecked(204), dialog.isChecked(205)));
        dialog.press(211);
    });
    editAthlete(services, year, false, "help");
    EXPECT_EQ(std::tie(year.firstName, year.lastName, year.birthDate, year.club, year.trainer),
              std::tuple("Anna. Maria", "K\xF6hler", "1.2.1980", "RSC K\xF6ln. e.V.", "Trainer. Chef"));
    EXPECT_EQ(std::tie(year.gender, year.planYear, year.modified), std::tuple('w', 1989, 1));
}

TEST_F(AthleteDialog, CancelKeepsTheDataAndHelpShowsTopic21) {
    year.firstName = "Alt";
    services.scriptDialog("IDD_PERSONEN", [](HeadlessDialogHost& dialog) {
        // An empty plan year is this year, starting on 1 January.
        EXPECT_EQ("2025", dialog.text(210));
        dialog.type(201, "Neu");
        dialog.press(207);
        dialog.press(212);
    });
    EXPECT_EQ(platform::dialogCancel, editAthlete(services, year, true, "inhalt"));
    EXPECT_EQ(std::tuple(year.firstName, year.modified), std::tuple("Alt", 0));
    EXPECT_EQ((std::vector<std::string>{"dialog opened: IDD_PERSONEN", "help: inhalt 21"}), services.steps());
}

}  // namespace
}  // namespace sb::editor
