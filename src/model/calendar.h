// Calendar and training arithmetic: day indices, dates, weekdays, the program's own week numbering,
// hh:mm durations and the derived speed, pace and energy values. Pure functions; the few that need
// the plan year take it as an argument.
#pragma once

#include <string>
#include <string_view>

#include "model/period_range.h"

namespace sb::model {

// The leap-year rule of the plan year: every fourth year before 1852, Gregorian from then on.
int isLeapYear(int year);
int isGregorianLeapYear(int year);
// Gregorian month lengths, as the week numbering counts them.
int daysInMonth(int month, int year);
// Days of month 1…12 in the plan year, February by isLeapYear: the month length of every list,
// printout, calendar and diagram. 0 outside 1…12.
int daysOfPlanMonth(int month, int planYear);
// 365 or 366 days by isLeapYear.
int dayCount(int planYear);

// 1-based day number within the year, February counted as 29 when isLeapYear.
int dayOfYear(int day, int month, int year);
struct DayMonth {
    int day = 0;
    int month = 0;
    bool operator==(const DayMonth&) const = default;
};
// (0, 0) for a number outside the year.
DayMonth dateOfDayOfYear(int number, int year);
int isValidDayMonth(int day, int month, int planYear);
// part 0 day, 1 month, 2 year of today in UTC (through the injectable clock); other parts 0.
int systemDatePart(int part);
// "Januar" … "Dezember"; empty outside 1…12.
std::string monthName(int month);
// "TT.MM.JJJJ", as dates are shown in lists, questions and notices.
std::string dateText(int day, int month, int year);

// 1 = Monday … 7 = Sunday; 0 when day, month or year is 0.
int weekdayOf(int day, int month, int year);
// 0 = Sunday … 6 = Saturday; -1 for dates the numbering does not cover.
int sundayBasedWeekday(int day, int month, int year);
// Monday-based week in the style of ISO 8601 but without the roll-over into the next year.
int weekOfYear(int day, int month, int year);

// Day indices first to last of the plan year, both included.
struct DayRange {
    int first = 0;
    int last = -1;
    bool operator==(const DayRange&) const = default;
};
// The training weeks of the week diagram, lists and printouts: week 1 holds 1 January, every further
// week starts on a Monday, and week 53 runs to 31 December, so that in a leap year opening on a Sunday
// it has eight days and no day falls outside 1…53. week is clamped into 1…53.
DayRange trainingWeekDays(int week, int planYear);
int trainingWeekOfDay(int dayIndex, int planYear);
// "Mo" … "So" for 1…7; empty outside.
std::string weekdayAbbreviation(int weekday);

// part 0 total minutes, 1 hours, 2 minutes of an hh:mm text; other parts 0.
int parseDuration(std::string_view text, int part);
double averageSpeed(double distanceKm, std::string_view durationText);
std::string formatPace(double distanceKm, std::string_view durationText);
int enduranceKcal(double distanceKm, std::string_view durationText, float weightKg);
int runningKcal(float distanceKm, float weightKg);

}  // namespace sb::model
