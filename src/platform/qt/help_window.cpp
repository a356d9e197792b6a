// Finding help pages on disk or in the resources, and the window that shows them.
#include "platform/qt/help_window.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <algorithm>
#include <QUrl>

#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

namespace {

// The path Qt opens for a help file name: an existing file, else the resource of that name.
std::optional<QString> locate(const std::string& helpFile) {
    QString name = toQPath(helpFile);
    if (name.isEmpty()) return std::nullopt;
    if (name.startsWith(QStringLiteral("qrc:"))) name = QLatin1Char(':') + name.mid(4);
    if (!name.startsWith(QLatin1Char(':'))) {
        QFileInfo file(name);
        if (file.isFile()) return file.absoluteFilePath();
        name = QStringLiteral(":/") + name;
    }
    if (QFileInfo(name).isFile()) return name;
    return std::nullopt;
}

QUrl urlOf(const QString& path) {
    if (path.startsWith(QStringLiteral(":/"))) return QUrl(QStringLiteral("qrc") + path);
    return QUrl::fromLocalFile(path);
}

}  // namespace

std::optional<QUrl> helpPageUrl(const std::string& helpFile, int topic) {
    std::optional<QString> path = locate(helpFile);
    if (!path) return std::nullopt;
    if (topic == 0) return urlOf(*path);
    QString anchor = QStringLiteral("thema%1").arg(topic);
    QString page = QFileInfo(*path).dir().filePath(anchor + QStringLiteral(".html"));
    if (QFileInfo(page).isFile()) return urlOf(page);
    QUrl url = urlOf(*path);
    url.setFragment(anchor);
    return url;
}

HelpWindow::HelpWindow() {
    setWindowFlag(Qt::Window);
    setWindowTitle(QStringLiteral("Saisonbuch – Hilfe"));
    setOpenExternalLinks(true);
    resize(640, 560);
    QApplication::instance()->installEventFilter(this);
}

void HelpWindow::showPage(const QUrl& url, QWidget* owner) {
    QWidget* modal = QApplication::activeModalWidget();
    const bool first = !isVisible();
    moveTo(modal && modal != this ? modal : owner);
    setSource(url);
    if (first) placeBeside(owner ? owner->window() : nullptr);
    show();
    raise();
    activateWindow();
}

// At the right edge of the screen below the owner's menu and tool bars, so the questions the program
// asks in the middle of its window and the menus stay in sight.
void HelpWindow::placeBeside(QWidget* owner) {
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect room = screen->availableGeometry();
    const int top = owner ? std::max(room.top(), owner->frameGeometry().top() + 90) : room.top();
    resize(std::min(width(), room.width() / 3), std::min(height(), room.bottom() - top));
    move(room.right() - frameGeometry().width() + 1, top);
}

void HelpWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QTextBrowser::keyPressEvent(event);
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show && event->type() != QEvent::Hide) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget == this || !widget->isWindow() || !isVisible()) return false;
    if (event->type() == QEvent::Show && widget->isModal()) {
        moveTo(widget);
    } else if (event->type() == QEvent::Hide && widget == parentWidget()) {
        QWidget* next = widget->parentWidget();
        moveTo(next ? next->window() : nullptr);
    }
    return false;
}

// A new owner makes Qt hide the window and create it anew; once shown, it keeps its place and size.
// Before that the window manager places it.
void HelpWindow::moveTo(QWidget* owner) {
    if (parentWidget() == owner) return;
    const bool shown = isVisible();
    const QPoint place = pos();
    const QSize extent = size();
    setParent(owner, windowFlags() | Qt::Window);
    if (shown) {
        resize(extent);
        move(place);
        show();
    }
}

}  // namespace sb::platform::qt
