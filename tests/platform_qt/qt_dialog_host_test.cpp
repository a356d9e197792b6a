// A dialog template turned into Qt widgets: kinds, template states, tab order, the notifications of
// typing and clicking, the canvas control, and modal and modeless runs ended by keys or procedures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolTip>

#include "platform/qt/dialog_window.h"
#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/qt_services.h"
#include "qt_test_application.h"

namespace sb::platform::qt {
namespace {

enum : int { name = 201, locked = 202, apply = 210, ok = 211, box = 220, manual = 221 };
enum : int { radioA = 230, radioB = 231, radioC = 240, list = 250, drop = 260, combo = 270 };
enum : int { table = 280, canvas = 290, swatch = 295 };

DialogTemplate sampleTemplate() {
    return {"IDD_PROBE",
            "Probe",
            300,
            200,
            {{canvas, ControlKind::Canvas, "", {200, 100, 80, 60}},
             {staticControlId, ControlKind::Static, "&Name:", {5, 5, 40, 10}},
             {name, ControlKind::Edit, "Anna", {50, 5, 80, 12}, TabStop, 5},
             {locked, ControlKind::Edit, "", {50, 20, 80, 12}, TabStop | Disabled},
             {box, ControlKind::CheckBox, "&Aktiv", {5, 40, 60, 10}, TabStop},
             {manual, ControlKind::CheckBox, "Selbst", {5, 52, 60, 10}, TabStop | ManualCheck},
             {radioA, ControlKind::RadioButton, "weiblich", {5, 64, 60, 10}, TabStop | GroupStart},
             {radioB, ControlKind::RadioButton, "männlich", {5, 76, 60, 10}},
             {radioC, ControlKind::RadioButton, "andere Gruppe", {5, 88, 60, 10}, TabStop | GroupStart},
             {list, ControlKind::ListBox, "", {140, 5, 60, 50}, TabStop | Sorted},
             {drop, ControlKind::DropDownList, "", {140, 60, 60, 80}, TabStop},
             {combo, ControlKind::ComboEdit, "", {140, 80, 60, 80}, TabStop, 4},
             {table, ControlKind::ListView, "", {5, 100, 190, 60}, TabStop},
             {swatch, ControlKind::ColourSwatch, "", {210, 5, 20, 10}},
             {apply, ControlKind::Button, "&Übernehmen", {5, 180, 50, 14}, TabStop},
             {ok, ControlKind::DefaultButton, "OK", {60, 180, 50, 14}, TabStop}}};
}

// Logs every event as text; OK ends the dialog, init fills a few controls.
class Probe : public DialogProcedure {
  public:
    std::vector<std::string> log;
    std::vector<Point> clicks;

