// The headless host reports every step no user could take in the real dialog, so a feature test that
// presses a disabled button or types into a read-only field fails instead of passing on a fiction.
#include <gtest/gtest.h>

#include "platform/headless/headless_services.h"

using namespace sb::platform;
using namespace sb::platform::headless;

namespace {

DialogTemplate weightTemplate() {
    return {"IDD_TEST_GEWICHT",
            "Gewicht",
            200,
            120,
            {{201, ControlKind::Edit, "", {110, 20, 40, 12}, ReadOnly},
             {240, ControlKind::ListBox, "", {5, 75, 100, 20}, Sorted},
             {296, ControlKind::DefaultButton, "OK", {150, 100, 20, 14}},
             {297, ControlKind::Button, "Abbruch", {175, 100, 20, 14}, Disabled}}};
}

struct WeightProcedure : DialogProcedure {
    void init(DialogHost& host) override { host.addItem(240, "Alpen"); }
    void command(DialogHost& host, int id, Notification) override {
        if (id == 296) host.end(dialogOk);
    }
};

}  // namespace

TEST(HeadlessDialog, ReportsWhatNoUserCouldDo) {
    HeadlessServices services;
    WeightProcedure procedure;

    EXPECT_EQ(services.runModal(weightTemplate(), procedure), dialogCancel);  // no script
    services.scriptDialog("IDD_TEST_GEWICHT", [](HeadlessDialogHost& dialog) {
        dialog.press(297);           // disabled
        dialog.type(201, "1");       // read-only
        dialog.press(999);           // missing
        dialog.choose(240, "Berg");  // not listed
    });
    EXPECT_EQ(services.runModal(weightTemplate(), procedure), dialogCancel);
    services.scriptDialog("IDD_TEST_GEWICHT", [](HeadlessDialogHost& dialog) {
        dialog.press(296);
        dialog.press(296);  // already closed
    });
    services.scriptDialog("IDD_TEST_GEWICHT", [](HeadlessDialogHost&) {});
    EXPECT_EQ(services.runModal(weightTemplate(), procedure), dialogOk);

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
