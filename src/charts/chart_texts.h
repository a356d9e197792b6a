// The texts around a chart: the title, the value-axis title and unit of a quantity, and the title of
// the category axis.
#pragma once

#include "platform/canvas.h"

namespace sb::charts {

enum TitleKind {
    kNoTitle = 0,
    kWeekOfYearTitle = 1,   // "Trainingsjahr : <year>"
    kMonthOfYearTitle = 2,  // "Trainingsjahr : <year>"
    kWeekTitle = 3,         // "Trainingswoche : <week>"
    kMonthTitle = 4,        // "Trainingsmonat : <month name>"
};

// number: the plan year (kinds 1 and 2), the week (3) or the month 1…12 (4).
void drawTitle(platform::Canvas& canvas, int titleKind, int number);
void drawValueAxisTitle(platform::Canvas& canvas, int code);
void drawUnit(platform::Canvas& canvas, int style, int code);
// axisKind: a CategoryAxis.
void drawCategoryTitle(platform::Canvas& canvas, int axisKind);
// Where the category title begins, in logical x; labels of the axis must end before it.
int categoryTitleLeft(platform::Canvas& canvas, int axisKind);

}  // namespace sb::charts
