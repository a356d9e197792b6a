// The day editor driven as a user would, on a plan, settings and standard routes of its own: what is
// stored, what is rejected with which message, what the form shows, and how it moves through the year;
// the command that opens it and the odometer reminder.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "config/config_store.h"
#include "config/route_store.h"
#include "editor/day_editor.h"
#include "editor/day_editor_command.h"
#include "editor/day_editor_controls.h"
#include "editor/day_editor_layout.h"
#include "model/clock.h"
#include "model/training_types.h"
#include "model/training_year.h"
#include "platform/headless/headless_services.h"

using namespace sb;
using namespace sb::editor;
using platform::Answer;
using platform::headless::HeadlessDialogHost;

namespace {

const char* kTriathlon = "IDD_DATENAENDERN_TRIATHLON";
constexpr const char* kHelpFile = "help/inhalt.html";

class EditorTest : public ::testing::Test {
  protected:
    void SetUp() override {
        model::setClock([] { return model::CivilDate{14, 5, 2010}; });
        year.planYear = 2009;
        year.planFileVersion = 3;
        settings.trainingTypeLabels = model::defaultTrainingTypeLabels();
        routes.routes[3] = {21.5f, "Waldrunde"};
        routes.routes[7] = {0.0f, "Stadtpark"};
        routes.routes[9] = {42.2f, "M\xFCggelsee"};  // Windows-1252 ü
    }
    // Every test acts only as a user could: no typing into disabled fields, no dialog left open.
    void TearDown() override {
        EXPECT_EQ(services.unexpected(), std::vector<std::string>{});
        model::setClock({});
    }

    // Opens the editor in the form `templateName` and runs `script` in it; returns the dialog's result.
    int runEditor(const std::string& templateName, platform::headless::DialogScript script) {
        const auto& layouts = dayEditorLayouts();
        const auto layout = std::find_if(layouts.begin(), layouts.end(),
                                         [&](const DayEditorLayout& l) { return l.templateName == templateName; });
        EXPECT_NE(layout, layouts.end()) << templateName;
        services.scriptDialog(templateName, std::move(script));
        return openDayEditor(services, *layout, {year, settings, routes, kHelpFile});
    }

    model::TrainingYear year;
    config::ConfigStore settings;
    config::RouteStore routes;
    platform::headless::HeadlessServices services;
};

}  // namespace

TEST_F(EditorTest, OpensOnTodayInAPlanOfThisYearAndOnFirstJanuaryOtherwise) {
    for (auto [planYear, shown] : {std::pair{2010, std::vector<std::string>{"14", "5", "2010", "Freitag,", "19"}},
                                   {2009, {"1", "1", "2009", "Donnerstag,", "1"}}}) {
        year.planYear = planYear;
        runEditor(kTriathlon, [&shown](HeadlessDialogHost& dialog) {
            std::vector<std::string> texts;  // day, month, year, weekday, week
            for (int id : {control::day, control::month, control::year, control::weekday, control::week})
                texts.push_back(dialog.text(id));
            EXPECT_EQ(texts, shown);
            dialog.press(control::cancel);
        });
    }
    EXPECT_EQ(year.modified, 0);  // looking at a day changes nothing
}

