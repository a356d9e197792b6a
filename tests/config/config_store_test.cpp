// The settings file as the program leaves it: the keys a first start writes, the final save, validation
// of damaged values, the "Test" marker, and the recently-used list.
#include "config/config_store.h"
#include "config/settings_table.h"

#include <gtest/gtest.h>

#include <tuple>

#include "support/plan_fixtures.h"

using namespace sb::config;
using namespace sb::testing;

namespace {

// The stored settings and the diagram choice after a start, in one object for brevity.
struct Started : ConfigStore, DiagramChoice {};

Started startWith(const std::string& path) {
    Started started;
    openConfigFile(started, path);
    loadAllSettings(started, started);
    loadPulseZones(started);
    return started;
}

// Each diagram kind's quantity, then the user presets' quantities.
std::vector<int> quantities(const DiagramChoice& diagram) {
    std::vector<int> all{diagram.weekOfYearQuantity, diagram.monthOfYearQuantity, diagram.weekQuantity,
                         diagram.monthQuantity,      diagram.yQuantity,           diagram.xQuantity};
    for (const UserDiagramPreset& preset : diagram.userDiagrams) all.push_back(preset.quantity);
    return all;
}

// Each test's own train.cfg.
class SettingsFile : public ::testing::Test {
  protected:
    TempDir dir;
    const std::string path = dir.file("train.cfg");
};

}  // namespace

TEST_F(SettingsFile, FirstStartWritesTheDefaultsAndExitTheDiagramChoice) {
    Started store = startWith(path);
    EXPECT_EQ(fileBytes(path), fileBytes(goldenPath("config/fresh_train.cfg")));
    EXPECT_TRUE(saveAllSettings(store, store, ""));
    EXPECT_EQ(fileBytes(path), fileBytes(goldenPath("config/exit_fresh_train.cfg")));
}

// Every value differs from its default and from the others, so a row that fills the wrong field shows.
// After an exit the file is the same apart from its line ends.
TEST_F(SettingsFile, EveryStoredValueReachesItsFieldAndAnExitKeepsTheFile) {
    writeBytes(path, fileBytes(goldenPath("config/custom_train.cfg")));
    Started store = startWith(path);
    EXPECT_EQ(std::vector<int>({store.autoLoad, store.autoOpenDayEditor, store.sportMode, store.triathlonBasic,
                                store.showToolbar, store.showStatusBar, store.displayStyle, store.polarSupport,
                                store.bikeComputerSupport, store.logoSeconds, store.historyMaxCount}),
              std::vector<int>({0, 1, 2, 0, 0, 0, 3, 0, 1, 7, 3}));
    EXPECT_EQ(std::tuple(store.trainingTypeLabels[0], store.trainingTypeLabels[6], store.lastFile),
              std::tuple("Ruhetag", "Test ", "/daten/pl\xe4ne/jan_2012.sb2"));
    EXPECT_EQ(store.history, (std::vector<std::string>{"/daten/pl\xe4ne/jan_2012.sb2", "/daten/alt.sbn"}));
    const UserDiagramPreset& last = store.userDiagrams[4];
    EXPECT_EQ(std::vector<int>({store.diagramKind, store.timeSportFlags, store.loadSportFlags, store.userDiagramSlot,
                                last.kind, last.timeSportFlags, last.loadSportFlags, store.trainingTypeColours[9],
                                store.pulseZones.count, store.pulseZones.lower[3], store.pulseZones.colours[4]}),
              std::vector<int>({4, 15, 6, 4, 5, 9, 10, 10, 3, 161, 5}));
    EXPECT_EQ(quantities(store), std::vector<int>({120, 126, 127, 117, 142, 130, 111, 125, 119, 116, 137}));

    EXPECT_TRUE(saveAllSettings(store, store, std::string(store.lastFile)));
    EXPECT_EQ(fileBytes(path), fileBytes(goldenPath("config/exit_custom_train.cfg")));
}

