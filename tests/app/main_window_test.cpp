// The real main window on Qt's offscreen platform, started as the program starts it from a program
// directory of its own: the reloaded plan is drawn once the logo time is over, the bars follow the plan
// state, keys, the value box, the menus and dropped files reach the shell, and every help topic the
// program opens has its page among the compiled-in resources.
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
#include <regex>
#include <set>
#include <string>

#include "app/main_window.h"
#include "app/program_start.h"
#include "config/program_paths.h"
#include "model/diagram_quantity.h"
#include "model/clock.h"
#include "platform/qt/help_window.h"
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
struct ManualTimerServices : platform::qt::QtServices {
    void startTimer(int, std::function<void()> onTimeout) override { logoTimeOver = std::move(onTimeout); }
    std::function<void()> logoTimeOver;
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

// The action of the command on a toolbar, or in one of a menu bar's menus.
QAction* commandAction(const QWidget& bar, int id) {
    for (QAction* action : bar.actions()) {
        if (action->data().toInt() == id) return action;
        for (QAction* item : action->menu() ? action->menu()->actions() : QList<QAction*>())
            if (item->data().toInt() == id) return item;
    }
    return nullptr;
}

std::set<QRgb> coloursIn(const QImage& image, const QRect& area) {
    std::set<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); y += 2)
        for (int x = area.left(); x <= area.right(); x += 2) colours.insert(image.pixel(x, y));
    return colours;
}

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        static const bool prepared = (app::prepareApplication(platform::qt::test::application()), true);
        (void)prepared;
        model::setClock([] { return model::CivilDate{17, 6, 2009}; });
    }
    void TearDown() override { model::setClock({}); }

    sb::testing::TempDir directory_;
    shell::Application state_;
};

}  // namespace