TEST_F(EditorTest, AWrongFieldGetsItsMessageAndTheCursorAndKeepsItsValueWhileTheOthersAreStored) {
    model::DayRecord& day = year.days[0];
    day.bike = {"Alt", 130, 30.0f, 200.0f, "01:31", 2, "GA1"};
    day.other.duration = "00:30";
    day.bodyWeight = 70.0f;
    const model::DayRecord before = day;
    struct Case {
        int field;
        const char* wrong;
        const char* right;
        const char* message;
    };
    const std::vector<Case> cases{
        {kBikeControls.pulse, "241", "140", "Eingabefehler im Feld Radsport->Puls"},
        {kBikeControls.hours, "25", "2", "Eingabefehler im Feld Radsport->Zeit (0-24 oder 0-59)"},
        {kBikeControls.minutes, "60", "", "Eingabefehler im Feld Radsport->Zeit (0-24 oder 0-59)"},
        {kBikeControls.distance, "zehn", "12,5", "Eingabefehler im Feld Radsport->Distanz (0-500km)"},
        {kBikeControls.height, "10001", "1.", "Eingabefehler im Feld Radsport->Höhe (0-10000m)"},
        {kSwimControls.minutes, "60", "", "Eingabefehler im Feld Schwimm->Zeit (0-24 oder 0-59)"},
        {kOtherControls.distance, "nan", "500", "Eingabefehler im Feld Sonstiger Sport->Distanz  (0-500km)"},
        {control::bodyWeight, "150,5", "", "Eingabefehler im Feld Körpergewicht"},
        {control::restingPulse, "5O", "240", "Eingabefehler im Feld Ruhepuls"},
    };
    runEditor(kTriathlon, [&](HeadlessDialogHost& dialog) {
        dialog.type(kBikeControls.distance, "zehn");
        dialog.type(kBikeControls.pulse, "150");
        dialog.type(control::restingPulse, "5O");
        dialog.press(control::apply);
        EXPECT_EQ(dialog.focus(), kBikeControls.distance);
        EXPECT_EQ(std::tie(day.bike.avgPulse, day.bike.distanceKm, day.restingPulse),
                  std::tuple(150, before.bike.distanceKm, before.restingPulse));
        dialog.type(kBikeControls.distance, "30");
        dialog.type(control::restingPulse, "0");
        dialog.type(kBikeControls.route, "Berg, Tal");
        for (const Case& c : cases) {
            dialog.type(c.field, c.wrong);
            dialog.press(control::apply);
            EXPECT_EQ(dialog.focus(), c.field) << c.wrong;
            dialog.type(c.field, c.right);
        }
        dialog.press(control::ok);
    });
    std::vector<std::string> expected{"Eingabefehler im Feld Radsport->Distanz (0-500km)",
                                      "Eingabefehler im Feld Ruhepuls"};
    for (const Case& c : cases) expected.push_back(c.message);
    EXPECT_EQ(services.messageTexts(), expected);
    EXPECT_EQ(std::pair(services.messages()[0].title, services.messages()[0].icon),
              std::pair(std::string("Eingabefehler"), platform::Icon::Exclamation));
    EXPECT_EQ(day.bike, (model::SportEntry{"Berg. Tal", 140, 12.5f, 1.0f, "02:00", 2, "GA1"}));
    // An emptied field means 0.
    EXPECT_EQ(std::tie(day.swim.duration, day.other.distanceKm, day.bodyWeight, day.restingPulse, year.modified),
              std::tuple("", 500.0f, 0.0f, 240, 1));
}

TEST_F(EditorTest, OkOnAnUnchangedDayChangesNothingAndLeavesThePlanUnchanged) {
    model::DayRecord& day = year.days[0];
    day.bike = {"Runde", 0, 10.26f, 523.0f, "", 0, ""};
    day.run = {"", 0, 10.26f, 0, "00:50", 0, ""};
    day.bodyWeight = 71.35f;
    const model::DayRecord before = day;
    runEditor(kTriathlon, [](HeadlessDialogHost& dialog) {
        EXPECT_EQ(std::tuple(dialog.text(kBikeControls.distance), dialog.text(kBikeControls.hours)),
                  std::tuple("10.26", "00"));
        dialog.press(control::ok);
    });
    EXPECT_TRUE(services.messageTexts().empty());
    EXPECT_EQ(std::pair(day == before, year.modified), std::pair(true, 0));
}

