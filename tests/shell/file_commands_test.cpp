// New, Open, the history, Save, Save As and Exit as the user meets them: every question and message
// in order, what is written where, and that a plan is never lost to a failed or cancelled save.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>

#include "planfile/legacy_plan_writer.h"
#include "planfile/plan_file_writer.h"
#include "shell/command_dispatcher.h"
#include "shell/command_ids.h"
#include "shell/file_commands.h"
#include "shell_test_support.h"

namespace sb::shell::testing {
namespace {

using FileCommands = ShellTest;
using platform::headless::HeadlessPropertySheet;

TEST(PlanExtension, EveryNewOrRenamedPlanEndsInSb3) {
    for (auto [typed, named] : {std::pair{"/p/plan.sb3", "/p/plan.sb3"}, {"/p/plan.SB3", "/p/plan.SB3"},
                                {"/p/plan.sb2", "/p/plan.sb3"}, {"/p/plan.SBN", "/p/plan.sb3"}, {"/p/plan", "/p/plan.sb3"},
                                {"/p/plan.txt", "/p/plan.txt.sb3"}, {"/p.d/plan", "/p.d/plan.sb3"}})
        EXPECT_EQ(named, withPlanExtension(typed)) << typed;
}

// A file command's flow: the plan held before, the commands and the user's answers; then exactly the
// boxes shown, the plan held afterwards, and the files: only `written` changed, holding the plan in its
// version (the settings aside, and the routes once the program ended). A "@/" in a path or box stands
// for the scratch folder.
struct Given {
    std::string name;
    std::string held;  // the plan open before, "" none
    int version, modified;
    bool onDisk;                         // held from a file; its first name then changed in memory only
    std::vector<std::string> made = {};  // files made beforehand, see FileFlow::make
    std::vector<std::string> history = {};
};
struct Act {
    std::vector<int> commands;
    std::vector<Answer> answers;
    std::vector<std::optional<std::string>> files;  // the file dialogs' answers; "!" fails
    int athlete = 0;                                // New's athlete dialog: 1 "Lena" in 2030, 2 cancelled
};
struct Then {
    std::vector<LoggedMessage> messages;
    std::tuple<std::string, int, int, int> state;  // name, version, loaded, modified
    std::string shown;                             // athlete, year and first run of the plan
    std::string written = "";
    std::vector<std::string> history = {};  // its first entry is also in the menu
    bool ended = false;
};
struct Flow {
    Given given;
    Act act;
    Then then;
};

void PrintTo(const Flow& flow, std::ostream* out) {
    *out << flow.given.name;
}

class FileFlow : public ShellTest, public ::testing::WithParamInterface<Flow> {
  protected:
    std::string at(const std::string& name) const { return name.empty() ? "" : file(name); }
    std::string shown() const {
        return app.year.firstName + " " + app.year.lastName + " " + std::to_string(app.year.planYear) + " " +
               app.year.days[0].run.route;
    }
    // A file made by its name: a folder, a pipe nobody writes to, an endless device, an empty file, the
    // sample plan cut short, or the sample plan in its extension's version.
    void make(const std::string& name) const {
        const std::string path = at(name), stem = name.substr(0, name.find('.'));
        const int version = name.ends_with("sb2") ? 2 : name.ends_with("sbn") ? 1 : 3;
        if (stem == "ordner") {
            std::filesystem::create_directory(path);
        } else if (stem == "leitung") {
            ASSERT_EQ(0, ::mkfifo(path.c_str(), 0600));
        } else if (stem == "null") {
            std::filesystem::create_symlink("/dev/zero", path);
        } else if (stem == "LEER") {
            sb::testing::writeBytes(path, "");
        } else if (stem == "kurz") {  // cut inside the 101st day
            std::string whole = planfile::formatPlanFile(plan2009());
            std::size_t end = 0;
            for (int line = 0; line < 103; ++line) end = whole.find('\n', end) + 1;
            sb::testing::writeBytes(path, whole.substr(0, end + 20));
        } else {
            sb::testing::writeBytes(path, formatted(plan2009(), version));
        }
    }
    static std::string formatted(const model::TrainingYear& year, int version) {
        if (version == 3) return planfile::formatPlanFile(year);
        return version == 2 ? planfile::formatPlanFileV2(year) : planfile::formatPlanFileV1(year);
    }
    // The folder's regular files and their bytes, without those a flow may write beside its plan.
    std::map<std::string, std::string> folder(const std::string& written, bool ended) const {
        std::map<std::string, std::string> contents;
        for (const auto& entry : std::filesystem::directory_iterator(dir_.path()))
            contents[entry.path().filename().string()] =
                entry.is_regular_file() ? fileBytes(entry.path()) : "";
        for (const char* name : {"train.cfg", ended ? "strecke.cfg" : "train.cfg", written.c_str()})
            contents.erase(name);
        return contents;
    }
};

TEST_P(FileFlow, ShowsExactlyItsBoxesAndStoresWhatTheAnswersSay) {
    const auto& [given, act, then] = GetParam();
    std::string entries = "[MENUE]\nMAX_ANZAHL=4\nANZAHL=" + std::to_string(given.history.size()) + "\n";
    for (std::size_t entry = 0; entry < given.history.size(); ++entry)
        entries += "EINTRAG_" + std::to_string(entry) + "=" + at(given.history[entry]) + "\n";
    initialise(entries);
    for (const std::string& name : given.made) make(name);
    if (given.onDisk) {
        openSamplePlan(given.held);
        std::tie(app.year.modified, app.year.firstName) = std::tuple(given.modified, "Offen");
    } else if (!given.held.empty()) {
        holdPlan(at(given.held), given.version);
    }
    const auto before = folder(then.written, then.ended);
    services.answerMessages(act.answers);
    std::vector<std::optional<std::string>> files;
    for (const auto& name : act.files) files.push_back(name ? std::optional(at(*name)) : std::nullopt);
    if (act.files == std::vector<std::optional<std::string>>{"!"})
        services.answerFileDialogError(platform::dialog_error::bufferTooSmall);
    else
        services.answerFileDialogs(files);
    if (act.athlete != 0) {
        services.scriptDialog("IDD_PERSONEN", [&act](platform::headless::HeadlessDialogHost& dialog) {
            dialog.type(201, "Lena");
            dialog.type(210, "2030");
            dialog.press(act.athlete == 1 ? 211 : 212);
        });
    }
    for (int command : act.commands) dispatch(command);

    std::vector<LoggedMessage> messages = then.messages;
    for (LoggedMessage& message : messages) message.text = inFolder(message.text);
    EXPECT_EQ(messages, services.messages());
    const auto& [name, version, loaded, modified] = then.state;
    EXPECT_EQ(planState(), std::tuple(at(name), version, loaded, modified));
    EXPECT_EQ(then.shown, shown());
    if (!then.written.empty()) {
        EXPECT_EQ(formatted(app.year, version), fileBytes(at(then.written)));
    }
    EXPECT_EQ(before, folder(then.written, then.ended));
    std::vector<std::string> history;
    for (const std::string& entry : then.history) history.push_back(at(entry));
    EXPECT_EQ(history, app.settings.history);
    if (!history.empty()) {
        EXPECT_EQ("&1 " + then.history[0], view.menuItem(cmd::kFirstHistoryEntry).text);
    }
    EXPECT_EQ(std::pair(then.ended, then.ended ? std::optional(0) : std::nullopt),
              std::pair(view.destroyed(), services.quitCode()));
    if (then.ended) {
        EXPECT_NE(std::string::npos, fileBytes(file("train.cfg")).find("LETZTE_DATEI=" + at(name) + "\r\n"));
    }
}

constexpr bool kOnDisk = true, kHeld = false;
const char* const kOpen = "Offen Sch\344fer 2009 Strand";     // the plan held (\344: ä in Windows-1252)
const char* const kSample = "Bernd Sch\344fer 2009 Strand";  // the sample plan as written
const char* const kLena = "Lena  2030 ";
const char* const kNone = "  0 ";
const LoggedMessage kPlanQuestion = saveQuestion("@/plan.sb3");
const LoggedMessage kOpenFailed{
    "Fehler beim Öffnen der Datei\nSoll versucht werden die letzte benutzte Datei zu öffnen?", "Fehler",
    Buttons::YesNo, Icon::Stop};
const LoggedMessage kNotAPlanName = warning("Diese Datei ist keine zulässige\nSaisonbuchdatei");
const LoggedMessage kEmptyIsNoPlan = warning("Die Datei @/LEER.SB3 ist kein Saisonbuch.");
const LoggedMessage kPreviousFailed{"Fehler beim Öffnen der vorherigen Datei", "Fehler", Buttons::Ok,
                                    Icon::None};
const LoggedMessage kDialogFailed{"Code: FNERR_BUFFERTOOSMALL\n", "Error", Buttons::Ok, Icon::Stop};
const LoggedMessage kNewFailed = saveFailed("@/fehlt/neu.sb3", ENOENT);
const std::vector<std::string> kTwoEntries{"plan.sb3", "zwei.sb3"};
const LoggedMessage kCutShort = warning("Die Datei ist unvollständig: gelesen bis 10.04.2009.", "Hinweis");
const LoggedMessage kReplaceCutShort{
    "Die Datei\n@/kurz.sb3\nwar beim Öffnen unvollständig (gelesen bis "
    "10.04.2009).\nSoll sie trotzdem ersetzt werden?",
    "Frage?", Buttons::YesNo, Icon::Question};

// An older version's notice on opening.
LoggedMessage olderVersion(const char* old, const char* current) {
    return {std::string("Sie haben soebend eine alte\nSaisonbuch V") + old +
                "\nDatei geöffnet. Die erweiterten Funktionen von Saisonbuch V" + current +
                "\nsind deaktiviert. Wenn Sie trotzdem erweiterte Funktionen nutzen wollen\nlegen Sie ein "
                "Kopie Ihres Saisonbuches mit Hilfe des Menüpunktes\nDatei-->Speichern unter...\n an.",
            "Hinweis", Buttons::Ok, Icon::Information};
}

// A folder, a pipe and an endless device under a plan's name: the open fails with its error alone (no
// notice about an older version it never read), "Nein" leaves no plan open, and nothing is written, not
// even by a Save that follows.
Flow unreadable(const std::string& name) {
    std::string test = "Open_" + name + "_LeavesNoPlanAndWritesNothing";
    test[test.find('.')] = '_';
    return {{test, "plan.sb3", 3, 1, kOnDisk, {name}},
            {{cmd::kOpenPlan, cmd::kSavePlan, cmd::kSavePlanAs, cmd::kTrainingDays},
             {Answer::No, Answer::No},
             {name}},
            {{kPlanQuestion, kOpenFailed}, {"plan.sb3", 0, 0, 0}, kNone}};
}

// Open over an open plan: each version's notice, a file that is no plan, and a missing file with the
// offer to reopen the previous plan. Only a plan that opened enters the history, and a failed open never
// leaves an empty plan under its name.
INSTANTIATE_TEST_SUITE_P(
    Open, FileFlow,
    ::testing::Values(
        Flow{{"OpensASecondVersionPlanWithItsNotice", "plan.sb3", 3, 0, kOnDisk, {"alt.sb2"}},
             {{cmd::kOpenPlan}, {}, {"alt.sb2"}},
             {{olderVersion("2.0", "3.0")}, {"alt.sb2", 2, 1, 0}, kSample, "", {"alt.sb2"}}},
        Flow{{"OpensAFirstVersionPlanWithItsNotice", "plan.sb3", 3, 0, kOnDisk, {"alt.sbn"}},
             {{cmd::kOpenPlan}, {}, {"alt.sbn"}},
             {{olderVersion("1.0", "2.0")}, {"alt.sbn", 1, 1, 0}, kSample, "", {"alt.sbn"}}},
        Flow{{"RefusesAFileThatHoldsNoPlan", "plan.sb3", 3, 0, kOnDisk, {"LEER.SB3"}},
             {{cmd::kOpenPlan}, {}, {"LEER.SB3"}},
             {{kEmptyIsNoPlan}, {"plan.sb3", 3, 1, 0}, kOpen}},
        Flow{{"RefusesANameOfNoPlan", "plan.sb3", 3, 0, kOnDisk},
             {{cmd::kOpenPlan}, {}, {"kaputt.txt"}},
             {{kNotAPlanName}, {"plan.sb3", 0, 0, 0}, kNone}},
        Flow{{"AMissingFileWithoutThePreviousPlan", "plan.sb3", 3, 0, kOnDisk},
             {{cmd::kOpenPlan}, {Answer::No}, {"fehlt.sb3"}},
             {{kOpenFailed}, {"plan.sb3", 0, 0, 0}, kNone}},
        Flow{{"AMissingFileReopensThePreviousPlan", "plan.sb3", 3, 0, kOnDisk},
             {{cmd::kOpenPlan}, {Answer::Yes}, {"fehlt.sb3"}},
             {{kOpenFailed}, {"plan.sb3", 3, 1, 0}, kSample}},
        Flow{{"AMissingFileWithNoPlanOpen", "", 0, 0, kHeld},
             {{cmd::kOpenPlan}, {Answer::Yes}, {"fehlt.sb3"}},
             {{kOpenFailed}, {"", 0, 0, 0}, kNone}},
        // A plan cut short opens with a notice; its first save asks, and "Nein" keeps the file.
        Flow{{"APlanCutShortIsKeptWithANo", "", 0, 0, kHeld, {"kurz.sb3"}},
             {{cmd::kOpenPlan, cmd::kSavePlan}, {Answer::No}, {"kurz.sb3"}},
             {{kCutShort, kReplaceCutShort}, {"kurz.sb3", 3, 1, 0}, kSample, "", {"kurz.sb3"}}},
        Flow{{"APlanCutShortIsReplacedWithAYesAndThenSavedUnasked", "", 0, 0, kHeld, {"kurz.sb3"}},
             {{cmd::kOpenPlan, cmd::kSavePlan, cmd::kSavePlan}, {Answer::Yes}, {"kurz.sb3"}},
             {{kCutShort, kReplaceCutShort}, {"kurz.sb3", 3, 1, 0}, kSample, "kurz.sb3", {"kurz.sb3"}}},
        unreadable("ordner.sb3"), unreadable("ordner.sb2"), unreadable("leitung.sb3"),
        unreadable("null.sbn")),
    [](const auto& info) { return info.param.given.name; });

// New, Save As, Save and Exit: a plan is never lost to a failed or cancelled save.
INSTANTIATE_TEST_SUITE_P(
    FileCommands, FileFlow,
    ::testing::Values(
        Flow{{"NewAsksToSaveThenToReplace", "plan.sb3", 3, 1, kOnDisk, {"neu.sb3"}},
             {{cmd::kNewPlan}, {Answer::No, Answer::Yes}, {"neu.sb3"}, 1},
             {{kPlanQuestion, kReplaceQuestion}, {"neu.sb3", 3, 1, 0}, kLena, "neu.sb3"}},
        // Exit's "Ja" retries under the new plan's own name, fails again, and the program stays.
        Flow{{"ANewPlanThatCannotBeWrittenNeverTakesThePreviousName", "plan.sb3", 3, 0, kOnDisk},
             {{cmd::kNewPlan, cmd::kExit}, {Answer::Yes}, {"fehlt/neu.sb3"}, 1},
             {{kNewFailed, saveQuestion("@/fehlt/neu.sb3"), kNewFailed}, {"fehlt/neu.sb3", 3, 1, 1}, kLena}},
        Flow{{"NewCancelledInTheAthleteDialog", "plan.sb3", 3, 0, kOnDisk},
             {{cmd::kNewPlan}, {}, {"neu.sb3"}, 2},
             {{}, {"plan.sb3", 3, 1, 0}, kOpen}},
        Flow{{"OpenCancelledAtTheSaveQuestion", "plan.sb3", 3, 1, kOnDisk},
             {{cmd::kOpenPlan}, {Answer::Cancel}, {}},
             {{kPlanQuestion}, {"plan.sb3", 3, 1, 1}, kOpen}},
        Flow{{"OpenWithAFailingFileDialog", "plan.sb3", 3, 0, kOnDisk},
             {{cmd::kOpenPlan}, {}, {"!"}},
             {{kDialogFailed}, {"plan.sb3", 3, 1, 0}, kOpen}},
        // A history entry asks to save first; entries beyond the history do nothing.
        Flow{{"AHistoryEntryCancelled", "plan.sb3", 3, 1, kOnDisk, {"zwei.sb3"}, kTwoEntries},
             {{cmd::kFirstHistoryEntry + 1}, {Answer::Cancel}, {}},
             {{kPlanQuestion}, {"plan.sb3", 3, 1, 1}, kOpen, "", kTwoEntries}},
        Flow{{"AHistoryEntryOpensAfterAsking", "plan.sb3", 3, 1, kOnDisk, {"zwei.sb3"}, kTwoEntries},
             {{cmd::kFirstHistoryEntry + 1}, {Answer::No}, {}},
             {{kPlanQuestion}, {"zwei.sb3", 3, 1, 0}, kSample, "", kTwoEntries}},
        Flow{{"HistoryEntriesBeyondTheHistoryDoNothing", "plan.sb3", 3, 1, kOnDisk, {}, kTwoEntries},
             {{cmd::kFirstHistoryEntry + 2, cmd::kLastHistoryEntry}, {}, {}},
             {{}, {"plan.sb3", 3, 1, 1}, kOpen, "", kTwoEntries}},
        Flow{{"SaveAsCancelled", "plan.sb3", 3, 0, kOnDisk},
             {{cmd::kSavePlanAs}, {}, {std::nullopt}},
             {{}, {"plan.sb3", 3, 1, 0}, kOpen}},
        Flow{{"SaveAsWritesTheCurrentFormatUnderAnSb3Name", "alt.sb2", 2, 1, kHeld},
             {{cmd::kSavePlanAs}, {}, {"kopie.sb2"}},
             {{savedMessage("@/kopie.sb3")}, {"kopie.sb3", 3, 1, 0}, kSample, "kopie.sb3"}},
        Flow{{"SaveAsReplacesAFileOnlyWithAYes", "plan.sb3", 3, 1, kOnDisk, {"kopie.sb3"}},
             {{cmd::kSavePlanAs}, {Answer::No}, {"kopie.sb3"}},
             {{kReplaceQuestion}, {"plan.sb3", 3, 1, 1}, kOpen}},
        Flow{{"SaveAsToANameThatCannotBeWritten", "plan.sb3", 3, 1, kOnDisk},
             {{cmd::kSavePlanAs}, {}, {"fehlt/kopie"}},
             {{saveFailed("@/fehlt/kopie.sb3", ENOENT)}, {"plan.sb3", 3, 1, 1}, kOpen}},
        Flow{{"SaveWritesByTheName", "gehalten.sb3", 3, 1, kHeld},
             {{cmd::kSavePlan}, {}, {}},
             {{}, {"gehalten.sb3", 3, 1, 0}, kSample, "gehalten.sb3"}},
        Flow{{"SaveFailsLoudly", "fehlt/plan.sb3", 3, 1, kHeld},
             {{cmd::kSavePlan}, {}, {}},
             {{saveFailed("@/fehlt/plan.sb3", ENOENT)}, {"fehlt/plan.sb3", 3, 1, 1}, kSample}},
        Flow{{"ExitNoEndsWithoutSaving", "plan.sb3", 3, 1, kOnDisk},
             {{cmd::kExit}, {Answer::No}, {}},
             {{kPlanQuestion}, {"plan.sb3", 3, 1, 1}, kOpen, "", {}, true}},
        Flow{{"ExitCancelledStays", "plan.sb3", 3, 1, kOnDisk},
             {{cmd::kExit}, {Answer::Cancel}, {}},
             {{kPlanQuestion}, {"plan.sb3", 3, 1, 1}, kOpen}},
        Flow{{"ExitYesWithSaveAsCancelledStays", "plan.txt", 3, 1, kHeld},
             {{cmd::kExit}, {Answer::Yes}, {std::nullopt}},
             {{saveQuestion("@/plan.txt")}, {"plan.txt", 3, 1, 1}, kSample}},
        Flow{{"ExitYesRunsSaveAsForANameNotOfAPlan", "plan.txt", 3, 1, kHeld},
             {{cmd::kExit}, {Answer::Yes}, {"gerettet"}},
             {{saveQuestion("@/plan.txt"), savedMessage("@/gerettet.sb3")},
              {"gerettet.sb3", 3, 1, 0},
              kSample,
              "gerettet.sb3",
              {},
              true}},
        // A plan of the first version is saved in its own format under its own name.
        Flow{{"ExitYesSavesAFirstVersionPlanInItsFormat", "alt.sbn", 1, 1, kHeld},
             {{cmd::kExit}, {Answer::Yes}, {}},
             {{saveQuestion("@/alt.sbn")}, {"alt.sbn", 1, 1, 0}, kSample, "alt.sbn", {}, true}}),
    [](const auto& info) { return info.param.given.name; });

// Folders in the places of train.cfg and strecke.cfg stop every save, also for root. The options tell
// of the settings once, not again while the file stays unwritable; the end of the program tells of both.
// The menus show what the options changed as soon as the sheet closes.
TEST_F(FileCommands, SettingsAndRoutesThatCannotBeSavedAreReportedByName) {
    initialise("[KONFIG]\nAUTOLADEN=0\nPOLAR=1\nTACHO=0\n");
    std::filesystem::remove(file("train.cfg"));
    std::filesystem::create_directory(file("train.cfg"));
    std::filesystem::create_directory(file("strecke.cfg"));
    const LoggedMessage settingsFailed = saveFailed(file("train.cfg"), EISDIR);
    const LoggedMessage routesFailed = saveFailed(file("strecke.cfg"), EISDIR);
    const auto deviceMenus = [this] {
        return std::pair(view.hasMenuItem(cmd::kOpenHeartRateFile),
                         view.hasMenuItem(cmd::kOpenBikeComputerFile));
    };
    EXPECT_EQ(std::pair(true, false), deviceMenus());
    for (const std::vector<int>& buttons : {std::vector{1300, 1301}, std::vector{1301}}) {
        services.scriptPropertySheet("Konfiguration", [buttons](HeadlessPropertySheet& sheet) {
            sheet.selectPage(3);
            for (int button : buttons) sheet.page(3).press(button);
            sheet.ok();
        });
    }
    dispatch(cmd::kOptions);
    EXPECT_EQ(std::vector<LoggedMessage>{settingsFailed}, services.messages());
    EXPECT_EQ(std::pair(false, true), deviceMenus());
    dispatch(cmd::kOptions);
    EXPECT_EQ(std::vector<LoggedMessage>{settingsFailed}, services.messages());

    services.clearLog();
    EXPECT_TRUE(closeRequested(app, view, services));
    EXPECT_EQ((std::vector<LoggedMessage>{settingsFailed, routesFailed}), services.messages());
    EXPECT_TRUE(view.destroyed());
}

}  // namespace
}  // namespace sb::shell::testing
