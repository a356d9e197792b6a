// The weeks and months a plan year is shown by: training weeks 1…53 and months 1…12, how a number
// outside is brought back inside, and what the user is told about one typed outside.
#pragma once

#include <string>

namespace sb::model {

constexpr int kLastTrainingWeek = 53;
constexpr int kLastMonth = 12;

bool isTrainingWeek(int week);
bool isMonth(int month);
int clampWeek(int week);
int clampMonth(int month);

// A dialog shows the complaint on two lines ("Falsche Woche\nMuss zwischen …"), the tool on one line
// ("Falsche Woche: muss zwischen …").
enum class MessageLayout { TwoLines, OneLine };
std::string wrongWeekMessage(MessageLayout layout);
std::string wrongMonthMessage(MessageLayout layout);

}  // namespace sb::model