TEST_F(EditorTest, MovingStoresTheDayFirstAndStopsAtTheEndsOfTheYear) {
    runEditor(kTriathlon, [this](HeadlessDialogHost& dialog) {
        dialog.type(kRunControls.hours, "1");
        dialog.type(kRunControls.distance, "12");
        dialog.press(control::forward);
        EXPECT_EQ(dialog.text(control::day), "2");
        EXPECT_EQ(dialog.text(kRunControls.distance), "0.00");
        EXPECT_EQ(year.days[0].run.distanceKm, 12.0f);

        dialog.type(kRunControls.hours, "1");
        dialog.type(kRunControls.pulse, "300");
        dialog.press(control::back);  // rejected: stays, and the form shows the stored day again
        EXPECT_EQ(dialog.text(control::day), "2");
        EXPECT_EQ(dialog.text(kRunControls.pulse), "0");

        dialog.press(control::tenForward);
        dialog.press(control::tenBack);
        dialog.press(control::tenBack);
        EXPECT_EQ(dialog.text(control::day), "1");

        dialog.type(control::day, "30");
        dialog.type(control::month, "02");
        dialog.press(control::goToDate);
        EXPECT_EQ(dialog.text(control::month), "1");
        dialog.type(control::month, "1a");
        dialog.press(control::goToDate);
        EXPECT_EQ(dialog.focus(), control::month);
        dialog.type(control::day, "31");
        dialog.type(control::month, "12");
        dialog.press(control::goToDate);
        EXPECT_EQ(dialog.text(control::weekday), "Donnerstag,");
        dialog.type(control::comment, "Silvester");
        dialog.press(control::forward);
        EXPECT_EQ(dialog.text(control::day), "31");
        EXPECT_EQ(year.days[364].comment, "Silvester");
        dialog.press(control::tenForward);
        EXPECT_EQ(dialog.text(control::month), "12");
        dialog.press(control::cancel);
    });
    EXPECT_EQ(services.messageTexts(),
              (std::vector<std::string>{"Eingabefehler im Feld Laufen->Puls", "Eingabefehler im Feld Datum",
                                        "Eingabefehler im Feld Datum"}));
}

TEST_F(EditorTest, TheKeyboardStepsThroughTheDaysAndEnterInTheDateGoesThere) {
    runEditor(kTriathlon, [this](HeadlessDialogHost& dialog) {
        // One sport's time and distance, then the next day: Alt+L 1 Tab 30 Tab 10 Bild↓.
        dialog.type(kRunControls.hours, "1");
        dialog.type(kRunControls.minutes, "30");
        dialog.type(kRunControls.distance, "10");
        dialog.pressKey(kRunControls.distance, platform::Key::PageDown);
        EXPECT_EQ(
            std::tuple(dialog.text(control::day), year.days[0].run.duration, year.days[0].run.distanceKm),
            std::tuple("2", "01:30", 10.0f));
        // A space or a letter in a time leaves it as it was.
        dialog.type(kRunControls.hours, "2");
        dialog.type(kRunControls.hours, " ");
        dialog.type(kRunControls.minutes, "x");
        EXPECT_EQ(std::tuple(dialog.text(kRunControls.hours), dialog.text(kRunControls.minutes)),
                  std::tuple("2", "00"));
        dialog.pressKey(kRunControls.hours, platform::Key::PageUp);
        dialog.pressKey(control::comment, platform::Key::PageUp);  // stops at 1 January
        EXPECT_EQ(std::tuple(dialog.text(control::day), year.days[1].run.duration), std::tuple("1", "02:00"));
        // Enter in the day or the month goes to the date; elsewhere it is OK.
        for (int field : {control::day, control::month}) {
            dialog.type(control::day, "31");
            dialog.type(control::month, field == control::day ? "12" : "1");
            dialog.pressKey(field, platform::Key::Enter);
            EXPECT_FALSE(dialog.ended());
            EXPECT_EQ(field == control::day ? "12" : "1", dialog.text(control::month));
        }
        dialog.pressKey(control::comment, platform::Key::Enter);
        EXPECT_TRUE(dialog.ended());
    });
    EXPECT_TRUE(services.messageTexts().empty());
}

