// The list dialogs and the search list as the user works them: the range messages, the arrows, the
// sums of a known week, the column menu and dragged headers kept in train.cfg, the search, the HTML
// button's save flow, which never writes over the plan or the settings, and the print dialog.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "list_fixtures.h"
#include "lists/list_dialog.h"
#include "lists/list_dialog_templates.h"
#include "lists/list_print_dialog.h"
#include "lists/search_dialog.h"
#include "model/clock.h"
#include "platform/headless/headless_services.h"
#include "support/plan_fixtures.h"

namespace sb::lists {
namespace {

using platform::Buttons;
using platform::Icon;
using platform::headless::HeadlessDialogHost;
using platform::headless::HeadlessServices;
using platform::headless::LoggedMessage;
using platform::headless::PrintAnswer;
namespace id = list_dialog;
namespace pid = list_print_dialog;
namespace sid = search_dialog;

const LoggedMessage kWrongWeek{"Falsche Woche\nMuss zwischen 1 und 53 liegen", "Fehler", Buttons::Ok,
                               Icon::Exclamation};
const LoggedMessage kWrongMonth{"Falscher Monat\nMuss zwischen 1 und 12 liegen", "Fehler", Buttons::Ok,
                                Icon::Exclamation};
const LoggedMessage kNothingFound{"Keinen Datensatz gefunden.", "Info", Buttons::Ok, Icon::Information};

class ListDialogs : public ::testing::Test {
  protected:
    void SetUp() override {
        config::openConfigFile(settings, path("train.cfg"));
        settings.trainingTypeLabels = testing::testLabels();
        model::setClock([] { return model::CivilDate{5, 3, 2008}; });
    }
    void TearDown() override {
        model::setClock({});
        EXPECT_TRUE(services.unexpected().empty()) << services.unexpected().front();
    }

    void open(ListKind kind, const std::string& name, platform::headless::DialogScript script) {
        services.scriptDialog(name, std::move(script));
        runListDialog(services, kind, {year, settings, "hilfe"});
    }
    void openSearch(platform::headless::DialogScript script) {
        services.scriptDialog("LISTE_SUCH", std::move(script));
        runSearchDialog(services, {year, settings, "hilfe"});
    }
    std::string stored(std::string_view section, std::string_view key) {
        return config::readSetting(settings, section, key, "fehlt", config::WriteBack::No);
    }
    std::string path(const std::string& name) const { return dir_.file(name); }

