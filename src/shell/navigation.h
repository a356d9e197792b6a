// The week and month the week and month diagrams show: today's at start-up, stepped by the toolbar's
// "nächstes" and "vorheriges", and always kept inside 1…53 and 1…12.
#pragma once

#include "platform/services.h"
#include "shell/application.h"
#include "shell/main_window_view.h"

namespace sb::shell {

constexpr int kLastWeek = 53;
constexpr int kLastMonth = 12;

int clampWeek(int week);
int clampMonth(int month);

// The week that holds today in the numbering of the week views, where week 1 holds 1 January.
int todaysWeek();
// currentWeek and currentMonth from today's date.
void setTodaysWeekAndMonth(Application& app);

// Commands 253 (step 1) and 254 (step -1) for the week or the month diagram: the number in the
// value box moved by step and kept in range.
void stepWeekOrMonth(Application& app, MainWindowView& view, int step);

}  // namespace sb::shell
