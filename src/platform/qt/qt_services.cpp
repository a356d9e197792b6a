// The Qt services: each call hands over to the dialog it shows, with this object's owner window.
#include "platform/qt/qt_services.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#include "platform/qt/common_dialogs.h"
#include "platform/qt/help_window.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/qt_menu.h"

namespace sb::platform::qt {

struct SharedServiceState {
    QTimer timer;
    std::function<void()> onTimeout;
    unsigned lastFileDialogError = dialog_error::none;
    // Owned by the window it stands in front of, which may delete it first.
    QPointer<HelpWindow> helpWindow;
    int waitDepth = 0;

    SharedServiceState() {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            // A copy, so the callback may restart or stop the timer.
            std::function<void()> callback = onTimeout;
            if (callback) callback();
        });
    }
    ~SharedServiceState() {
        delete helpWindow.data();
        while (waitDepth-- > 0) QApplication::restoreOverrideCursor();
    }
};

QtServices::QtServices(QWidget* owner) : QtServices(owner, std::make_shared<SharedServiceState>()) {}

QtServices::QtServices(QWidget* owner, std::shared_ptr<SharedServiceState> shared)
    : owner_(owner), shared_(std::move(shared)) {}

QtServices::~QtServices() = default;

std::unique_ptr<QtServices> QtServices::forOwner(QWidget* owner) const {
    return std::make_unique<QtServices>(owner, shared_);
}

QWidget* QtServices::dialogOwner() const {
    return owner_ ? owner_.data() : QApplication::activeWindow();
}

Answer QtServices::messageBox(const std::string& text, const std::string& title, Buttons buttons, Icon icon) {
    return showMessageBox(dialogOwner(), text, title, buttons, icon);
}

int QtServices::askChoice(const std::string& text, const std::string& title,
                          const std::vector<std::string>& buttons, Icon icon) {
    return showChoiceBox(dialogOwner(), text, title, buttons, icon);
}

std::optional<std::string> QtServices::openFileName(const FileDialogRequest& request) {
    return runFileDialog(dialogOwner(), request, false, shared_->lastFileDialogError);
}

std::optional<std::string> QtServices::saveFileName(const FileDialogRequest& request) {
    return runFileDialog(dialogOwner(), request, true, shared_->lastFileDialogError);
}

std::vector<std::string> QtServices::openFileNames(const FileDialogRequest& request, bool folder) {
    return runMultiFileDialog(dialogOwner(), request, folder, shared_->lastFileDialogError);
}

unsigned QtServices::lastFileDialogError() const {
    return shared_->lastFileDialogError;
}

ColourChoice QtServices::chooseColour(Colour initial, CustomColours& customColours) {
    return runColourDialog(dialogOwner(), initial, customColours);
}

PrintResult QtServices::print(const PrintRequest& request) {
    PrintResult result = runPrintDialog(dialogOwner(), request);
    // Every printer the dialog hands out is a QtPrinter; a PDF file it cannot write is told here, so
    // no printing routine has to know whether it printed on paper or into a file.
    if (result.printer)
        static_cast<QtPrinter&>(*result.printer).setFailureReport([this](const std::string& message) {
            messageBox(message, "Fehler", Buttons::Ok, Icon::Exclamation);
        });
    return result;
}

int QtServices::runModal(const DialogTemplate& dialog, DialogProcedure& procedure) {
    return runModalDialog(dialogOwner(), *this, dialog, procedure);
}

std::unique_ptr<ModelessDialog> QtServices::openModeless(const DialogTemplate& dialog,
                                                         DialogProcedure& procedure) {
    return openModelessDialog(dialogOwner(), *this, dialog, procedure);
}

int QtServices::runPropertySheet(const PropertySheet& sheet) {
    return runPropertySheetDialog(dialogOwner(), *this, sheet);
}

int QtServices::popupMenu(const std::vector<MenuItem>& items) {
    QMenu menu(dialogOwner());
    fillMenu(menu, items);
    return commandIdOf(menu.exec(QCursor::pos()));
}

bool QtServices::showHelp(const std::string& helpFile, int topic) {
    std::optional<QUrl> url = helpPageUrl(helpFile, topic);
    if (!url) return false;
    if (!shared_->helpWindow) shared_->helpWindow = new HelpWindow;
    shared_->helpWindow->showPage(*url, dialogOwner());
    return true;
}

void QtServices::startTimer(int milliseconds, std::function<void()> onTimeout) {
    shared_->onTimeout = std::move(onTimeout);
    shared_->timer.start(milliseconds);
}

void QtServices::stopTimer() {
    shared_->timer.stop();
}

void QtServices::setWaitCursor(bool waiting) {
    if (waiting) {
        ++shared_->waitDepth;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (shared_->waitDepth > 0) {
        --shared_->waitDepth;
        QApplication::restoreOverrideCursor();
    }
}

void QtServices::quit(int exitCode) {
    QCoreApplication::exit(exitCode);
}

}  // namespace sb::platform::qt
