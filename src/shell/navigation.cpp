// Week and month stepping. Every value that reaches the diagrams is clamped, because a month outside
// 1…12 or a week outside 1…53 has no days to draw.
#include "shell/navigation.h"

#include <algorithm>

#include "model/diagram_quantity.h"
#include "fileio/c_numbers.h"
#include "model/calendar.h"
#include "model/clock.h"

namespace sb::shell {

namespace {

constexpr std::size_t kValueBoxLength = 4;

// The box holds at most four characters; no number counts as 0.
int valueBoxNumber(const MainWindowView& view) {
    return fileio::atoiC(view.valueBoxText().substr(0, kValueBoxLength));
}

// The week or month `value`, kept in range, becomes the shown one.
void showWeekOrMonth(Application& app, MainWindowView& view, long long value) {
    const int kind = app.diagram.diagramKind;
    if (kind != model::kWeekDiagram && kind != model::kMonthDiagram) return;
    const int shown = int(std::clamp<long long>(value, 1, lastWeekOrMonth(app)));
    if (kind == model::kWeekDiagram) {
        app.currentWeek = shown;
    } else {
        app.currentMonth = shown;
    }
    view.setValueBoxText(std::to_string(shown));
    view.repaint();
}

}  // namespace

int todaysWeek() {
    const model::CivilDate date = model::today();
    return model::trainingWeekOfDay(model::dayOfYear(date.day, date.month, date.year) - 1, date.year);
}

void setTodaysWeekAndMonth(Application& app) {
    app.currentWeek = todaysWeek();
    app.currentMonth = model::clampMonth(model::today().month);
}

int lastWeekOrMonth(const Application& app) {
    return app.diagram.diagramKind == model::kMonthDiagram ? model::kLastMonth : model::kLastTrainingWeek;
}

int shownWeekOrMonth(const Application& app) {
    return app.diagram.diagramKind == model::kMonthDiagram ? model::clampMonth(app.currentMonth)
                                                           : model::clampWeek(app.currentWeek);
}

void stepWeekOrMonth(Application& app, MainWindowView& view, int step) {
    showWeekOrMonth(app, view, static_cast<long long>(valueBoxNumber(view)) + step);
}

void showTypedWeekOrMonth(Application& app, MainWindowView& view) {
    showWeekOrMonth(app, view, valueBoxNumber(view));
}

void restoreValueBox(const Application& app, MainWindowView& view) {
    const int kind = app.diagram.diagramKind;
    if (kind == model::kWeekDiagram || kind == model::kMonthDiagram)
        view.setValueBoxText(std::to_string(shownWeekOrMonth(app)));
}

}  // namespace sb::shell
