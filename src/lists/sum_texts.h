// The texts of the sum fields below a list: kilometres, hours, counts and the average weight, as the
// dialogs and the command-line tool show them.
#pragma once

#include <string>
#include <vector>

#include "lists/list_rows.h"

namespace sb::lists {

std::string kmText(float km);          // "12.5km"
std::string hoursText(float hours);    // "1.5h"
std::string countText(int count);      // "3x"
std::string weightText(float weight);  // "70.2kg"

// One line per sum group: its name and its texts; Schwimmen only in a plan of version 3.
struct SumLine {
    std::string name;
    std::vector<std::string> values;
};
std::vector<SumLine> sumLines(const PeriodSums& sums, int planFileVersion);

}  // namespace sb::lists
