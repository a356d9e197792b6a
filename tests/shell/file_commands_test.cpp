// New, Open, the history, Save, Save As and Exit as the user meets them: every question and message
// in order, what is written where, and that a plan is never lost to a failed or cancelled save.
#include <gtest/gtest.h>

#include "planfile/plan_file_version.h"

#include <filesystem>

#include "planfile/legacy_plan_writer.h"
#include "planfile/plan_file_reader.h"
#include "planfile/plan_file_writer.h"
#include "shell/command_dispatcher.h"
#include "shell/command_ids.h"
#include "shell/file_commands.h"
#include "shell_test_support.h"

namespace sb::shell::testing {
namespace {

using FileCommands = ShellTest;

void typeAthlete(platform::headless::HeadlessDialogHost& dialog) {
    dialog.type(201, "Lena");
    dialog.type(210, "2030");
    dialog.press(211);
}

TEST(PlanExtension, EveryNewOrRenamedPlanEndsInSb3) {
    for (auto [typed, named] : {std::pair{"/p/plan.sb3", "/p/plan.sb3"}, {"/p/plan.SB3", "/p/plan.SB3"},
                                {"/p/plan.sb2", "/p/plan.sb3"}, {"/p/plan.SBN", "/p/plan.sb3"}, {"/p/plan", "/p/plan.sb3"},
                                {"/p/plan.txt", "/p/plan.txt.sb3"}, {"/p.d/plan", "/p.d/plan.sb3"}})
        EXPECT_EQ(named, withPlanExtension(typed)) << typed;
}

TEST_F(FileCommands, NewAsksToSaveThenToReplaceAndWritesTheNewPlan) {
    initialise();
    const std::string old = openSamplePlan();
    app.year.modified = 1;
    const std::string target = file("neu.sb3");
    planfile::writePlanFile(plan2009(), target);
    services.answerMessages({Answer::No, Answer::Yes});
    services.answerFileDialogs({target});
    services.scriptDialog("IDD_PERSONEN", typeAthlete);
    dispatch(10);
    EXPECT_EQ((std::vector<LoggedMessage>{saveQuestion(old), kReplaceQuestion}), services.messages());
    const auto& request = services.fileDialogs().at(0).request;
    EXPECT_EQ(std::tuple("Zielort für neue Datei...", "Saisonbuchdatei (*.sb3)", "default.sb3"),
              std::tie(request.title, request.filters.at(0).description, request.proposedName));
    EXPECT_EQ(planState(), std::tuple(target, 3, 1, 0));
    EXPECT_EQ(std::tuple(2030, 0.0f), std::tie(app.year.planYear, app.year.days[0].bike.distanceKm));
    model::TrainingYear written;
    ASSERT_TRUE(planfile::readPlanFileOfVersion(3, target, written).readable);
    EXPECT_EQ(std::tuple("Lena", ""), std::tie(written.firstName, written.lastName));
    expectNothingUnexpected();
}

TEST_F(FileCommands, ANewPlanThatCannotBeWrittenNeverTakesThePreviousName) {
    initialise();
    const std::string old = openSamplePlan();
    const std::string before = fileBytes(old);
    const std::string unwritable = file("no-folder/neu.sb3");
    services.answerFileDialogs({unwritable});
    services.scriptDialog("IDD_PERSONEN", typeAthlete);
    dispatch(10);
    EXPECT_EQ(std::vector<LoggedMessage>{saveFailed(unwritable, ENOENT)}, services.messages());
    EXPECT_EQ(planState(), std::tuple(unwritable, 3, 1, 1));
    EXPECT_EQ(before, fileBytes(old));

    // Exit: "Ja" retries under the new plan's own name, fails again, and the program stays.
    services.answerMessages({Answer::Yes});
    dispatch(17);
    EXPECT_EQ(saveQuestion(unwritable), services.messages().at(1));
    EXPECT_EQ(saveFailed(unwritable, ENOENT), services.messages().at(2));
    EXPECT_FALSE(view.destroyed());
    EXPECT_EQ(before, fileBytes(old));
    expectNothingUnexpected();
}

TEST_F(FileCommands, CancellingAnyStepOfOpenSaveAsOrNewChangesNothing) {
    initialise();
    const std::string old = openSamplePlan();
    app.year.modified = 1;
    app.diagram.diagramKind = 1;
    services.answerMessages({Answer::Cancel});
    dispatch(11);
    EXPECT_EQ(old, app.year.currentFileName);
    EXPECT_EQ(1, app.diagram.diagramKind);

    app.year.modified = 0;
    services.answerFileDialogError(platform::dialog_error::bufferTooSmall);
    dispatch(11);
    EXPECT_EQ((LoggedMessage{"Code: FNERR_BUFFERTOOSMALL\n", "Error", Buttons::Ok, Icon::Stop}),
              services.messages().back());
    services.answerFileDialogs({std::nullopt});
    dispatch(13);
    EXPECT_EQ(2u, services.messages().size());
    EXPECT_EQ(old, app.year.currentFileName);
    EXPECT_EQ(1, app.diagram.diagramKind);

    // "Abbruch" in the athlete dialog of New: no file, and the open plan stays as it was.
    const model::TrainingYear before = app.year;
    const std::string target = file("neu.sb3");
    services.answerFileDialogs({target});
    services.scriptDialog("IDD_PERSONEN", [](auto& dialog) {
        dialog.type(201, "Lena");
        dialog.press(212);
    });
    dispatch(10);
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_EQ(planState(), std::tuple(old, 3, 1, 0));
    EXPECT_EQ(before.firstName, app.year.firstName);
    EXPECT_TRUE(before.days == app.year.days);
    expectNothingUnexpected();
}

// Open over an open plan: each version's notice, a file that is no plan, and a missing file with the
// offer to reopen the previous plan. Only a plan that opened enters the history; the previous file is
// never written, and a failed open never leaves an empty plan under its name.
TEST_F(FileCommands, OpenShowsExactlyTheMessagesOfItsOutcome) {
    const std::string sb2 = file("alt.sb2"), sbn = file("alt.sbn"), empty = file("LEER.SB3");
    ASSERT_EQ(0, planfile::writePlanFileV2(plan2009(), sb2));
    ASSERT_EQ(0, planfile::writePlanFileV1(plan2009(), sbn));
    sb::testing::writeBytes(empty, "");
    const std::string missing = file("fehlt.sb3"), previous = file("vorher.sb3");
    auto notice = [](const char* old, const char* current) {
        return LoggedMessage{std::string("Sie haben soebend eine alte\nSaisonbuch V") + old +
                                 "\nDatei geöffnet. Die erweiterten Funktionen von Saisonbuch V" + current +
                                 "\nsind deaktiviert. Wenn Sie trotzdem erweiterte Funktionen nutzen "
                                 "wollen\nlegen Sie ein Kopie Ihres Saisonbuches mit Hilfe des "
                                 "Menüpunktes\nDatei-->Speichern unter...\n an.",
                             "Hinweis", Buttons::Ok, Icon::Information};
    };
    const LoggedMessage notAPlan{"Diese Datei ist keine zulässige\nSaisonbuchdatei", "Fehler", Buttons::Ok,
                                 Icon::Exclamation};
    auto notPlan = [](const std::string& path) {
        return LoggedMessage{"Die Datei " + path + " ist kein Saisonbuch.", "Fehler", Buttons::Ok, Icon::Exclamation};
    };
    const LoggedMessage openFailed{
        "Fehler beim Öffnen der Datei\nSoll versucht werden die letzte benutzte Datei zu öffnen?", "Fehler",
        Buttons::YesNo, Icon::Stop};
    const LoggedMessage previousFailed{"Fehler beim Öffnen der vorherigen Datei", "Fehler", Buttons::Ok,
                                       Icon::None};
    enum Before { PlanOpen, PlanFileGone, NoPlan };
    struct Case {
        std::string path;
        Before before;
        std::vector<Answer> answers;
        std::vector<LoggedMessage> messages;
        int version;
        std::string name, firstName;
    };
    const std::vector<Case> cases{
        {sb2, PlanOpen, {}, {notice("2.0", "3.0")}, 2, sb2, "Bernd"},
        {sbn, PlanOpen, {}, {notice("1.0", "2.0")}, 1, sbn, "Bernd"},
        {empty, PlanOpen, {}, {notPlan(empty)}, 3, previous, "ungespeichert"},
        {file("kaputt.txt"), PlanOpen, {}, {notAPlan}, 0, previous, ""},
        {missing, PlanOpen, {Answer::No}, {openFailed}, 0, previous, ""},
        {missing, PlanOpen, {Answer::Yes}, {openFailed}, 3, previous, "Bernd"},
        {missing, PlanFileGone, {Answer::Yes}, {openFailed, previousFailed}, 0, previous, ""},
        {missing, NoPlan, {Answer::Yes}, {openFailed}, 0, "", ""}};
    writeConfig("[MENUE]\nMAX_ANZAHL=4\n");
    initialise();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path + " " + std::to_string(c.before));
        app.year = model::TrainingYear{};
        if (c.before != NoPlan) openSamplePlan("vorher.sb3");
        app.year.firstName = "ungespeichert";
        const std::string bytes = fileBytes(previous);
        if (c.before == PlanFileGone) std::filesystem::remove(previous);
        app.settings.history.clear();
        services.clearLog();
        services.answerMessages(c.answers);
        services.answerFileDialogs({c.path});
        dispatch(cmd::kOpenPlan);
        EXPECT_EQ(c.messages, services.messages());
        EXPECT_EQ(planState(), std::tuple(c.name, c.version, c.version != 0, 0));
        EXPECT_EQ(c.firstName, app.year.firstName);
        const bool opened = c.path == c.name && c.version != 0;
        EXPECT_EQ(opened ? std::vector<std::string>{c.path} : std::vector<std::string>{}, app.settings.history);
        if (opened) {
            EXPECT_EQ("&1 " + c.path.substr(dir_.path().string().size() + 1), view.menuItem(20).text);
        }
        if (c.before != PlanFileGone) {
            EXPECT_EQ(bytes, fileBytes(previous));
        }
    }
    expectNothingUnexpected();
}

