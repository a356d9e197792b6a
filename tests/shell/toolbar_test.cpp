// The toolbar's tooltips, and its context menu with the customised layout kept in the configuration
// file.
#include <gtest/gtest.h>

#include <cstring>

#include <filesystem>
#include <fstream>

#include "platform/headless/headless_services.h"
#include "shell/command_ids.h"
#include "shell/toolbar.h"
#include "support/plan_fixtures.h"

namespace sb::shell {
namespace {

TEST(Toolbar, PresetTooltipsNameTheirDiagram) {
    config::DiagramChoice diagram;
    diagram.userDiagrams[0] = {3, 128, 0, 0};
    diagram.userDiagrams[1] = {0, 103, 0, 0};
    diagram.userDiagrams[4] = {4, 144, 0, 0};
    EXPECT_EQ(toolbarTooltip(diagram, cmd::kFirstPreset), "W-Diagramm (Zeit)");
    EXPECT_EQ(toolbarTooltip(diagram, cmd::kFirstPreset + 1), "Kein Diagramm ausgewählt");
    EXPECT_EQ(toolbarTooltip(diagram, cmd::kLastPreset), "M-Diagramm (IST-Plan KM Laufen)");
}

class ToolbarLayout : public ::testing::Test {
  protected:
    void SetUp() override { std::ofstream(path_, std::ios::binary) << "[KONFIG]\r\nSPORTART=4\r\n"; }

    config::ConfigStore openStore() const {
        config::ConfigStore store;
        config::openConfigFile(store, path_);
        return store;
    }
    void storeLayoutText(const std::string& text) const {
        std::ofstream(path_, std::ios::binary) << "[TOOLBAR]\r\nLAYOUT=" << text << "\r\n";
    }

    sb::testing::TempDir folder_;
    std::string path_ = folder_.file("train.cfg");
};

TEST_F(ToolbarLayout, CustomisationMenuChangesAndSavesTheLayout) {
    config::ConfigStore store = openStore();
    std::vector<int> layout = loadToolbarLayout(store);
    EXPECT_EQ(layout, defaultToolbarLayout());
    platform::headless::HeadlessServices services;
    services.answerPopupMenus({kToolbarRemoveItem, kToolbarInsertItem + 3, 0, kToolbarInsertItem + 2});
    EXPECT_TRUE(customiseToolbar(services, store, layout, 2));  // "Grafik drucken" removed
    EXPECT_TRUE(customiseToolbar(services, store, layout, 0));  // a second separator in front
    EXPECT_FALSE(customiseToolbar(services, store, layout, 28));
    EXPECT_TRUE(customiseToolbar(services, store, layout, 28));  // beside the buttons: at the end

    const std::vector<platform::MenuItem>& full = services.popupMenus()[0];
    ASSERT_EQ(std::pair(3ul, 28ul), std::pair(full.size(), full[0].children.size()));
    for (const platform::MenuItem& item : full[0].children)
        EXPECT_EQ(item.text != "Trennlinie", item.greyed) << item.text;  // only separators repeat
    EXPECT_FALSE(full[1].greyed);
    const std::vector<platform::MenuItem>& beside = services.popupMenus()[2];
    EXPECT_FALSE(beside[0].children[2].greyed);  // removed, so it may come back
    EXPECT_TRUE(beside[1].greyed);               // nothing to remove beside the buttons
    EXPECT_EQ(sb::testing::fileBytes(path_),
              "[KONFIG]\r\nSPORTART=4\r\n\r\n[TOOLBAR]\r\n"
              "LAYOUT=3,0,1,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,2\r\n");

    config::ConfigStore reopened = openStore();
    EXPECT_EQ(loadToolbarLayout(reopened), layout);
    services.answerPopupMenus({kToolbarResetItem});
    EXPECT_TRUE(customiseToolbar(services, reopened, layout, 5));
    config::ConfigStore afterReset = openStore();
    EXPECT_EQ(std::pair(layout, loadToolbarLayout(afterReset)),
              std::pair(defaultToolbarLayout(), defaultToolbarLayout()));

    // A folder in the file's place: the toolbar still changes, and the user learns it is not kept.
    std::filesystem::remove(path_);
    std::filesystem::create_directory(path_);
    services.clearLog();
    services.answerPopupMenus({kToolbarRemoveItem});
    EXPECT_TRUE(customiseToolbar(services, afterReset, layout, 0));
    EXPECT_EQ(std::vector<std::string>{"Fehler beim Speichern der Datei\n" + path_ + ": " + std::strerror(EISDIR)},
              services.messageTexts());
    EXPECT_EQ(std::vector<std::string>{}, services.unexpected());
}

TEST_F(ToolbarLayout, DamagedLayoutGivesTheFullToolbar) {
    for (const char* text : {"0,0", "1,x", "99", "1,,2", "1,", "-1",
                             "3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,"
                             "3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,"
                             "3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3,3"}) {
        storeLayoutText(text);
        config::ConfigStore store = openStore();
        EXPECT_EQ(loadToolbarLayout(store), defaultToolbarLayout()) << text;
    }
    storeLayoutText("");  // every button removed by the user
    config::ConfigStore store = openStore();
    EXPECT_TRUE(loadToolbarLayout(store).empty());
}

}  // namespace
}  // namespace sb::shell
