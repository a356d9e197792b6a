// Page switching, OK and Cancel of a Qt property sheet.
#include "platform/qt/property_sheet_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

PropertySheetWindow::PropertySheetWindow(QWidget* owner, const QtServices& services,
                                         const PropertySheet& sheet)
    : QDialog(owner) {
    setWindowTitle(toQString(sheet.caption));
    tabs_ = new QTabWidget(this);
    DialogUnits units = dialogUnitsOf(font());
    for (const PropertyPage& page : sheet.pages) {
        auto* surface = new QWidget;
        const DialogTemplate& dialog = *page.dialogTemplate;
        surface->setFixedSize(units.toPixels(dialog.width, dialog.height));
        hosts_.push_back(
            std::make_unique<QtDialogHost>(dialog, *page.procedure, *surface, services.forOwner(this)));
        hosts_.back()->forbidEnd();
        initialised_.push_back(false);
        tabs_->addTab(surface, toQString(page.title));
    }
    auto* okButton = new QPushButton(QStringLiteral("OK"), this);
    auto* cancelButton = new QPushButton(QStringLiteral("Abbrechen"), this);
    okButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(okButton, &QPushButton::clicked, this, [this] { ok(); });
    connect(cancelButton, &QPushButton::clicked, this, [this] { cancel(); });
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
        if (ended_ || index == current_ || index < 0) return;
        if (!leaveCurrent()) {
            QSignalBlocker blocker(tabs_);
            tabs_->setCurrentIndex(current_);
            return;
        }
        show(index);
    });
}

PropertySheetWindow::~PropertySheetWindow() {
    for (auto& host : hosts_) host->detach();
}

void PropertySheetWindow::show(int index) {
    current_ = index;
    if (!initialised_[size_t(index)]) {
        initialised_[size_t(index)] = true;
        hosts_[size_t(index)]->open();
    }
}

void PropertySheetWindow::open(int startPage) {
    if (hosts_.empty()) return;
    int index = startPage >= 0 && startPage < pageCount() ? startPage : 0;
    {
        QSignalBlocker blocker(tabs_);
        tabs_->setCurrentIndex(index);
    }
    show(index);
}

bool PropertySheetWindow::leaveCurrent() {
    QtDialogHost& left = *hosts_[size_t(current_)];
    bool mayLeave = true;
    left.deliver([&](DialogProcedure& procedure) { mayLeave = procedure.pageMayLeave(left); });
    if (!mayLeave) return false;
    left.deliver([&left](DialogProcedure& procedure) { procedure.pageLeave(left); });
    return true;
}

void PropertySheetWindow::ok() {
    if (ended_) return;
    if (current_ >= 0 && !leaveCurrent()) return;
    ended_ = true;
    done(dialogOk);
}

void PropertySheetWindow::cancel() {
    if (ended_) return;
    for (size_t i = 0; i < hosts_.size(); ++i) {
        if (!initialised_[i]) continue;
        QtDialogHost& page = *hosts_[i];
        page.deliver([&page](DialogProcedure& procedure) { procedure.pageCancel(page); });
    }
    ended_ = true;
    done(dialogCancel);
}

void PropertySheetWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
            cancel();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (auto* focused = qobject_cast<QPushButton*>(QApplication::focusWidget())) {
                focused->click();
            } else {
                ok();
            }
            return;
        case Qt::Key_F1:
            if (current_ >= 0) hosts_[size_t(current_)]->pressHelp();
            return;
        default:
            QDialog::keyPressEvent(event);
    }
}

void PropertySheetWindow::closeEvent(QCloseEvent* event) {
    if (!ended_) cancel();
    event->accept();
}

void PropertySheetWindow::reject() {
    if (ended_) {
        QDialog::reject();
    } else {
        cancel();
    }
}

int runPropertySheetDialog(QWidget* owner, const QtServices& services, const PropertySheet& sheet) {
    PropertySheetWindow window(owner, services, sheet);
    window.open(sheet.startPage);
    window.exec();
    for (int i = 0; i < window.pageCount(); ++i) window.page(i).detach();
    return window.result() == dialogOk ? dialogOk : dialogCancel;
}

}  // namespace sb::platform::qt
