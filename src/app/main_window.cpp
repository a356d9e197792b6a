// The main window's widgets. Commands from menus, buttons and shortcuts are queued rather than run in
// the signal that announced them, because a command may rebuild the very menu or toolbar that sent it.

#include "app/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <optional>

#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_menu.h"
#include "platform/qt/qt_text.h"
#include "shell/accelerators.h"
#include "shell/command_dispatcher.h"
#include "shell/command_ids.h"
#include "shell/main_window_paint.h"
#include "shell/named_files.h"
#include "shell/navigation.h"
#include "shell/plan_on_disk.h"
#include "shell/recovery_copy.h"
#include "shell/toolbar.h"
#include "shell/window_state.h"

namespace sb::app {

namespace {

using platform::qt::toQString;

constexpr int kImageSize = 16;
constexpr int kValueBoxMaxLength = 4;
const char* const kToolbarImages = ":/toolbar/toolbar.png";
const char* const kProgramIcon = ":/icons/saisonbuch.png";

// The client area: everything it shows is painted by the shell.
class ClientArea : public QWidget {
  public:
    explicit ClientArea(MainWindow& window) : QWidget(&window), window_(window) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::StrongFocus);
    }

  protected:
    void paintEvent(QPaintEvent*) override { window_.paintClientArea(*this); }

  private:
    MainWindow& window_;
};

QIcon toolbarImage(const QPixmap& strip, int image) {
    return QIcon(strip.copy(image * kImageSize, 0, kImageSize, kImageSize));
}

// Qt's flags for a window with caption, system menu, minimise and close box, but no maximise box.
Qt::WindowFlags windowFlagsWithoutMaximise() {
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
}

// The first file of a drop, when it is a plan or a recording on this machine.
std::optional<std::string> droppedFile(const QMimeData* data) {
    if (!data || !data->hasUrls() || data->urls().isEmpty()) return std::nullopt;
    const QUrl url = data->urls().front();
    if (!url.isLocalFile()) return std::nullopt;
    std::string path = platform::qt::fromQPath(url.toLocalFile());
    if (!shell::opensAsNamedFile(path)) return std::nullopt;
    return path;
}

}  // namespace

MainWindow::MainWindow(shell::Application& app, std::unique_ptr<platform::qt::QtServices> services)
    : QMainWindow(nullptr, windowFlagsWithoutMaximise()),
      app_(app),
      services_(services ? std::move(services) : std::make_unique<platform::qt::QtServices>()),
      toolbarImages_(QString::fromLatin1(kToolbarImages)) {
    services_->setOwner(this);
    setAcceptDrops(true);
    setWindowTitle(toQString(shell::windowTitle(app_)));
    setWindowIcon(QIcon(QString::fromLatin1(kProgramIcon)));
    clientArea_ = new ClientArea(*this);
    setCentralWidget(clientArea_);
    createStatusBar();
    createAccelerators();
    setMenuBar(app_.menuBar);
    auto* recoveryTimer = new QTimer(this);
    connect(recoveryTimer, &QTimer::timeout, this, [this] { shell::recoveryTimer(app_, *this); });
    recoveryTimer->start(shell::kRecoveryCheckSeconds * 1000);

    // The whole work area of the screen, the title bar included.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        const int caption = style()->pixelMetric(QStyle::PM_TitleBarHeight);
        move(area.topLeft());
        resize(area.width(), std::max(area.height() - caption, 1));
    }
}

MainWindow::~MainWindow() {
    // The shell's timer callback refers to this window; it must not fire into a dead one.
    services_->stopTimer();
}

void MainWindow::setMenuBar(const std::vector<platform::MenuItem>& menuBar) {
    if (menuBar == shownMenuBar_ && menuWidget()) return;
    // Mostly only states change (a plan opened, a diagram chosen): the bar shown takes them, which
    // spares rebuilding every menu. A new bar otherwise: Qt deletes the old one later, so a menu that is
    // still closing survives.
    if (menuWidget() && platform::qt::updateMenuBar(*QMainWindow::menuBar(), menuBar)) {
        shownMenuBar_ = menuBar;
        return;
    }
    shownMenuBar_ = menuBar;
    auto* bar = new QMenuBar(this);
    platform::qt::fillMenuBar(*bar, menuBar);
    connect(bar, &QMenuBar::triggered, this, [this](QAction* action) {
        const int id = platform::qt::commandIdOf(action);
        if (id == 0) return;
        // Qt flips a checkable item by itself; its mark shows the program's state, which only the
        // command may change (choosing the checked quantity again changes nothing).
        if (const platform::MenuItem* item = platform::findMenuItem(shownMenuBar_, id))
            action->setChecked(item->checked);
        postCommand(id);
    });
    QMainWindow::setMenuBar(bar);
}