TEST_F(FileCommands, HistoryEntriesAskFirstAndMissingEntriesDoNothing) {
    const std::string first = file("eins.sb3");
    const std::string second = file("zwei.sb3");
    model::TrainingYear other = plan2009();
    other.firstName = "Zweite";
    ASSERT_EQ(0, planfile::writePlanFile(other, second));
    writeConfig("[MENUE]\nMAX_ANZAHL=5\nANZAHL=2\nEINTRAG_0=" + first + "\nEINTRAG_1=" + second + "\n");
    initialise();
    openSamplePlan("eins.sb3");
    app.year.modified = 1;
    dispatch(22);
    dispatch(28);
    EXPECT_TRUE(services.steps().empty());

    services.answerMessages({Answer::Cancel, Answer::No});
    dispatch(21);
    EXPECT_EQ("Bernd", app.year.firstName);
    dispatch(21);
    EXPECT_EQ((std::vector<LoggedMessage>{saveQuestion(first), saveQuestion(first)}), services.messages());
    EXPECT_EQ("Zweite", app.year.firstName);
    EXPECT_EQ(second, app.year.currentFileName);
    EXPECT_EQ((std::vector<std::string>{first, second}), app.settings.history);
    expectNothingUnexpected();
}

TEST_F(FileCommands, SaveAsWritesTheCurrentFormatUnderAnSb3Name) {
    initialise();
    const std::string sb2 = file("alt.sb2");
    ASSERT_EQ(0, planfile::writePlanFileV2(plan2009(), sb2));
    holdPlan(sb2, 2);
    services.answerFileDialogs({file("kopie.sb2")});
    dispatch(13);
    const std::string written = file("kopie.sb3");
    EXPECT_EQ(std::vector<LoggedMessage>{savedMessage(written)}, services.messages());
    EXPECT_EQ("Saisonbuchdatei  (*.sb3)", services.fileDialogs().at(0).request.filters.at(0).description);
    EXPECT_FALSE(std::filesystem::exists(file("kopie.sb2")));
    EXPECT_EQ(planfile::formatPlanFile(app.year), fileBytes(written));
    EXPECT_EQ(planState(), std::tuple(written, 3, 1, 0));

    // Replacing an existing file needs a "Ja"; "Nein" writes nothing.
    services.answerFileDialogs({written});
    services.answerMessages({Answer::No});
    app.year.firstName = "Neu";
    dispatch(13);
    EXPECT_EQ(kReplaceQuestion, services.messages().back());
    model::TrainingYear reread;
    ASSERT_TRUE(planfile::readPlanFileOfVersion(3, written, reread).readable);
    EXPECT_EQ("Bernd", reread.firstName);

    // A name that cannot be written: the message, and the plan keeps its name and its changes.
    app.year.modified = 1;
    services.answerFileDialogs({file("fehlt/kopie")});
    dispatch(13);
    EXPECT_EQ(saveFailed(file("fehlt/kopie.sb3"), ENOENT), services.messages().back());
    EXPECT_EQ(planState(), std::tuple(written, 3, 1, 1));
    expectNothingUnexpected();
}

