// The window of a dialog template: a QDialog of the template's size whose keys and close box go to
// the dialog procedure (Enter the default button, Escape and the close box close(), F1 help()). A
// dialog larger than the screen scrolls; a resizable one can be enlarged and maximised.
#pragma once

#include <QDialog>
#include <memory>

#include "platform/qt/qt_dialog_host.h"

namespace sb::platform::qt {

class DialogWindow : public QDialog {
  public:
    DialogWindow(QWidget* owner, const QtServices& services, const DialogTemplate& dialog,
                 DialogProcedure& procedure);
    ~DialogWindow() override;

    QtDialogHost& host() { return *host_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

  private:
    std::unique_ptr<QtDialogHost> host_;
    QWidget* surface_ = nullptr;  // holds the controls, inside a scroll area
};

}  // namespace sb::platform::qt