    sb::testing::TempDir dir_;
    model::TrainingYear year = testing::fullYear(2008);
    config::ConfigStore settings;
    HeadlessServices services;
};

TEST_F(ListDialogs, WeekListShowsTodaysWeekWithItsSumsAndGuardsTheField) {
    open(ListKind::Week, "LISTE_WOCHE", [](HeadlessDialogHost& dialog) {
        EXPECT_EQ("10", dialog.text(id::numberField));  // Wednesday 5 March 2008
        const auto rows = dialog.rows(id::list);
        ASSERT_EQ(5u, rows.size());
        EXPECT_EQ((std::vector<std::string>{"04.03", "Di", "R", "32.5", "32.5", "01:13", "Grund & \"<GA>\""}),
                  std::vector<std::string>(rows[0].begin(), rows[0].begin() + 7));
        EXPECT_EQ("68.0", rows[4][4]);
        for (auto [field, sum] : {std::pair{id::bikeKm, "68.0km"}, {id::bikeHours, "2.5h"}, {id::bikeCount, "2x"},
                                  {id::swimCount, "1x"}, {id::otherCount, "1x"}, {id::allHours, "4.2h"},
                                  {id::allCount, "5x"}, {id::weight, "71.2kg"}})
            EXPECT_EQ(sum, dialog.text(field)) << field;

        dialog.type(id::numberField, "54");
        dialog.press(id::showButton);
        EXPECT_EQ(5u, dialog.rows(id::list).size());
        dialog.press(id::nextButton);
        EXPECT_EQ("53", dialog.text(id::numberField));
        EXPECT_EQ("31.12", dialog.rows(id::list).back()[0]);
        dialog.type(id::numberField, "x");
        dialog.press(id::htmlButton);
        dialog.press(id::printButton);
        dialog.press(id::previousButton);
        EXPECT_EQ("1", dialog.text(id::numberField));
        EXPECT_EQ("01.01", dialog.rows(id::list).front()[0]);
        dialog.press(id::previousButton);
        EXPECT_EQ("1", dialog.text(id::numberField));
        dialog.press(id::helpButton);
        dialog.press(id::closeButton);
    });
    EXPECT_EQ((std::vector<LoggedMessage>{kWrongWeek, kWrongWeek, kWrongWeek}), services.messages());
    EXPECT_EQ((std::vector<platform::headless::LoggedHelp>{{"hilfe", 31}}), services.helpCalls());
}

TEST_F(ListDialogs, MonthAndYearListsOfAnOlderPlanHaveNoSwimming) {
    year = testing::fullYear(2007, 2);
    open(ListKind::Month, "LISTE_MONAT", [](HeadlessDialogHost& dialog) {
        EXPECT_EQ("1", dialog.text(id::numberField));
        EXPECT_FALSE(dialog.isVisible(id::swimKm));
        for (const auto& row : dialog.rows(id::list)) EXPECT_NE("S", row[2]);
        dialog.press(id::nextButton);
        EXPECT_EQ("01.02", dialog.rows(id::list).front()[0]);
        dialog.type(id::numberField, "13");
        dialog.press(id::nextButton);
        EXPECT_EQ("12", dialog.text(id::numberField));
        dialog.type(id::numberField, "0");
        dialog.press(id::showButton);
        dialog.pressClose();
    });
    open(ListKind::Year, "LISTE_JAHR", [](HeadlessDialogHost& dialog) {
        EXPECT_EQ("30.12", dialog.rows(id::list).back()[0]);
        dialog.pressClose();
    });
    EXPECT_EQ(std::vector<LoggedMessage>{kWrongMonth}, services.messages());
}

TEST_F(ListDialogs, ColumnChoicesAndDraggedHeadersAreKeptByBeendenOnly) {
    EXPECT_EQ("fehlt", stored("KONFIG", "LISTVIEW"));
    services.answerPopupMenus({103, 103});
    open(ListKind::Year, "LISTE_JAHR", [](HeadlessDialogHost& dialog) {
        dialog.rightClick(id::list);
        EXPECT_EQ(10u, dialog.columns(id::list).size());
        dialog.rightClickHeader(id::list);  // the headers open the same menu
        dialog.dragColumn(id::list, 10, 0);  // "KM", added at the end, dragged to the front
        EXPECT_EQ("KM", dialog.columns(id::list)[std::size_t(dialog.columnOrder(id::list)[0])].header);
        EXPECT_EQ("20.5", dialog.rows(id::list)[0][10]);
        dialog.press(id::closeButton);
    });
    const auto& menu = services.popupMenus().front();
    ASSERT_EQ(11u, menu.size());
    EXPECT_EQ(std::tuple(menu[0].greyed, menu[0].checked, menu[10].text, services.popupMenus()[1][3].checked),
              std::tuple(true, true, "Belastung", false));
    EXPECT_EQ("11$3$0$1$2$4$5$6$7$8$9$10$", stored("KONFIG", "LISTVIEW"));

    services.answerPopupMenus({110});
    open(ListKind::Week, "LISTE_WOCHE", [](HeadlessDialogHost& dialog) {
        EXPECT_EQ("KM", dialog.columns(id::list)[0].header);
        dialog.rightClick(id::list);
        dialog.pressClose();
    });
    EXPECT_EQ("11$3$0$1$2$4$5$6$7$8$9$10$", stored("KONFIG", "LISTVIEW"));
}

TEST_F(ListDialogs, ADamagedStoredOrderIsRepairedAndWrittenBack) {
    config::writeSetting(settings, "KONFIG", "LISTVIEW", "14$8$8$3$12$x$");
    open(ListKind::Year, "LISTE_JAHR", [](HeadlessDialogHost& dialog) {
        ASSERT_EQ(3u, dialog.columns(id::list).size());
        EXPECT_EQ("Datum", dialog.columns(id::list)[0].header);
        EXPECT_EQ("Strecke", dialog.columns(id::list)[1].header);
        dialog.pressClose();
    });
    EXPECT_EQ("3$0$8$3$", stored("KONFIG", "LISTVIEW"));
}

TEST_F(ListDialogs, SearchFindsByTheChosenIndexAndStoresIt) {
    settings.trainingTypeLabels[2] = settings.trainingTypeLabels[3];
    config::writeSetting(settings, "SUCHEN", "SOLL", "12");
    openSearch([](HeadlessDialogHost& dialog) {
        EXPECT_EQ(0, dialog.selection(sid::typeList));
        dialog.choose(sid::typeList, 3);
        dialog.press(sid::searchButton);
        const auto rows = dialog.rows(sid::list);
        ASSERT_FALSE(rows.empty());
        EXPECT_EQ("S", rows[0][2]);
        dialog.press(sid::closeButton);
    });
    EXPECT_EQ("3", stored("SUCHEN", "SOLL"));
    EXPECT_EQ("11$0$1$2$3$4$5$6$7$8$9$10$", stored("SUCHEN", "LISTVIEW"));

    year = model::TrainingYear{};
    year.planYear = 2008;
    year.planFileVersion = 3;
    openSearch([](HeadlessDialogHost& dialog) {
        EXPECT_TRUE(dialog.rows(sid::list).empty());
        dialog.pressClose();
    });
    EXPECT_EQ(std::vector<LoggedMessage>{kNothingFound}, services.messages());
}

// The plan is refused here through a link; plan names are the export's test.
TEST_F(ListDialogs, HtmlButtonProposesTheNameAsksBeforeReplacingAndRefusesPlansAndSettings) {
    std::ofstream(path("10_Wochen_Liste.htm")) << "alt";
    std::ofstream(path("plan.sb3")) << "plan";
    year.currentFileName = path("plan.sb3");
    std::filesystem::create_symlink(path("plan.sb3"), path("plan.htm"));
    services.answerFileDialogs({path("10_Wochen_Liste.htm"), path("10_Wochen_Liste.htm"),
                                "/kein/ordner/x.htm", path("plan.htm"), path("train.cfg")});
    services.answerMessages({platform::Answer::No, platform::Answer::Yes});
    open(ListKind::Week, "LISTE_WOCHE", [](HeadlessDialogHost& dialog) {
        for (int i = 0; i < 5; ++i) dialog.press(id::htmlButton);
        dialog.pressClose();
    });
    EXPECT_EQ("10_Wochen_Liste.htm", services.fileDialogs().front().request.proposedName);
    EXPECT_NE(sb::testing::fileBytes(path("10_Wochen_Liste.htm")).find("10. Woche im Jahr 2008"),
              std::string::npos);
    const std::string replace =
        "Die Datei \"10_Wochen_Liste.htm\" ist schon vorhanden\nWollen Sie die Datei überschrieben?";
    const std::string refused = "Die Liste schreibt keine Saisonbuch-Datei; dafür gibt es convert";
    EXPECT_EQ((std::vector<std::string>{replace, replace, "Fehler beim Export der Datei", refused, refused}),
              services.messageTexts());
    EXPECT_FALSE(std::filesystem::exists("/kein/ordner/x.htm"));
    EXPECT_EQ("plan", sb::testing::fileBytes(path("plan.sb3")));
    EXPECT_EQ(0u, sb::testing::fileBytes(path("train.cfg")).rfind("[", 0)) << "still the settings";

    settings.trainingTypeLabels[4] = "Tempo 5/3: \"hart\"";
    config::writeSetting(settings, "SUCHEN", "SOLL", "4");
    services.answerFileDialogs({std::nullopt});
    openSearch([](HeadlessDialogHost& dialog) {
        dialog.press(sid::htmlButton);
        dialog.pressClose();
    });
    EXPECT_EQ("Tempo 5_3_ _hart__Such_Liste.htm", services.fileDialogs().back().request.proposedName);
}

TEST_F(ListDialogs, PrintsWithProgressAndKeepsTheSwitches) {
    config::writeSetting(settings, "Liste", "Zusammenfassung", "1");
    year.firstName = "Anna";
    year.currentFileName = "/pl\xC3\xA4ne/anna.sb3";
    PrintAnswer setup;
    setup.printerName = "Laser";
    services.answerPrintDialogs({PrintAnswer::cancel(), setup});
    bool ownerDisabled = false;
    services.scriptModeless("DRUCKDIALOG", [this, &ownerDisabled](HeadlessDialogHost&) {
        ownerDisabled = !services.lastDialog("LISTE_MONAT")->isEnabled(platform::dialogItself);
    });
    services.scriptDialog("LISTE_MONAT", [](HeadlessDialogHost& dialog) {
        dialog.press(list_dialog::printButton);
        EXPECT_TRUE(dialog.isEnabled(platform::dialogItself));
        dialog.pressClose();
    });
    services.scriptDialog("LISTE_DRUCKEN", [](HeadlessDialogHost& dialog) {
        EXPECT_EQ("Headless-Drucker", dialog.text(pid::printerName));
        EXPECT_EQ(std::pair(dialog.isChecked(pid::trainingFreeDays), dialog.isChecked(pid::summary)),
                  std::pair(false, true));
        dialog.press(pid::printButton);  // cancelled in the print dialog
        EXPECT_FALSE(dialog.ended());
        dialog.press(pid::setupButton);
        EXPECT_EQ("Laser", dialog.text(pid::printerName));
        dialog.press(pid::trainingFreeDays);
        dialog.press(pid::printButton);  // the printer just set up is not asked for again
    });
    runListDialog(services, ListKind::Month, {year, settings, "hilfe"});
    ASSERT_EQ(1u, services.printedDocuments().size());
    EXPECT_EQ("Saisonbuch 3 Monat", services.printedDocuments()[0].name);
    ASSERT_EQ(3u, services.printRequests().size());  // the default printer, Drucken, the set-up
    EXPECT_EQ("/pl\xC3\xA4ne/anna-2008-maerz.pdf", services.printRequests()[2].proposedFile);
    EXPECT_EQ(services.printRequests()[1].proposedFile, services.printRequests()[2].proposedFile);
    EXPECT_TRUE(ownerDisabled);
    EXPECT_EQ(std::tuple(stored("Liste", "TrainingsfreieTage"), stored("Liste", "Zusammenfassung")),
              std::tuple("1", "1"));
}

TEST_F(ListDialogs, APrinterThatCannotBeInitialisedIsReported) {
    services.setDefaultPrinter(PrintAnswer::failure(0x1000));
    services.answerPrintDialogs({PrintAnswer::failure(0x1000)});
    services.scriptDialog("LISTE_JAHR", [](HeadlessDialogHost& dialog) {
        dialog.press(list_dialog::printButton);
        dialog.pressClose();
    });
    services.scriptDialog("LISTE_DRUCKEN", [](HeadlessDialogHost& dialog) { EXPECT_TRUE(dialog.ended()); });
    services.scriptDialog("LISTE_SUCH", [](HeadlessDialogHost& dialog) {
        dialog.press(search_dialog::printButton);
        dialog.pressClose();
    });
    runListDialog(services, ListKind::Year, {year, settings, "hilfe"});
    runSearchDialog(services, {year, settings, "hilfe"});
    EXPECT_EQ(std::vector<std::string>(2, "Fehler beim Inintialisieren des\nDruckertreibers"),
              services.messageTexts());
    EXPECT_EQ(Icon::Stop, services.messages()[0].icon);  // the search's box keeps its own icon
    EXPECT_TRUE(services.printedDocuments().empty());
    EXPECT_EQ("fehlt", stored("Liste", "Zusammenfassung"));
}

}  // namespace
}  // namespace sb::lists