TEST_F(FileCommands, SaveWritesByTheNameAndFailsLoudly) {
    initialise();
    const std::string path = openSamplePlan();
    app.year.modified = 1;
    app.year.days[5].run.distanceKm = 8;
    dispatch(12);
    EXPECT_TRUE(services.messages().empty());
    EXPECT_EQ(0, app.year.modified);
    EXPECT_EQ(planfile::formatPlanFile(app.year), fileBytes(path));

    app.year.currentFileName = file("no-folder/plan.sb3");
    app.year.modified = 1;
    dispatch(12);
    EXPECT_EQ(std::vector<LoggedMessage>{saveFailed(file("no-folder/plan.sb3"), ENOENT)}, services.messages());
    EXPECT_EQ(1, app.year.modified);
    expectNothingUnexpected();
}

// A plan cut short after 100 days opens with a warning; its first save asks, "Nein" keeps the file.
TEST_F(FileCommands, APlanCutShortOpensWithAWarningAndItsFirstSaveAsks) {
    initialise();
    const std::string path = file("kurz.sb3"), whole = planfile::formatPlanFile(plan2009());
    std::size_t end = 0;
    for (int line = 0; line < 103; ++line) end = whole.find('\n', end) + 1;
    sb::testing::writeBytes(path, whole.substr(0, end + 20));
    services.answerFileDialogs({path});
    dispatch(cmd::kOpenPlan);
    EXPECT_EQ((std::vector<LoggedMessage>{{"Die Datei ist unvollständig: gelesen bis 10.04.2009.", "Hinweis",
                                           Buttons::Ok, Icon::Exclamation}}),
              services.messages());
    EXPECT_EQ(planState(), std::tuple(path, 3, 1, 0));
    const LoggedMessage question{"Die Datei\n" + path +
                                     "\nwar beim Öffnen unvollständig (gelesen bis 10.04.2009).\nSoll sie trotzdem "
                                     "ersetzt werden?",
                                 "Frage?", Buttons::YesNo, Icon::Question};
    app.year.modified = 1;
    for (Answer answer : {Answer::No, Answer::Yes}) {
        services.clearLog();
        services.answerMessages({answer});
        dispatch(cmd::kSavePlan);
        EXPECT_EQ(std::vector<LoggedMessage>{question}, services.messages());
        EXPECT_EQ(answer == Answer::Yes ? planfile::formatPlanFile(app.year) : whole.substr(0, end + 20),
                  fileBytes(path));
        EXPECT_EQ(answer == Answer::Yes ? 0 : 1, app.year.modified);
    }
    services.clearLog();
    dispatch(cmd::kSavePlan);
    EXPECT_TRUE(services.messages().empty());
    expectNothingUnexpected();
}

