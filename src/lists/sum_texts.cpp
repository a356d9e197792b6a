// Sum texts of the lists.
#include "lists/sum_texts.h"

#include "fileio/c_numbers.h"
#include "model/training_year.h"

namespace sb::lists {

std::string kmText(float km) {
    return fileio::formatFixed(km, 1) + "km";
}

std::string hoursText(float hours) {
    return fileio::formatFixed(hours, 1) + "h";
}

std::string countText(int count) {
    return fileio::formatInt(count) + "x";
}

std::string weightText(float weight) {
    return fileio::formatFixed(weight, 1) + "kg";
}

std::vector<SumLine> sumLines(const PeriodSums& sums, int planFileVersion) {
    auto sport = [&sums](int s) { return std::size_t(s - 1); };
    auto withDistance = [&](const char* name, int s) {
        return SumLine{
            name,
            {kmText(sums.km[sport(s)]), hoursText(sums.hours[sport(s)]), countText(sums.rows[sport(s)])}};
    };
    std::vector<SumLine> lines{withDistance("Radsport", model::kBike), withDistance("Laufen", model::kRun)};
    if (planFileVersion == 3) lines.push_back(withDistance("Schwimmen", model::kSwim));
    lines.push_back(
        {"Alternativsport",
         {hoursText(sums.hours[sport(model::kOther)]), countText(sums.rows[sport(model::kOther)])}});
    lines.push_back({"Alle Sportarten", {hoursText(sums.totalHours), countText(sums.totalRows)}});
    lines.push_back({"Durchschnittsgewicht", {weightText(sums.averageWeight)}});
    return lines;
}

}  // namespace sb::lists