void MainWindow::setToolbarButtonEnabled(int commandId, bool enabled) {
    if (commandId == shell::cmd::kValueBox) {
        if (valueBox_) valueBox_->setEnabled(enabled);
        return;
    }
    if (const auto found = buttonActions_.find(commandId); found != buttonActions_.end()) {
        found->second->setEnabled(enabled);
    }
}

void MainWindow::setToolbarVisible(bool visible) {
    if (visible && !toolbar_) createToolbar();
    if (!visible && toolbar_) removeToolbar();
}

void MainWindow::setStatusBarVisible(bool visible) {
    statusBar()->setVisible(visible);
}

void MainWindow::setTitle(const std::string& title) {
    setWindowTitle(toQString(title));
}

void MainWindow::setStatusTexts(const std::array<std::string, 3>& parts) {
    statusParts_->setTexts(parts);
}

std::string MainWindow::valueBoxText() const {
    return valueBox_ ? platform::qt::fromQString(valueBox_->text()) : valueText_;
}

void MainWindow::setValueBoxText(const std::string& text) {
    valueText_ = text;
    if (valueBox_) valueBox_->setText(toQString(text));
}

platform::Size MainWindow::clientSize() const {
    return {clientArea_->width(), clientArea_->height()};
}

int MainWindow::captionHeight() const {
    // Without a window manager (or before the frame is known) there is no frame to measure.
    const int frame = geometry().top() - frameGeometry().top();
    return frame > 0 ? frame : style()->pixelMetric(QStyle::PM_TitleBarHeight);
}

void MainWindow::repaint() {
    clientArea_->update();
}

void MainWindow::postCommand(int commandId) {
    QMetaObject::invokeMethod(
        this, [this, commandId] { shell::dispatchCommand(app_, *this, *services_, commandId); },
        Qt::QueuedConnection);
}

void MainWindow::destroy() {
    destroyed_ = true;
    hide();
}

void MainWindow::paintClientArea(QWidget& surface) {
    QPainter painter(&surface);
    painter.fillRect(surface.rect(), Qt::white);
    platform::qt::QtCanvas canvas(painter, {surface.width(), surface.height()});
    shell::paintMainWindow(app_, *this, canvas);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (destroyed_ || shell::closeRequested(app_, *this, *services_)) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedFile(event->mimeData())) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const std::optional<std::string> path = droppedFile(event->mimeData());
    if (!path) return;
    event->acceptProposedAction();
    // The drag ends first: the save question and the messages must not run inside the drop.
    QMetaObject::invokeMethod(
        this, [this, file = *path] { shell::fileDropped(app_, *this, *services_, file); },
        Qt::QueuedConnection);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the value box without Enter: it shows the week or month shown again.
    if (watched == valueBox_ && event->type() == QEvent::FocusOut) shell::restoreValueBox(app_, *this);
    // Tooltips are asked for when shown, so a preset button always names the preset's current diagram.
    if (event->type() == QEvent::ToolTip) {
        if (auto* button = qobject_cast<QToolButton*>(watched); button && button->defaultAction()) {
            const int command = button->defaultAction()->data().toInt();
            button->defaultAction()->setToolTip(toQString(shell::toolbarTooltip(app_.diagram, command)));
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event) {
    // Queued: a plan read again must not replace the document inside Qt's activation handling.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && !destroyed_)
        QMetaObject::invokeMethod(
            this, [this] { shell::planWindowActivated(app_, *this); }, Qt::QueuedConnection);
    QMainWindow::changeEvent(event);
}

void MainWindow::createAccelerators() {
    for (const shell::Accelerator& accelerator : shell::accelerators()) {
        // The portable names parse without looking up each key name's translation.
        const QKeySequence keys = QKeySequence::fromString(
            QString::fromLatin1(accelerator.keys.data(), qsizetype(accelerator.keys.size())),
            QKeySequence::PortableText);
        auto* shortcut = accelerator.diagramOnly
                             ? new QShortcut(keys, clientArea_, nullptr, nullptr, Qt::WidgetShortcut)
                             : new QShortcut(keys, this);
        const int command = accelerator.command;
        connect(shortcut, &QShortcut::activated, this, [this, command] { postCommand(command); });
    }
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { shell::helpRequested(app_, *services_); });
}

