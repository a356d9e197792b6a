// Calendar and training arithmetic. Integer divisions truncate toward zero; doubles become integers
// by truncation except where the energy values floor them.
#include "model/calendar.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

#include "model/clock.h"

namespace sb::model {
namespace {

constexpr std::array<int, 12> kMonthLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Casts that would overflow an int (a distance of 1e-30 km from a damaged file) saturate instead.
int saturatingInt(double value) {
    if (std::isnan(value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

// Leading decimal digits of text[from, from + 2), stopping at the first other character.
int twoDigitPrefix(std::string_view text, std::size_t from) {
    int value = 0;
    for (std::size_t i = from; i < from + 2 && i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') break;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

}  // namespace

int isLeapYear(int year) {
    if (year == 0) return 0;
    if (year % 4 != 0) return 0;
    if (year < 1852) return 1;
    if (year % 100 != 0) return 1;
    return year % 400 == 0 ? 1 : 0;
}

int isGregorianLeapYear(int year) {
    if (year % 400 == 0) return 1;
    if (year % 100 == 0) return 0;
    return year % 4 == 0 ? 1 : 0;
}

int daysInMonth(int month, int year) {
    if (month < 1 || month > 12) return 0;
    if (month == 2) return 28 + isGregorianLeapYear(year);
    return kMonthLengths[month - 1];
}

int daysOfPlanMonth(int month, int planYear) {
    if (!isMonth(month)) return 0;
    return month == 2 ? 28 + isLeapYear(planYear) : kMonthLengths[month - 1];
}

int dayCount(int planYear) { return 365 + isLeapYear(planYear); }

int dayOfYear(int day, int month, int year) {
    int number = day;
    for (int m = 1; m < month && m <= kLastMonth; ++m) number += daysOfPlanMonth(m, year);
    return number;
}

DayMonth dateOfDayOfYear(int number, int year) {
    if (number < 1 || number > dayCount(year)) return {};
    for (int month = 1; month <= kLastMonth; ++month) {
        const int length = daysOfPlanMonth(month, year);
        if (number <= length) return {number, month};
        number -= length;
    }
    return {};
}

int isValidDayMonth(int day, int month, int planYear) {
    return day >= 1 && day <= daysOfPlanMonth(month, planYear) ? 1 : 0;
}

int systemDatePart(int part) {
    CivilDate now = today();
    switch (part) {
        case 0: return now.day;
        case 1: return now.month;
        case 2: return now.year;
        default: return 0;
    }
}

std::string monthName(int month) {
    static const std::array<const char*, 12> names{"Januar", "Februar", "März",     "April",   "Mai",      "Juni",
                                                   "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    if (!isMonth(month)) return {};
    return names[month - 1];
}

int weekdayOf(int day, int month, int year) {
    if (day == 0 || month == 0 || year == 0) return 0;
    // Wide arithmetic: a damaged file can carry any year, and the January shift must not overflow.
    long long y = year;
    long long m = month;
    if (m <= 2) {
        m += 12;
        y -= 1;
    }
    long long k = ((y % 100) + 100) % 100;
    long long j = (y - k) / 100;
    long long jQuarter = j >= 0 ? j / 4 : -((-j + 3) / 4);
    long long h = (day + (13 * (m + 1)) / 5 + k + k / 4 + jQuarter - 2 * j) % 7;
    return static_cast<int>((h + 7 + 5) % 7) + 1;
}

int sundayBasedWeekday(int day, int month, int year) {
    if (day < 1 || day > 31 || month < 1 || month > 12 || year < 1600) return -1;
    if (year == 1600 && month <= 2) return -1;
    return weekdayOf(day, month, year) % 7;
}

int weekOfYear(int day, int month, int year) {
    for (;;) {
        int number = day;
        for (int m = 1; m < month && m <= 12; ++m) number += daysInMonth(m, year);
        int offset = sundayBasedWeekday(1, 1, year) - 1;
        if (offset >= 4) offset -= 7;
        if (offset + number > 0) return (offset + number - 1) / 7 + 1;
        if (year == std::numeric_limits<int>::min()) return 0;
        day = 31;
        month = 12;
        year -= 1;
    }
}

DayRange trainingWeekDays(int week, int planYear) {
    week = clampWeek(week);
    int monday = week * 7 - 6 - weekdayOf(1, 1, planYear);
    int last = dayCount(planYear) - 1;
    return {std::max(monday, 0), week == kLastTrainingWeek ? last : std::min(monday + 6, last)};
}

int trainingWeekOfDay(int dayIndex, int planYear) {
    return clampWeek((dayIndex + 6 + weekdayOf(1, 1, planYear)) / 7);
}

std::string weekdayAbbreviation(int weekday) {
    static const std::array<const char*, 7> names{"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
    if (weekday < 1 || weekday > 7) return {};
    return names[weekday - 1];
}

int parseDuration(std::string_view text, int part) {
    if (text.empty()) return 0;
    int hours = twoDigitPrefix(text, 0);
    int minutes = twoDigitPrefix(text, 3);
    switch (part) {
        case 0: return hours * 60 + minutes;
        case 1: return hours;
        case 2: return minutes;
        default: return 0;
    }
}

double averageSpeed(double distanceKm, std::string_view durationText) {
    int minutes = parseDuration(durationText, 0);
    if (distanceKm == 0 || durationText.empty() || minutes == 0) return 0;
    return distanceKm / minutes * 60;
}

std::string formatPace(double distanceKm, std::string_view durationText) {
    int minutes = parseDuration(durationText, 0);
    if (distanceKm == 0 || durationText.empty() || minutes == 0) return "0:00";
    double secondsPerKm = minutes * 60.0 / distanceKm;
    int wholeMinutes = saturatingInt(secondsPerKm) / 60;
    int rest = saturatingInt(secondsPerKm - wholeMinutes * 60.0);
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", wholeMinutes, rest);
    return text;
}

int enduranceKcal(double distanceKm, std::string_view durationText, float weightKg) {
    double v = averageSpeed(distanceKm, durationText);
    if (v <= 0 || durationText.size() < 5 || weightKg == 0 || v > 43) return 0;
    float factor;
    if (v < 15)
        factor = static_cast<float>(0.22f * v + 2.08f);
    else if (v < 20)
        factor = static_cast<float>(0.636f * v - 4.16f);
    else if (v < 30)
        factor = static_cast<float>(0.344f * v + 1.68f);
    else
        factor = static_cast<float>(0.2846f * v + 3.462f);
    long double kcal = static_cast<long double>(factor) * weightKg * 0.016666668f * parseDuration(durationText, 0);
    return saturatingInt(static_cast<double>(std::floor(kcal)));
}

int runningKcal(float distanceKm, float weightKg) {
    return saturatingInt(std::floor(static_cast<double>(distanceKm) * weightKg));
}

std::string dateText(int day, int month, int year) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d", day, month, year);
    return text;
}

}  // namespace sb::model
