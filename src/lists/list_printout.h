// The list printout of a week, month or year and the search-list printout: the list's visible columns
// laid out from the printer's text metrics, rows that do not fit continuing on a new page.
#pragma once

#include <functional>

#include "lists/column_order.h"
#include "lists/list_rows.h"
#include "model/training_types.h"
#include "model/training_year.h"
#include "platform/printer.h"

namespace sb::lists {

struct ListPrintout {
    lists::ListKind kind = lists::ListKind::Week;
    int number = 1;  // the week or month; ignored for the year
    lists::ColumnOrder order;
    bool trainingFreeDays = false;  // a line for each day without training
    bool summary = false;           // the sums below each period
    int sportMode = 5;
};

// Asked between rows; false stops the printout and aborts the document.
using KeepPrinting = std::function<bool()>;

// false when the document could not be started or finished, or was aborted.
bool printList(platform::Printer& printer, const model::TrainingYear& year, const ListPrintout& printout,
               const model::TrainingTypeLabels& labels, const KeepPrinting& keepPrinting);
bool printSearchList(platform::Printer& printer, const model::TrainingYear& year, int sportMode, int type,
                     const lists::ColumnOrder& order, const model::TrainingTypeLabels& labels,
                     const KeepPrinting& keepPrinting);

// "Saisonbuch 7 Woche", "Saisonbuch 3 Monat", "Saisonbuch Jahr 2008".
std::string listPrintoutName(lists::ListKind kind, int number, int planYear);

}  // namespace sb::lists
