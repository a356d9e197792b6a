// The headless property sheet, print progress and printer, colour dialog, file-dialog errors, help
// and timer, as the features will drive them.
#include <gtest/gtest.h>

#include "platform/headless/headless_services.h"

using namespace sb::platform;
using namespace sb::platform::headless;

namespace {

// Takes its check box when left, like the options pages; restores its edit on Cancel.
struct PageProcedure : DialogProcedure {
    bool taken = false;
    std::string restored;
    void init(DialogHost& host) override { host.setText(1100, "k. A."); }
    void pageLeave(DialogHost& host) override { taken = host.isChecked(1300); }
    void pageCancel(DialogHost& host) override { restored = "k. A."; }
};

DialogTemplate page(const std::string& name) {
    return {name,
            "",
            100,
            50,
            {{1300, ControlKind::CheckBox, "Pulsuhrunterstützung (*.hrm)", {5, 5, 90, 10}},
             {1100, ControlKind::Edit, "", {5, 20, 90, 12}}}};
}

struct ProgressProcedure : DialogProcedure {
    bool cancelled = false;
    void command(DialogHost& host, int id, Notification) override {
        if (id == 297) {
            cancelled = true;
            host.end(dialogCancel);
        }
    }
};

}  // namespace

TEST(HeadlessPropertySheet, LeavesShowsAndCancelsPages) {
    HeadlessServices services;
    DialogTemplate first = page("TAB_ANZEIGE"), second = page("TAB_SOLL_IST_BEREICHE"),
                   third = page("TAB_DREI");
    PageProcedure anzeige, sollIst, unused;
    PropertySheet sheet{
        "Konfiguration",
        {{"Anzeige", &first, &anzeige}, {"Soll/Ist-Bereiche", &second, &sollIst}, {"Drei", &third, &unused}}};
    services.scriptPropertySheet("Konfiguration", [](HeadlessPropertySheet& sheet) {
        EXPECT_EQ(sheet.currentPage(), 0);
        sheet.page(0).press(1300);
        sheet.selectPage(1);
        sheet.page(1).type(1100, "Tempo");
        sheet.cancel();
    });
    EXPECT_EQ(services.runPropertySheet(sheet), dialogCancel);
    EXPECT_TRUE(anzeige.taken);            // left before Cancel: kept
    EXPECT_EQ(sollIst.restored, "k. A.");  // Cancel reaches every shown page
    EXPECT_EQ(unused.restored, "");        // never shown, never told
    EXPECT_EQ(services.lastDialog("TAB_SOLL_IST_BEREICHE")->text(1100), "Tempo");

    services.scriptPropertySheet("Konfiguration", [](HeadlessPropertySheet& sheet) {
        sheet.page(1).type(1100, "x");  // page 1 not shown yet
        sheet.page(0).press(1300);
        sheet.ok();
    });
    PageProcedure again;
    sheet.pages[0].procedure = &again;
    EXPECT_EQ(services.runPropertySheet(sheet), dialogOk);
    EXPECT_TRUE(again.taken);  // OK leaves the page shown
    EXPECT_EQ(services.unexpected(),
              (std::vector<std::string>{"Konfiguration: page 1 used before it was shown"}));
}

