// A property sheet on Qt: one tab per page template, each page built by its own host, and the
// buttons "OK" and "Abbrechen". Pages are initialised when first shown and hear pageLeave and
// pageCancel as DialogProcedure documents.
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "platform/qt/qt_dialog_host.h"

class QTabWidget;

namespace sb::platform::qt {

class PropertySheetWindow : public QDialog {
  public:
    PropertySheetWindow(QWidget* owner, const QtServices& services, const PropertySheet& sheet);
    ~PropertySheetWindow() override;

    int pageCount() const { return int(hosts_.size()); }
    QtDialogHost& page(int index) { return *hosts_.at(size_t(index)); }
    QTabWidget& tabs() { return *tabs_; }
    // Shows the start page; exec() then runs the sheet.
    void open(int startPage);
    void ok();
    void cancel();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    void show(int index);
    // Asks the page shown whether it may be left, and if so lets it take its values.
    bool leaveCurrent();

    QTabWidget* tabs_ = nullptr;
    std::vector<std::unique_ptr<QtDialogHost>> hosts_;
    std::vector<bool> initialised_;
    int current_ = -1;
    bool ended_ = false;
};

}  // namespace sb::platform::qt
