// The week and month the week and month diagrams show: today's at start-up, stepped by the toolbar's
// "nächstes" and "vorheriges" or typed into its value box, and always kept inside 1…53 and 1…12.
#pragma once

#include "platform/services.h"
#include "shell/application.h"
#include "shell/main_window_view.h"

namespace sb::shell {

// The week that holds today in the numbering of the week views, where week 1 holds 1 January.
int todaysWeek();
// currentWeek and currentMonth from today's date.
void setTodaysWeekAndMonth(Application& app);

// The last week or month of the shown diagram kind (53 or 12), and the one it shows, kept in range.
int lastWeekOrMonth(const Application& app);
int shownWeekOrMonth(const Application& app);

// The arrows for the week or month diagram: the number in the value box moved by step (1 or -1) and
// kept in range becomes the shown week or month.
void stepWeekOrMonth(Application& app, MainWindowView& view, int step);
// Enter in the value box: the number typed, kept in range, is shown.
void showTypedWeekOrMonth(Application& app, MainWindowView& view);
// Leaving the value box without Enter: it shows the shown week or month again.
void restoreValueBox(const Application& app, MainWindowView& view);

}  // namespace sb::shell
