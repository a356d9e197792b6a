// Calendar arithmetic: the plan year's own leap rule, the week numbering without roll-over, the clamping
// of week days into the year and the durations, speeds and energies derived from hh:mm texts.
#include "model/calendar.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace sb::model;

TEST(Calendar, LeapYearsFollowTheOldRuleBefore1852) {
    for (auto [year, leap] : {std::pair{1800, 1}, {1700, 1}, {1900, 0}, {2000, 1}, {2008, 1}, {2100, 0}, {0, 0}})
        EXPECT_EQ(isLeapYear(year), leap) << year;
    for (auto [month, year, days] :
         {std::tuple{2, 1800, 29}, {2, 1900, 28}, {12, 2009, 31}, {0, 2009, 0}, {13, 2009, 0}})
        EXPECT_EQ(daysOfPlanMonth(month, year), days) << month << "/" << year;
    EXPECT_EQ(std::tuple(isGregorianLeapYear(1800), daysInMonth(2, 1800), daysInMonth(13, 2008), dayCount(2008),
                         dayCount(2009)),
              std::tuple(0, 28, 0, 366, 365));
}

TEST(Calendar, DayNumbersAndDatesConvertBothWays) {
    for (auto [n, year, date] : {std::tuple{366, 2008, DayMonth{31, 12}}, {59, 2009, DayMonth{28, 2}},
                                 {60, 2008, DayMonth{29, 2}}, {60, 2009, DayMonth{1, 3}},
                                 {366, 2009, DayMonth{}}, {0, 2009, DayMonth{}}})
        EXPECT_EQ(dateOfDayOfYear(n, year), date) << n << " " << year;
    for (int year : {1800, 2008, 2009, 2100}) {
        for (int n = 1; n <= dayCount(year); ++n) {
            DayMonth date = dateOfDayOfYear(n, year);
            ASSERT_EQ(dayOfYear(date.day, date.month, year), n) << year << " " << n;
        }
    }
    for (auto [day, month, year, valid] : {std::tuple{29, 2, 2008, 1}, {29, 2, 2009, 0}, {31, 4, 2009, 0},
                                           {0, 4, 2009, 0}, {1, 13, 2009, 0}})
        EXPECT_EQ(isValidDayMonth(day, month, year), valid) << day << "." << month << "." << year;
}

TEST(Calendar, WeekdaysAndTheProgramsWeekNumbers) {
    for (auto [day, month, year, weekday] :
         {std::tuple{1, 1, 2008, 2}, {0, 5, 2008, 0}, {6, 12, 2026, 7}, {1, 3, 2000, 3}})
        EXPECT_EQ(weekdayOf(day, month, year), weekday) << day << "." << month << "." << year;
    for (auto [day, month, year, weekday] : {std::tuple{6, 12, 2026, 0}, {1, 2, 1600, -1}, {32, 1, 2000, -1}})
        EXPECT_EQ(sundayBasedWeekday(day, month, year), weekday) << day << "." << month << "." << year;
    for (auto [day, month, year, week] : {std::tuple{31, 12, 2008, 53}, {29, 12, 2008, 53}, {4, 1, 2010, 1},
                                          {1, 1, 2010, 53}, {1, 1, 2012, 52}, {1, 1, 2008, 1}})
        EXPECT_EQ(weekOfYear(day, month, year), week) << day << "." << month << "." << year;

    // 2012 is a leap year opening on a Sunday: week 1 is that Sunday alone, and week 53 keeps
    // Monday 31 December as its eighth day, so every day has a week within 1…53.
    for (auto [week, year, days] : {std::tuple{1, 2012, DayRange{0, 0}}, {2, 2012, DayRange{1, 7}},
                                    {53, 2012, DayRange{358, 365}}, {53, 2008, DayRange{363, 365}},
                                    {99, 2009, DayRange{361, 364}}})
        EXPECT_EQ(trainingWeekDays(week, year), days) << week << " " << year;
    for (auto [index, week] : {std::pair{0, 1}, {1, 2}, {364, 53}, {365, 53}})
        EXPECT_EQ(trainingWeekOfDay(index, 2012), week) << index;

    // The names themselves are pinned by the drawings' and printouts' golden files.
    EXPECT_EQ(weekdayAbbreviation(0) + weekdayAbbreviation(8) + monthName(13) + monthName(0), "");
}

TEST(Calendar, DurationsReadTwoDigitsEachSide) {
    for (auto [text, part, value] :
         {std::tuple{"", 0, 0}, {"", 1, 0}, {"02:05", 1, 2}, {"02:05", 2, 5}, {"02:05", 0, 125}, {"02:05", 3, 0},
          {"01:30", 0, 90}, {"1:30", 0, 60}, {"1:3", 0, 60}, {"7", 0, 420}, {"ab:cd", 0, 0}})
        EXPECT_EQ(parseDuration(text, part), value) << text << " " << part;
}

TEST(Calendar, SpeedPaceAndEnergy) {
    EXPECT_EQ(std::tuple(averageSpeed(30, "01:00"), averageSpeed(30, ""), averageSpeed(0, "01:00")),
              std::tuple(30.0, 0.0, 0.0));
    for (auto [km, time, pace] : {std::tuple{0.0, "00:40", "0:00"}, {10.0, "00:50", "5:00"}, {10.0, "00:47", "4:42"}})
        EXPECT_EQ(formatPace(km, time), pace) << km << " " << time;
    EXPECT_EQ(formatPace(1e-30, "00:50"), formatPace(1e-29, "00:50"));

    for (auto [km, time, weight, kcal] : {std::tuple{30.0, "01:00", 70.0, 840}, {43.5, "01:00", 70.0, 0},
                                          {30.0, "1:00", 70.0, 0}, {30.0, "01:00", 0.0, 0},
                                          {10.0, "01:00", 70.0, int((0.22f * 10 + 2.08f) * 70)}})
        EXPECT_EQ(enduranceKcal(km, time, weight), kcal) << km << " " << time << " " << weight;
    EXPECT_GT(enduranceKcal(43, "01:00", 70), 0);
    EXPECT_EQ(runningKcal(10.5f, 70.0f), 735);
}

TEST(Calendar, YearsFromDamagedFilesGiveAnswersNotOverflows) {
    for (int year : {-2147483647 - 1, 2147483647, -1, 1}) {
        EXPECT_TRUE(weekdayOf(1, 1, year) >= 1 && weekdayOf(1, 1, year) <= 7) << year;
        EXPECT_GE(weekOfYear(1, 1, year), 0) << year;
        EXPECT_GE(trainingWeekDays(60, year).first, 0) << year;
    }
}
