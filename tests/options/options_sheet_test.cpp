// The options sheet as the user works it: which values each page takes when it is left and writes at
// once, what Cancel keeps and restores, the history length and zone bounds undone while typing, zones
// added and removed at the top only, and the colour chooser.
#include <gtest/gtest.h>

#include <tuple>

#include "support/plan_fixtures.h"
#include "options/general_pages.h"
#include "options/options_sheet.h"
#include "options/pulse_zones_page.h"
#include "options/training_types_page.h"
#include "platform/headless/headless_services.h"

namespace sb::options {
namespace {

using platform::ColourOutcome;
using platform::headless::HeadlessDialogHost;
using platform::headless::HeadlessPropertySheet;
using platform::headless::HeadlessServices;

enum Page { kWorkspace, kSport, kStyle, kDisplay, kTrainingTypes, kPulseZones };

class OptionsSheet : public ::testing::Test {
  protected:
    void load(const std::string& lines) {
        sb::testing::writeBytes(path(), lines);
        config::openConfigFile(settings, path());
        config::DiagramChoice diagram;
        config::loadAllSettings(settings, diagram);
        config::loadPulseZones(settings);
    }

    void run(const std::function<void(HeadlessPropertySheet&)>& script) {
        services.scriptPropertySheet(kOptionsCaption, script);
        openOptions(services, settings);
        EXPECT_TRUE(services.unexpected().empty()) << services.unexpected().front();
    }

    std::string path() const { return scratch.file("train.cfg"); }
    std::string stored(const char* section, const std::string& key) const {
        return config::profileString(config::loadProfileFile(path()), section, key).value_or("missing");
    }

