// The contract both dialog hosts keep, so a feature tested headless behaves alike on screen: template
// states, sorted lists, notifications of what a user did and never of the program's own changes, radio
// groups, posted notifications, canvas clicks and the list view's columns. Then what only the Qt host
// has: widget kinds, mnemonics, tab order, painting, refused characters, and modal and modeless runs.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTimer>
#include <QToolTip>
#include <array>

#include "platform/headless/headless_dialog_host.h"
#include "platform/headless/headless_services.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/qt_dialog_host.h"
#include "platform/qt/qt_services.h"

namespace sb::platform::qt {
namespace {

enum : int { name = 201, locked = 202, apply = 210, ok = 211, box = 220, manual = 221 };
enum : int { radioA = 230, radioB = 231, radioC = 240, list = 250, drop = 260, combo = 270 };
enum : int { table = 280, canvas = 290, swatch = 295, planText = 299 };

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
             {ok, ControlKind::DefaultButton, "OK", {60, 180, 50, 14}, TabStop},
             {planText, ControlKind::Edit, "", {120, 180, 120, 12}, PlanText | CommaAsDot}}};
}

// Logs every event as text; OK ends the dialog, init fills a few controls and gives the canvas the
// focus. Every key but Enter is used.
class Probe : public DialogProcedure {
  public:
    std::vector<std::string> log;
    std::vector<Point> clicks;

    void init(DialogHost& host) override {
        log.push_back("init");
        for (const char* item : {"Zwift", "berg", "Alpen", "Berg"}) host.addItem(list, item);
        for (const char* item : {"Rad", "Laufen"}) host.addItem(drop, item);
        host.setSelection(drop, 1);
        host.setSwatchColour(swatch, rgb(0, 128, 0));
        host.setFocus(canvas);
    }
    void command(DialogHost& host, int id, Notification notification) override {
        log.push_back(std::to_string(id) + ":" + std::to_string(int(notification)));
        if (id == ok) host.end(dialogOk);
    }
    void paint(DialogHost&, int id, Canvas& surface) override {
        surface.setBrush(Brush::solid(rgb(255, 0, 0)));
        Size size = surface.deviceSize();
        surface.drawRectangle({0, 0, size.width, size.height});
    }
    void mouseDown(DialogHost&, int id, Point at) override { clicks.push_back(at); }
    void help(DialogHost&) override { log.push_back("help"); }
    bool keyDown(DialogHost&, int id, Key key) override {
        log.push_back("key " + std::to_string(id) + " " + std::to_string(int(key)));
        return key != Key::Enter;
    }
};

std::string note(int id, Notification notification = Notification::Clicked) {
    return std::to_string(id) + ":" + std::to_string(int(notification));
}

void typeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

void sendKey(QWidget* widget, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

// The two hosts behind one face: what a user does, done the way each host takes it.
struct QtDriver {
    QtDriver(const DialogTemplate& dialog, Probe& probe)
        : host(dialog, probe, surface, std::make_unique<QtServices>()) {
        host.open();
    }
    void type(int id, const QString& text) {
        qobject_cast<QLineEdit*>(host.widget(id))->selectAll();
        typeText(host.widget(id), text);
    }
    void press(int id) { qobject_cast<QAbstractButton*>(host.widget(id))->click(); }
    void click(int id, Point at) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(at.x, at.y), QPointF(at.x, at.y), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(host.widget(id), &press);
    }
    void pressKey(int id, Key key) {
        constexpr std::array<int, 8> named{Qt::Key_Left,   Qt::Key_Right,    Qt::Key_Up,     Qt::Key_Down,
                                           Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Return, Qt::Key_Space};
        sendKey(host.widget(id),
                key < Key::Digit0 ? named[size_t(key)] : Qt::Key_0 + int(key) - int(Key::Digit0));
    }
    void dragColumn(int id, int from, int to) {
        qobject_cast<QTableWidget*>(host.widget(id))->horizontalHeader()->moveSection(from, to);
    }
    void flush() { QApplication::processEvents(); }

    QWidget surface;
    QtDialogHost host;
};

struct HeadlessDriver {
    HeadlessDriver(const DialogTemplate& dialog, Probe& probe) : host(dialog, probe, services) { host.open(); }
    void type(int id, const QString& text) { host.type(id, text.toStdString()); }
    void press(int id) { host.press(id); }
    void click(int id, Point at) { host.click(id, at); }
    void pressKey(int id, Key key) { host.pressKey(id, key); }
    void dragColumn(int id, int from, int to) { host.dragColumn(id, from, to); }
    void flush() { host.deliver([](DialogProcedure&) {}); }

