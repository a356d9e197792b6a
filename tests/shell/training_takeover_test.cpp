// "Als Training übernehmen": a recording's values go into the right day and sport of the open plan
// and the day editor opens there; values already entered are replaced only when the user says so; a
// date outside the plan year and a missing plan are refused with a message, and nothing is written.
#include <gtest/gtest.h>

#include "editor/day_editor_controls.h"
#include "shell/command_ids.h"
#include "shell_test_support.h"

namespace sb::shell::testing {
namespace {

using platform::headless::HeadlessDialogHost;
constexpr int kJune14 = 164;  // day index of 14 June 2009
const char* const kTakeoverDialog = "IDD_TRAINING_UEBERNEHMEN";

class Takeover : public ShellTest {
  protected:
    // The ride opened over the sample plan, or with no plan open; the full triathlon day editor.
    void openRide(bool withPlan = true) {
        initialise("[KONFIG]\nTRIATHLON_BASIC=0\n");
        if (withPlan) openSamplePlan();
        services.answerFileDialogs({writeRide(file("ride.hrm"))});
        dispatch(cmd::kOpenHeartRateFile);
    }
};

// The day editor opens on 14 June and is closed without a change.
void expectDayEditorOnJune14(platform::headless::HeadlessServices& services) {
    services.scriptDialog("IDD_DATENAENDERN_TRIATHLON", [](HeadlessDialogHost& editor) {
        EXPECT_EQ((std::vector<std::string>{"14", "6", "30.00"}), texts(editor, {286, 287, 200}));
        editor.press(297);
    });
}

TEST_F(Takeover, TheInfoDialogsButtonFillsTheChosenSportOfThatDayAndOpensTheDayEditorThere) {
    openRide();
    EXPECT_FALSE(view.menuItem(cmd::kTakeOverTraining).greyed);

    services.scriptDialog("DIAGRAMM_INFO_POLAR", [](HeadlessDialogHost& info) { info.press(202); });
    services.scriptDialog(kTakeoverDialog, [](HeadlessDialogHost& dialog) {
        EXPECT_EQ((std::vector<std::string>{"14", "06", "2009", "01", "00", "30.00", "148", "110"}),
                  texts(dialog, {300, 301, 302, 304, 305, 306, 307, 308}));
        EXPECT_EQ(-1, dialog.selection(303));  // a heart-rate file names no sport
        dialog.press(310);  // no sport yet
        dialog.choose(303, "Laufen");
        EXPECT_FALSE(dialog.isEnabled(308));  // climbing is kept for rides only
        dialog.choose(303, "Rad");
        EXPECT_TRUE(dialog.isEnabled(308));
        dialog.type(304, "25");
        dialog.press(310);
        dialog.type(304, "1");
        dialog.type(308, "112");
        dialog.press(310);
    });
    expectDayEditorOnJune14(services);
    dispatch(cmd::kHeartRateFileInfo);

    EXPECT_EQ((std::vector<LoggedMessage>{
                  warning("Bitte wählen Sie eine Sportart.", "Eingabefehler"),
                  warning("Eingabefehler im Feld Radsport->Zeit (0-24 oder 0-59)", "Eingabefehler")}),
              services.messages());
    const model::DayRecord& day = app.year.days[kJune14];
    EXPECT_EQ((model::SportEntry{"", 148, 30.0f, 112.0f, "01:00", 0, ""}), day.bike);
    EXPECT_EQ(model::SportEntry{}, day.run);
    EXPECT_EQ(1, app.year.modified);
    EXPECT_EQ(5, app.diagram.diagramKind);  // the recording is shown again afterwards
}

TEST_F(Takeover, EveryValueThePlanKeepsIsStoredAndASingleSportModeAnswersTheSportQuestion) {
    struct Case {
        int sportMode, triathlonBasic;
        const char* editor;
        model::Sport stored;  // preselected for a heart-rate file when the mode has one sport, else chosen
        int selected;         // -1: the user chooses
        bool pulseNoted;      // the basic form does not show the pulse that is stored
    };
    const Case cases[] = {
        {5, 1, "IDD_DATENAENDERN_TRIATHLON_BASIC", model::kRun, -1, true},
        {5, 0, "IDD_DATENAENDERN_TRIATHLON", model::kRun, -1, false},
        {2, 0, "IDD_DATENAENDERN_LAUFEN", model::kRun, 0, false},
        {3, 0, "IDD_DATENAENDERN_SCHWIMMEN", model::kSwim, 0, false},
        {4, 0, "IDD_DATENAENDERN_DUATHLON", model::kRun, -1, false},
    };
    openRide();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.editor);
        app.settings.sportMode = c.sportMode;
        app.settings.triathlonBasic = c.triathlonBasic;
        model::SportEntry& entry = app.year.days[kJune14].*editor::sportControls(c.stored).entry;
        entry = {};
        services.scriptDialog(kTakeoverDialog, [&c](HeadlessDialogHost& dialog) {
            EXPECT_EQ(c.selected, dialog.selection(303));
            EXPECT_TRUE(dialog.isEnabled(307));
            EXPECT_EQ(c.pulseNoted, dialog.isVisible(309));
            if (c.selected < 0) dialog.choose(303, "Laufen");
            dialog.press(310);
        });
        services.scriptDialog(c.editor, [](HeadlessDialogHost& editor) { editor.press(297); });
        dispatch(cmd::kTakeOverTraining);
        EXPECT_EQ(148, entry.avgPulse);
        expectNothingUnexpected();
    }
}

