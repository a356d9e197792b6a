// The toolbar table, its texts, the plan and navigation state of its buttons, and the customised layout
// kept in the configuration file.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "shell/file_state.h"
#include "shell/toolbar.h"
#include "support/headless_main_window.h"

namespace sb::shell {
namespace {

TEST(Toolbar, ButtonTable) {
    const auto& buttons = toolbarButtons();
    std::vector<int> commands;
    std::vector<int> images;
    for (const ToolbarButton& button : buttons) {
        commands.push_back(button.command);
        if (button.image >= 0) images.push_back(button.image);
        EXPECT_EQ(button.separator, button.command == 0);
    }
    EXPECT_EQ(commands, (std::vector<int>{11, 12, 18, 0,  32, 0,  43, 44, 46, 45, 0, 48,  49,  50,
                                          51, 52, 0,  40, 41, 42, 0,  57, 0,  30, 0, 254, 251, 253}));
    std::vector<int> expectedImages(20);
    for (int i = 0; i < 20; ++i) expectedImages[i] = i;
    EXPECT_EQ(images, expectedImages);
    EXPECT_EQ(buttons[kValueBoxEntry].command, kValueBoxId);
    EXPECT_EQ(buttons[kValueBoxEntry].width, 50);
}

TEST(Toolbar, TooltipsAndCustomisationTexts) {
    config::DiagramChoice settings;
    EXPECT_EQ(toolbarTooltip(settings, 11), "Öffnen");
    EXPECT_EQ(toolbarTooltip(settings, 40), "Wochen-Liste");
    EXPECT_EQ(toolbarTooltip(settings, 253), "nächstes");
    EXPECT_EQ(toolbarTooltip(settings, kValueBoxId), "Wert");
    settings.userDiagrams[0] = {3, 128, 0, 0};
    settings.userDiagrams[1] = {0, 103, 0, 0};
    settings.userDiagrams[2] = {1, 117, 0, 0};
    settings.userDiagrams[3] = {5, 103, 0, 0};
    settings.userDiagrams[4] = {4, 144, 0, 0};
    EXPECT_EQ(toolbarTooltip(settings, 48), "W-Diagramm (Zeit)");
    EXPECT_EQ(toolbarTooltip(settings, 49), "Kein Diagramm ausgewählt");
    EXPECT_EQ(toolbarTooltip(settings, 50), "WJ-Diagramm (Zeit Gesamt (Untergliedert))");
    EXPECT_EQ(toolbarTooltip(settings, 51), "X-Y-Diagramm Zeit - Strecke -");
    EXPECT_EQ(toolbarTooltip(settings, 52), "M-Diagramm (IST-Plan KM Laufen)");

    EXPECT_EQ(toolbarCustomisationText(0), "Öffnen");
    EXPECT_EQ(toolbarCustomisationText(3), "");
    EXPECT_EQ(toolbarCustomisationText(11), "Benutzer Definiert 1");
    EXPECT_EQ(toolbarCustomisationText(15), "Benutzer Definiert 5");
    EXPECT_EQ(toolbarCustomisationText(27), "nächstes");
    EXPECT_EQ(toolbarCustomisationText(28), std::nullopt);
    EXPECT_EQ(toolbarCustomisationText(-1), std::nullopt);
}

TEST(Toolbar, ButtonsFollowPlanAndDiagramKind) {
    Application app;
    testing::HeadlessMainWindow view;
    app.diagram.diagramKind = 4;
    app.year.planFileVersion = 0;
    applyFileState(app, view);
    applyNavigationState(app, view);
    for (int id : {12, 18, 30, 32, 40, 41, 42, 43, 44, 45, 46, 48, 52, 57})
        EXPECT_FALSE(view.toolbarButtonEnabled(id)) << id;
    EXPECT_TRUE(view.toolbarButtonEnabled(11));
    EXPECT_TRUE(view.toolbarButtonEnabled(254));

    app.year.planFileVersion = 1;
    app.diagram.diagramKind = 2;
    applyFileState(app, view);
    applyNavigationState(app, view);
    for (int id : {12, 18, 30, 32, 40, 43, 48, 57}) EXPECT_TRUE(view.toolbarButtonEnabled(id)) << id;
    for (int id : {253, 254, kValueBoxId}) EXPECT_FALSE(view.toolbarButtonEnabled(id)) << id;
}

class ToolbarLayout : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ =
            std::filesystem::temp_directory_path() / ("saisonbuch-toolbar-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "train.cfg").string();
        std::ofstream(path_, std::ios::binary) << "[KONFIG]\r\nSPORTART=4\r\n";
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }

    config::ConfigStore openStore() const {
        config::ConfigStore store;
        config::openConfigFile(store, path_);
        return store;
    }
    std::string fileText() const {
        std::ifstream in(path_, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void storeLayoutText(const std::string& text) const {
        std::ofstream(path_, std::ios::binary) << "[TOOLBAR]\r\nLAYOUT=" << text << "\r\n";
    }

    std::filesystem::path folder_;
    std::string path_;
};

TEST_F(ToolbarLayout, CustomisationIsSavedAndRestored) {
    config::ConfigStore store = openStore();
    std::vector<int> layout = loadToolbarLayout(store);
    EXPECT_EQ(layout, defaultToolbarLayout());

    EXPECT_TRUE(deleteToolbarEntry(store, layout, 2));       // "Grafik drucken"
    EXPECT_TRUE(insertToolbarEntry(store, layout, 0, 3));    // a second separator
    EXPECT_TRUE(insertToolbarEntry(store, layout, 28, 2));   // back at the end
    EXPECT_FALSE(insertToolbarEntry(store, layout, 0, 11));  // already there
    EXPECT_FALSE(insertToolbarEntry(store, layout, 30, 3));  // past the end
    EXPECT_FALSE(insertToolbarEntry(store, layout, 0, 28));  // no such entry
    EXPECT_FALSE(deleteToolbarEntry(store, layout, 29));
    EXPECT_EQ(fileText(),
              "[KONFIG]\r\nSPORTART=4\r\n\r\n[TOOLBAR]\r\n"
              "LAYOUT=3,0,1,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,2\r\n");

    config::ConfigStore reopened = openStore();
    EXPECT_EQ(loadToolbarLayout(reopened), layout);

    resetToolbarLayout(reopened, layout);
    EXPECT_EQ(layout, defaultToolbarLayout());
    config::ConfigStore afterReset = openStore();
    EXPECT_EQ(loadToolbarLayout(afterReset), defaultToolbarLayout());
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
