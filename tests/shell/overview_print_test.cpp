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

// The texts of a printed document, a line each, its pages parted by a form feed, against the golden
// file of that name.
void expectPrinted(const std::vector<platform::headless::RecordingCanvas>& pages, const std::string& name) {
    std::string text;
    for (const auto& page : pages) {
        for (const std::string& line : page.texts()) text += line + "\n";
        text += "\f\n";
    }
    EXPECT_EQ(sb::testing::fileBytes(sb::testing::goldenPath("output/" + name)), text) << name;
}

TEST_F(OverviewPrint, TheDialogChecksTheMonthsAndPrintsWhatIsChosen) {
    initialiseWithSamplePlan();
    app.year = overviewPlan();
    services.answerPrintDialogs({PrintAnswer{}});
    services.scriptDialog("PRINT_V3", [](HeadlessDialogHost& host) {
        EXPECT_EQ("Headless-Drucker", host.text(id::printerName));
        host.setText(id::firstMonth, "5");
        host.setText(id::lastMonth, "3");
        host.press(id::print);
        host.setText(id::lastMonth, "13");
        host.press(id::print);
        host.setText(id::firstMonth, "2");
        host.setText(id::lastMonth, "2");
        host.press(id::bike);
        host.press(id::types);
        host.press(id::cover);
        host.press(id::print);
    });
    dispatch(cmd::kPrintOverview);
    const LoggedMessage wrongMonths = warning("Falsche Monatseingabe(n)");
    EXPECT_EQ((std::vector<LoggedMessage>{wrongMonths, wrongMonths}), services.messages());
    ASSERT_EQ(1u, services.printedDocuments().size());
    EXPECT_TRUE(services.printedDocuments().front().ended);
    // The cover, February without cycling and types, the summary.
    expectPrinted(services.printedDocuments().front().pages, "overview_february.txt");

    services.clearLog();
    app.year.planFileVersion = 2;
    services.setDefaultPrinter(PrintAnswer::failure(0x1007));
    services.scriptDialog("PRINT_V2", [](HeadlessDialogHost& host) { EXPECT_TRUE(host.ended()); });
    dispatch(cmd::kPrintOverview);
    EXPECT_EQ(std::vector<std::string>{"Fehler beim Inintialisieren des\nDruckertreibers"},
              services.messageTexts());
    EXPECT_EQ(1u, services.printedDocuments().size());
}

TEST_F(OverviewPrint, PagesCarryTheCoverTheMonthLinesAndTheSummary) {
    model::TrainingYear year = overviewPlan();
    platform::PrintResult result = services.print({platform::PrintDialogKind::DefaultPrinter, {}, {}});
    const output::OverviewOptions options{.firstMonth = 2, .lastMonth = 3, .cover = true};
    ASSERT_TRUE(output::printOverview(*result.printer, year, options, [] { return true; }));
    // The cover with the type legend, February's lines with their running totals and type codes, March
    // with nothing to print but its header, the summary.
    expectPrinted(services.printedDocuments().front().pages, "overview_february_march.txt");
}

// A month longer than the sheet goes on over the next page under the same header, losing no line; the
// plan year's own leap rule gives February 1800 its 29th day.
TEST_F(OverviewPrint, AMonthLongerThanTheSheetContinuesUnderItsHeader) {
    model::TrainingYear year = overviewPlan();
    year.planYear = 1800;
    for (int day = 31; day < 60; ++day) year.days[day].run = {"Runde", 140, 8, 0, "00:40", 0, ""};
    PrintAnswer shortSheet;
    shortSheet.geometry = {4960, 1400, 0, 0};
    services.setDefaultPrinter(shortSheet);
    platform::PrintResult result = services.print({platform::PrintDialogKind::DefaultPrinter, {}, {}});
    const output::OverviewOptions options{.firstMonth = 2, .lastMonth = 2, .summary = false};
    ASSERT_TRUE(output::printOverview(*result.printer, year, options, [] { return true; }));
    const auto& pages = services.printedDocuments().front().pages;
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
