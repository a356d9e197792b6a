// Dialog windows: modal runs, modeless dialogs and the key handling they share.
#include "platform/qt/dialog_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPointer>

#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

namespace {

// The window belongs to its owner too: when the owner goes first, Qt deletes it and the pointer clears.
class QtModelessDialog : public ModelessDialog {
  public:
    explicit QtModelessDialog(DialogWindow* window) : window_(window) {}
    ~QtModelessDialog() override {
        if (!window_) return;
        window_->host().detach();
        delete window_.data();
    }

    DialogHost& host() override { return window_->host(); }
    bool isOpen() const override { return window_ && !window_->host().ended(); }
    void processEvents() override { QApplication::processEvents(); }

  private:
    QPointer<DialogWindow> window_;
};

}  // namespace

DialogWindow::DialogWindow(QWidget* owner, const QtServices& services, const DialogTemplate& dialog,
                           DialogProcedure& procedure)
    : QDialog(owner) {
    setWindowTitle(toQString(dialog.caption));
    setFixedSize(dialogUnitsOf(font()).toPixels(dialog.width, dialog.height));
    host_ = std::make_unique<QtDialogHost>(dialog, procedure, *this, services.forOwner(this));
    host_->setOnEnd([this](int result) { done(result); });
}

DialogWindow::~DialogWindow() {
    host_->detach();
}

void DialogWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            host_->pressClose();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (!qobject_cast<QPlainTextEdit*>(QApplication::focusWidget())) host_->pressDefault();
            return;
        case Qt::Key_F1:
            host_->pressHelp();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    if (host_->ended()) {
        event->accept();
        return;
    }
    event->ignore();
    host_->pressClose();
}

void DialogWindow::reject() {
    if (host_->ended()) {
        QDialog::reject();
    } else {
        host_->pressClose();
    }
}

int runModalDialog(QWidget* owner, const QtServices& services, const DialogTemplate& dialog,
                   DialogProcedure& procedure) {
    DialogWindow window(owner, services, dialog, procedure);
    QtDialogHost& host = window.host();
    host.open();
    if (!host.ended()) window.exec();
    host.detach();
    return host.ended() ? host.result() : dialogCancel;
}

std::unique_ptr<ModelessDialog> openModelessDialog(QWidget* owner, const QtServices& services,
                                                   const DialogTemplate& dialog, DialogProcedure& procedure) {
    auto* window = new DialogWindow(owner, services, dialog, procedure);
    window->show();
    window->host().open();
    if (window->host().ended()) window->hide();
    return std::make_unique<QtModelessDialog>(window);
}

}  // namespace sb::platform::qt
