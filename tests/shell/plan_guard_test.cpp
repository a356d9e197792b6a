// A plan in several hands: changed on disk before a save, open in a second program, left unsaved when the
// program is ended from outside. Every question with each answer, and the bytes on disk after it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "planfile/plan_file_writer.h"
#include "platform/headless/headless_plan_locks.h"
#include "shell/command_ids.h"
#include "shell/file_commands.h"
#include "shell/plan_on_disk.h"
#include "shell/recovery_copy.h"
#include "shell/window_state.h"
#include "shell_test_support.h"

namespace sb::shell::testing {
namespace {

namespace fs = std::filesystem;
using platform::headless::HeadlessPlanLocks;
using platform::headless::LockFolder;

class PlanGuardTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        initialise();
        app.guard.locks = std::make_shared<HeadlessPlanLocks>(folder, "hier", 100, 0);
        app.guard.recovery = {[this] { return clock; }, 100, "100-0", {}, 0, {}, false};
    }
    // What another program wrote into the plan file meanwhile.
    std::string writeOtherVersion(const std::string& path, const std::string& firstName = "Coach") {
        model::TrainingYear other = plan2009();
        other.firstName = firstName;
        EXPECT_EQ(0, planfile::writePlanFile(other, path));
        return fileBytes(path);
    }
    std::string ourBytes() const { return planfile::formatPlanFile(app.year); }
    long recoveryFiles() const {
        std::error_code error;
        return std::distance(fs::directory_iterator(recoveryFolder(app), error), fs::directory_iterator());
    }

    std::shared_ptr<LockFolder> folder = std::make_shared<LockFolder>();
    std::int64_t clock = 1718452800;  // 15.06.2024 12:00 UTC
};

LoggedMessage changedQuestion(const std::string& path) {
    return warning("Die Datei " + path + " wurde seit dem Öffnen geändert.", "Hinweis");
}

TEST_F(PlanGuardTest, ASaveOverAPlanChangedOnDiskAsksAndEachAnswerKeepsTheRightBytes) {
    // Abbrechen keeps theirs and our changes unsaved, Speichern unter... writes ours elsewhere, Überschreiben
    // writes ours over theirs.
    for (int choice : {2, 1, 0}) {
        const std::string path = openSamplePlan("anna.sb3");
        app.year.modified = 1;
        const std::string theirs = writeOtherVersion(path);
        const std::string ours = ourBytes();
        services.clearLog();
        services.answerChoices({choice});
        if (choice == 1) services.answerFileDialogs({file("kopie.sb3")});
        dispatch(cmd::kSavePlan);
        EXPECT_EQ(changedQuestion(path), services.messages().at(0)) << choice;
        EXPECT_EQ(choice == 0 ? ours : theirs, fileBytes(path)) << choice;
        EXPECT_EQ(choice == 2, app.year.modified == 1) << choice;
        if (choice == 1) {
            EXPECT_EQ(ours, fileBytes(file("kopie.sb3")));
        }
        expectNothingUnexpected();
    }
    // Saved once, the file is ours again: the next save asks nothing. One that vanished is written.
    app.year.modified = 1;
    services.clearLog();
    dispatch(cmd::kSavePlan);
    fs::remove(app.year.currentFileName);
    app.year.modified = 1;
    dispatch(cmd::kSavePlan);
    EXPECT_TRUE(services.messages().empty());
    EXPECT_EQ(ourBytes(), fileBytes(app.year.currentFileName));
    // At exit the save question comes first, then the question about the changed file.
    const std::string theirs = writeOtherVersion(app.year.currentFileName);
    app.year.modified = 1;
    services.answerMessages({Answer::Yes});
    services.answerChoices({2});
    dispatch(cmd::kExit);
    EXPECT_EQ((std::vector<LoggedMessage>{saveQuestion(app.year.currentFileName),
                                          changedQuestion(app.year.currentFileName)}),
              services.messages());
    EXPECT_EQ(std::tuple(theirs, false), std::tuple(fileBytes(app.year.currentFileName), view.destroyed()));
}

TEST_F(PlanGuardTest, AnUnchangedPlanIsReloadedWhenTheWindowIsActivatedAChangedOneIsNot) {
    const std::string path = openSamplePlan("anna.sb3");
    planWindowActivated(app, view);
    EXPECT_EQ("", app.guard.notice);
    writeOtherVersion(path);
    app.year.modified = 1;
    planWindowActivated(app, view);
    EXPECT_EQ("Bernd", app.year.firstName);
    app.year.modified = 0;
    planWindowActivated(app, view);
    EXPECT_EQ("Coach", app.year.firstName);
    EXPECT_EQ("Datei: " + path + " – anna.sb3 wurde geändert und neu geladen.", view.statusTexts()[2]);
    dispatch(cmd::kToggleStatusBar);
    writeOtherVersion(path, "Trainer");
    planWindowActivated(app, view);
    EXPECT_EQ("anna.sb3 – Saisonbuch – anna.sb3 wurde geändert und neu geladen.", view.title());
}

