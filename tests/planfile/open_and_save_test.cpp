// The open flow and the save-if-modified question as the user sees them: exactly which message boxes
// appear, and what state the document is in afterwards.
#include <gtest/gtest.h>

#include "plan_fixtures.h"
#include "planfile/legacy_plan_writer.h"
#include "planfile/open_plan_file.h"
#include "planfile/plan_file_version.h"
#include "planfile/plan_file_writer.h"
#include "planfile/save_if_modified.h"
#include "platform/headless/headless_services.h"

using namespace sb::planfile;
using namespace sb::planfile::testing;
using sb::model::TrainingYear;
using sb::platform::Answer;
using sb::platform::Buttons;
using sb::platform::Icon;
using sb::platform::headless::HeadlessServices;
using sb::platform::headless::LoggedMessage;

namespace {

const LoggedMessage kNotAPlan{"Diese Datei ist keine zulässige\nSaisonbuchdatei", "Fehler", Buttons::Ok,
                              Icon::Exclamation};
const LoggedMessage kOpenFailed{
    "Fehler beim Öffnen der Datei\nSoll versucht werden die letzte benutzte Datei zu öffnen?", "Fehler",
    Buttons::YesNo, Icon::Stop};
const LoggedMessage kPreviousFailed{"Fehler beim Öffnen der vorherigen Datei", "Fehler", Buttons::Ok,
                                    Icon::None};
const LoggedMessage kSaveFailed{"Fehler beim Speichern der Datei", "Fehler", Buttons::Ok, Icon::Exclamation};
const std::string kNoticeV1 =
    "Sie haben soebend eine alte\nSaisonbuch V1.0\nDatei geöffnet. Die erweiterten Funktionen von Saisonbuch "
    "V2.0\nsind deaktiviert. Wenn Sie trotzdem erweiterte Funktionen nutzen wollen\nlegen Sie ein Kopie Ihres "
    "Saisonbuches mit Hilfe des Menüpunktes\nDatei-->Speichern unter...\n an.";
const std::string kNoticeV2 =
    "Sie haben soebend eine alte\nSaisonbuch V2.0\nDatei geöffnet. Die erweiterten Funktionen von Saisonbuch "
    "V3.0\nsind deaktiviert. Wenn Sie trotzdem erweiterte Funktionen nutzen wollen\nlegen Sie ein Kopie Ihres "
    "Saisonbuches mit Hilfe des Menüpunktes\nDatei-->Speichern unter...\n an.";

LoggedMessage saveQuestion(const std::string& name) {
    return {"Sollen die Änderungen in der\nDatei: " + name + "\ngespeichert werden?", "Frage?",
            Buttons::YesNoCancel, Icon::Question};
}

// A document that has a plan open from previous, with unsaved changes.
TrainingYear openDocument(const std::string& previous) {
    TrainingYear year = plan2009();
    year.currentFileName = previous;
    year.planFileVersion = 3;
    year.planLoaded = 1;
    year.modified = 1;
    return year;
}

void expectNoPlanOpen(const TrainingYear& year) {
    EXPECT_EQ(0, year.planFileVersion);
    EXPECT_EQ(0, year.planLoaded);
    EXPECT_EQ(0, year.modified);
    EXPECT_EQ(0, year.planYear);
    EXPECT_EQ("", year.firstName);
}

}  // namespace

TEST(PlanFileVersion, OnlyTheLastThreeCharactersCount) {
    EXPECT_EQ(3, planFileVersionOf("a.sb3"));
    EXPECT_EQ(3, planFileVersionOf("A.SB3"));
    EXPECT_EQ(3, planFileVersionOf("x.Sb3"));
    EXPECT_EQ(2, planFileVersionOf("x.sB2"));
    EXPECT_EQ(1, planFileVersionOf("x.sbN"));
    EXPECT_EQ(3, planFileVersionOf("planSB3"));
    EXPECT_EQ(0, planFileVersionOf("x.txt"));
    EXPECT_EQ(0, planFileVersionOf("x.sb4"));
    EXPECT_EQ(0, planFileVersionOf("b3"));
    EXPECT_EQ(0, planFileVersionOf(""));
}