TEST(HeadlessPrinting, RecordsPagesAndLetsTheProgressDialogCancel) {
    HeadlessServices services;
    services.answerPrintDialogs(
        {PrintAnswer{}, PrintAnswer::cancel(), PrintAnswer::failure(dialog_error::initialization)});
    DialogTemplate progressTemplate{
        "DRUCKDIALOG", "Drucken", 100, 50, {{297, ControlKind::Button, "Abbrechen", {30, 30, 40, 14}}}};
    int pumps = 0;
    services.scriptModeless("DRUCKDIALOG", [&pumps](HeadlessDialogHost& dialog) {
        if (++pumps == 2) dialog.press(297);
    });

    PrintResult chosen = services.print({PrintDialogKind::Print, ""});
    ASSERT_TRUE(chosen.printer);
    ProgressProcedure progressProcedure;
    auto progress = services.openModeless(progressTemplate, progressProcedure);
    Printer& printer = *chosen.printer;
    ASSERT_TRUE(printer.startDocument("Saisonbuch 12 Woche"));
    for (int page = 0; page < 5 && progress->isOpen(); ++page) {
        printer.startPage();
        printer.canvas().drawText({175, 50}, "T R A I N I N G S D A T E N  2008");
        printer.endPage();
        progress->processEvents();
    }
    if (progressProcedure.cancelled) printer.abortDocument();
    progress.reset();
    chosen.printer.reset();

    ASSERT_EQ(services.printedDocuments().size(), 1u);
    const PrintedDocument& document = services.printedDocuments()[0];
    EXPECT_EQ(document.name, "Saisonbuch 12 Woche");
    EXPECT_EQ(document.pages.size(), 2u);
    EXPECT_TRUE(document.aborted);
    EXPECT_EQ(document.pages[0].deviceSize(), (Size{4760, 6816}));
    EXPECT_EQ(document.pages[0].texts(), (std::vector<std::string>{"T R A I N I N G S D A T E N  2008"}));

    PrintResult cancelled = services.print({});
    EXPECT_FALSE(cancelled.printer);
    EXPECT_EQ(cancelled.error, 0u);
    EXPECT_EQ(services.print({}).error, dialog_error::initialization);
    EXPECT_EQ(services.print({PrintDialogKind::DefaultPrinter, ""}).printer->name(), "Headless-Drucker");
    EXPECT_EQ(services.steps(), (std::vector<std::string>{"print dialog", "dialog opened: DRUCKDIALOG",
                                                          "print dialog", "print dialog"}));
    EXPECT_TRUE(services.unexpected().empty());
}

TEST(HeadlessServices, AnswersCommonDialogsHelpAndTimer) {
    HeadlessServices services;
    services.answerColourDialogs({{ColourOutcome::Chosen, rgb(0, 128, 255)}, {ColourOutcome::Failed, 0}});
    CustomColours custom{};
    custom[1] = rgb(255, 0, 0);
    EXPECT_EQ(services.chooseColour(rgb(1, 2, 3), custom).colour, rgb(0, 128, 255));
    ColourChoice failed = services.chooseColour(rgb(1, 2, 3), custom);
    EXPECT_EQ(failed.outcome, ColourOutcome::Failed);
    EXPECT_EQ(failed.colour, rgb(1, 2, 3));
    EXPECT_EQ(services.colourDialogs()[0].customColours[1], rgb(255, 0, 0));

    services.answerFileDialogError(dialog_error::bufferTooSmall);
    services.answerFileDialogs({std::nullopt});
    EXPECT_FALSE(services.openFileName({"Öffnen", {}, "*.sb3", "sb3"}));
    EXPECT_EQ(services.lastFileDialogError(), dialog_error::bufferTooSmall);
    EXPECT_FALSE(services.saveFileName({"Speichern", {}, "default.sb3", "sb3"}));
    EXPECT_EQ(services.lastFileDialogError(), dialog_error::none);

    services.setHelpAvailable(false);
    EXPECT_FALSE(services.showHelp("/opt/saisonbuch/tour.hlp", 0));
    EXPECT_EQ(services.helpCalls(), (std::vector<LoggedHelp>{{"/opt/saisonbuch/tour.hlp", 0}}));

    int fired = 0;
    services.fireTimer();
    services.startTimer(3000, [&] {
        ++fired;
        services.stopTimer();
    });
    EXPECT_EQ(services.timerInterval(), 3000);
    services.fireTimer();
    EXPECT_EQ(fired, 1);
    EXPECT_FALSE(services.timerRunning());
    services.quit(0);
    EXPECT_EQ(services.quitCode(), 0);
    EXPECT_EQ(services.unexpected(), (std::vector<std::string>{"timer fired while none runs"}));
}
