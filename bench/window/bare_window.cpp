// The yardstick for the program's start: a plain Qt main window with seven menus, a tool bar and a
// status bar text, covering the screen's work area as the program's window does, and nothing else.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Fenster"));
    for (int menu = 1; menu <= 7; ++menu) {
        QMenu* popup = window.menuBar()->addMenu(QStringLiteral("Menü %1").arg(menu));
        for (int item = 1; item <= 8; ++item) popup->addAction(QStringLiteral("Eintrag %1").arg(item));
    }
    QToolBar* toolbar = window.addToolBar(QStringLiteral("Symbolleiste"));
    const QStyle::StandardPixmap images[] = {QStyle::SP_FileIcon, QStyle::SP_DirOpenIcon,
                                             QStyle::SP_DialogSaveButton, QStyle::SP_ArrowLeft,
                                             QStyle::SP_ArrowRight, QStyle::SP_DialogHelpButton};
    for (QStyle::StandardPixmap image : images) toolbar->addAction(window.style()->standardIcon(image), QString());
    window.statusBar()->showMessage(QStringLiteral("Bereit"));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    window.move(area.topLeft());
    window.resize(area.size());
    window.show();
    return application.exec();
}
