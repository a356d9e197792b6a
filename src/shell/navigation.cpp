// Week and month stepping. Every value that reaches the diagrams is clamped, because a month outside
// 1…12 or a week outside 1…53 has no days to draw.
#include "shell/navigation.h"

#include <algorithm>

#include "charts/diagram_quantity.h"
#include "fileio/c_numbers.h"
#include "model/calendar.h"
#include "model/clock.h"

namespace sb::shell {

namespace {
constexpr std::size_t kValueBoxLength = 4;
}

int clampWeek(int week) {
    return std::clamp(week, 1, kLastWeek);
}

int clampMonth(int month) {
    return std::clamp(month, 1, kLastMonth);
}

int todaysWeek() {
    const model::CivilDate date = model::today();
    return model::trainingWeekOfDay(model::dayOfYear(date.day, date.month, date.year) - 1, date.year);
}

void setTodaysWeekAndMonth(Application& app) {
    app.currentWeek = todaysWeek();
    app.currentMonth = clampMonth(model::today().month);
}

void stepWeekOrMonth(Application& app, MainWindowView& view, int step) {
    const int kind = app.settings.diagramKind;
    if (kind != charts::kWeekDiagram && kind != charts::kMonthDiagram) return;
    const std::string text = view.valueBoxText().substr(0, kValueBoxLength);
    const long long stepped = static_cast<long long>(fileio::atoiC(text)) + step;
    const int limit = kind == charts::kWeekDiagram ? kLastWeek : kLastMonth;
    const int value = int(std::clamp<long long>(stepped, 1, limit));
    if (kind == charts::kWeekDiagram) {
        app.currentWeek = value;
    } else {
        app.currentMonth = value;
    }
    view.setValueBoxText(std::to_string(value));
    view.repaint();
}

}  // namespace sb::shell