TEST_F(EditorTest, TypedTextShowsAndStoresOnlyWhatThePlanHoldsAndNamesWhatItRefuses) {
    runEditor(kTriathlon, [](HeadlessDialogHost& dialog) {
        // The code page's edges on both sides: ÿ and Ā, the letters above 0x7F it adds, 1 to 4 bytes.
        dialog.type(control::comment, "Łódź 😀, ÿĀ€Ÿž");
        dialog.type(control::bodyWeight, "70,5");
        EXPECT_EQ(std::tuple(dialog.text(control::comment), dialog.text(control::bodyWeight)),
                  std::tuple("ód . ÿ€Ÿž", "70.5"));
        EXPECT_EQ(dialog.hints(),
                  std::vector<std::string>{"„Ł“ kann im Saisonbuch nicht gespeichert werden."});
        dialog.press(control::ok);
    });
    EXPECT_EQ(std::tie(year.days[0].comment, year.days[0].bodyWeight),
              std::tuple(std::string("\xF3") + "d . \xFF\x80\x9F\x9E", 70.5f));
}

TEST_F(EditorTest, ApplyStoresCancelKeepsOnlyWhatWasStoredAndHelpShowsTheTopic) {
    runEditor(kTriathlon, [](HeadlessDialogHost& dialog) {
        dialog.type(control::comment, "erst");
        dialog.press(control::apply);
        dialog.type(control::comment, "dann");
        dialog.press(control::help);
        dialog.pressHelp();
        dialog.press(control::cancel);
    });
    EXPECT_EQ(year.days[0].comment, "erst");
    platform::headless::LoggedHelp topic{kHelpFile, 22};
    EXPECT_EQ(services.helpCalls(), (std::vector<platform::headless::LoggedHelp>{topic, topic}));
}

TEST_F(EditorTest, TheActualTypeIsTheChosenEntryEvenWhenLabelsRepeat) {
    settings.trainingTypeLabels[5] = settings.trainingTypeLabels[1];
    year.days[0].plannedTypes = 3000;
    year.days[0].actualTypes = 2;
    runEditor(kTriathlon, [](HeadlessDialogHost& dialog) {
        EXPECT_EQ(dialog.selection(kSwimControls.planned), 3);
        EXPECT_FALSE(dialog.isEnabled(kSwimControls.planned));
        dialog.type(kRunControls.minutes, "30");
        dialog.choose(kRunControls.actual, 5);
        dialog.press(control::ok);
    });
    EXPECT_EQ(std::pair(year.days[0].actualTypes, year.days[0].plannedTypes), std::pair(52, 3000));
}

TEST_F(EditorTest, ATimeUnlocksItsSportAndTheAveragesFollowTheTyping) {
    year.days[100].bodyWeight = 70.0f;  // the latest weight of the year stands in for an empty one
    runEditor(kTriathlon, [](HeadlessDialogHost& dialog) {
        EXPECT_EQ(std::pair(dialog.isEnabled(kBikeControls.distance), dialog.isEnabled(kBikeControls.actual)),
                  std::pair(false, false));
        dialog.type(kBikeControls.hours, "01");
        EXPECT_EQ(std::tuple(dialog.isEnabled(kBikeControls.distance), dialog.isEnabled(kBikeControls.height),
                             dialog.isEnabled(kRunControls.distance)),
                  std::tuple(true, true, false));
        dialog.type(kBikeControls.distance, "30");
        EXPECT_EQ(std::tuple(dialog.text(kBikeControls.average), dialog.text(kBikeControls.energy)),
                  std::tuple("30.0", "840"));
        dialog.type(control::bodyWeight, "80");
        EXPECT_EQ(dialog.text(kBikeControls.energy), "960");
        dialog.type(kRunControls.minutes, "50");
        dialog.type(kRunControls.distance, "10");
        EXPECT_EQ(std::tuple(dialog.text(kRunControls.average), dialog.text(kRunControls.energy)),
                  std::tuple("5:00", "800"));
        dialog.pressClose();
    });
}