TEST_F(SettingsFile, DamagedValuesTakeTheirDefaults) {
    writeBytes(
        path,
        "[KONFIG]\nTRIATHLON_BASIC=7\nLOGOZEIT=1\nSPORTART=9\nDARSTELLUNG=0\nAUTOLADEN=Test\n"
        "SOLL_IST_FARBE_2=-5\nDIAGRAMM_TYP=6\nBENUTZER=5\n"
        "[MENUE]\nMAX_ANZAHL=20\nANZAHL=12\n"
        "[WOCHEN_JAHRES_DIAGRAMM]\nMODUS=118\n[MONATS_JAHRES_DIAGRAMM]\nMODUS=150\n"
        "[WOCHEN_DIAGRAMM]\nMODUS=112\nMODUS2=257\n[MONATS_DIAGRAMM]\nMODUS=120\n"
        "[X_Y_DIAGRAMM]\nMODUS_Y=129\nMODUS_X=135\nAnzahl_Bereich=6\nMax_Bereich1=221\nMax_Bereich2=220\n"
        "Max_Bereich3=-1\nMax_Bereich5=0\n"
        "Max_Bereich0=130\nFarbe_Bereich0=Vorgabe\nFarbe_Bereich1=Test\n"
        "[BENUTZER_1]\nDIAGRAMM_TYP=9\nMODUS=999\n[BENUTZER_2]\nDIAGRAMM_TYP=4\nMODUS=127\n"
        "[BENUTZER_3]\nDIAGRAMM_TYP=5\nMODUS=136\n");
    Started store = startWith(path);
    EXPECT_EQ(std::vector<int>({store.triathlonBasic, store.logoSeconds, store.sportMode, store.displayStyle,
                                store.autoLoad, store.trainingTypeColours[1], store.diagramKind,
                                store.userDiagramSlot, store.historyMaxCount, int(store.history.size())}),
              std::vector<int>({1, 3, 5, 1, 1, 16744448, 0, -1, 0, 0}));
    EXPECT_EQ(std::pair(store.timeSportFlags, store.userDiagrams[0].kind), std::pair(1, 0));
    EXPECT_EQ(quantities(store), std::vector<int>({103, 150, 103, 103, 135, 129, 103, 103, 136, 103, 103}));
    const PulseZones& zones = store.pulseZones;
    EXPECT_EQ(std::vector<int>({zones.count, zones.upper[0], zones.upper[1], zones.upper[2], zones.upper[3],
                                zones.upper[5], zones.lower[1], zones.colours[0], zones.colours[1]}),
              std::vector<int>({0, 130, 150, 220, 150, 0, 131, 8454143, 4914882}));  // "Test" is no colour
    // The options page writes through these rows.
    EXPECT_EQ(pulseZoneUpperSetting(5).key + pulseZoneColourSetting(4).key, "Max_Bereich5Farbe_Bereich4");

    // Damaged values are repaired in the file at once, also in keys whose missing value is never written.
    const ProfileFile& file = store.file;
    for (auto [section, key, value] :
         {std::tuple{"KONFIG", "TRIATHLON_BASIC", "1"}, {"KONFIG", "LOGOZEIT", "3"}, {"KONFIG", "AUTOLADEN", "1"},
          {"KONFIG", "SOLL_IST_FARBE_2", "16744448"}, {"MENUE", "ANZAHL", "0"},
          {"X_Y_DIAGRAMM", "Farbe_Bereich0", "8454143"}, {"KONFIG", "DIAGRAMM_TYP", "0"},
          {"X_Y_DIAGRAMM", "Max_Bereich1", "150"}})
        EXPECT_EQ(profileString(file, section, key), value) << key;
    EXPECT_EQ(fileBytes(path), profileText(loadProfileFile(path)));

    writeBytes(path, "[KONFIG]\nLOGOZEIT=10\nTRIATHLON_BASIC=0\n");
    Started kept = startWith(path);
    EXPECT_EQ(std::pair(kept.logoSeconds, kept.triathlonBasic), std::pair(10, 0));
}

TEST_F(SettingsFile, RecentlyUsedListKeepsTheNewestFirst) {
    writeBytes(path, "[MENUE]\nMAX_ANZAHL=4\nANZAHL=4\nEINTRAG_0=a\nEINTRAG_1=b\nEINTRAG_2=c\nEINTRAG_3=d\n");
    Started store = startWith(path);
    ASSERT_EQ(store.history, (std::vector<std::string>{"a", "b", "c", "d"}));
    addToHistory(store, "c");
    EXPECT_EQ(store.history, (std::vector<std::string>{"c", "a", "b", "d"}));
    addToHistory(store, "e");
    EXPECT_EQ(store.history, (std::vector<std::string>{"e", "c", "a", "b"}));
    const std::string written = fileBytes(path);
    EXPECT_NE(written.find("ANZAHL=4\r\nEINTRAG_0=e\r\nEINTRAG_1=c\r\nEINTRAG_2=a\r\nEINTRAG_3=b\r\n"),
              std::string::npos);
    addToHistory(store, "e");
    EXPECT_EQ(fileBytes(path), written);
    EXPECT_EQ(startWith(path).history, store.history);

    // With the default length 0 the list stays empty.
    Started fresh = startWith(dir.file("fresh.cfg"));
    addToHistory(fresh, "/plans/a.sb3");
    EXPECT_TRUE(fresh.history.empty());
    EXPECT_EQ(profileString(fresh.file, "MENUE", "ANZAHL"), "0");
}

