// The list commands of menu and toolbar open their dialogs over the open plan.
#include "shell/command_dispatcher.h"
#include "shell/command_ids.h"
#include "shell_test_support.h"

namespace sb::shell::testing {
namespace {

class ListCommands : public ShellTest {};

TEST_F(ListCommands, WeekMonthYearAndSearchOpenTheirLists) {
    initialise();
    openSamplePlan();
    std::vector<std::string> shown;
    for (const auto& [name, list] :
         {std::pair{"LISTE_WOCHE", 205}, {"LISTE_MONAT", 205}, {"LISTE_JAHR", 205}, {"LISTE_SUCH", 201}}) {
        services.scriptDialog(name, [&shown, list](platform::headless::HeadlessDialogHost& dialog) {
            const auto rows = dialog.rows(list);
            shown.push_back(dialog.caption() + " " + std::to_string(rows.size()) + " " + rows.front()[0]);
            dialog.pressClose();
        });
    }
    for (int id : {cmd::kWeekList, cmd::kMonthList, cmd::kYearList, cmd::kSearch}) dispatch(id);
    EXPECT_EQ((std::vector<std::string>{"Wochenliste 4 01.01", "Monatsliste 4 01.01", "Jahresliste 6 01.01",
                                        "Suchliste 1 31.12"}),
              shown);
    expectNothingUnexpected();
}

}  // namespace
}  // namespace sb::shell::testing
