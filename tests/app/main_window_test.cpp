// The real main window on Qt's offscreen platform, started as the program starts it from a program
// directory of its own: the reloaded plan is drawn once the logo time is over, the menus, toolbar and
// status bar follow the plan state, and the toolbar survives being switched off and on.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "app/main_window.h"
#include "app/program_start.h"
#include "model/clock.h"
#include "planfile/plan_file_writer.h"
#include "shell/command_dispatcher.h"

using namespace sb;
namespace fs = std::filesystem;

namespace {

QApplication& application() {
    static QApplication* app = [] {
        if (auto* running = qobject_cast<QApplication*>(QCoreApplication::instance())) return running;
        static int argc = 1;
        static char name[] = "test_app";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    static const bool prepared = (app::prepareApplication(*app), true);
    (void)prepared;
    return *app;
}

// A season of 2009 with something trained on most days, so every diagram has bars to show.
model::TrainingYear seasonPlan() {
    model::TrainingYear year;
    year.firstName = "Anna";
    year.lastName = "Berger";
    year.planYear = 2009;
    for (int day = 0; day < 365; ++day) {
        model::DayRecord& d = year.days[std::size_t(day)];
        const float wave = float(1.0 + std::sin(day / 20.0));
        if (day % 7 != 0) d.bike = {"Waldrunde", 135, 30.0f + 25.0f * wave, 300, "01:30", 2, ""};
        if (day % 3 == 0) d.run = {"Stadtpark", 150, 8.0f + 4.0f * wave, 0, "00:50", 3, ""};
        if (day % 4 == 1) d.swim = {"Hallenbad", 125, 2.0f, 0, "00:45", 1, ""};
        d.bodyWeight = 70.0f;
        d.restingPulse = 48;
    }
    return year;
}

// A program directory in a fresh temporary folder, with the given settings file.
class ProgramDirectory {
  public:
    explicit ProgramDirectory(const std::string& settings) {
        char pattern[] = "/tmp/saisonbuch-app-XXXXXX";
        path_ = mkdtemp(pattern);
        std::ofstream(path_ / "train.cfg", std::ios::binary) << settings;
    }
    ~ProgramDirectory() { fs::remove_all(path_); }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    config::ProgramPaths paths() const {
        const std::string home = path_.string();
        // Only the program directory: nothing from the real home folder may be migrated.
        return config::locateProgramDirectory([home](const std::string& name) -> std::optional<std::string> {
            if (name == "SAISONBUCH_HOME") return home;
            return std::nullopt;
        });
    }

  private:
    fs::path path_;
};

// Runs the event loop until `done` holds or the time is up. A modal window that opens meanwhile (a
// message box the start-up did not expect) is closed and reported, so the test fails instead of hanging.
bool runUntil(const std::function<bool()>& done, int milliseconds, std::string& unexpected) {
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [&unexpected] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            unexpected += modal->windowTitle().toStdString() + ";";
            modal->close();
        }
    });
    guard.start(100);
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < milliseconds) QApplication::processEvents(QEventLoop::AllEvents, 50);
    return done();
}

QAction* menuCommand(QMenuBar& bar, int id) {
    for (QAction* top : bar.actions()) {
        if (!top->menu()) continue;
        for (QAction* action : top->menu()->actions())
            if (action->data().toInt() == id) return action;
    }
    return nullptr;
}

QAction* toolbarCommand(QToolBar& toolbar, int id) {
    for (QAction* action : toolbar.actions())
        if (action->data().toInt() == id) return action;
    return nullptr;
}

std::set<QRgb> coloursIn(const QImage& image, const QRect& area) {
    std::set<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); y += 2)
        for (int x = area.left(); x <= area.right(); x += 2) colours.insert(image.pixel(x, y));
    return colours;
}

void saveScreenshot(const QImage& image, const std::string& name) {
    if (const char* folder = std::getenv("SAISONBUCH_SCREENSHOT_DIR"))
        image.save(QString::fromStdString(std::string(folder) + "/" + name));
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        application();
        model::setClock([] { return model::CivilDate{17, 6, 2009}; });
    }
    void TearDown() override { model::setClock({}); }
};

}  // namespace