TEST_F(SettingsFile, SingleReadsAndWritesReachTheFileAtOnce) {
    ConfigStore store;
    openConfigFile(store, path);
    EXPECT_EQ(readIntSetting(store, "EXPORT", "DATUM", 1, WriteBack::Yes), 1);
    EXPECT_EQ(readSetting(store, "SUCHEN", "SOLL", "0", WriteBack::No), "0");
    EXPECT_EQ(fileBytes(path), "[EXPORT]\r\nDATUM=1\r\n");
    EXPECT_TRUE(writeIntSetting(store, "export", "datum", 0));
    EXPECT_TRUE(writeSetting(store, "Liste", "LISTVIEW", "11$0$1$2$3$4$5$6$7$8$9$10$"));
    EXPECT_EQ(fileBytes(path),
              "[EXPORT]\r\nDATUM=0\r\n\r\n[Liste]\r\nLISTVIEW=11$0$1$2$3$4$5$6$7$8$9$10$\r\n");
    writeBytes(path, "[EXPORT]\nDATUM=Test\n[KONFIG]\nLABEL=" + std::string(300, 'x') + "\n");
    openConfigFile(store, path);
    EXPECT_EQ(readIntSetting(store, "EXPORT", "DATUM", 1, WriteBack::No), 1);  // "Test" marks a missing value
    EXPECT_EQ(readSetting(store, "KONFIG", "LABEL", "", WriteBack::No, buffer::label), std::string(49, 'x'));
}

// A stored quantity is kept exactly when the diagram of its kind can draw it: the week diagram draws the
// actual-by-type codes, though its menu does not offer them, and no counts.
TEST_F(SettingsFile, QuantitiesFollowWhatTheirDiagramMenuOffers) {
    writeBytes(path, "[WOCHEN_DIAGRAMM]\nMODUS=145\n[MONATS_DIAGRAMM]\nMODUS=111\n"
                     "[BENUTZER_1]\nDIAGRAMM_TYP=4\nMODUS=150\n[BENUTZER_2]\nDIAGRAMM_TYP=3\nMODUS=107\n"
                     "[BENUTZER_3]\nDIAGRAMM_TYP=3\nMODUS=150\n[MONATS_JAHRES_DIAGRAMM]\nMODUS=145\n");
    EXPECT_EQ(quantities(startWith(path)), std::vector<int>({103, 145, 103, 103, 135, 129, 150, 103, 103, 103, 103}));
}

// Two programs on one train.cfg writing in turn keep each other's keys; a final save writes only what its
// program changed, and fills in a key the file lost.
TEST_F(SettingsFile, TwoProgramsWritingInTurnKeepEachOthersKeys) {
    Started first = startWith(path);
    Started second = startWith(path);
    EXPECT_TRUE(writeSetting(first, "ZAHNRAD", "KETTENBLATT", "53") &&
                writeSetting(second, "ZAHNRAD", "RITZEL", "11"));
    second.diagramKind = 3;
    EXPECT_TRUE(saveAllSettings(second, second, "/b.sb3") && saveAllSettings(first, first, "/a.sb3"));
    const auto stored = [this](const char* section, const char* key) {
        return profileString(loadProfileFile(path), section, key).value_or("missing");
    };
    EXPECT_EQ((std::vector<std::string>{"53", "11", "3", "/a.sb3"}),
              (std::vector{stored("ZAHNRAD", "KETTENBLATT"), stored("ZAHNRAD", "RITZEL"),
                           stored("KONFIG", "DIAGRAMM_TYP"), stored("KONFIG", "LETZTE_DATEI")}));
    std::string bytes = fileBytes(path);
    writeBytes(path, bytes.erase(bytes.find("DIAGRAMM_TYP=3\r\n"), 16));
    EXPECT_TRUE(saveAllSettings(first, first, "/a.sb3"));
    EXPECT_EQ("0", stored("KONFIG", "DIAGRAMM_TYP"));
}
