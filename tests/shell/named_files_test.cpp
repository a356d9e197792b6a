// Files named on the command line or dropped on the window: a plan named at start replaces the last
// plan, a recording opens on top of it; a dropped plan goes through the save question like "Öffnen", a
// dropped recording opens like its menu's open dialog, and any other file is refused without harm.
#include <gtest/gtest.h>

#include "import/import_dialog.h"
#include "planfile/plan_file_writer.h"
#include "shell/named_files.h"
#include "shell_test_support.h"

namespace sb::shell::testing {
namespace {

using NamedFiles = ShellTest;

TEST_F(NamedFiles, APlanNamedAtStartReplacesTheLastPlanARecordingOpensOnTopOfIt) {
    const std::string last = file("last.sb3");
    const std::string named = file("named.sb3");
    model::TrainingYear other = plan2009();
    other.firstName = "Named";
    ASSERT_EQ(0, planfile::writePlanFile(plan2009(), last));
    ASSERT_EQ(0, planfile::writePlanFile(other, named));
    initialise("[KONFIG]\nAUTOLADEN=0\nLETZTE_DATEI=" + last + "\n[MENUE]\nMAX_ANZAHL=4\n");
    app.startFile = named;
    dispatch(9);
    EXPECT_EQ(planState(), std::tuple(named, 3, 1, 0));
    EXPECT_EQ("Named", app.year.firstName);
    EXPECT_EQ(named, app.settings.history.at(0));

    initialise("[KONFIG]\nAUTOLADEN=1\nLETZTE_DATEI=" + last + "\n");
    app.startFile = writeRide(file("lauf.hrm"));
    dispatch(9);
    EXPECT_EQ(planState(), std::tuple(last, 3, 1, 0));
    EXPECT_TRUE(app.recordings.heartRateFileLoaded);
    EXPECT_EQ(5, app.diagram.diagramKind);
    EXPECT_TRUE(app.startFile.empty());  // opened once only
    EXPECT_TRUE(services.messages().empty());
}

TEST_F(NamedFiles, DroppedFilesOpenLikeTheirMenusAndOthersAreRefused) {
    initialise("[MENUE]\nMAX_ANZAHL=4\n");
    holdPlan(file("changed.sb3"), 3);
    const std::string other = file("other.sb3");
    ASSERT_EQ(0, planfile::writePlanFile(plan2009(), other));
    EXPECT_TRUE(opensAsNamedFile("/a/B.SB2") && opensAsNamedFile("x.hrm") && opensAsNamedFile("070615.dat"));
    EXPECT_FALSE(opensAsNamedFile("notes.txt") || opensAsNamedFile("plan.sb3.txt"));

    services.answerMessages({Answer::Cancel, Answer::No});
    fileDropped(app, view, services, other);
    EXPECT_EQ(planState(), std::tuple(file("changed.sb3"), 3, 1, 1));
    fileDropped(app, view, services, other);
    EXPECT_EQ(planState(), std::tuple(other, 3, 1, 0));
    EXPECT_EQ(other, app.settings.history.at(0));
    EXPECT_EQ("other.sb3 – Saisonbuch", view.title());

    fileDropped(app, view, services, writeRide(file("lauf.hrm")));
    EXPECT_TRUE(app.recordings.heartRateFileLoaded);
    fileDropped(app, view, services, file("notes.txt"));
    EXPECT_EQ(planState(), std::tuple(other, 3, 1, 0));
    EXPECT_EQ(
        (std::vector<LoggedMessage>{saveQuestion(file("changed.sb3")), saveQuestion(file("changed.sb3")),
                                    warning("Diese Datei ist keine zulässige\nSaisonbuchdatei")}),
        services.messages());
}

TEST_F(NamedFiles, FoldersArchivesAndSeveralFilesDroppedOpenTheImport) {
    initialise();
    const std::vector<std::string> two{writeRide(file("a.hrm")), writeRide(file("b.hrm"))};
    for (const std::vector<std::string>& drop :
         std::vector<std::vector<std::string>>{two, {dir_.path().string()}, {"s.ZIP"}, {"r.tcx.gz"}, {two[0]}})
        EXPECT_TRUE(acceptsDrop(drop)) << drop.front();
    EXPECT_FALSE(acceptsDrop({}) || acceptsDrop({"r.zip.txt"}) || acceptsDrop({"r.hrm.gz"}));

    filesDropped(app, view, services, two);
    holdPlan(file("plan.sb3"), 3);
    services.scriptDialog("IDD_IMPORT", [](platform::headless::HeadlessDialogHost& dialog) {
        EXPECT_EQ(dialog.rows(import::import_dialog::rows).size(), 2u);
        dialog.press(import::import_dialog::cancelButton);
    });
    filesDropped(app, view, services, two);
    app.guard.readOnly = true;
    filesDropped(app, view, services, two);
    EXPECT_EQ(services.steps(), (std::vector<std::string>{
                                    "message: Es ist kein Saisonbuch geöffnet.\nÖffnen oder erstellen Sie zuerst das "
                                    "Saisonbuch, in das die Trainings übernommen werden sollen.",
                                    "dialog opened: IDD_IMPORT",
                                    "message: Das Saisonbuch ist schreibgeschützt geöffnet.\nEs können keine "
                                    "Trainings übernommen werden."}));
}

}  // namespace
}  // namespace sb::shell::testing