TEST_F(FileCommands, ExitSavesSettingsAndRoutesOnlyWhenTheUserLeaves) {
    initialise();
    const std::string path = openSamplePlan();
    app.year.modified = 1;
    services.answerMessages({Answer::Cancel});
    dispatch(17);
    EXPECT_FALSE(view.destroyed());
    EXPECT_FALSE(std::filesystem::exists(file("strecke.cfg")));

    services.answerMessages({Answer::No});
    EXPECT_TRUE(closeRequested(app, view, services));
    EXPECT_TRUE(view.destroyed());
    EXPECT_EQ(0, services.quitCode());
    EXPECT_NE(std::string::npos, fileBytes(file("train.cfg")).find("LETZTE_DATEI=" + path + "\r\n"));
    const std::string routes = fileBytes(file("strecke.cfg"));
    EXPECT_NE(std::string::npos, routes.find("[STRECKE_0]\r\n"));
    EXPECT_NE(std::string::npos, routes.find("[STRECKE_99]\r\n"));
    expectNothingUnexpected();
}

// Folders in the places of train.cfg and strecke.cfg stop every save, also for root. The options tell
// of the settings once, not again while the file stays unwritable; the end of the program tells of both.
TEST_F(FileCommands, SettingsAndRoutesThatCannotBeSavedAreReportedByName) {
    writeConfig("[KONFIG]\nAUTOLADEN=0\n");
    initialise();
    std::filesystem::remove(file("train.cfg"));
    std::filesystem::create_directory(file("train.cfg"));
    std::filesystem::create_directory(file("strecke.cfg"));
    const LoggedMessage settingsFailed = saveFailed(file("train.cfg"), EISDIR);
    const LoggedMessage routesFailed = saveFailed(file("strecke.cfg"), EISDIR);
    for (int i = 0; i < 2; ++i) {
        services.scriptPropertySheet("Konfiguration", [](platform::headless::HeadlessPropertySheet& sheet) {
            sheet.selectPage(3);
            sheet.page(3).press(1301);
            sheet.ok();
        });
    }
    dispatch(cmd::kOptions);
    EXPECT_EQ(std::vector<LoggedMessage>{settingsFailed}, services.messages());
    dispatch(cmd::kOptions);
    EXPECT_EQ(std::vector<LoggedMessage>{settingsFailed}, services.messages());

    services.clearLog();
    dispatch(cmd::kExit);
    EXPECT_EQ((std::vector<LoggedMessage>{settingsFailed, routesFailed}), services.messages());
    EXPECT_TRUE(view.destroyed());
    expectNothingUnexpected();
}

TEST_F(FileCommands, AnsweringYesSavesUnderThePlansNameOrRunsSaveAs) {
    initialise();
    holdPlan(file("plan.txt"), 3);
    services.answerMessages({Answer::Yes});
    services.answerFileDialogs({std::nullopt});
    dispatch(17);
    EXPECT_FALSE(view.destroyed());
    EXPECT_EQ(1, app.year.modified);

    services.answerMessages({Answer::Yes});
    services.answerFileDialogs({file("gerettet")});
    dispatch(17);
    EXPECT_TRUE(view.destroyed());
    EXPECT_EQ(savedMessage(file("gerettet.sb3")), services.messages().back());
    EXPECT_TRUE(std::filesystem::exists(file("gerettet.sb3")));

    // A plan of the first version is saved in its own format under its own name.
    holdPlan(file("alt.sbn"), 1);
    services.answerMessages({Answer::Yes});
    dispatch(17);
    EXPECT_EQ(saveQuestion(file("alt.sbn")), services.messages().back());
    EXPECT_EQ(fileBytes(sb::testing::goldenPath("planfile/plan_2009.sbn")), fileBytes(file("alt.sbn")));
    expectNothingUnexpected();
}

}  // namespace
}  // namespace sb::shell::testing