TEST(OpenPlanFile, OpensEachVersionWithItsNotice) {
    TempDir dir;
    const std::string sb2 = (dir / "alt.sb2").string();
    ASSERT_EQ(0, writePlanFileV2(plan2009(), sb2));
    HeadlessServices services;
    TrainingYear year = openDocument("/old.sb3");
    EXPECT_EQ(OpenResult::Opened, openPlanFile(services, year, sb2));
    EXPECT_EQ((std::vector<LoggedMessage>{{kNoticeV2, "Hinweis", Buttons::Ok, Icon::Information}}),
              services.messages());
    EXPECT_EQ(2, year.planFileVersion);
    EXPECT_EQ(1, year.planLoaded);
    EXPECT_EQ(0, year.modified);
    EXPECT_EQ(sb2, year.currentFileName);
    EXPECT_EQ("Bernd", year.firstName);
    EXPECT_EQ("", year.days[0].swim.route);

    services.clearLog();
    const std::string sbn = (dir / "alt.sbn").string();
    ASSERT_EQ(0, writePlanFileV1(plan2009(), sbn));
    EXPECT_EQ(OpenResult::Opened, openPlanFile(services, year, sbn));
    EXPECT_EQ((std::vector<LoggedMessage>{{kNoticeV1, "Hinweis", Buttons::Ok, Icon::Information}}),
              services.messages());
    EXPECT_EQ(1, year.planFileVersion);

    services.clearLog();
    const std::string empty = (dir / "leer.sb3").string();
    writeBytes(empty, "");
    EXPECT_EQ(OpenResult::Opened, openPlanFile(services, year, empty));
    EXPECT_TRUE(services.messages().empty());
    EXPECT_EQ(3, year.planFileVersion);
    EXPECT_EQ("", year.firstName);

    services.clearLog();
    EXPECT_EQ(OpenResult::NotAPlanFile, openPlanFile(services, year, (dir / "x.txt").string()));
    EXPECT_EQ(std::vector<LoggedMessage>{kNotAPlan}, services.messages());
    expectNoPlanOpen(year);
    EXPECT_EQ(empty, year.currentFileName);
    EXPECT_TRUE(services.unexpected().empty());
}

TEST(OpenPlanFile, FailedOpenNeverLeavesAnEmptyPlanOnThePreviousName) {
    TempDir dir;
    const std::string previous = (dir / "vorher.sb3").string();
    ASSERT_EQ(0, writePlanFile(plan2009(), previous));
    const std::string missing = (dir / "fehlt.sb3").string();

    HeadlessServices declined;
    declined.answerMessages({Answer::No});
    TrainingYear year = openDocument(previous);
    EXPECT_EQ(OpenResult::NothingOpen, openPlanFile(declined, year, missing));
    EXPECT_EQ(std::vector<LoggedMessage>{kOpenFailed}, declined.messages());
    expectNoPlanOpen(year);
    EXPECT_EQ(previous, year.currentFileName);
    EXPECT_EQ(SaveIfModifiedResult::GoOn, saveIfModified(declined, year));
    EXPECT_EQ(fileBytes(goldenPath("plan_2009.sb3")), fileBytes(previous));

    HeadlessServices retried;
    retried.answerMessages({Answer::Yes});
    year = openDocument(previous);
    year.firstName = "changed";
    EXPECT_EQ(OpenResult::PreviousReopened, openPlanFile(retried, year, missing));
    EXPECT_EQ(std::vector<LoggedMessage>{kOpenFailed}, retried.messages());
    EXPECT_EQ(3, year.planFileVersion);
    EXPECT_EQ(1, year.planLoaded);
    EXPECT_EQ(0, year.modified);
    EXPECT_EQ("Bernd", year.firstName);
    EXPECT_EQ(previous, year.currentFileName);

    HeadlessServices bothFail;
    bothFail.answerMessages({Answer::Yes});
    year = openDocument((dir / "auch-weg.sb3").string());
    EXPECT_EQ(OpenResult::NothingOpen, openPlanFile(bothFail, year, missing));
    EXPECT_EQ((std::vector<LoggedMessage>{kOpenFailed, kPreviousFailed}), bothFail.messages());
    expectNoPlanOpen(year);

    HeadlessServices noPrevious;
    noPrevious.answerMessages({Answer::Yes});
    year = openDocument("");
    EXPECT_EQ(OpenResult::NothingOpen, openPlanFile(noPrevious, year, missing));
    EXPECT_EQ(std::vector<LoggedMessage>{kOpenFailed}, noPrevious.messages());
    expectNoPlanOpen(year);
    EXPECT_TRUE(declined.unexpected().empty() && retried.unexpected().empty() &&
                bothFail.unexpected().empty());
}