void MainWindow::createStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setSizeGripEnabled(false);
    statusParts_ = new StatusParts(bar);
    // Permanent, so the texts stay while a menu shows its own hints there.
    bar->addPermanentWidget(statusParts_, 1);
}

void MainWindow::createToolbar() {
    toolbar_ = new QToolBar(QStringLiteral("Symbolleiste"), this);
    toolbar_->setObjectName(QStringLiteral("Symbolleiste"));
    toolbar_->setMovable(false);
    toolbar_->setFloatable(false);
    toolbar_->setIconSize({kImageSize, kImageSize});
    toolbar_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(toolbar_, &QToolBar::customContextMenuRequested, this, &MainWindow::showToolbarMenu);
    addToolBar(Qt::TopToolBarArea, toolbar_);
    toolbarLayout_ = shell::loadToolbarLayout(app_.settings);
    for (int entry : toolbarLayout_) addToolbarEntry(entry);
}

void MainWindow::addToolbarEntry(int entry) {
    const shell::ToolbarButton& button = shell::toolbarButtons()[std::size_t(entry)];
    QAction* action = nullptr;
    if (button.separator) {
        action = toolbar_->addSeparator();
    } else if (button.command == shell::cmd::kValueBox) {
        action = toolbar_->addWidget(valueBoxPlaceholder(button.width));
    } else {
        action = toolbar_->addAction(toolbarImage(toolbarImages_, button.image), QString());
        action->setData(button.command);
        action->setToolTip(toQString(shell::toolbarTooltip(app_.diagram, button.command)));
        const int command = button.command;
        connect(action, &QAction::triggered, this, [this, command] { postCommand(command); });
        toolbar_->widgetForAction(action)->installEventFilter(this);
        buttonActions_[command] = action;
    }
    layoutActions_.push_back(action);
}

QWidget* MainWindow::valueBoxPlaceholder(int width) {
    auto* placeholder = new QWidget(toolbar_);
    placeholder->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* layout = new QHBoxLayout(placeholder);
    layout->setContentsMargins(shell::kValueBoxInset, 0, shell::kValueBoxInset, 0);
    valueBox_ = new QLineEdit(placeholder);
    valueBox_->setMaxLength(kValueBoxMaxLength);
    valueBox_->setFixedWidth(width - 2 * shell::kValueBoxInset);
    valueBox_->setText(toQString(valueText_));
    valueBox_->setToolTip(toQString(shell::toolbarTooltip(app_.diagram, shell::cmd::kValueBox)));
    valueBox_->installEventFilter(this);
    connect(valueBox_, &QLineEdit::textEdited, this,
            [this](const QString& text) { valueText_ = platform::qt::fromQString(text); });
    connect(valueBox_, &QLineEdit::returnPressed, this, [this] { postCommand(shell::cmd::kValueBox); });
    layout->addWidget(valueBox_);
    return placeholder;
}

void MainWindow::removeToolbar() {
    valueText_ = valueBoxText();
    removeToolBar(toolbar_);
    // Later, since the toolbar's own context menu may be what asked for this.
    toolbar_->deleteLater();
    toolbar_ = nullptr;
    valueBox_ = nullptr;
    layoutActions_.clear();
    buttonActions_.clear();
}

void MainWindow::recreateToolbar() {
    removeToolbar();
    createToolbar();
    shell::applyToolbarState(app_, *this);
}

void MainWindow::showToolbarMenu(const QPoint& position) {
    // The layout position clicked; beside the buttons, the end of the layout.
    const auto clicked =
        std::find(layoutActions_.begin(), layoutActions_.end(), toolbar_->actionAt(position));
    const int at = int(clicked - layoutActions_.begin());
    if (shell::customiseToolbar(*services_, app_.settings, toolbarLayout_, at)) recreateToolbar();
}

}  // namespace sb::app
