// A small weight dialog driven end to end through the headless host: typing, pressing, live
// updates, messages, list controls, a canvas control, and the steps a real dialog would not allow.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/headless/headless_services.h"

using namespace sb::platform;
using namespace sb::platform::headless;

namespace {

DialogTemplate weightTemplate() {
    return {"IDD_TEST_GEWICHT",
            "Gewicht",
            200,
            120,
            {{3, ControlKind::Canvas, "", {5, 5, 100, 50}},
             {200, ControlKind::Edit, "", {110, 5, 40, 12}, TabStop, 5},
             {201, ControlKind::Edit, "", {110, 20, 40, 12}, ReadOnly},
             {210, ControlKind::CheckBox, "Basic", {110, 35, 40, 10}},
             {220, ControlKind::RadioButton, "Rad", {110, 50, 40, 10}, GroupStart},
             {221, ControlKind::RadioButton, "Laufen", {110, 60, 40, 10}},
             {222, ControlKind::RadioButton, "Schwimmen", {110, 70, 40, 10}},
             {230, ControlKind::ComboEdit, "", {5, 60, 100, 60}, GroupStart},
             {240, ControlKind::ListBox, "", {5, 75, 100, 20}, Sorted},
             {250, ControlKind::ListView, "", {5, 95, 100, 20}},
             {296, ControlKind::DefaultButton, "OK", {150, 100, 20, 14}},
             {297, ControlKind::Button, "Abbruch", {175, 100, 20, 14}, Disabled}}};
}

struct WeightProcedure : DialogProcedure {
    double stored = 0;
    int routeNotices = 0;
    std::vector<Point> clicks;

    void init(DialogHost& host) override {
        host.addItem(230, "Waldrunde");
        host.addItem(230, "Berg");
        host.addItem(240, "Zeil");
        host.addItem(240, "Alpen");
        host.insertColumn(250, 0, "Datum");
        host.insertColumn(250, 1, "KM");
        host.post(1000, Notification::Clicked);
    }
    void command(DialogHost& host, int id, Notification notification) override {
        if (id == 1000) host.setText(200, "70.0");  // posted: runs once init is done
        if (id == 200 && notification == Notification::TextChanged) host.setText(201, host.text(200) + " kg");
        if (id == 230) ++routeNotices;
        if (id == 250 && notification == Notification::RightClicked) {
            int chosen = host.services().popupMenu(
                {MenuItem::command("Datum", 100, true, true), MenuItem::command("KM", 103, false, true)});
            if (chosen == 103) host.deleteColumn(250, 1);
        }
        if (id == 296) {
            std::string text = host.text(200);
            for (char& c : text) c = c == ',' ? '.' : c;
            double weight = std::atof(text.c_str());
            if (weight < 0 || weight > 150) {
                host.services().messageBox("Eingabefehler im Feld Körpergewicht", "Eingabefehler",
                                           Buttons::Ok, Icon::Exclamation);
                return;
            }
            stored = weight;
            host.end(dialogOk);
        }
    }
    void paint(DialogHost& host, int id, Canvas& canvas) override {
        canvas.setMapping({{0, 0}, {1400, 1000}, {0, 0}, host.clientSize(id)});
        canvas.setBrush(Brush::solid(rgb(192, 192, 192)));
        canvas.drawRectangle({0, 0, 1399, 999});
    }
    void mouseDown(DialogHost&, int, Point at) override { clicks.push_back(at); }
};

}  // namespace

TEST(HeadlessDialog, TypesPressesAndReportsTheMessagesShown) {
    HeadlessServices services;
    WeightProcedure procedure;
    services.scriptDialog("IDD_TEST_GEWICHT", [](HeadlessDialogHost& dialog) {
        EXPECT_EQ(dialog.text(201), "70.0 kg");  // the posted command ran after init
        dialog.type(200, "150,55");              // cut to 5 characters: "150,5"
        EXPECT_EQ(dialog.text(201), "150,5 kg");
        dialog.press(296);
        EXPECT_FALSE(dialog.ended());
        dialog.type(200, "72,5");
        dialog.press(296);
    });
    auto template_ = weightTemplate();
    EXPECT_EQ(services.runModal(template_, procedure), dialogOk);
    EXPECT_DOUBLE_EQ(procedure.stored, 72.5);
    EXPECT_EQ(services.messages(),
              (std::vector<LoggedMessage>{
                  {"Eingabefehler im Feld Körpergewicht", "Eingabefehler", Buttons::Ok, Icon::Exclamation}}));
    EXPECT_EQ(services.steps(), (std::vector<std::string>{"dialog opened: IDD_TEST_GEWICHT",
                                                          "message: Eingabefehler im Feld Körpergewicht"}));
    ASSERT_NE(services.lastDialog("IDD_TEST_GEWICHT"), nullptr);
    EXPECT_EQ(services.lastDialog("IDD_TEST_GEWICHT")->text(200), "72,5");
    EXPECT_TRUE(services.unexpected().empty());
}

