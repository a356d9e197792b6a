// The plan document: packed training types from any stored integer, totals over the plan year only,
// the latest weight, what clearing keeps, and every bound of the typed day values, the load scale and
// the week and month ranges, each pinned on both sides: the last value allowed and the first refused.
#include "model/training_year.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "model/day_limits.h"
#include "model/period_range.h"
#include "model/printout_name.h"
#include "model/text_encoding.h"

using namespace sb::model;

namespace {

// Whole-number rules in the table of decimal ones; a value just below 0 stays below 0.
template <bool (*rule)(int)>
bool whole(double value) {
    return rule(int(std::floor(value)));
}

}  // namespace

TEST(RuleBounds, EachBoundAdmitsItsLastValueAndRefusesTheNext) {
    struct Row {
        const char* rule;
        bool (*allowed)(double);
        double lowest;
        double last;
        double firstRefused;
    };
    const Row rows[] = {
        {"distance", dayDistanceAllowed, 0, 500, 500.01}, {"route", routeLengthAllowed, 0, 499.99, 500},
        {"height", heightAllowed, 0, 10000, 10000.1},     {"weight", bodyWeightAllowed, 0, 150, 150.1},
        {"pulse", whole<pulseAllowed>, 0, 240, 241},      {"hours", whole<hoursAllowed>, 0, 24, 25},
        {"minutes", whole<minutesAllowed>, 0, 59, 60},    {"load", whole<loadAllowed>, 0, 5, 6},
        {"week", whole<isTrainingWeek>, 1, 53, 54},       {"month", whole<isMonth>, 1, 12, 13},
    };
    for (const Row& row : rows) {
        EXPECT_TRUE(row.allowed(row.lowest)) << row.rule;
        EXPECT_FALSE(row.allowed(row.lowest - 0.01)) << row.rule;
        EXPECT_TRUE(row.allowed(row.last)) << row.rule;
        EXPECT_FALSE(row.allowed(row.firstRefused)) << row.rule;
    }
    EXPECT_EQ(std::pair(clampWeek(54), clampWeek(0)), std::pair(53, 1));
    EXPECT_EQ(std::pair(clampMonth(13), clampMonth(0)), std::pair(12, 1));
}

TEST(TrainingYear, PackedTypesYieldADigitForAnyStoredInteger) {
    for (auto [sport, digit] : {std::pair<int, int>{kSwim, 3}, {kOther, 0}, {kRun, 5}, {kBike, 2}, {5, 0}})
        EXPECT_EQ(sportTypeDigit(3052, sport), digit) << sport;
    EXPECT_EQ(std::tuple(sportTypeDigit(-3052, kRun), sportTypeDigit(12345, kSwim)), std::tuple(5, 2));
    for (auto [packed, sport, result] :
         {std::tuple<int, int, int>{3052, kOther, 3752}, {3052, 9, 3052}, {-3052, kBike, -3057}})
        EXPECT_EQ(setSportTypeDigit(7, packed, sport), result) << packed << " " << sport;
    for (int packed : {-3052, 123456789, -2147483647 - 1, 2147483647, 99999}) {
        for (int sport = 1; sport <= 4; ++sport) {
            EXPECT_TRUE(sportTypeDigit(packed, sport) >= 0 && sportTypeDigit(packed, sport) <= 9) << packed;
            EXPECT_EQ(9, sportTypeDigit(setSportTypeDigit(9, packed, sport), sport)) << packed;
        }
    }
}

TEST(TrainingYear, TotalsCoverThePlanYearOnly) {
    TrainingYear year;
    year.planYear = 2009;
    year.days[0].bike.distanceKm = 40;
    year.days[364].run.distanceKm = 10;
    year.days[100].swim.distanceKm = 2;
    year.days[100].other.distanceKm = 99;
    year.days[365].bike.distanceKm = 1000;
    for (auto [sport, km] : {std::pair{0, 40.0}, {1, 10.0}, {2, 2.0}, {3, 52.0}, {4, 0.0}})
        EXPECT_DOUBLE_EQ(yearDistanceTotal(year, sport), km) << sport;
    year.planYear = 2008;
    EXPECT_DOUBLE_EQ(yearDistanceTotal(year, 0), 1040);
}

TEST(TrainingYear, LatestWeightAndClearing) {
    TrainingYear year;
    year.planYear = 2009;
    EXPECT_EQ(latestBodyWeight(year), 0);
    year.days[10].bodyWeight = 71.5f;
    year.days[200].bodyWeight = 70.0f;
    EXPECT_EQ(latestBodyWeight(year), 70.0f);

    year.gender = 'm';
    year.firstName = "Anna";
    year.modified = 1;
    year.currentFileName = "/plans/anna.sb3";
    year.odometers[3].description = "Kette";
    clearTrainingYear(year);
    EXPECT_EQ(std::tie(year.gender, year.firstName, year.planYear, year.odometers[3].description),
              std::tuple('w', "", 0, ""));
    EXPECT_EQ(std::tie(year.days[200].bodyWeight, year.modified, year.currentFileName),
              std::tuple(0.0f, 1, "/plans/anna.sb3"));
}

TEST(TrainingYear, TextsCutToTheirFieldAndConvertBetweenCodePages) {
    EXPECT_EQ((std::vector<std::string>{cutToWidth("Hallo", 30), cutToWidth(std::string(40, 'x'), 30),
                                        cutToWidth("abc", 0)}),
              (std::vector<std::string>{"Hallo", std::string(29, 'x'), ""}));
    EXPECT_EQ(cp1252ToUtf8("M\xE4rz \x80"), "März €");
    EXPECT_EQ(utf8ToCp1252("März €"), "M\xE4rz \x80");
    EXPECT_EQ(utf8ToCp1252("日本"), "??");
    std::string allBytes;
    for (int b = 1; b < 256; ++b) allBytes += static_cast<char>(b);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(allBytes)), allBytes);
}

TEST(TrainingYear, APrintoutIsProposedBesideThePlanInPlainLetters) {
    struct Case {
        const char* firstName;  // Windows-1252
        int planYear;
        const char* planFile;
        const char* printout;  // UTF-8
        const char* proposed;
    };
    for (const Case& c : {Case{"Anna", 2008, "/p/anna.sb3", "März", "/p/anna-2008-maerz.pdf"},
                          Case{"J\xF6rg \xC4\xDF", 2009, "", "Übersicht", "joerg-aess-2009-uebersicht.pdf"},
                          Case{" -x- ", 0, "plan.sb3", "Woche 10", "x-woche-10.pdf"},
                          Case{"", 0, "/", "", "/saisonbuch.pdf"}}) {
        TrainingYear year;
        year.firstName = c.firstName;
        year.planYear = c.planYear;
        year.currentFileName = c.planFile;
        EXPECT_EQ(c.proposed, printoutFileProposal(year, c.printout)) << c.proposed;
    }
}
