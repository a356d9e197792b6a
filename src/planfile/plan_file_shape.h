// What a file must hold to be read as a plan, and whether it holds all of its year. The readers read
// whatever they are given; this check runs first, so that a text, an image or a damaged file is never
// shown as an empty year that a save would then write over it.
//
// A plan is at least: the title line of its version (the title text, a year 1…9999, then the start
// month and day in the current format or an empty field in the older ones), the athlete line, the
// header line and one whole day line, each ended by a line end. Only the title line is looked into:
// the labels of the other lines are skipped by the readers, so damage there is damage to values. It is whole when it has a line for
// every day of its year and, in the formats that keep them, the separator and the ten odometer lines.
#pragma once

#include <string>
#include <string_view>

namespace sb::planfile {

enum class PlanShape { NotAPlan, CutShort, Whole };

struct PlanShapeOutcome {
    PlanShape shape = PlanShape::NotAPlan;
    int daysRead = 0;  // the whole day lines of a plan, 1…the days of its year
    int planYear = 0;  // 1…9999 for a plan
};

// version 3, 2 or 1 as planFileVersionOf names it.
PlanShapeOutcome planShapeOf(std::string_view bytes, int version);

// "31.03.2009": the last day the day lines of a plan of planYear reach.
std::string lastDayRead(int planYear, int daysRead);

}  // namespace sb::planfile