TEST(HeadlessDialog, ChecksRadiosAndListsAsTheControlsWould) {
    HeadlessServices services;
    WeightProcedure procedure;
    services.answerPopupMenus({100, 103});
    services.scriptDialog("IDD_TEST_GEWICHT", [&](HeadlessDialogHost& dialog) {
        dialog.press(210);
        dialog.press(221);
        dialog.press(222);
        EXPECT_TRUE(dialog.isChecked(210));
        EXPECT_FALSE(dialog.isChecked(221));
        EXPECT_TRUE(dialog.isChecked(222));

        EXPECT_EQ(dialog.items(240), (std::vector<std::string>{"Alpen", "Zeil"}));
        dialog.choose(230, "Berg");
        EXPECT_EQ(dialog.text(230), "Berg");
        dialog.setText(230, "Tal");  // the program's own change: no notification
        dialog.type(230, "Tal2");
        EXPECT_EQ(procedure.routeNotices, 2);

        dialog.insertRow(250, 0, {"01.03", "12.5"});
        dialog.dragColumn(250, 1, 0);
        EXPECT_EQ(dialog.columnOrder(250), (std::vector<int>{1, 0}));
        dialog.rightClick(250);  // the greyed "Datum" cannot be chosen
        dialog.rightClick(250);
        EXPECT_EQ(dialog.columns(250), (std::vector<ListColumn>{{"Datum", 0}}));
        EXPECT_EQ(dialog.rows(250), (std::vector<std::vector<std::string>>{{"01.03"}}));

        RecordingCanvas painted = dialog.paint(3);
        EXPECT_EQ(painted.deviceSize(), (Size{200, 100}));
        EXPECT_EQ(painted.filledWith(rgb(192, 192, 192)).size(), 1u);
        dialog.click(3, {20, 30});
        dialog.pressClose();
    });
    auto template_ = weightTemplate();
    EXPECT_EQ(services.runModal(template_, procedure), dialogCancel);
    EXPECT_EQ(procedure.clicks, (std::vector<Point>{{20, 30}}));
    ASSERT_EQ(services.unexpected().size(), 1u);
    EXPECT_EQ(services.unexpected()[0], "popup menu answer 100 is no item that can be chosen");
}

TEST(HeadlessDialog, ReportsWhatNoUserCouldDo) {
    HeadlessServices services;
    WeightProcedure procedure;
    auto template_ = weightTemplate();

    EXPECT_EQ(services.runModal(template_, procedure), dialogCancel);  // no script
    services.scriptDialog("IDD_TEST_GEWICHT", [](HeadlessDialogHost& dialog) {
        dialog.press(297);           // disabled
        dialog.type(201, "1");       // read-only
        dialog.press(999);           // missing
        dialog.choose(240, "Berg");  // not listed
    });
    EXPECT_EQ(services.runModal(template_, procedure), dialogCancel);
    services.scriptDialog("IDD_TEST_GEWICHT", [](HeadlessDialogHost& dialog) {
        dialog.press(296);
        dialog.press(296);  // already closed
    });
    services.scriptDialog("IDD_TEST_GEWICHT", [](HeadlessDialogHost&) {});
    EXPECT_EQ(services.runModal(template_, procedure), dialogOk);

    EXPECT_EQ(services.unexpected(),
              (std::vector<std::string>{
                  "dialog without a script: IDD_TEST_GEWICHT",
                  "IDD_TEST_GEWICHT: pressing on control 297, which is disabled or hidden",
                  "IDD_TEST_GEWICHT: typing on control 201, which takes no typing",
                  "IDD_TEST_GEWICHT: pressing on control 999, which does not exist",
                  "IDD_TEST_GEWICHT: choosing \"Berg\" in control 240, which does not list it",
                  "dialog still open after its script: IDD_TEST_GEWICHT",
                  "IDD_TEST_GEWICHT: pressing on control 296 after the dialog ended",
                  "1 scripts for IDD_TEST_GEWICHT left unused"}));
}