    sb::testing::TempDir scratch;
    config::ConfigStore settings;
    HeadlessServices services;
};

TEST_F(OptionsSheet, PagesTakeTheirValuesWhenLeftAndCancelKeepsWhatWasWritten) {
    load("[KONFIG]\nPOLAR=0\nTACHO=0\nSPORTART=1\n");
    run([](HeadlessPropertySheet& sheet) {
        EXPECT_EQ(5, sheet.pageCount());
        HeadlessDialogHost& workspace = sheet.page(kWorkspace);
        EXPECT_EQ("0", workspace.text(workspace_page::historyLength));
        workspace.type(workspace_page::historyLength, "12");
        EXPECT_EQ("0", workspace.text(workspace_page::historyLength));
        workspace.type(workspace_page::historyLength, "x");
        workspace.type(workspace_page::historyLength, "5");
        workspace.press(workspace_page::autoLoad);
        sheet.selectPage(kSport);
        HeadlessDialogHost& sport = sheet.page(kSport);
        EXPECT_TRUE(sport.isChecked(sport_page::firstSport));
        sport.press(sport_page::firstSport + 1);
        sport.press(sport_page::firstSport + 4);
        for (int k = 0; k < 4; ++k) EXPECT_FALSE(sport.isChecked(sport_page::firstSport + k));
        EXPECT_TRUE(sport.isChecked(sport_page::firstSport + 4));
        sheet.selectPage(kStyle);
        sheet.page(kStyle).press(style_page::firstStyle + 1);
        sheet.selectPage(kDisplay);
        sheet.page(kDisplay).press(display_page::heartRateMonitor);
        sheet.selectPage(kStyle);
        sheet.page(kStyle).press(style_page::firstStyle + 2);
        sheet.cancel();
    });
    // The Anzeige page was left before Cancel; the sport mode waits for the save at exit.
    for (auto [section, key, value] : {std::tuple{"MENUE", "MAX_ANZAHL", "5"}, {"MENUE", "ANZAHL", "1"},
                                       {"KONFIG", "AUTOLADEN", "0"}, {"KONFIG", "POLAR", "1"},
                                       {"KONFIG", "DARSTELLUNG", "2"}, {"KONFIG", "SPORTART", "1"}})
        EXPECT_EQ(value, stored(section, key)) << key;
    EXPECT_EQ(std::tuple(settings.polarSupport, settings.displayStyle, settings.sportMode, settings.historyMaxCount),
              std::tuple(1, 2, 5, 5));

    // Raising the length from 0 announced one entry, which has no name yet: the next start lists none.
    config::DiagramChoice diagram;
    config::loadAllSettings(settings, diagram);
    EXPECT_TRUE(settings.history.empty());
}

TEST_F(OptionsSheet, TrainingTypesTakeEffectAtOnceAndCancelRestoresThem) {
    load("[KONFIG]\nSOLL_IST_EINTRAG_1=Grundlage\nSOLL_IST_FARBE_3=255\n");
    services.answerColourDialogs(
        {{ColourOutcome::Chosen, platform::rgb(1, 2, 3)}, {ColourOutcome::Failed, 0}});
    namespace id = training_types_page;
    run([this](HeadlessPropertySheet& sheet) {
        sheet.selectPage(kTrainingTypes);
        HeadlessDialogHost& page = sheet.page(kTrainingTypes);
        EXPECT_EQ("Grundlage", page.text(id::firstLabel));
        page.type(id::firstLabel, "Kraftausdauer am Berg");
        EXPECT_EQ("Kraftausdauer am Berg", settings.trainingTypeLabels[0]);
        page.press(id::firstColourButton + 2);
        EXPECT_EQ(platform::rgb(1, 2, 3), page.swatchColour(id::firstSwatch + 2));
        page.press(id::firstColourButton + 2);
        EXPECT_EQ(platform::rgb(1, 2, 3), page.swatchColour(id::firstSwatch + 2));
        sheet.cancel();
    });
    EXPECT_EQ(std::tuple(settings.trainingTypeLabels[0], settings.trainingTypeColours[2]),
              std::tuple("Grundlage", 255));
    const platform::headless::LoggedMessage failed{"COLOR-Dialogbox", "Error", platform::Buttons::Ok,
                                                   platform::Icon::Stop};
    EXPECT_EQ(std::vector{failed}, services.messages());
    const auto& chooser = services.colourDialogs()[0];
    EXPECT_EQ(std::tuple(chooser.customColours[1], chooser.customColours[15], chooser.initial),
              std::tuple(platform::rgb(255, 0, 0), platform::rgb(255, 128, 128), 255u));

    services.answerColourDialogs({{ColourOutcome::Chosen, platform::rgb(9, 9, 9)}});
    run([](HeadlessPropertySheet& sheet) {
        sheet.selectPage(kTrainingTypes);
        sheet.page(kTrainingTypes).type(id::firstLabel + 9, "Wettkampf");
        sheet.page(kTrainingTypes).press(id::firstColourButton + 9);
        sheet.ok();
    });
    EXPECT_EQ("Wettkampf", settings.trainingTypeLabels[9]);
    EXPECT_EQ(int(platform::rgb(9, 9, 9)), settings.trainingTypeColours[9]);
    EXPECT_NE("Wettkampf", stored("KONFIG", "SOLL_IST_EINTRAG_10"));  // written with the rest at exit
}

TEST_F(OptionsSheet, PulseZonesGrowAtTheTopAndInvertedZonesAreRefused) {
    load(
        "[KONFIG]\nPOLAR=0\nTACHO=1\n[X_Y_DIAGRAMM]\nAnzahl_Bereich=3\nMax_Bereich0=120\nMax_Bereich1=140\n"
        "Max_Bereich2=160\n");
    using namespace pulse_zones_page;
    auto check = [](int zone) { return firstCheck + zone - 1; };
    auto upper = [](int zone) { return firstUpperField + 2 * (zone - 1); };
    run([&](HeadlessPropertySheet& sheet) {
        ASSERT_EQ(6, sheet.pageCount());
        sheet.selectPage(kPulseZones);
        HeadlessDialogHost& page = sheet.page(kPulseZones);
        EXPECT_EQ("141", page.text(firstLowerField + 4));
        EXPECT_TRUE(page.isEnabled(check(4)));
        EXPECT_FALSE(page.isEnabled(check(5)));
        EXPECT_FALSE(page.isEnabled(upper(4)));
        page.press(check(2));
        for (int zone = 1; zone <= 3; ++zone) EXPECT_TRUE(page.isChecked(check(zone)));
        page.press(check(3));
        EXPECT_FALSE(page.isChecked(check(3)));
        EXPECT_FALSE(page.isEnabled(upper(3)));
        page.type(upper(2), "221");
        EXPECT_EQ("140", page.text(upper(2)));
        page.type(upper(2), "220");
        EXPECT_EQ("220", page.text(upper(2)));
        EXPECT_EQ("221", page.text(firstLowerField + 4));
        sheet.selectPage(kWorkspace);
        sheet.ok();
    });
    EXPECT_EQ(std::tuple(stored("X_Y_Diagramm", "Anzahl_Bereich"), stored("X_Y_Diagramm", "Max_Bereich1"),
                         settings.pulseZones.lower[2]),
              std::tuple("2", "220", 221));
    EXPECT_TRUE(services.messages().empty());

    // An inverted zone keeps the sheet open on its bound and writes nothing until it is mended; a
    // colour chosen meanwhile survives. Zone 2 ends at 220, so zone 1 may end at 219 but not at 220.
    services.clearLog();
    services.answerColourDialogs({{ColourOutcome::Chosen, platform::rgb(7, 7, 7)}});
    run([&](HeadlessPropertySheet& sheet) {
        sheet.selectPage(kPulseZones);
        HeadlessDialogHost& page = sheet.page(kPulseZones);
        page.type(upper(1), "220");
        page.press(firstColourButton);
        sheet.ok();
        sheet.selectPage(kWorkspace);
        EXPECT_FALSE(sheet.ended());
        EXPECT_EQ(kPulseZones, sheet.currentPage());
        EXPECT_EQ(upper(2), page.focus());
        EXPECT_EQ("120", stored("X_Y_Diagramm", "Max_Bereich0"));
        page.type(upper(1), "219");
        sheet.ok();
    });
    EXPECT_EQ(std::vector<std::string>(2, "Der MAX-Wert für Bereich 2 ist kleiner als der MIN-Wert"),
              services.messageTexts());
    EXPECT_EQ(std::tuple(stored("X_Y_Diagramm", "Max_Bereich0"), stored("X_Y_Diagramm", "Anzahl_Bereich"),
                         stored("X_Y_Diagramm", "Farbe_Bereich0")),
              std::tuple("219", "2", "460551"));
}

}  // namespace
}  // namespace sb::options