    void init(DialogHost& host) override {
        log.push_back("init");
        host.addItem(list, "Zwift");
        host.addItem(list, "berg");
        host.addItem(list, "Alpen");
        host.addItem(drop, "Rad");
        host.addItem(drop, "Laufen");
        host.setSelection(drop, 1);
        host.setSwatchColour(swatch, rgb(0, 128, 0));
    }
    void command(DialogHost& host, int id, Notification notification) override {
        log.push_back(std::to_string(id) + ":" + std::to_string(int(notification)));
        if (id == ok) host.end(dialogOk);
    }
    void paint(DialogHost&, int id, Canvas& surface) override {
        surface.setBrush(Brush::solid(rgb(255, 0, 0)));
        surface.setPen({0, 0, PenStyle::None});
        Size size = surface.deviceSize();
        surface.drawRectangle({0, 0, size.width, size.height});
    }
    void mouseDown(DialogHost&, int id, Point at) override { clicks.push_back(at); }
    void help(DialogHost&) override { log.push_back("help"); }
};

std::string clicked(int id) {
    return std::to_string(id) + ":" + std::to_string(int(Notification::Clicked));
}

std::string changed(int id) {
    return std::to_string(id) + ":" + std::to_string(int(Notification::TextChanged));
}

void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

TEST(QtDialogHost, BuildsTheTemplateAndNotifiesLikeTheHeadlessHost) {
    test::application();
    QWidget surface;
    Probe probe;
    QtDialogHost host(sampleTemplate(), probe, surface, std::make_unique<QtServices>());
    host.open();

    EXPECT_NE(qobject_cast<QLineEdit*>(host.widget(name)), nullptr);
    EXPECT_NE(qobject_cast<QRadioButton*>(host.widget(radioB)), nullptr);
    EXPECT_NE(qobject_cast<QTableWidget*>(host.widget(table)), nullptr);
    EXPECT_TRUE(qobject_cast<QPushButton*>(host.widget(ok))->isDefault());
    // The label's mnemonic leads to the field after it: Alt+N puts the cursor into the name.
    EXPECT_EQ(surface.findChild<QLabel*>()->text(), "&Name:");
    EXPECT_EQ(surface.findChild<QLabel*>()->buddy(), host.widget(name));
    EXPECT_FALSE(host.isEnabled(locked));
    EXPECT_EQ(host.text(name), "Anna");
    EXPECT_EQ(host.items(list), (std::vector<std::string>{"Alpen", "berg", "Zwift"}));
    EXPECT_EQ(host.text(drop), "Laufen");
    EXPECT_EQ(host.selection(list), -1);
    EXPECT_EQ(host.swatchColour(swatch), rgb(0, 128, 0));
    EXPECT_EQ(probe.log, std::vector<std::string>{"init"});

    // Tab order is template order over the tab stops.
    std::vector<QWidget*> chain;
    for (QWidget* w = host.widget(name)->nextInFocusChain(); w != host.widget(name);
         w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus && w->parentWidget() == &surface) chain.push_back(w);
    }
    ASSERT_GE(chain.size(), 3u);
    EXPECT_EQ(chain[0], host.widget(locked));
    EXPECT_EQ(chain[1], host.widget(box));
    EXPECT_EQ(chain.back(), host.widget(ok));

    // Typing notifies per change and stops at the length limit; non-ASCII arrives intact.
    probe.log.clear();
    host.widget(name)->setFocus();
    qobject_cast<QLineEdit*>(host.widget(name))->clear();
    typeText(host.widget(name), QStringLiteral("Jörgen"));
    EXPECT_EQ(host.text(name), "Jörge");
    EXPECT_EQ(probe.log.size(), 6u);  // the clearing and five characters
    probe.log.clear();
    host.setText(name, "Jörge");  // unchanged: silent
    host.setText(name, "Bea");
    host.setText(combo, "frei");  // combos never notify the program's own changes
    host.setChecked(box, true);
    host.setSelection(list, 2);
    EXPECT_EQ(probe.log, std::vector<std::string>{changed(name)});
    EXPECT_EQ(host.text(list), "Zwift");
    EXPECT_EQ(host.text(combo), "frei");

    // Clicks: automatic boxes toggle, manual ones are left to the procedure, radio groups by GroupStart.
    probe.log.clear();
    host.setChecked(radioC, true);
    qobject_cast<QCheckBox*>(host.widget(box))->click();
    qobject_cast<QCheckBox*>(host.widget(manual))->click();
    qobject_cast<QRadioButton*>(host.widget(radioA))->click();
    qobject_cast<QRadioButton*>(host.widget(radioB))->click();
    std::vector<bool> checked;
    for (int id : std::initializer_list<int>{box, manual, radioA, radioB, radioC}) checked.push_back(host.isChecked(id));
    EXPECT_EQ(checked, (std::vector<bool>{false, false, false, true, true}));
    EXPECT_EQ(probe.log,
              (std::vector<std::string>{clicked(box), clicked(manual), clicked(radioA), clicked(radioB)}));