TEST_F(Takeover, AsksBeforeItReplacesValuesAlreadyEnteredAndKeepsTheRest) {
    openRide();
    app.year.days[kJune14].bike = {"Hausrunde", 120, 20.0f, 50.0f, "00:45", 2, "locker"};
    services.answerMessages({Answer::No, Answer::Yes});
    services.scriptDialog(kTakeoverDialog, [this](HeadlessDialogHost& dialog) {
        dialog.choose(303, "Rad");
        dialog.press(310);  // No: nothing written, the dialog stays
        EXPECT_FALSE(dialog.ended());
        EXPECT_EQ(0, app.year.modified);
        EXPECT_EQ("00:45", app.year.days[kJune14].bike.duration);
        dialog.press(310);
    });
    expectDayEditorOnJune14(services);
    dispatch(cmd::kTakeOverTraining);

    const LoggedMessage question{
        "Am 14.06.2009 ist für Rad schon ein Training eingetragen.\nSoll es durch die Werte der Aufzeichnung "
        "ersetzt werden?",
        "Frage?", Buttons::YesNo, Icon::Question};
    EXPECT_EQ((std::vector<LoggedMessage>{question, question}), services.messages());
    EXPECT_EQ((model::SportEntry{"Hausrunde", 148, 30.0f, 110.0f, "01:00", 2, "locker"}),
              app.year.days[kJune14].bike);
}

TEST_F(Takeover, ARecordingOfAnotherYearOrWithoutAPlanIsRefused) {
    openRide(false);
    EXPECT_TRUE(view.menuItem(cmd::kTakeOverTraining).greyed);
    services.scriptDialog("DIAGRAMM_INFO_POLAR", [](HeadlessDialogHost& info) { info.press(202); });
    dispatch(cmd::kHeartRateFileInfo);
    EXPECT_EQ(
        (std::vector<LoggedMessage>{
            {"Es ist kein Saisonbuch geöffnet.\nÖffnen oder erstellen Sie zuerst das Saisonbuch, in das "
             "das Training übernommen werden soll.",
             "Hinweis", Buttons::Ok, Icon::Information}}),
        services.messages());
    services.clearLog();

    openSamplePlan();
    const model::TrainingYear before = app.year;
    services.scriptDialog(kTakeoverDialog, [](HeadlessDialogHost& dialog) {
        dialog.choose(303, "Laufen");
        dialog.type(302, "2010");
        dialog.press(310);
        EXPECT_EQ(302, dialog.focus());
        dialog.type(300, "31");
        dialog.type(301, "02");
        dialog.press(310);
        dialog.press(311);
    });
    dispatch(cmd::kTakeOverTraining);
    EXPECT_EQ(
        (std::vector<LoggedMessage>{warning("Der 14.06.2010 liegt nicht im Trainingsjahr 2009 des geöffneten "
                                            "Saisonbuchs.\nBitte ändern Sie das Datum oder brechen Sie ab.",
                                            "Hinweis"),
                                    warning("Eingabefehler im Feld Datum", "Eingabefehler")}),
        services.messages());
    EXPECT_TRUE(before.days == app.year.days);
    EXPECT_EQ(0, app.year.modified);
}

}  // namespace
}  // namespace sb::shell::testing
