// "Datei › Drucken": the overview print dialog's month check and choices, and the printed pages as the
// printer receives them: the cover with its legend, the fixed 80-character month lines with their
// running totals and type codes, and the summary of the printed distances.
#include <gtest/gtest.h>

#include "output/overview_print_dialog.h"
#include "output/overview_printout.h"
#include "shell/command_ids.h"
#include "shell_test_support.h"

namespace sb::shell::testing {
namespace {

using platform::headless::HeadlessDialogHost;
using platform::headless::PrintAnswer;
using OverviewPrint = ShellTest;
namespace id = output::overview_print_dialog;

model::TrainingYear overviewPlan() {
    model::TrainingYear year;
    year.firstName = "Anna";
    year.lastName = "M\xFCller";
    year.gender = 'w';
    year.club = "RSC";
    year.planYear = 2009;
    year.days[0].bike.distanceKm = 40.25f;
    year.days[1].bike.distanceKm = 60;
    year.days[2].run.distanceKm = 12.5f;
    year.days[3].swim.distanceKm = 1.5f;
    year.planFileVersion = 3;
    year.birthDate = "1.2.1980";
    year.days[31].bike = {"Runde <um> den See, lang und noch viel l\xE4nger", 142, 40.25f, 0, "01:30", 0, ""};
    year.days[33].bike = {"", 0, 20, 0, "", 0, ""};
    year.days[33].run = {"Wald", 150, 10, 0, "00:55", 0, ""};
    year.days[33].plannedTypes = 21;  // bike 1, run 2
    year.days[33].actualTypes = 12;
    year.days[34].other = {"Ski", 0, 12.6f, 0, "02:00", 0, ""};
    year.days[35].other = {"X", 0, 0, 0, "", 0, ""};
    year.days[36].swim = {"", 0, 2, 0, "00:40", 0, ""};
    year.days[36].bike = {"", 0, 5, 0, "", 0, ""};
    return year;
}

std::string pad80(std::string text) {
    text.resize(80, ' ');
    return text;
}

TEST_F(OverviewPrint, TheDialogChecksTheMonthsAndPrintsWhatIsChosen) {
    initialise();
    openSamplePlan();
    app.year = overviewPlan();
    services.answerPrintDialogs({PrintAnswer{}});
    services.scriptDialog("PRINT_V3", [](HeadlessDialogHost& host) {
        EXPECT_EQ("Headless-Drucker", host.text(id::printerName));
        EXPECT_TRUE(host.isChecked(id::swim));
        EXPECT_FALSE(host.isChecked(id::cover));
        host.setText(id::firstMonth, "5");
        host.setText(id::lastMonth, "3");
        host.press(id::print);
        host.setText(id::lastMonth, "13");
        host.press(id::print);
        EXPECT_FALSE(host.ended());
        host.setText(id::firstMonth, "2");
        host.setText(id::lastMonth, "2");
        host.press(id::bike);
        host.press(id::types);
        host.press(id::cover);
        host.press(id::print);
    });
    bool dialogDisabled = false;
    services.scriptModeless("DRUCKDIALOG", [this, &dialogDisabled](HeadlessDialogHost&) {
        dialogDisabled = !services.lastDialog("PRINT_V3")->isEnabled(platform::dialogItself);
    });
    dispatch(cmd::kPrintOverview);
    EXPECT_TRUE(dialogDisabled);
    const LoggedMessage wrongMonths{"Falsche Monatseingabe(n)", "Fehler", Buttons::Ok, Icon::Exclamation};
    EXPECT_EQ((std::vector<LoggedMessage>{wrongMonths, wrongMonths}), services.messages());
    ASSERT_EQ(1u, services.printedDocuments().size());
    const auto& document = services.printedDocuments().front();
    EXPECT_EQ("Saisonbuch Dokument", document.name);
    EXPECT_TRUE(document.ended);
    ASSERT_EQ(3u, document.pages.size());
    EXPECT_EQ("SAISONBUCH 2009", document.pages[0].texts().front());
    EXPECT_EQ((std::vector<std::string>{
                  "Saisonbuch: Februar 2009", pad80("               T R A I N I N G S D A T E N"),
                  pad80("   Datum     Distanz Ges.km Zeit  Pls Strecke"), std::string(80, '-'),
                  "L: Di,03.02. 0010.0  0010.0 00:55 150 Wald                           ",
                  "A: Mi,04.02. 000013         02:00 000 Ski                            ",
                  "S: Fr,06.02. 0002.0  0002.0 00:40 000                                "}),
              document.pages[1].texts());
    EXPECT_EQ((std::vector<std::string>{"ÜBERSICHT", "Monat", "Laufen", "Schwimmen", "Februar", "0010.0",
                                        "0002.0", "Gesamt:", "0010.0", "0002.0"}),
              document.pages[2].texts());

    services.clearLog();
    app.year.planFileVersion = 2;
    services.setDefaultPrinter(PrintAnswer::failure(0x1007));
    services.scriptDialog("PRINT_V2", [](HeadlessDialogHost& host) { EXPECT_TRUE(host.ended()); });
    dispatch(cmd::kPrintOverview);
    EXPECT_EQ(std::vector<std::string>{"Fehler beim Inintialisieren des\nDruckertreibers"},
              services.messageTexts());
    EXPECT_EQ(1u, services.printedDocuments().size());
    expectNothingUnexpected();
}

TEST_F(OverviewPrint, PagesCarryTheCoverTheMonthLinesAndTheSummary) {
    model::TrainingYear year = overviewPlan();
    platform::headless::HeadlessServices printing;
    platform::PrintResult result = printing.print({platform::PrintDialogKind::DefaultPrinter, {}});
    output::OverviewOptions options;
    options.firstMonth = 2;
    options.lastMonth = 3;
    options.cover = true;
    ASSERT_TRUE(output::printOverview(*result.printer, year, options, [] { return true; }));
    const auto& pages = printing.printedDocuments().front().pages;
    ASSERT_EQ(4u, pages.size());
    const std::vector<std::string> cover = pages[0].texts();
    EXPECT_EQ((std::vector<std::string>{"SAISONBUCH 2009", "Anna Müller", "Geburtsdatum:", "1.2.1980",
                                        "Verein:", "RSC", "Trainer:", "", "Erklärung zu den Trainigsarten",
                                        "------------------------------", "k.A :", "keine Angabe",
                                        "Aane:", "anaerobe Ausdauer"}),
              std::vector<std::string>(cover.begin(), cover.begin() + 14));
    EXPECT_EQ(30u, cover.size());
    const std::vector<std::string> february = pages[1].texts();
    EXPECT_EQ("   Datum     Distanz Ges.km Zeit  Pls Strecke                        soll/ist   ",
              february[2]);
    EXPECT_EQ((std::vector<std::string>{
                  "R: So,01.02. 0040.2  0040.2 01:30 142 Runde <um> den See, lang und n k.A /k.A  ",
                  "R: Di,03.02. 0020.0  0060.2       000                                Aaer/Aane ",
                  "L: Di,03.02. 0010.0  0010.0 00:55 150 Wald                           Aane/Aaer ",
                  "A: Mi,04.02. 000013         02:00 000 Ski                            k.A /k.A  ",
                  "R: Fr,06.02. 0005.0  0065.2       000                                k.A /k.A  ",
                  "S: Fr,06.02. 0002.0  0002.0 00:40 000                                k.A /k.A  "}),
              std::vector<std::string>(february.begin() + 4, february.end()));
    EXPECT_EQ(4u, pages[2].texts().size()) << "March has nothing to print but its header";
    EXPECT_EQ((std::vector<std::string>{"ÜBERSICHT", "Monat", "Rad", "Laufen", "Schwimmen", "Februar",
                                        "0065.2", "0010.0", "0002.0", "März", "0000.0", "0000.0", "0000.0",
                                        "Gesamt:", "0065.2", "0010.0", "0002.0"}),
              pages[3].texts());
}

// A month longer than the sheet goes on over the next page under the same header, losing no line; the
// plan year's own leap rule gives February 1800 its 29th day.
TEST_F(OverviewPrint, AMonthLongerThanTheSheetContinuesUnderItsHeader) {
    model::TrainingYear year = overviewPlan();
    year.planYear = 1800;
    for (int day = 31; day < 60; ++day) year.days[day].run = {"Runde", 140, 8, 0, "00:40", 0, ""};
    platform::headless::HeadlessServices printing;
    PrintAnswer shortSheet;
    shortSheet.geometry = {4960, 1400, 0, 0};
    printing.setDefaultPrinter(shortSheet);
    platform::PrintResult result = printing.print({platform::PrintDialogKind::DefaultPrinter, {}});
    output::OverviewOptions options;
    options.firstMonth = 2;
    options.lastMonth = 2;
    options.summary = false;
    ASSERT_TRUE(output::printOverview(*result.printer, year, options, [] { return true; }));
    const auto& pages = printing.printedDocuments().front().pages;
    ASSERT_GT(pages.size(), 1u);
    std::size_t lines = 0;
    for (const auto& page : pages) {
        const std::vector<std::string> texts = page.texts();
        EXPECT_EQ("Saisonbuch: Februar 1800", texts.front());
        EXPECT_EQ(std::string(80, '-'), texts.at(3));
        lines += texts.size() - 4;
    }
    EXPECT_EQ(29u + 5u, lines);
    EXPECT_EQ("L: Sa,29.02. 0008.0  0232.0 00:40 140 Runde                          k.A /k.A  ",
              pages.back().texts().back());
}

}  // namespace
}  // namespace sb::shell::testing