    // A posted notification arrives after the current event.
    probe.log.clear();
    host.post(apply, Notification::Clicked);
    EXPECT_TRUE(probe.log.empty());
    QApplication::processEvents();
    EXPECT_EQ(probe.log, std::vector<std::string>{clicked(apply)});

    // The canvas paints through the procedure and reports clicks in its own pixels.
    QImage painted = surface.grab().toImage();
    QRect place = host.widget(canvas)->geometry();
    EXPECT_EQ(painted.pixelColor(place.center()), QColor(255, 0, 0));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(7, 9), QPointF(7, 9), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(host.widget(canvas), &press);
    EXPECT_EQ(probe.clicks, (std::vector<Point>{Point{7, 9}}));
    EXPECT_EQ(host.clientSize(canvas), (Size{place.width(), place.height()}));
}

TEST(QtDialogHost, PlanTextFieldsShowOnlyWhatThePlanHoldsAndNameWhatTheyRefuse) {
    test::application();
    QWidget surface;
    Probe probe;
    DialogTemplate dialog{
        "IDD_PLANTEXT", "", 200, 60, {{name, ControlKind::Edit, "", {5, 5, 120, 12}, PlanText | CommaAsDot}}};
    QtDialogHost host(dialog, probe, surface, std::make_unique<QtServices>());
    surface.show();
    auto* field = qobject_cast<QLineEdit*>(host.widget(name));
    typeText(field, QStringLiteral("Łó,"));
    EXPECT_EQ(field->text(), QStringLiteral("ó."));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("„Ł“ kann im Saisonbuch nicht gespeichert werden."));
    field->setCursorPosition(1);
    QApplication::clipboard()->setText(QStringLiteral("x😀y,ł"));
    field->paste();
    EXPECT_EQ(std::pair(host.text(name), field->cursorPosition()), std::pair(std::string("óxy.."), 4));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("„😀“ kann im Saisonbuch nicht gespeichert werden."));
}

void sendKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

TEST(QtDialogHost, ModalDialogsEndByEnterEscapeAndTheirProcedure) {
    test::application();
    QtServices services;
    Probe probe;
    DialogTemplate dialog = sampleTemplate();
    QTimer::singleShot(0, [] {
        auto* window = dynamic_cast<DialogWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), "Probe");
        sendKey(window, Qt::Key_F1);
        window->host().widget(name)->setFocus();
        sendKey(window, Qt::Key_Return);
    });
    EXPECT_EQ(services.runModal(dialog, probe), dialogOk);
    EXPECT_EQ(probe.log, (std::vector<std::string>{"init", "help", clicked(ok)}));

    probe.log.clear();
    QTimer::singleShot(0, [] { sendKey(QApplication::activeModalWidget(), Qt::Key_Escape); });
    EXPECT_EQ(services.runModal(dialog, probe), dialogCancel);
    EXPECT_EQ(probe.log, std::vector<std::string>{"init"});
}

TEST(QtDialogHost, ModelessDialogsTakeInputWhileTheCallerProcessesEvents) {
    test::application();
    QtServices services;
    Probe probe;
    DialogTemplate progress{
        "DRUCKDIALOG",
        "Drucken",
        120,
        60,
        {{staticControlId, ControlKind::Static, "Dokument wird gedruckt", {10, 10, 100, 10}},
         {ok, ControlKind::DefaultButton, "Abbrechen", {35, 35, 50, 14}, TabStop}}};
    std::unique_ptr<ModelessDialog> dialog = services.openModeless(progress, probe);
    EXPECT_EQ(probe.log, std::vector<std::string>{"init"});
    EXPECT_TRUE(dialog->isOpen());
    dialog->host().post(ok, Notification::Clicked);
    EXPECT_TRUE(dialog->isOpen());
    dialog->processEvents();
    EXPECT_FALSE(dialog->isOpen());
    EXPECT_EQ(probe.log, (std::vector<std::string>{"init", clicked(ok)}));
}

}  // namespace
}  // namespace sb::platform::qt
