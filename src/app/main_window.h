// The program's main window on Qt: the client area painted by the shell, the menu bar built from the
// shell's menu tree, the customisable toolbar with its value box, the three-part status bar and the
// keyboard shortcuts. Every command it receives goes to the shell's dispatcher. Plan and recording files
// dropped on it are opened.
#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/status_parts.h"
#include "platform/qt/qt_services.h"
#include "shell/application.h"
#include "shell/main_window_view.h"

class QAction;
class QLineEdit;
class QMenu;
class QToolBar;

namespace sb::app {

class MainWindow : public QMainWindow, public shell::MainWindowView {
    Q_OBJECT

  public:
    // The window shows app.menuBar at once; the caller then runs shell::windowCreated and shows it.
    // The commands get `services` (the window becomes their owner), or services of the window's own.
    explicit MainWindow(shell::Application& app,
                        std::unique_ptr<platform::qt::QtServices> services = nullptr);
    ~MainWindow() override;

    platform::qt::QtServices& services() { return *services_; }
    QToolBar* toolbar() const { return toolbar_; }
    QWidget* clientArea() const { return clientArea_; }
    StatusParts* statusParts() const { return statusParts_; }

    void setMenuBar(const std::vector<platform::MenuItem>& menuBar) override;
    void setToolbarButtonEnabled(int commandId, bool enabled) override;
    void setToolbarVisible(bool visible) override;
    void setStatusBarVisible(bool visible) override;
    void setTitle(const std::string& title) override;
    void setStatusTexts(const std::array<std::string, 3>& parts) override;
    std::string valueBoxText() const override;
    void setValueBoxText(const std::string& text) override;
    platform::Size clientSize() const override;
    int captionHeight() const override;
    void repaint() override;
    void postCommand(int commandId) override;
    void destroy() override;

    // The client area's painting, for the paint event and for measuring it.
    void paintClientArea(QWidget& surface);

  protected:
    // No toolbar-hiding menu of Qt's own: the shell owns whether the toolbar is shown.
    QMenu* createPopupMenu() override { return nullptr; }
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    void createAccelerators();
    void createStatusBar();
    void createToolbar();
    void removeToolbar();
    void recreateToolbar();
    void addToolbarEntry(int entry);
    QWidget* valueBoxPlaceholder(int width);
    void showToolbarMenu(const QPoint& position);

    shell::Application& app_;
    std::unique_ptr<platform::qt::QtServices> services_;
    QWidget* clientArea_ = nullptr;

    std::vector<platform::MenuItem> shownMenuBar_;

    QPixmap toolbarImages_;  // the strip of 16×16 button images
    QToolBar* toolbar_ = nullptr;
    QLineEdit* valueBox_ = nullptr;
    std::vector<int> toolbarLayout_;
    std::vector<QAction*> layoutActions_;    // one per layout entry, in layout order
    std::map<int, QAction*> buttonActions_;  // command id → its button
    std::string valueText_;                  // kept while the toolbar is away

    StatusParts* statusParts_ = nullptr;
    bool destroyed_ = false;
};

}  // namespace sb::app
