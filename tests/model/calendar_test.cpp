// Calendar arithmetic: the plan year's own leap rule, the week numbering without roll-over, the clamping
// of week days into the year and the durations, speeds and energies derived from hh:mm texts.
#include "model/calendar.h"

#include <gtest/gtest.h>

#include "model/clock.h"

using namespace sb::model;

TEST(Calendar, LeapYearsFollowTheOldRuleBefore1852) {
    EXPECT_EQ(isLeapYear(1800), 1);
    EXPECT_EQ(isLeapYear(1700), 1);
    EXPECT_EQ(isLeapYear(1900), 0);
    EXPECT_EQ(isLeapYear(2000), 1);
    EXPECT_EQ(isLeapYear(2008), 1);
    EXPECT_EQ(isLeapYear(2100), 0);
    EXPECT_EQ(isLeapYear(0), 0);
    EXPECT_EQ(isGregorianLeapYear(1800), 0);
    EXPECT_EQ(daysInMonth(2, 1800), 28);
    EXPECT_EQ(daysInMonth(13, 2008), 0);
    EXPECT_EQ(dayCount(2008), 366);
    EXPECT_EQ(dayCount(2009), 365);
}

TEST(Calendar, DayNumbersAndDatesConvertBothWays) {
    EXPECT_EQ(dateOfDayOfYear(366, 2008), (DayMonth{31, 12}));
    EXPECT_EQ(dateOfDayOfYear(59, 2009), (DayMonth{28, 2}));
    EXPECT_EQ(dateOfDayOfYear(60, 2008), (DayMonth{29, 2}));
    EXPECT_EQ(dateOfDayOfYear(60, 2009), (DayMonth{1, 3}));
    EXPECT_EQ(dateOfDayOfYear(366, 2009), (DayMonth{}));
    EXPECT_EQ(dateOfDayOfYear(0, 2009), (DayMonth{}));
    for (int year : {1800, 2008, 2009, 2100}) {
        for (int n = 1; n <= dayCount(year); ++n) {
            DayMonth date = dateOfDayOfYear(n, year);
            ASSERT_EQ(dayOfYear(date.day, date.month, year), n) << year << " " << n;
        }
    }
    EXPECT_EQ(isValidDayMonth(29, 2, 2008), 1);
    EXPECT_EQ(isValidDayMonth(29, 2, 2009), 0);
    EXPECT_EQ(isValidDayMonth(31, 4, 2009), 0);
    EXPECT_EQ(isValidDayMonth(0, 4, 2009), 0);
    EXPECT_EQ(isValidDayMonth(1, 13, 2009), 0);
}

TEST(Calendar, WeekdaysAndTheProgramsWeekNumbers) {
    EXPECT_EQ(weekdayOf(1, 1, 2008), 2);
    EXPECT_EQ(weekdayOf(0, 5, 2008), 0);
    EXPECT_EQ(weekdayOf(6, 12, 2026), 7);
    EXPECT_EQ(weekdayOf(1, 3, 2000), 3);
    EXPECT_EQ(sundayBasedWeekday(6, 12, 2026), 0);
    EXPECT_EQ(sundayBasedWeekday(1, 2, 1600), -1);
    EXPECT_EQ(sundayBasedWeekday(32, 1, 2000), -1);

    EXPECT_EQ(weekOfYear(31, 12, 2008), 53);
    EXPECT_EQ(weekOfYear(29, 12, 2008), 53);
    EXPECT_EQ(weekOfYear(4, 1, 2010), 1);
    EXPECT_EQ(weekOfYear(1, 1, 2010), 53);
    EXPECT_EQ(weekOfYear(1, 1, 2012), 52);
    EXPECT_EQ(weekOfYear(1, 1, 2008), 1);

    EXPECT_EQ(dayOfYearOfWeekday(1, 0, 2008), 0);
    EXPECT_EQ(dayOfYearOfWeekday(1, 1, 2008), 0);
    EXPECT_EQ(dayOfYearOfWeekday(2, 0, 2008), 6);
    EXPECT_EQ(dayOfYearOfWeekday(53, 6, 2008), 365);
    EXPECT_EQ(dayOfYearOfWeekday(53, 6, 2009), 364);
    EXPECT_EQ(dayOfYearOfWeekday(-4, 0, 2009), 0);

    // 2012 is a leap year opening on a Sunday: week 1 is that Sunday alone, and week 53 keeps
    // Monday 31 December as its eighth day, so every day has a week within 1…53.
    EXPECT_EQ(trainingWeekDays(1, 2012), (DayRange{0, 0}));
    EXPECT_EQ(trainingWeekDays(2, 2012), (DayRange{1, 7}));
    EXPECT_EQ(trainingWeekDays(53, 2012), (DayRange{358, 365}));
    EXPECT_EQ(trainingWeekDays(53, 2008), (DayRange{363, 365}));
    EXPECT_EQ(trainingWeekDays(99, 2009), (DayRange{361, 364}));
    EXPECT_EQ(trainingWeekOfDay(0, 2012), 1);
    EXPECT_EQ(trainingWeekOfDay(1, 2012), 2);
    EXPECT_EQ(trainingWeekOfDay(364, 2012), 53);
    EXPECT_EQ(trainingWeekOfDay(365, 2012), 53);

    EXPECT_EQ(weekdayAbbreviation(5), "Fr");
    EXPECT_EQ(weekdayAbbreviation(0), "");
    EXPECT_EQ(weekdayAbbreviation(8), "");
    EXPECT_EQ(monthName(3), "März");
    EXPECT_EQ(monthName(13), "");
    EXPECT_EQ(monthName(0), "");
}

