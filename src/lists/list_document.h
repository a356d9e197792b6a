// The list documents: the rows of a week, month or year list, or of the search list, as an HTML page
// with the athlete's table and the list's visible columns in their display order.
#pragma once

#include <string>

#include "lists/column_order.h"
#include "lists/list_rows.h"
#include "model/training_types.h"
#include "model/training_year.h"

namespace sb::lists {

// The proposed file names: "<w>_Wochen_Liste.htm", "<m>_Monats_Liste.htm", "<year>_Jahres_Liste.htm",
// and "<label>_Such_Liste.htm" with the characters a file name cannot hold replaced by '_'.
std::string listDocumentName(lists::ListKind kind, int number, int planYear);
std::string searchDocumentName(const std::string& label);

// Windows-1252 text with "\n" line ends.
std::string listDocument(const model::TrainingYear& year, lists::ListKind kind, int number,
                         const lists::ColumnOrder& order, const model::TrainingTypeLabels& labels);
std::string searchDocument(const model::TrainingYear& year, int sportMode, int type,
                           const lists::ColumnOrder& order, const model::TrainingTypeLabels& labels);

}  // namespace sb::lists
