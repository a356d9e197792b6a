// The real main window on Qt's offscreen platform, started as the program starts it from a program
// directory of its own: the reloaded plan is drawn once the logo time is over, the menus, toolbar,
// title and status bar follow the plan state, the toolbar survives being switched off and on, check
// marks show the state, keys send their commands, the value box takes a typed week and a recording
// dropped on the window opens.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFocusEvent>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "app/main_window.h"
#include "app/program_start.h"
#include "model/diagram_quantity.h"
#include "model/clock.h"
#include "platform_qt/qt_test_application.h"
#include "shell/command_dispatcher.h"
#include "shell/command_ids.h"
#include "shell/startup.h"
#include "support/plan_fixtures.h"

using namespace sb;
namespace cmd = sb::shell::cmd;
namespace fs = std::filesystem;

namespace {

// The start logo's time passes when the test says so.
class ManualTimerServices : public platform::qt::QtServices {
  public:
    void startTimer(int milliseconds, std::function<void()> onTimeout) override {
        interval = milliseconds;
        onTimeout_ = std::move(onTimeout);
    }
    void stopTimer() override { onTimeout_ = nullptr; }
    void fire() {
        if (auto callback = onTimeout_) callback();
    }
    int interval = -1;

  private:
    std::function<void()> onTimeout_;
};

// A window that records the commands its menus, buttons and keys send instead of running them.
class RecordingWindow : public app::MainWindow {
  public:
    using MainWindow::MainWindow;
    void postCommand(int commandId) override { posted.push_back(commandId); }
    std::vector<int> posted;
};

// Only the program directory: nothing from the real home folder may be migrated.
config::ProgramPaths programPaths(const sb::testing::TempDir& directory) {
    const std::string home = directory.path().string();
    return config::locateProgramDirectory([home](const std::string& name) -> std::optional<std::string> {
        return name == "SAISONBUCH_HOME" ? std::optional(home) : std::nullopt;
    });
}

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
        static const bool prepared = (app::prepareApplication(platform::qt::test::application()), true);
        (void)prepared;
        model::setClock([] { return model::CivilDate{17, 6, 2009}; });
    }
    void TearDown() override { model::setClock({}); }

    // The program started on the sample plan with these settings, the logo still shown.
    std::unique_ptr<app::MainWindow> openWithPlan(const std::string& settings) {
        plan_ = directory_.file("saison 2008.sb3");
        fs::copy_file(std::string(std::getenv("SAISONBUCH_TEST_DATA")) + "/../../examples/sample-2008.sb3",
                      plan_);
        std::ofstream(directory_.file("train.cfg"), std::ios::binary)
            << "[KONFIG]\r\nAUTOLADEN=1\r\nLETZTE_DATEI=" << plan_ << "\r\n"
            << settings;
        auto services = std::make_unique<ManualTimerServices>();
        timer_ = services.get();
        auto window = app::openMainWindow(state_, programPaths(directory_), std::move(services));
        std::string unexpected;
        EXPECT_TRUE(runUntil([&] { return state_.year.planLoaded == 1; }, 5000, unexpected)) << unexpected;
        return window;
    }
    void passLogoTime() {
        timer_->fire();
        QApplication::processEvents();
    }
    void dispatch(app::MainWindow& window, int command) {
        shell::dispatchCommand(state_, window, window.services(), command);
    }

    sb::testing::TempDir directory_;
    shell::Application state_;
    ManualTimerServices* timer_ = nullptr;
    std::string plan_;
};

}  // namespace