TEST_F(EditorTest, ValuesUnderAZeroTimeStayWithinReachSoTheyCanBeCleared) {
    year.days[0].bike = {"", 140, 55.0f, 0, "01:00", 0, ""};
    year.days[0].run.route = "Deich";
    runEditor(kTriathlon, [](HeadlessDialogHost& dialog) {
        dialog.type(kBikeControls.hours, "00");
        // field, enabled while the time is 00:00
        const std::vector<std::pair<int, bool>> reach{
            {kBikeControls.distance, true}, {kBikeControls.pulse, true},  {kBikeControls.route, false},
            {kBikeControls.content, false}, {kRunControls.route, true},   {kRunControls.distance, false},
            {kRunControls.pulse, false},    {kSwimControls.route, false},
        };
        for (auto [id, enabled] : reach) EXPECT_EQ(enabled, dialog.isEnabled(id)) << id;
        dialog.type(kBikeControls.distance, "0");
        dialog.type(kBikeControls.minutes, "00");
        EXPECT_FALSE(dialog.isEnabled(kBikeControls.distance));
        dialog.press(control::ok);
    });
    EXPECT_EQ(std::tie(year.days[0].bike.distanceKm, year.days[0].bike.duration), std::tuple(0.0f, "00:00"));
}

TEST_F(EditorTest, StandardRoutesFillTheDistance) {
    year.days[0].bike = {"Hausrunde", 0, 33.3f, 0, "01:10", 0, ""};
    runEditor(kTriathlon, [](HeadlessDialogHost& dialog) {
        EXPECT_EQ(dialog.items(kBikeControls.route),
                  (std::vector<std::string>{"Hausrunde", "Waldrunde", "Stadtpark", "Müggelsee"}));
        EXPECT_TRUE(dialog.items(kSwimControls.route).empty());
        dialog.choose(kBikeControls.route, "Waldrunde");
        EXPECT_EQ(std::tuple(dialog.text(kBikeControls.distance), dialog.isEnabled(kBikeControls.distance)),
                  std::tuple("21.5", false));
        dialog.choose(kBikeControls.route, "Stadtpark");  // no length: only the name changes
        EXPECT_EQ(std::tuple(dialog.text(kBikeControls.route), dialog.text(kBikeControls.distance)),
                  std::tuple("Stadtpark", "21.5"));
        dialog.type(kBikeControls.route, "Eigene Runde");
        EXPECT_TRUE(dialog.isEnabled(kBikeControls.distance));
        dialog.choose(kBikeControls.route, 0);
        EXPECT_EQ(std::tuple(dialog.text(kBikeControls.distance), dialog.text(kBikeControls.route)),
                  std::tuple("33.30", "Hausrunde"));

        dialog.type(kRunControls.minutes, "5");
        dialog.choose(kRunControls.route, "Müggelsee");
        dialog.press(control::ok);
    });
    EXPECT_EQ(std::tie(year.days[0].run.route, year.days[0].run.distanceKm),
              std::tuple("M\xFCggelsee", 42.2f));
}

