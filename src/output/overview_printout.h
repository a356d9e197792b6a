// The overview printout of the training year: a cover page with the legend of training types, one
// fixed-format text page per month (80-character lines) and a summary sheet of the printed distances.
#pragma once

#include <functional>
#include <string>

#include "model/training_year.h"
#include "platform/printer.h"

namespace sb::output {

struct OverviewOptions {
    int firstMonth = 1;
    int lastMonth = 12;
    bool bike = true;
    bool run = true;
    bool other = true;
    bool swim = true;   // honoured only for plans of file version 3
    bool types = true;  // planned/actual type codes at the end of each line
    bool cover = false;
    bool summary = true;
};

// 1 ≤ first ≤ last ≤ 12.
bool validOverviewMonths(int firstMonth, int lastMonth);

// One line of a month page: sport 1 Rad, 2 Laufen, 3 Alternativ, 4 Schwimmen, of the day with index
// dayIndex; monthTotal is the sport's distance from the 1st of the month to this day. UTF-8.
std::string overviewLine(const model::TrainingYear& year, int dayIndex, int sport, double monthTotal,
                         bool withTypes);

// Prints the document "Saisonbuch Dokument". goOn is asked between lines and pages; false aborts the
// document. Returns false when the document could not be started or finished, or was aborted.
bool printOverview(platform::Printer& printer, const model::TrainingYear& year,
                   const OverviewOptions& options, const std::function<bool()>& goOn);

}  // namespace sb::output