TEST_F(MainWindowTest, ReloadsTheLastPlanAndDrawsItsDiagramAfterTheLogo) {
    const auto window = openWithPlan(
        "DIAGRAMM_TYP=1\r\nLOGOZEIT=3\r\nTOOLBAR=1\r\nSTATUSBAR=1\r\nSPORTART=5\r\nPOLAR=1\r\nTACHO=1\r\n");
    const QImage logoPhase = window->clientArea()->grab().toImage();
    EXPECT_EQ(timer_->interval, 3000);
    passLogoTime();
    EXPECT_EQ(state_.logoDone, 1);

    EXPECT_EQ(window->windowTitle().toStdString(), "saison 2008.sb3 – Saisonbuch");
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));

    QMenuBar& bar = *window->menuBar();
    QStringList menus;
    for (QAction* action : bar.actions()) menus << action->text();
    EXPECT_EQ(menus.join('|').toStdString(),
              "&Datei|&Bearbeiten|&Ansicht|&Tools|&Pulsuhr|&Radcomputer|&Extras|&Y-Achse|&Hilfe");
    ASSERT_NE(menuCommand(bar, cmd::kSavePlan), nullptr);
    EXPECT_TRUE(menuCommand(bar, cmd::kSavePlan)->isEnabled());
    ASSERT_NE(window->toolbar(), nullptr);
    EXPECT_TRUE(toolbarCommand(*window->toolbar(), cmd::kSavePlan)->isEnabled());
    EXPECT_TRUE(toolbarCommand(*window->toolbar(), cmd::kYearList)->isEnabled()) << "a plan is open";
    EXPECT_EQ(toolbarCommand(*window->toolbar(), cmd::kPrintDiagram)->toolTip(), "Grafik drucken");

    // Three parts side by side across the bar, a quarter, a quarter and a half of it.
    const app::StatusParts& parts = *window->statusParts();
    EXPECT_EQ(parts.text(0), "Trainingsjahr: 2008");
    EXPECT_EQ(parts.text(1), "Sportler(in): Anna Beispiel");
    EXPECT_EQ(parts.text(2).toStdString(), "Datei: " + plan_);
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
    std::ofstream(directory_.file("train.cfg"), std::ios::binary)
        << "[KONFIG]\r\nAUTOLADEN=0\r\nTOOLBAR=1\r\nSTATUSBAR=0\r\nDIAGRAMM_TYP=3\r\n";
    auto services = std::make_unique<ManualTimerServices>();
    timer_ = services.get();
    const auto window = app::openMainWindow(state_, programPaths(directory_), std::move(services));
    std::string unexpected;
    EXPECT_TRUE(runUntil([this] { return timer_->interval >= 0; }, 5000, unexpected)) << unexpected;
    EXPECT_EQ(state_.year.planFileVersion, 0);
    EXPECT_EQ(window->windowTitle(), "Saisonbuch");

    QMenuBar& bar = *window->menuBar();
    for (QAction* top : bar.actions()) EXPECT_TRUE(top->text().contains('&')) << top->text().toStdString();
    ASSERT_NE(menuCommand(bar, cmd::kSavePlan), nullptr);
    EXPECT_FALSE(menuCommand(bar, cmd::kSavePlan)->isEnabled());
    EXPECT_TRUE(menuCommand(bar, cmd::kOpenPlan)->isEnabled());
    EXPECT_FALSE(window->statusBar()->isVisible());

    // Save stays off through the toolbar being switched off and on again.
    dispatch(*window, cmd::kToggleToolbar);
    EXPECT_EQ(window->toolbar(), nullptr);
    dispatch(*window, cmd::kToggleToolbar);
    ASSERT_NE(window->toolbar(), nullptr);
    EXPECT_FALSE(toolbarCommand(*window->toolbar(), cmd::kSavePlan)->isEnabled());
    EXPECT_TRUE(toolbarCommand(*window->toolbar(), cmd::kOpenPlan)->isEnabled());
    EXPECT_FALSE(toolbarCommand(*window->toolbar(), cmd::kOpenPlan)->icon().isNull())
        << "toolbar images missing";
    EXPECT_FALSE(window->windowIcon().isNull());
    const QLineEdit* valueBox = window->toolbar()->findChild<QLineEdit*>();
    ASSERT_NE(valueBox, nullptr);
    EXPECT_EQ(valueBox->maxLength(), 4);

    // The start screen: the logo and the information lines on white.
    const QImage screen = window->clientArea()->grab().toImage();
    saveScreenshot(window->grab().toImage(), "main-window-start-test.png");
    EXPECT_GE(coloursIn(screen, screen.rect()).size(), 3u);
}