TEST(Calendar, DurationsReadTwoDigitsEachSide) {
    EXPECT_EQ(parseDuration("", 0), 0);
    EXPECT_EQ(parseDuration("", 1), 0);
    EXPECT_EQ(parseDuration("02:05", 1), 2);
    EXPECT_EQ(parseDuration("02:05", 2), 5);
    EXPECT_EQ(parseDuration("02:05", 0), 125);
    EXPECT_EQ(parseDuration("02:05", 3), 0);
    EXPECT_EQ(parseDuration("01:30", 0), 90);
    EXPECT_EQ(parseDuration("1:30", 0), 60);
    EXPECT_EQ(parseDuration("1:3", 0), 60);
    EXPECT_EQ(parseDuration("7", 0), 420);
    EXPECT_EQ(parseDuration("ab:cd", 0), 0);
}

TEST(Calendar, SpeedPaceAndEnergy) {
    EXPECT_DOUBLE_EQ(averageSpeed(30, "01:00"), 30.0);
    EXPECT_EQ(averageSpeed(30, ""), 0);
    EXPECT_EQ(averageSpeed(0, "01:00"), 0);
    EXPECT_EQ(formatPace(0, "00:40"), "0:00");
    EXPECT_EQ(formatPace(10, "00:50"), "5:00");
    EXPECT_EQ(formatPace(10, "00:47"), "4:42");
    EXPECT_EQ(formatPace(1e-30, "00:50"), formatPace(1e-29, "00:50"));

    EXPECT_EQ(enduranceKcal(30, "01:00", 70), 840);
    EXPECT_GT(enduranceKcal(43, "01:00", 70), 0);
    EXPECT_EQ(enduranceKcal(43.5, "01:00", 70), 0);
    EXPECT_EQ(enduranceKcal(30, "1:00", 70), 0);
    EXPECT_EQ(enduranceKcal(30, "01:00", 0), 0);
    EXPECT_EQ(enduranceKcal(10, "01:00", 70), static_cast<int>((0.22f * 10 + 2.08f) * 70));
    EXPECT_EQ(runningKcal(10.5f, 70.0f), 735);
    EXPECT_EQ(otherSportKcal(), 0);
}

TEST(Calendar, TodayComesFromTheInstalledClock) {
    setClock([] { return CivilDate{6, 12, 2026}; });
    EXPECT_EQ(systemDatePart(0), 6);
    EXPECT_EQ(systemDatePart(1), 12);
    EXPECT_EQ(systemDatePart(2), 2026);
    EXPECT_EQ(systemDatePart(3), 0);
    setClock({});
    EXPECT_GE(systemDatePart(2), 2026);
}

TEST(Calendar, YearsFromDamagedFilesGiveAnswersNotOverflows) {
    for (int year : {-2147483647 - 1, 2147483647, -1, 1}) {
        int weekday = weekdayOf(1, 1, year);
        EXPECT_GE(weekday, 1) << year;
        EXPECT_LE(weekday, 7) << year;
        EXPECT_GE(weekOfYear(1, 1, year), 0) << year;
        EXPECT_GE(dayOfYearOfWeekday(60, 6, year), 0) << year;
    }
}
