// The Qt services: German message-box buttons and answers, help pages found in the resources or
// reported missing, Qt's German translations, the timer and the file-type filters.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QEventLoop>
#include <QLocale>
#include <QMessageBox>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "platform/qt/common_dialogs.h"
#include "platform/qt/help_window.h"
#include "platform/qt/qt_services.h"
#include "platform/qt/translations.h"
#include "qt_test_application.h"
#include "support/plan_fixtures.h"

namespace sb::platform::qt {
namespace {

// Answers the next message box by the button with `answerText`, noting what it showed.
struct BoxSeen {
    QStringList buttons;
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool titleFits = false;
};

void answerNextBox(BoxSeen& seen, const QString& answerText) {
    QTimer::singleShot(0, [&seen, answerText] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.text = box->text();
        seen.title = box->windowTitle();
        seen.icon = box->icon();
        box->adjustSize();
        seen.titleFits = box->width() > box->fontMetrics().horizontalAdvance(box->windowTitle()) + 100;
        for (QAbstractButton* button : box->buttons()) {
            seen.buttons << button->text();
            if (button->text() == answerText) button->click();
        }
    });
}

TEST(QtServices, MessageBoxesShowTheExactTextWithGermanButtons) {
    test::application();
    QtServices services;
    BoxSeen seen;
    answerNextBox(seen, "Nein");
    EXPECT_EQ(
        services.messageBox("Die Datei \"a.sb3\" ist schon vorhanden\nWollen Sie die Datei überschrieben?",
                            "Frage?", Buttons::YesNo, Icon::Exclamation),
        Answer::No);
    EXPECT_EQ(seen.text, QString::fromUtf8(
                             "Die Datei \"a.sb3\" ist schon vorhanden\nWollen Sie die Datei überschrieben?"));
    EXPECT_EQ(seen.title, "Frage?");
    EXPECT_EQ(seen.icon, QMessageBox::Warning);
    seen.buttons.sort();
    EXPECT_EQ(seen.buttons, (QStringList{"Ja", "Nein"}));

    BoxSeen three;
    answerNextBox(three, "Abbrechen");
    EXPECT_EQ(services.messageBox("<b>Speichern?</b>", "Hinweis", Buttons::YesNoCancel, Icon::Question),
              Answer::Cancel);
    EXPECT_EQ(three.text, "<b>Speichern?</b>");
    three.buttons.sort();
    EXPECT_EQ(three.buttons, (QStringList{"Abbrechen", "Ja", "Nein"}));

    BoxSeen shortText;
    answerNextBox(shortText, "OK");
    services.messageBox("0", "Tagesinformation für einen langen Tag", Buttons::Ok, Icon::Information);
    EXPECT_TRUE(shortText.titleFits);

    BoxSeen single;
    answerNextBox(single, "OK");
    EXPECT_EQ(services.messageBox("Code: CDERR_DIALOGFAILURE", "Error", Buttons::Ok, Icon::Stop), Answer::Ok);
    EXPECT_EQ(single.buttons, QStringList{"OK"});
    EXPECT_EQ(single.icon, QMessageBox::Critical);
}

TEST(QtServices, HelpPagesAreFoundByTopicOrReportedMissing) {
    test::application();
    QtServices services;
    EXPECT_FALSE(services.showHelp("/nicht/vorhanden/inhalt.html", 0));
    EXPECT_FALSE(services.showHelp("", 22));
    EXPECT_FALSE(services.showHelp("qrc:/nicht/vorhanden.html", 0));

    sb::testing::TempDir dir;
    std::ofstream(dir / "inhalt.html") << "<h1>Inhalt</h1>";
    std::ofstream(dir / "thema22.html") << "<h1>Tagesdaten</h1>";
    std::string contents = (dir / "inhalt.html").string();
    EXPECT_TRUE(services.showHelp(contents, 22));
    EXPECT_EQ(helpPageUrl(contents, 0)->toLocalFile().toStdString(), contents);
    EXPECT_EQ(helpPageUrl(contents, 22)->toLocalFile().toStdString(), dir.file("thema22.html"));
    EXPECT_EQ(helpPageUrl(contents, 99)->fragment(), "thema99");
}

// Qt lets only the newest modal window and the windows it owns take input: help asked for in a modal
// dialog, or shown before a message box opens, must belong to that window to be read and scrolled.
TEST(QtServices, HelpBelongsToTheModalWindowInFrontAndOutlivesIt) {
    test::application();
    sb::testing::TempDir dir;
    const std::string contents = (dir / "inhalt.html").string();
    std::ofstream(contents) << "<h1>Inhalt</h1>";
    QWidget mainWindow;
    mainWindow.show();
    QtServices services(&mainWindow);

    struct AsksForHelp : DialogProcedure {
        std::string file;
        QWidget* helpOwner = nullptr;
        QWidget* modal = nullptr;
        void init(DialogHost& host) override { host.post(1, Notification::Clicked); }
        void command(DialogHost& host, int, Notification) override {
            host.services().showHelp(file, 0);
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
}

// The pages the program opens exist and are compiled into the resources. The topics are taken from the
// sources, so a dialog that gains a help button cannot miss its page.
TEST(QtServices, EveryHelpTopicHasAPageInTheResources) {
    const std::filesystem::path root =
        std::filesystem::path(std::getenv("SAISONBUCH_TEST_DATA")) / ".." / "..";
    std::stringstream qrc;
    qrc << std::ifstream(root / "resources" / "help.qrc").rdbuf();
    std::set<std::string> pages = {"inhalt.html", "tour.html"};
    const std::regex topic(R"([Hh]elp\w*Topic\s*=\s*(\d+);)");
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root / "src")) {
        std::stringstream source;
        source << std::ifstream(entry.path()).rdbuf();
        const std::string text = source.str();
        for (std::sregex_iterator at(text.begin(), text.end(), topic), end; at != end; ++at)
            pages.insert("thema" + (*at)[1].str() + ".html");
    }
    EXPECT_GE(pages.size(), 2u + 15u);
    for (const std::string& page : pages) {
        EXPECT_TRUE(std::filesystem::is_regular_file(root / "resources" / "help" / page)) << page;
        EXPECT_NE(qrc.str().find("<file>help/" + page + "</file>"), std::string::npos) << page;
    }
}

TEST(QtServices, TranslationsTimerAndFileFilters) {
    QApplication& app = test::application();
    EXPECT_TRUE(installGermanTranslations(app));
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    // The file dialog's dates follow the system locale, German although the tests run under "C".
    EXPECT_EQ(QLocale::system().toString(QDate(2026, 3, 7), QLocale::ShortFormat), "07.03.26");
    EXPECT_EQ(QLocale::system().dayName(1), "Montag");

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