// The window's keys send their commands; the page keys only while the diagram has the focus, so the
// value box keeps them.
TEST_F(MainWindowTest, KeysSendTheirCommands) {
    std::ofstream(directory_.file("train.cfg"), std::ios::binary) << "[KONFIG]\r\nAUTOLADEN=0\r\n";
    shell::initialiseApplication(state_, programPaths(directory_));
    RecordingWindow window(state_);
    using namespace cmd;
    const std::vector<std::pair<QKeySequence, int>> keys{
        {QKeySequence("Ctrl+N"), kNewPlan},         {QKeySequence("Ctrl+O"), kOpenPlan},
        {QKeySequence("Ctrl+S"), kSavePlan},        {QKeySequence("Ctrl+P"), kPrintOverview},
        {QKeySequence("Ctrl+F"), kSearch},          {QKeySequence("Ctrl+1"), kFirstHistoryEntry},
        {QKeySequence("Ctrl+9"), kLastHistoryEntry}, {QKeySequence(Qt::Key_F5), kFirstPreset},
        {QKeySequence(Qt::Key_F9), kLastPreset},    {QKeySequence(Qt::ALT | Qt::Key_Left), kPreviousPeriod},
        {QKeySequence(Qt::ALT | Qt::Key_Right), kNextPeriod}, {QKeySequence(Qt::Key_PageUp), kPreviousPeriod},
        {QKeySequence(Qt::Key_PageDown), kNextPeriod}};
    const QList<QShortcut*> shortcuts = window.findChildren<QShortcut*>();
    for (const auto& [sequence, command] : keys) {
        const auto found = std::find_if(shortcuts.begin(), shortcuts.end(),
                                        [&](QShortcut* shortcut) { return shortcut->key() == sequence; });
        ASSERT_NE(found, shortcuts.end()) << sequence.toString().toStdString();
        window.posted.clear();
        Q_EMIT(*found)->activated();
        EXPECT_EQ(window.posted, std::vector<int>{command}) << sequence.toString().toStdString();
        const bool pageKey = sequence[0].key() == Qt::Key_PageUp || sequence[0].key() == Qt::Key_PageDown;
        EXPECT_EQ(pageKey,
                  (*found)->context() == Qt::WidgetShortcut && (*found)->parent() == window.clientArea());
    }
}

// Enter in the value box shows the typed week; leaving it without Enter shows the shown week again.
// Choosing the checked item of a menu again keeps its mark: the marks show the state, which stays.
TEST_F(MainWindowTest, TheValueBoxTakesATypedWeekAndCheckMarksShowTheState) {
    const auto window = openWithPlan("DIAGRAMM_TYP=3\r\nTOOLBAR=1\r\n[WOCHEN_DIAGRAMM]\r\nMODUS=103\r\n");
    passLogoTime();
    auto* valueBox = window->toolbar()->findChild<QLineEdit*>();
    ASSERT_NE(valueBox, nullptr);
    auto enter = [valueBox](const char* text) {
        valueBox->setText(QString::fromLatin1(text));
        Q_EMIT valueBox->returnPressed();
        QApplication::processEvents();
    };
    enter("13");
    EXPECT_EQ(state_.currentWeek, 13);
    valueBox->setText(QStringLiteral("40"));
    QFocusEvent leave(QEvent::FocusOut);
    QApplication::sendEvent(valueBox, &leave);
    EXPECT_EQ(valueBox->text(), "13");
    enter("60");
    EXPECT_FALSE(toolbarCommand(*window->toolbar(), cmd::kNextPeriod)->isEnabled());

    auto chooseTwice = [&](int id) {
        for (int time = 0; time < 2; ++time) {
            ASSERT_NE(menuCommand(*window->menuBar(), id), nullptr) << id;
            menuCommand(*window->menuBar(), id)->trigger();
            QApplication::processEvents();
        }
        EXPECT_TRUE(menuCommand(*window->menuBar(), id)->isChecked()) << id;
    };
    chooseTwice(cmd::kAxisTime);
    EXPECT_EQ(state_.diagram.weekQuantity, model::kTime);
    dispatch(*window, cmd::kFirstPreset);
    chooseTwice(cmd::kPresetMonthDiagram);
    EXPECT_EQ(state_.diagram.diagramKind, model::kMonthDiagram);
}

TEST_F(MainWindowTest, ARecordingDroppedOnTheWindowOpensAndOtherFilesAreNotTaken) {
    const auto window = openWithPlan("POLAR=1\r\n");
    passLogoTime();
    auto dragEnter = [&window](const std::string& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        QDragEnterEvent enter(QPoint(20, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        return enter.isAccepted();
    };
    EXPECT_FALSE(dragEnter(directory_.file("notizen.txt")));
    const std::string recording =
        std::string(std::getenv("SAISONBUCH_TEST_DATA")) + "/../../examples/08061701.hrm";
    EXPECT_TRUE(dragEnter(recording));
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(recording))});
    QDropEvent drop(QPointF(20, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(window.get(), &drop);
    EXPECT_TRUE(drop.isAccepted());
    std::string unexpected;
    EXPECT_TRUE(runUntil([this] { return state_.recordings.heartRateFileLoaded; }, 5000, unexpected))
        << unexpected;
}