TEST_F(MainWindowTest, ReloadsTheLastPlanAndDrawsItsDiagramAfterTheLogo) {
    ProgramDirectory directory("");
    const std::string plan = directory.file("saison 2009.sb3");
    ASSERT_EQ(planfile::writePlanFile(seasonPlan(), plan), 0);
    std::ofstream(directory.file("train.cfg"), std::ios::binary)
        << "[KONFIG]\r\nAUTOLADEN=1\r\nLETZTE_DATEI=" << plan
        << "\r\nDIAGRAMM_TYP=1\r\nLOGOZEIT=3\r\nTOOLBAR=1\r\nSTATUSBAR=1\r\nSPORTART=5\r\nPOLAR=1\r\nTACHO="
           "1\r\n";

    shell::Application state;
    const auto window = app::openMainWindow(state, directory.paths());
    std::string unexpected;
    ASSERT_TRUE(runUntil([&] { return state.year.planLoaded == 1; }, 5000, unexpected)) << unexpected;
    const QImage logoPhase = window->clientArea()->grab().toImage();
    ASSERT_TRUE(runUntil([&] { return state.logoDone == 1; }, 6000, unexpected)) << unexpected;
    QApplication::processEvents();
    EXPECT_EQ(unexpected, "");

    EXPECT_EQ(window->windowTitle(), "Saisonbuch");
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    QMenuBar& bar = *window->menuBar();
    QStringList menus;
    for (QAction* action : bar.actions()) menus << action->text();
    EXPECT_EQ(menus.join('|').toStdString(),
              "&Datei|&Bearbeiten|&Ansicht|&Tools|&Pulsuhr|&Radcomputer|&Extras|&Y-Achse|&Hilfe");
    ASSERT_NE(menuCommand(bar, 12), nullptr);
    EXPECT_TRUE(menuCommand(bar, 12)->isEnabled());
    ASSERT_NE(window->toolbar(), nullptr);
    EXPECT_TRUE(toolbarCommand(*window->toolbar(), 12)->isEnabled());
    EXPECT_EQ(toolbarCommand(*window->toolbar(), 18)->toolTip(), "Grafik drucken");

    // Three parts side by side across the bar, a quarter, a quarter and a half of it.
    const app::StatusParts& parts = *window->statusParts();
    EXPECT_EQ(parts.text(0), "Trainingsjahr: 2009");
    EXPECT_EQ(parts.text(1), "Sportler(in): Anna Berger");
    EXPECT_EQ(parts.text(2).toStdString(), "Datei: " + plan);
    EXPECT_EQ(parts.partGeometry(0).left(), 0);
    EXPECT_EQ(parts.partGeometry(1).left(), parts.partGeometry(0).right() + 1);
    EXPECT_EQ(parts.partGeometry(2).left(), parts.partGeometry(1).right() + 1);
    EXPECT_EQ(parts.partGeometry(2).right(), parts.width() - 1);
    EXPECT_NEAR(parts.partGeometry(0).width(), parts.width() / 4, 1);
    EXPECT_GT(parts.width(), window->width() * 9 / 10);

    const QImage diagram = window->clientArea()->grab().toImage();
    saveScreenshot(window->grab().toImage(), "main-window-test.png");
    ASSERT_FALSE(diagram.isNull());
    const QRect inner = diagram.rect().adjusted(diagram.width() / 8, diagram.height() / 8,
                                                -diagram.width() / 8, -diagram.height() / 8);
    EXPECT_GE(coloursIn(diagram, diagram.rect()).size(), 4u);
    EXPECT_GT(coloursIn(diagram, inner).size(), 1u) << "the diagram area is blank";
    EXPECT_NE(diagram, logoPhase) << "the diagram never replaced the start screen";
}

TEST_F(MainWindowTest, WithoutPlanTheStartScreenShowsAndPlanCommandsStayOff) {
    ProgramDirectory directory("[KONFIG]\r\nAUTOLADEN=0\r\nTOOLBAR=1\r\nSTATUSBAR=0\r\nDIAGRAMM_TYP=3\r\n");
    shell::Application state;
    const auto window = app::openMainWindow(state, directory.paths());
    std::string unexpected;
    // The start-up command has run once the routes and the week are settled; without a plan it changes
    // nothing visible, so wait for the queued command by letting the loop run briefly.
    runUntil([] { return false; }, 300, unexpected);
    EXPECT_EQ(unexpected, "");
    EXPECT_EQ(state.year.planFileVersion, 0);

    QMenuBar& bar = *window->menuBar();
    for (QAction* top : bar.actions()) EXPECT_TRUE(top->text().contains('&')) << top->text().toStdString();
    for (int id : {12, 13, 30, 32}) {
        ASSERT_NE(menuCommand(bar, id), nullptr) << id;
        EXPECT_FALSE(menuCommand(bar, id)->isEnabled()) << id;
    }
    EXPECT_TRUE(menuCommand(bar, 11)->isEnabled());
    EXPECT_FALSE(window->statusBar()->isVisible());

    // Save stays off through the toolbar being switched off and on again.
    shell::dispatchCommand(state, *window, window->services(), 64);
    EXPECT_EQ(window->toolbar(), nullptr);
    shell::dispatchCommand(state, *window, window->services(), 64);
    ASSERT_NE(window->toolbar(), nullptr);
    EXPECT_FALSE(toolbarCommand(*window->toolbar(), 12)->isEnabled());
    EXPECT_TRUE(toolbarCommand(*window->toolbar(), 11)->isEnabled());
    EXPECT_FALSE(toolbarCommand(*window->toolbar(), 11)->icon().isNull()) << "toolbar images missing";
    EXPECT_FALSE(window->windowIcon().isNull());
    const QLineEdit* valueBox = window->toolbar()->findChild<QLineEdit*>();
    ASSERT_NE(valueBox, nullptr);
    EXPECT_EQ(valueBox->maxLength(), 4);
    EXPECT_TRUE(toolbarCommand(*window->toolbar(), 253)->isEnabled()) << "the week diagram steps by week";

    // The start screen: the logo and the information lines on white.
    const QImage screen = window->clientArea()->grab().toImage();
    saveScreenshot(window->grab().toImage(), "main-window-start-test.png");
    EXPECT_GE(coloursIn(screen, screen.rect()).size(), 3u);
}