TEST(SaveIfModified, AnswersDecideWhetherToSaveAndGoOn) {
    TempDir dir;
    const std::string path = (dir / "plan.sb3").string();
    writeBytes(path, "old");

    HeadlessServices unchanged;
    TrainingYear year = openDocument(path);
    year.modified = 0;
    EXPECT_EQ(SaveIfModifiedResult::GoOn, saveIfModified(unchanged, year));
    EXPECT_TRUE(unchanged.messages().empty());

    HeadlessServices cancel;
    cancel.answerMessages({Answer::Cancel});
    year.modified = 1;
    EXPECT_EQ(SaveIfModifiedResult::Cancelled, saveIfModified(cancel, year));
    EXPECT_EQ(std::vector<LoggedMessage>{saveQuestion(path)}, cancel.messages());

    HeadlessServices no;
    no.answerMessages({Answer::No});
    EXPECT_EQ(SaveIfModifiedResult::GoOn, saveIfModified(no, year));
    EXPECT_EQ(1, year.modified);
    EXPECT_EQ("old", fileBytes(path));

    HeadlessServices yes;
    yes.answerMessages({Answer::Yes});
    EXPECT_EQ(SaveIfModifiedResult::GoOn, saveIfModified(yes, year));
    EXPECT_EQ(std::vector<LoggedMessage>{saveQuestion(path)}, yes.messages());
    EXPECT_EQ(0, year.modified);
    EXPECT_TRUE(yes.waitCursorShown());
    EXPECT_FALSE(yes.waitCursorActive());
    EXPECT_EQ(fileBytes(goldenPath("plan_2009.sb3")), fileBytes(path));
    EXPECT_TRUE(cancel.unexpected().empty() && no.unexpected().empty() && yes.unexpected().empty());
}

TEST(SaveIfModified, WriterFollowsTheNameAndFailuresStopTheCaller) {
    TempDir dir;
    HeadlessServices services;
    services.answerMessages({Answer::Yes, Answer::Yes, Answer::Yes});

    TrainingYear year = openDocument((dir / "alt.sbn").string());
    EXPECT_EQ(SaveIfModifiedResult::GoOn, saveIfModified(services, year));
    EXPECT_EQ(fileBytes(goldenPath("plan_2009.sbn")), fileBytes(dir / "alt.sbn"));

    year = openDocument((dir / "plan.txt").string());
    EXPECT_EQ(SaveIfModifiedResult::NeedsName, saveIfModified(services, year));
    EXPECT_EQ(1, year.modified);
    EXPECT_FALSE(std::filesystem::exists(dir / "plan.txt"));

    services.clearLog();
    year = openDocument((dir / "fehlt" / "plan.sb2").string());
    EXPECT_EQ(SaveIfModifiedResult::Cancelled, saveIfModified(services, year));
    EXPECT_EQ((std::vector<LoggedMessage>{saveQuestion(year.currentFileName), kSaveFailed}),
              services.messages());
    EXPECT_EQ(1, year.modified);

    year = openDocument((dir / "x.sb3").string());
    EXPECT_EQ(SaveResult::Saved, savePlanFile(services, year));
    EXPECT_EQ(0, year.modified);
    EXPECT_TRUE(services.unexpected().empty());
}
