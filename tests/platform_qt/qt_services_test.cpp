// The Qt services: German message-box buttons and answers, help pages found in the resources or
// reported missing, Qt's German translations, the timer and the file-type filters.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLocale>
#include <QMessageBox>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <fstream>
#include <tuple>

#include "platform/qt/common_dialogs.h"
#include "platform/qt/help_window.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/translations.h"
#include "qt_test_application.h"
#include "support/plan_fixtures.h"

namespace sb::platform::qt {
namespace {

// Shows a box and answers it by the button named `answer`: the box shows the exact text and title, the
// icon and the German buttons asked for, and its title is not cut off.
void expectBox(const std::string& text, const std::string& title, Buttons buttons, Icon icon,
               QMessageBox::Icon shown, const QStringList& offered, const QString& answer, Answer answered) {
    QtServices services;
    std::tuple<QString, QString, QMessageBox::Icon, QStringList, bool> seen;
    QTimer::singleShot(0, [&seen, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        box->adjustSize();
        QStringList names;
        for (QAbstractButton* button : box->buttons()) names << button->text();
        names.sort();
        seen = {box->text(), box->windowTitle(), box->icon(), names,
                box->width() > box->fontMetrics().horizontalAdvance(box->windowTitle()) + 100};
        for (QAbstractButton* button : box->buttons())
            if (button->text() == answer) button->click();
    });
    EXPECT_EQ(services.messageBox(text, title, buttons, icon), answered) << text;
    EXPECT_EQ(seen, std::tuple(QString::fromStdString(text), QString::fromStdString(title), shown, offered, true))
        << text;
}

TEST(QtServices, MessageBoxesShowTheExactTextWithGermanButtons) {
    expectBox("Die Datei \"a.sb3\" ist schon vorhanden\nWollen Sie die Datei überschrieben?", "Frage?",
              Buttons::YesNo, Icon::Exclamation, QMessageBox::Warning, {"Ja", "Nein"}, "Nein", Answer::No);
    expectBox("<b>Speichern?</b>", "Hinweis", Buttons::YesNoCancel, Icon::Question, QMessageBox::Question,
              {"Abbrechen", "Ja", "Nein"}, "Abbrechen", Answer::Cancel);
    expectBox("0", "Tagesinformation für einen langen Tag", Buttons::Ok, Icon::Information,
              QMessageBox::Information, {"OK"}, "OK", Answer::Ok);
    expectBox("Code: CDERR_DIALOGFAILURE", "Error", Buttons::Ok, Icon::Stop, QMessageBox::Critical, {"OK"}, "OK",
              Answer::Ok);
}

// Help pages are found by topic beside the help file, or as an anchor in it, or reported missing. Qt lets
// only the newest modal window and the windows it owns take input: help asked for in a modal dialog, or
// shown before a message box opens, must belong to that window to be read and scrolled.
TEST(QtServices, HelpPagesAreFoundAndBelongToTheModalWindowInFront) {
    QWidget mainWindow;
    mainWindow.show();
    QtServices services(&mainWindow);
    EXPECT_FALSE(services.showHelp("/nicht/vorhanden/inhalt.html", 0));
    EXPECT_FALSE(services.showHelp("", 22));
    EXPECT_FALSE(services.showHelp("qrc:/nicht/vorhanden.html", 0));
    sb::testing::TempDir dir;
    const std::string contents = dir.file("inhalt.html");
    std::ofstream(contents) << "<h1>Inhalt</h1>";
    EXPECT_EQ(helpPageUrl(contents, 99)->toString().toStdString(), "file://" + contents + "#thema99");

    struct AsksForHelp : DialogProcedure {
        std::string file;
        QWidget* helpOwner = nullptr;
        QWidget* modal = nullptr;
        void init(DialogHost& host) override { host.post(1, Notification::Clicked); }
        void command(DialogHost& host, int, Notification) override {
            EXPECT_TRUE(host.services().showHelp(file, 22));
            modal = QApplication::activeModalWidget();
            if (auto* help = modal->findChild<QTextBrowser*>()) helpOwner = help->parentWidget();
            host.end(dialogOk);
        }
    } procedure;
    procedure.file = contents;
    services.runModal(DialogTemplate{"HILFE_TEST", "Test", 100, 40, {}}, procedure);
    EXPECT_NE(procedure.modal, nullptr);
    EXPECT_EQ(procedure.helpOwner, procedure.modal);
    auto* help = mainWindow.findChild<QTextBrowser*>();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());

    bool ownedByTheBox = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ownedByTheBox = box && help->parentWidget() == box && help->isVisible();
        if (box) box->close();
    });
    services.messageBox("Wollen Sie einen neuen erstellen?", "Hinweis", Buttons::Ok, Icon::Information);
    EXPECT_TRUE(ownedByTheBox);
    EXPECT_EQ(help->parentWidget(), &mainWindow);
    EXPECT_TRUE(help->isVisible());

    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(help, &escape);
    EXPECT_FALSE(help->isVisible());
}

TEST(QtServices, TranslationsTimerAndFileFilters) {
    QApplication& app = test::application();
    EXPECT_TRUE(installGermanTranslations(app));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    // The file dialog's dates follow the system locale, German although the tests run under "C".
    EXPECT_EQ(QLocale::system().toString(QDate(2026, 3, 7), QLocale::ShortFormat), "07.03.26");

    QtServices services;
    int fired = 0;
    QEventLoop loop;
    services.startTimer(5, [&] {
        if (++fired == 2) {
            services.stopTimer();
            loop.quit();
        }
    });
    QTimer::singleShot(2000, &loop, &QEventLoop::quit);
    loop.exec();
    EXPECT_EQ(fired, 2);

    EXPECT_EQ(nameFilterOf({"Pulsuhr (hrm) ", "*.hrm"}), "Pulsuhr (hrm)  (*.hrm)");
    EXPECT_EQ(nameFilterOf({"Saisonbuch", "*.sb3;*.sb2;*.sbn"}), "Saisonbuch (*.sb3 *.sb2 *.sbn)");
}

}  // namespace
}  // namespace sb::platform::qt