TEST_F(PlanGuardTest, APlanLockedElsewhereIsAskedAboutAndEachAnswerIsKept) {
    const std::string path = openSamplePlan("anna.sb3");
    const std::string previous = openSamplePlan("vorher.sb3");
    app.guard.locks->lock(previous);
    const LoggedMessage question =
        warning(path + " ist bereits geöffnet (auf laptop, Prozess 7, seit 15.06.2024 12:00).", "Hinweis");
    for (int choice : {2, 1, 0}) {
        folder->locks[path] = {{"laptop", 7, clock}, true};
        services.clearLog();
        services.answerChoices({choice});
        openPlanPath(app, view, services, path);
        EXPECT_EQ(std::vector<LoggedMessage>{question}, services.messages());
        EXPECT_EQ(choice == 2 ? previous : path, app.year.currentFileName) << choice;
        EXPECT_EQ(choice == 0, app.guard.readOnly) << choice;
        EXPECT_EQ(choice == 1 ? "hier" : "laptop", folder->locks[path].owner.host) << choice;
        // Cancelled, the previous plan keeps its lock; opened, the previous lock is gone.
        EXPECT_EQ(choice == 2, folder->locks.count(previous) == 1) << choice;
        expectNothingUnexpected();
        if (choice == 1) openPlanPath(app, view, services, previous);
    }
    // Read-only: the changing commands are grey, the title says so; Save As takes a lock on the new name.
    showWindowState(app, view);
    EXPECT_EQ("anna.sb3 (schreibgeschützt) – Saisonbuch", view.title());
    for (int command : {cmd::kSavePlan, cmd::kTrainingDays, cmd::kAthleteData})
        EXPECT_TRUE(view.menuItem(command).greyed) << command;
    services.answerFileDialogs({file("meins.sb3")});
    dispatch(cmd::kSavePlanAs);
    EXPECT_EQ(std::tuple(false, "hier"),
              std::tuple(app.guard.readOnly, folder->locks.at(file("meins.sb3")).owner.host));
    // Where no lock can be made the plan opens all the same, giving up the lock held before; a dead
    // process's lock of this host goes without a question; the program's end gives the lock up.
    const std::string other = openSamplePlan("berta.sb3");
    folder->unwritable.insert(other);
    folder->locks[path] = {{"hier", 55, 0}, false};
    services.clearLog();
    openPlanPath(app, view, services, other);
    EXPECT_EQ(std::tuple(other, false, 1u),
              std::tuple(app.year.currentFileName, app.guard.readOnly, folder->locks.size()));
    openPlanPath(app, view, services, path);
    EXPECT_EQ(std::tuple("hier", 100),
              std::tuple(folder->locks[path].owner.host, folder->locks[path].owner.process));
    dispatch(cmd::kExit);
    EXPECT_TRUE(folder->locks.empty());
}

TEST_F(PlanGuardTest, TheRecoveryCopyFollowsTheChangesAndGoesWhenSavedOrGivenUp) {
    const std::string path = openSamplePlan("anna.sb3");
    EXPECT_TRUE(keepRecoveryCopy(app) && recoveryFiles() == 0);
    app.year.modified = 1;
    app.year.firstName = "Geändert";
    keepRecoveryCopy(app);
    EXPECT_EQ(ourBytes(), fileBytes(recoveryFolder(app) + "/100-0-anna.sb3"));
    EXPECT_EQ(0u, fileBytes(recoveryFolder(app) + "/100-0-anna.sb3.info").find(path + "\r\n1718452800\r\n100\r\n"));
    dispatch(cmd::kSavePlan);
    EXPECT_EQ(0, recoveryFiles());
    app.year.modified = 1;
    keepRecoveryCopy(app);
    services.answerMessages({Answer::No});
    services.answerFileDialogs({std::nullopt});
    dispatch(cmd::kOpenPlan);
    EXPECT_EQ(0, recoveryFiles());
    // A program directory without room for copies is told of once.
    app.year.modified = 1;
    fs::remove_all(recoveryFolder(app));
    std::ofstream(recoveryFolder(app)) << "a file where the folder belongs";
    app.year.firstName = "Anders";
    recoveryTimer(app, view);
    EXPECT_EQ("Keine Wiederherstellungskopie möglich: " + recoveryFolder(app) + " ist nicht beschreibbar.", app.guard.notice);
    app.guard.notice.clear();
    app.year.firstName = "Neu";
    EXPECT_EQ(std::pair(false, std::string()), std::pair(keepRecoveryCopy(app), app.guard.notice));
}

TEST_F(PlanGuardTest, AtStartTheNewestCopyIsOfferedAndEachAnswerKeepsOrOpensOrDeletesIt) {
    const std::string path = openSamplePlan("anna.sb3");
    writeConfig("[KONFIG]\nAUTOLADEN=1\nLOGOZEIT=3\nLETZTE_DATEI=" + path + "\n");
    std::tie(app.year.modified, app.year.firstName, app.guard.recovery.instanceTag) =
        std::tuple(1, "Gerettet", "90-0");
    keepRecoveryCopy(app);
    const LoggedMessage offer{
        "Für " + path + " gibt es nicht gespeicherte Änderungen vom 15.06.2024 12:00. Wiederherstellen?",
        "Frage?", Buttons::YesNoCancel, Icon::Question};
    for (Answer answer : {Answer::Cancel, Answer::Yes, Answer::No}) {
        app.guard.recovery = {[this] { return clock; }, 100, "100-0", {}, 0, {}, false};
        folder->locks.clear();
        services.clearLog();
        initialise();
        services.answerMessages({answer});
        dispatch(cmd::kStartup);
        EXPECT_EQ(offer, services.messages().at(0));
        const bool yes = answer == Answer::Yes;
        EXPECT_EQ(
            std::tuple(path, yes ? "Gerettet" : "Bernd", yes ? 1 : 0, answer == Answer::No ? 0 : 2, "hier"),
            std::tuple(app.year.currentFileName, app.year.firstName, app.year.modified,
                       recoveryFiles(), folder->locks.at(path).owner.host));
        expectNothingUnexpected();
    }
}

}  // namespace
}  // namespace sb::shell::testing