    headless::HeadlessServices services;
    headless::HeadlessDialogHost host;
};

template <typename Driver>
class DialogHostContract : public ::testing::Test {};
using Hosts = ::testing::Types<QtDriver, HeadlessDriver>;
TYPED_TEST_SUITE(DialogHostContract, Hosts);

TYPED_TEST(DialogHostContract, KeepsTheTemplateAndNotifiesWhatAUserDid) {
    Probe probe;
    TypeParam dialog(sampleTemplate(), probe);
    DialogHost& host = dialog.host;
    EXPECT_FALSE(host.isEnabled(locked));
    EXPECT_EQ(host.text(name), "Anna");
    EXPECT_EQ(host.items(list), (std::vector<std::string>{"Alpen", "Berg", "berg", "Zwift"}));
    EXPECT_EQ(host.text(drop), "Laufen");
    EXPECT_EQ(host.selection(list), -1);
    EXPECT_EQ(host.swatchColour(swatch), rgb(0, 128, 0));
    EXPECT_EQ(probe.log, std::vector<std::string>{"init"});

    // Typing stops at the length limit and non-ASCII arrives intact; the program's own changes are
    // silent, but for a changed edit text.
    dialog.type(name, QStringLiteral("Jörgen"));
    EXPECT_EQ(host.text(name), "Jörge");
    EXPECT_EQ(probe.log.back(), note(name, Notification::TextChanged));
    dialog.type(planText, QStringLiteral("Łó,"));  // only what a plan file can hold, with a point
    EXPECT_EQ(host.text(planText), "ó.");
    probe.log.clear();
    host.setText(name, "Jörge");
    host.setText(name, "Bea");
    host.setText(combo, "frei");
    host.setChecked(box, true);
    host.setSelection(list, 3);
    EXPECT_EQ(probe.log, std::vector<std::string>{note(name, Notification::TextChanged)});
    EXPECT_EQ(host.text(list), "Zwift");
    EXPECT_EQ(host.text(combo), "frei");

    // Clicks: automatic boxes toggle, manual ones are left to the procedure, radio groups by GroupStart.
    probe.log.clear();
    host.setChecked(radioC, true);
    for (int id : std::initializer_list<int>{box, manual, radioA, radioB}) dialog.press(id);
    std::vector<bool> checked;
    for (int id : std::initializer_list<int>{box, manual, radioA, radioB, radioC})
        checked.push_back(host.isChecked(id));
    EXPECT_EQ(checked, (std::vector<bool>{false, false, false, true, true}));
    EXPECT_EQ(probe.log, (std::vector<std::string>{note(box), note(manual), note(radioA), note(radioB)}));

    // A posted notification arrives after the current event; a canvas reports clicks in its own pixels.
    probe.log.clear();
    host.post(apply, Notification::Clicked);
    EXPECT_TRUE(probe.log.empty());
    dialog.flush();
    EXPECT_EQ(probe.log, std::vector<std::string>{note(apply)});
    dialog.click(canvas, {7, 9});
    EXPECT_EQ(probe.clicks, (std::vector<Point>{Point{7, 9}}));

    // Keys reach a canvas, and an edit's Enter and page keys reach the procedure; an arrow clicks the
    // next radio button of the group, round its end.
    probe.log.clear();
    dialog.pressKey(canvas, Key::Right);
    dialog.pressKey(canvas, Key::Digit7);
    dialog.pressKey(name, Key::PageDown);
    dialog.pressKey(radioB, Key::Down);
    EXPECT_EQ(probe.log, (std::vector<std::string>{"key 290 1", "key 290 15", "key 201 5", note(radioA)}));
    EXPECT_TRUE(host.isChecked(radioA) && !host.isChecked(radioB));

    // Columns keep the order shown when one is added, dragged or removed.
    host.insertColumn(table, 0, "Datum");
    host.insertColumn(table, 1, "Zeit");
    host.insertColumn(table, 1, "Ort");
    host.insertRow(table, 0, {"1.3.", "Park", "0:50"});
    dialog.dragColumn(table, 2, 0);
    EXPECT_EQ(host.columnOrder(table), (std::vector<int>{2, 0, 1}));
    host.deleteColumn(table, 0);
    EXPECT_EQ(host.columnOrder(table), (std::vector<int>{1, 0}));
    EXPECT_EQ(host.columns(table).back().header, "Zeit");
    EXPECT_EQ(host.rows(table), (std::vector<std::vector<std::string>>{{"Park", "0:50"}}));
}

