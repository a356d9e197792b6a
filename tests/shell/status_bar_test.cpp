// The status bar's texts for the document state and the edges of its three parts.
#include <gtest/gtest.h>

#include "shell/status_bar.h"
#include "support/headless_main_window.h"

namespace sb::shell {
namespace {

TEST(StatusBar, TextsFollowTheDocument) {
    Application app;
    app.year.currentFileName = "/home/anna/alt.sb3";  // remembered, but no plan open
    EXPECT_EQ(statusBarTexts(app),
              (std::array<std::string, 3>{"Trainingsjahr:", "Sportler(in):  ", "Datei:"}));

    app.year.planFileVersion = 2;
    app.year.planYear = 2024;
    app.year.firstName = "J\xfcrgen";  // Windows-1252, as read from the plan
    app.year.lastName = "M\xfcller";
    app.year.currentFileName = "/home/anna/Saison 2024.sb2";
    testing::HeadlessMainWindow view;
    updateStatusBar(app, view);
    EXPECT_EQ(view.statusTexts(),
              (std::array<std::string, 3>{"Trainingsjahr: 2024", "Sportler(in): Jürgen Müller",
                                          "Datei: /home/anna/Saison 2024.sb2"}));
}

TEST(StatusBar, PartEdges) {
    EXPECT_EQ(statusBarPartEdges(1000), (std::array<int, 3>{250, 500, 1000}));
    EXPECT_EQ(statusBarPartEdges(801), (std::array<int, 3>{200, 400, 801}));
    EXPECT_EQ(statusBarPartEdges(3), (std::array<int, 3>{0, 1, 3}));
    EXPECT_EQ(statusBarPartEdges(0), (std::array<int, 3>{0, 0, 0}));
}

}  // namespace
}  // namespace sb::shell