// Leaving the value box without Enter shows the shown week again; the week and the grey buttons
// outlive the toolbar switched off and on; choosing a menu's checked item again keeps its mark.
TEST_F(MainWindowTest, ShowsTheReloadedPlanAndHandsWhatTheUserDoesToTheShell) {
    const std::string plan = directory_.file("saison 2008.sb3");
    fs::copy_file(std::string(std::getenv("SAISONBUCH_TEST_DATA")) + "/../../examples/sample-2008.sb3", plan);
    std::ofstream(directory_.file("train.cfg"), std::ios::binary)
        << "[KONFIG]\r\nAUTOLADEN=1\r\nLETZTE_DATEI=" << plan
        << "\r\nDIAGRAMM_TYP=1\r\nLOGOZEIT=3\r\nTOOLBAR=1\r\nSTATUSBAR=1\r\nSPORTART=5\r\nPOLAR=1\r\nTACHO=1\r\n";
    auto services = std::make_unique<ManualTimerServices>();
    ManualTimerServices& timer = *services;
    const auto window = app::openMainWindow(state_, programPaths(directory_), std::move(services));
    std::string unexpected;
    EXPECT_TRUE(runUntil([&] { return state_.year.planLoaded == 1; }, 5000, unexpected)) << unexpected;
    const QImage logoPhase = window->clientArea()->grab().toImage();
    EXPECT_GE(coloursIn(logoPhase, logoPhase.rect()).size(), 3u) << "the logo and its lines on white";
    const std::function<void()> logoTimeOver = timer.logoTimeOver;  // the shell stops the timer from it
    ASSERT_TRUE(logoTimeOver);
    logoTimeOver();
    QApplication::processEvents();
    EXPECT_EQ(state_.logoDone, 1);

    EXPECT_EQ(window->windowTitle().toStdString(), "saison 2008.sb3 – Saisonbuch");
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(window->windowIcon().isNull());

    ASSERT_NE(commandAction(*window->menuBar(), cmd::kSavePlan), nullptr);
    EXPECT_TRUE(commandAction(*window->menuBar(), cmd::kSavePlan)->isEnabled());
    ASSERT_NE(window->toolbar(), nullptr);
    EXPECT_TRUE(commandAction(*window->toolbar(), cmd::kSavePlan)->isEnabled());
    EXPECT_FALSE(commandAction(*window->toolbar(), cmd::kSavePlan)->icon().isNull());
    EXPECT_EQ(commandAction(*window->toolbar(), cmd::kPrintDiagram)->toolTip(), "Grafik drucken");

    // Three parts side by side across the bar, a quarter, a quarter and a half of it.
    const app::StatusParts& parts = *window->statusParts();
    EXPECT_EQ(parts.text(0), "Trainingsjahr: 2008");
    EXPECT_EQ(parts.text(1), "Sportler(in): Anna Beispiel");
    EXPECT_EQ(parts.text(2).toStdString(), "Datei: " + plan);
    EXPECT_EQ(parts.partGeometry(0).left(), 0);
    EXPECT_EQ(parts.partGeometry(1).left(), parts.partGeometry(0).right() + 1);
    EXPECT_EQ(parts.partGeometry(2).left(), parts.partGeometry(1).right() + 1);
    EXPECT_EQ(parts.partGeometry(2).right(), parts.width() - 1);
    EXPECT_NEAR(parts.partGeometry(0).width(), parts.width() / 4, 1);
    EXPECT_GT(parts.width(), window->width() * 9 / 10);

    const QImage diagram = window->clientArea()->grab().toImage();
    const QRect inner = diagram.rect().adjusted(diagram.width() / 8, diagram.height() / 8,
                                                -diagram.width() / 8, -diagram.height() / 8);
    EXPECT_GE(coloursIn(diagram, diagram.rect()).size(), 4u);
    EXPECT_GT(coloursIn(diagram, inner).size(), 1u) << "the diagram area is blank";
    EXPECT_NE(diagram, logoPhase) << "the diagram never replaced the start screen";

    shell::dispatchCommand(state_, *window, window->services(), cmd::kToggleStatusBar);
    EXPECT_FALSE(window->statusBar()->isVisible());
    shell::dispatchCommand(state_, *window, window->services(), cmd::kShowWeekDiagram);
    auto* valueBox = window->toolbar()->findChild<QLineEdit*>();
    ASSERT_NE(valueBox, nullptr);
    valueBox->setText(QStringLiteral("9999"));
    Q_EMIT valueBox->returnPressed();
    QApplication::processEvents();
    EXPECT_EQ(state_.currentWeek, 53);
    valueBox->setText(QStringLiteral("40"));
    QFocusEvent leave(QEvent::FocusOut);
    QApplication::sendEvent(valueBox, &leave);
    EXPECT_EQ(valueBox->text(), "53");
    shell::dispatchCommand(state_, *window, window->services(), cmd::kToggleToolbar);
    EXPECT_EQ(window->toolbar(), nullptr);
    shell::dispatchCommand(state_, *window, window->services(), cmd::kToggleToolbar);
    ASSERT_NE(window->toolbar(), nullptr);
    EXPECT_EQ(window->toolbar()->findChild<QLineEdit*>()->text(), "53");
    EXPECT_FALSE(commandAction(*window->toolbar(), cmd::kNextPeriod)->isEnabled());
    EXPECT_TRUE(commandAction(*window->toolbar(), cmd::kPreviousPeriod)->isEnabled());

    for (int time = 0; time < 2; ++time) {
        ASSERT_NE(commandAction(*window->menuBar(), cmd::kAxisTime), nullptr);
        commandAction(*window->menuBar(), cmd::kAxisTime)->trigger();
        QApplication::processEvents();
    }
    EXPECT_TRUE(commandAction(*window->menuBar(), cmd::kAxisTime)->isChecked());
    EXPECT_EQ(state_.diagram.weekQuantity, model::kTime);

    const std::string recording =
        std::string(std::getenv("SAISONBUCH_TEST_DATA")) + "/../../examples/08061701.hrm";
    for (const std::string& path : {directory_.file("notizen.txt"), recording}) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        QDragEnterEvent enter(QPoint(20, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        EXPECT_EQ(enter.isAccepted(), path == recording) << path;
        QDropEvent drop(QPointF(20, 40), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
    }
    EXPECT_TRUE(runUntil([this] { return state_.recordings.heartRateFileLoaded; }, 5000, unexpected))
        << unexpected;
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

// The topics are taken from the sources, so a dialog that gains a help button cannot miss its page; the
// pages are looked up as the program looks them up, among the resources compiled into it.
TEST_F(MainWindowTest, EveryHelpTopicHasItsPageInTheResources) {
    const std::regex topic(R"([Hh]elp\w*Topic\s*=\s*(\d+);)");
    std::set<int> topics;
    for (const auto& entry : fs::recursive_directory_iterator(
             fs::path(std::getenv("SAISONBUCH_TEST_DATA")) / ".." / ".." / "src")) {
        const std::string text = entry.is_regular_file() ? sb::testing::fileBytes(entry.path()) : "";
        for (std::sregex_iterator at(text.begin(), text.end(), topic), end; at != end; ++at)
            topics.insert(std::stoi((*at)[1].str()));
    }
    EXPECT_GE(topics.size(), 15u);
    const auto page = [](const char* helpFile, int id) {
        return platform::qt::helpPageUrl(helpFile, id).value_or(QUrl()).toString().toStdString();
    };
    EXPECT_EQ(page(config::kHelpTourPage, 0), "qrc:/help/tour.html");
    for (int id : topics)
        EXPECT_EQ(page(config::kHelpContentsPage, id), "qrc:/help/thema" + std::to_string(id) + ".html");
}