TEST(QtDialogHost, BuildsWidgetsTabOrderPaintsAndNamesRefusedCharacters) {
    Probe probe;
    QtDriver dialog(sampleTemplate(), probe);
    QtDialogHost& host = dialog.host;
    QWidget& surface = dialog.surface;
    EXPECT_NE(qobject_cast<QRadioButton*>(host.widget(radioB)), nullptr);
    EXPECT_TRUE(qobject_cast<QPushButton*>(host.widget(ok))->isDefault());
    auto* rows = qobject_cast<QTableWidget*>(host.widget(table));
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(rows->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_TRUE(rows->horizontalHeader()->sectionsMovable());
    // The label's mnemonic leads to the field after it: Alt+N puts the cursor into the name.
    EXPECT_EQ(surface.findChild<QLabel*>()->text(), "&Name:");
    EXPECT_EQ(surface.findChild<QLabel*>()->buddy(), host.widget(name));

    // Tab order is template order over the tab stops.
    std::vector<QWidget*> chain;
    for (QWidget* w = host.widget(name)->nextInFocusChain(); w != host.widget(name);
         w = w->nextInFocusChain()) {
        if (w->focusPolicy() & Qt::TabFocus && w->parentWidget() == &surface) chain.push_back(w);
    }
    std::vector<QWidget*> expected;
    for (int id :
         std::initializer_list<int>{locked, box, manual, radioA, radioC, list, drop, combo, table, apply, ok})
        expected.push_back(host.widget(id));
    EXPECT_EQ(chain, expected);

    // The canvas paints through the procedure and measures in its own pixels.
    surface.show();
    QImage painted = surface.grab().toImage();
    QRect place = host.widget(canvas)->geometry();
    EXPECT_EQ(painted.pixelColor(place.center()), QColor(255, 0, 0));
    EXPECT_EQ(host.clientSize(canvas), (Size{place.width(), place.height()}));

    // A refused character is named beside the field, typed or pasted.
    auto* field = qobject_cast<QLineEdit*>(host.widget(planText));
    typeText(field, QStringLiteral("Łó,"));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("„Ł“ kann im Saisonbuch nicht gespeichert werden."));
    field->setCursorPosition(1);
    QApplication::clipboard()->setText(QStringLiteral("x😀y,ł"));
    field->paste();
    EXPECT_EQ(std::pair(host.text(planText), field->cursorPosition()), std::pair(std::string("óxy.."), 4));
    EXPECT_EQ(QToolTip::text(), QStringLiteral("„😀“ kann im Saisonbuch nicht gespeichert werden."));
}

// Modal dialogs end by Enter, Escape and their procedure; a modeless one takes its input only while the
// caller processes events.
TEST(QtDialogHost, ModalAndModelessRuns) {
    QtServices services;
    Probe probe;
    QTimer::singleShot(0, [] {
        auto* window = dynamic_cast<DialogWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->windowTitle(), "Probe");
        sendKey(window, Qt::Key_F1);
        // The focus the procedure gave stays, and a key the canvas does not use goes on to the dialog.
        EXPECT_EQ(window->focusWidget(), window->host().widget(canvas));
        sendKey(window->host().widget(canvas), Qt::Key_Return);
    });
    EXPECT_EQ(services.runModal(sampleTemplate(), probe), dialogOk);
    EXPECT_EQ(probe.log, (std::vector<std::string>{"init", "help", "key 290 6", note(ok)}));
    probe.log.clear();
    QTimer::singleShot(0, [] { sendKey(QApplication::activeModalWidget(), Qt::Key_Escape); });
    EXPECT_EQ(services.runModal(sampleTemplate(), probe), dialogCancel);
    EXPECT_EQ(probe.log, std::vector<std::string>{"init"});

    probe.log.clear();
    std::unique_ptr<ModelessDialog> dialog = services.openModeless(sampleTemplate(), probe);
    EXPECT_EQ(probe.log, std::vector<std::string>{"init"});
    dialog->host().post(ok, Notification::Clicked);
    EXPECT_TRUE(dialog->isOpen());
    dialog->processEvents();
    EXPECT_FALSE(dialog->isOpen());
    EXPECT_EQ(probe.log, (std::vector<std::string>{"init", note(ok)}));
}

}  // namespace
}  // namespace sb::platform::qt
