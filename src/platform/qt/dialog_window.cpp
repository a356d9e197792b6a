// Dialog windows: modal runs, modeless dialogs and the key handling they share.
#include "platform/qt/dialog_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

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

namespace {

// The controls' surface: at the template's size, or larger in a resizable dialog, where the controls
// then follow.
class DialogSurface : public QWidget {
  public:
    DialogSurface(QSize templateSize, bool resizable) : templateSize_(templateSize) {
        if (resizable) {
            setMinimumSize(templateSize);
        } else {
            setFixedSize(templateSize);
        }
    }
    void setHost(QtDialogHost* host) { host_ = host; }

  protected:
    void resizeEvent(QResizeEvent*) override {
        if (host_) host_->stretch(width() - templateSize_.width(), height() - templateSize_.height());
    }

  private:
    QSize templateSize_;
    QtDialogHost* host_ = nullptr;
};

}  // namespace

DialogWindow::DialogWindow(QWidget* owner, const QtServices& services, const DialogTemplate& dialog,
                           DialogProcedure& procedure)
    : QDialog(owner) {
    setWindowTitle(toQString(dialog.caption));
    const QSize size = dialogUnitsOf(font()).toPixels(dialog.width, dialog.height);
    auto* surface = new DialogSurface(size, dialog.resizable);
    surface_ = surface;
    surface->setFont(font());
    auto* scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(dialog.resizable);
    scroll->setWidget(surface);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    // Taller or wider than the screen: the window keeps to the screen, and the controls scroll, so OK
    // and Abbruch stay within reach.
    QSize shown = size;
    if (const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size() - QSize(16, 48);
        shown = size.boundedTo(room);
    }
    if (dialog.resizable) {
        setWindowFlag(Qt::WindowMaximizeButtonHint);
        setMinimumSize(shown);
        resize(shown);
    } else {
        setFixedSize(shown);
    }
    host_ = std::make_unique<QtDialogHost>(dialog, procedure, *surface, services.forOwner(this));
    surface->setHost(host_.get());
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