TEST_F(EditorTest, TheFormDecidesWhatIsStored) {
    model::DayRecord& day = year.days[0];
    day.run = {"Park", 150, 8.0f, 0, "00:40", 3, "locker"};
    day.swim = {"Halle", 120, 2.0f, 0, "00:45", 2, "Technik"};
    day.bike.avgPulse = 140;
    day.actualTypes = 1234;

    // Cycling mode: the run and swim entries are not on the form and stay as they are.
    runEditor("IDD_DATENAENDERN_RAD", [](HeadlessDialogHost& dialog) {
        dialog.type(kBikeControls.hours, "2");
        dialog.press(control::ok);
    });
    EXPECT_EQ(std::tie(day.run.duration, day.swim.content, day.bike.duration),
              std::tuple("00:40", "Technik", "02:00"));

    // Basic triathlon: no pulse fields, so no pulse is overwritten.
    runEditor("IDD_DATENAENDERN_TRIATHLON_BASIC", [](HeadlessDialogHost& dialog) { dialog.press(control::ok); });
    EXPECT_EQ(std::pair(day.bike.avgPulse, day.swim.avgPulse), std::pair(140, 120));

    // A version-2 form stores every block it shows, whatever the sport mode; it has no content, load,
    // height or swimming.
    year.planFileVersion = 2;
    runEditor("IDD_DATENAENDERN_V2", [](HeadlessDialogHost& dialog) {
        dialog.type(kRunControls.distance, "9");
        dialog.type(kOtherControls.hours, "1");
        dialog.type(kOtherControls.route, "See");
        dialog.press(control::ok);
    });
    EXPECT_EQ(std::tie(day.run.distanceKm, day.run.content, day.run.load, day.other.route, day.swim.duration),
              std::tuple(9.0f, "locker", 3, "See", "00:45"));

    // Version 1: bike and run without types.
    year.planFileVersion = 1;
    runEditor("IDD_DATENAENDERN_V1", [](HeadlessDialogHost& dialog) {
        dialog.type(kBikeControls.pulse, "155");
        dialog.press(control::ok);
    });
    EXPECT_EQ(std::tie(day.bike.avgPulse, day.other.route, day.actualTypes), std::tuple(155, "See", 1234));
}

TEST_F(EditorTest, TheReminderComesExactlyWhenAnOdometerBecomesDue) {
    settings.sportMode = 1;
    year.odometers[2] = {0, 950, 0, 1000, 1, "Kette", 1};
    auto ride = [](const char* kilometres) {
        return [kilometres](HeadlessDialogHost& dialog) {
            dialog.type(kBikeControls.hours, "2");
            dialog.type(kBikeControls.distance, kilometres);
            dialog.press(control::ok);
        };
    };
    services.scriptDialog("IDD_DATENAENDERN_RAD", ride("49,9"));
    EXPECT_EQ(runDayEditorCommand(services, year, settings, routes, kHelpFile), DayEditorOutcome::Closed);
    EXPECT_TRUE(services.messageTexts().empty());

    services.answerMessages({Answer::Yes});
    services.scriptDialog("IDD_DATENAENDERN_RAD", ride("50"));
    EXPECT_EQ(runDayEditorCommand(services, year, settings, routes, kHelpFile),
              DayEditorOutcome::OdometersWanted);
    ASSERT_EQ(services.messages().size(), 1u);
    EXPECT_EQ(services.messages()[0],
              (platform::headless::LoggedMessage{"Ein Kilometerzähler hat ausgelöst.\nansehen?", "Erinnerung",
                                                 platform::Buttons::YesNo, platform::Icon::Question}));
    EXPECT_EQ(year.odometers[2].state, 3);

    services.answerMessages({Answer::No});
    services.scriptDialog("IDD_DATENAENDERN_RAD",
                          [](HeadlessDialogHost& dialog) { dialog.press(control::cancel); });
    EXPECT_EQ(runDayEditorCommand(services, year, settings, routes, kHelpFile), DayEditorOutcome::Closed);
    EXPECT_EQ(services.messages().size(), 2u);
}

TEST_F(EditorTest, NoPlanNoEditorAndFirstVersionPlansNoReminder) {
    year.planFileVersion = 0;
    EXPECT_EQ(runDayEditorCommand(services, year, settings, routes, kHelpFile), DayEditorOutcome::NoPlan);
    EXPECT_TRUE(services.steps().empty());

    year.planFileVersion = 1;
    year.odometers[0] = {0, 5000, 0, 1000, 2, "Schuhe", 1};
    services.scriptDialog("IDD_DATENAENDERN_V1",
                          [](HeadlessDialogHost& dialog) { dialog.press(control::ok); });
    EXPECT_EQ(runDayEditorCommand(services, year, settings, routes, kHelpFile), DayEditorOutcome::Closed);
    EXPECT_EQ(services.steps(), (std::vector<std::string>{"dialog opened: IDD_DATENAENDERN_V1"}));
}
