// "Datei › Exportieren": the dialog's boxes from and back to section EXPORT, the limits of older plans,
// the date rules and the two result messages; the HTML type with its own save dialog and document; no
// export over the plan or the settings.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "output/export_dialog.h"
#include "shell/command_ids.h"
#include "shell_test_support.h"

namespace sb::shell::testing {
namespace {

using platform::headless::HeadlessDialogHost;
namespace id = output::export_dialog;

const LoggedMessage kExported{"Datei exportiert", "Hinweis", Buttons::Ok, Icon::Information};
const LoggedMessage kDateError =
    warning("Eingabefehler in den Datumsfeldern\nexportiere gesamtes Jahr", "Eingabefehler");
const LoggedMessage kExportFailed = warning("Fehler beim Export der Datei");

class ExportCommand : public ShellTest {
  protected:
    // Exports with the given dates into `name`; returns the number of lines written.
    long exportDates(const std::string& name, const std::string& from, const std::string& to,
                     int command = cmd::kExportSpreadsheet) {
        const std::string path = file(name);
        services.answerFileDialogs({path});
        services.scriptDialog("EXPORT", [from, to](HeadlessDialogHost& host) {
            host.setText(id::startDay, from.substr(0, from.find('.')));
            host.setText(id::startMonth, from.substr(from.find('.') + 1));
            host.setText(id::endDay, to.substr(0, to.find('.')));
            host.setText(id::endMonth, to.substr(to.find('.') + 1));
            host.press(id::ok);
        });
        dispatch(command);
        const std::string bytes = fileBytes(path);
        return std::count(bytes.begin(), bytes.end(), '\n');
    }
};

TEST_F(ExportCommand, BoxesComeFromTheirKeysAndGoBackOnlyWithAnExport) {
    writeConfig("[KONFIG]\nAUTOLADEN=0\n[EXPORT]\nPULS=0\nALTERNATIV=1\n");
    initialiseWithSamplePlan();
    app.year.planFileVersion = 1;
    services.scriptDialog("EXPORT", [](HeadlessDialogHost& host) {
        EXPECT_EQ((std::vector<std::string>{"1", "12"}), texts(host, {id::startDay, id::endMonth}));
        EXPECT_FALSE(host.isChecked(id::pulse));
        EXPECT_TRUE(host.isChecked(id::kcal));
        for (int box : {id::other, id::trainingTypes, id::swim}) {
            EXPECT_FALSE(host.isChecked(box)) << box;
            EXPECT_FALSE(host.isEnabled(box)) << box;
        }
        host.press(id::bike);
        host.press(id::cancel);
    });
    dispatch(cmd::kExportSpreadsheet);
    for (const char* line : {"ALTERNATIV=1\r\n", "RAD=1\r\n", "TRAININGSKONTROLLE=1\r\n", "PULS=0\r\n"})
        EXPECT_NE(std::string::npos, fileBytes(file("train.cfg")).find(line)) << line;

    services.answerFileDialogs({std::nullopt, file("export.csv")});
    services.scriptDialog("EXPORT", [](HeadlessDialogHost& host) {
        host.press(id::ok);
        EXPECT_FALSE(host.ended()) << "a cancelled file dialog leaves the dialog open";
        host.press(id::bike);
        host.press(id::ok);
    });
    dispatch(cmd::kExportSpreadsheet);
    EXPECT_EQ(std::vector<LoggedMessage>{kExported}, services.messages());
    EXPECT_EQ("export.csv", services.fileDialogs().at(0).request.proposedName);
    for (const char* line : {"RAD=0\r\n", "ALTERNATIV=0\r\n", "TRAININGSKONTROLLE=0\r\n", "SCHWIMMEN=0\r\n",
                             "PULS=0\r\n", "KALORIEN=1\r\n"})
        EXPECT_NE(std::string::npos, fileBytes(file("train.cfg")).find(line)) << line;
}

TEST_F(ExportCommand, DatesChooseTheDaysAndBadDatesTheWholeYear) {
    initialiseWithSamplePlan();
    const long whole = exportDates("ganz.csv", "1.1", "31.12");
    EXPECT_EQ(whole - 334, exportDates("maerz.csv", "1.3", "31.3"));
    EXPECT_EQ(whole - 334, exportDates("bis_ende.csv", "1.12", "1.1"));
    EXPECT_EQ(std::vector<LoggedMessage>(3, kExported), services.messages());
    services.clearLog();

    EXPECT_EQ(whole, exportDates("april.csv", "31.4", "5.5"));
    EXPECT_EQ(whole, exportDates("schalttag.csv", "29.2", "1.3"));
    EXPECT_EQ((std::vector<LoggedMessage>{kDateError, kExported, kDateError, kExported}),
              services.messages());
    services.clearLog();
    app.year.planYear = 2008;
    EXPECT_EQ(whole - 363, exportDates("schaltjahr.csv", "29.2", "1.3"));
    EXPECT_EQ(std::vector<LoggedMessage>{kExported}, services.messages());
    services.clearLog();

    services.answerMessages({Answer::No});
    services.answerFileDialogs({file("ganz.csv")});
    services.scriptDialog("EXPORT", [](HeadlessDialogHost& host) {
        host.press(id::ok);
        EXPECT_FALSE(host.ended()) << "not replacing the file leaves the dialog open";
        host.press(id::cancel);
    });
    dispatch(cmd::kExportSpreadsheet);
    EXPECT_EQ((std::vector<LoggedMessage>{
                  {"Die Datei \"ganz.csv\" ist schon vorhanden\nWollen Sie die Datei überschrieben?",
                   "Frage?", Buttons::YesNo, Icon::Exclamation}}),
              services.messages());
    services.clearLog();
    exportDates("fehlt/export.csv", "1.1", "31.12");
    EXPECT_EQ(std::vector<LoggedMessage>{kExportFailed}, services.messages());
}

TEST_F(ExportCommand, HtmlTypeWritesTheYearDocumentOfTheChosenDays) {
    initialiseWithSamplePlan();
    exportDates("saison.htm", "2.1", "1.1", cmd::kExportHtml);
    EXPECT_EQ(std::vector<LoggedMessage>{kExported}, services.messages());
    EXPECT_EQ("export.htm", services.fileDialogs().at(0).request.proposedName);
    const std::string html = fileBytes(file("saison.htm"));
    EXPECT_EQ(0u, html.rfind("<!DOCTYPE html PUBLIC", 0));
    EXPECT_EQ(std::string::npos, html.find("<TD>1.01.</TD>")) << "the export starts on 2 January";
    EXPECT_NE(std::string::npos, html.find("<TD>Laufen</TD><TD>So</TD><TD>1.03.</TD>"))
        << "an end of 1.1 runs to the year's end";

    services.clearLog();
    exportDates("fehlt/saison.htm", "1.1", "31.12", cmd::kExportHtml);
    EXPECT_EQ(std::vector<LoggedMessage>{kExportFailed}, services.messages());
}

TEST_F(ExportCommand, RefusesThePlanAndTheSettingsAndStaysOpen) {
    const std::string plan = initialiseWithSamplePlan();
    std::filesystem::create_symlink(plan, file("plan.csv"));
    services.answerFileDialogs({file("plan.csv"), file("train.cfg")});
    services.scriptDialog("EXPORT", [](HeadlessDialogHost& host) {
        for (int i = 0; i < 2; ++i) host.press(id::ok);
        EXPECT_FALSE(host.ended());
        host.press(id::cancel);
    });
    dispatch(cmd::kExportSpreadsheet);
    const LoggedMessage refused =
        warning("Der Export schreibt keine Saisonbuch-Datei; dafür gibt es convert");
    EXPECT_EQ(std::vector<LoggedMessage>(2, refused), services.messages());
}

}  // namespace
}  // namespace sb::shell::testing
