// A QTableWidget used as a report-mode list view: columns keep the index they were inserted at while
// the user drags their headers into another order, rows are cell texts by column index.
#pragma once

#include <string>
#include <vector>

#include "platform/dialog.h"

class QTableWidget;

namespace sb::platform::qt {

// The new column is shown at display place `position` (or last), like the column index it gets.
void insertTableColumn(QTableWidget& table, int position, const std::string& header);
void deleteTableColumn(QTableWidget& table, int position);
std::vector<ListColumn> tableColumns(const QTableWidget& table);
std::vector<int> tableColumnOrder(const QTableWidget& table);
// Ignored unless `order` is a permutation of all column indices.
void setTableColumnOrder(QTableWidget& table, const std::vector<int>& order);
void fitTableColumnsToHeaders(QTableWidget& table);
void insertTableRow(QTableWidget& table, int position, const std::vector<std::string>& cells);
std::vector<std::vector<std::string>> tableRows(const QTableWidget& table);
int tableSelection(const QTableWidget& table);
void setTableSelection(QTableWidget& table, int row);

}  // namespace sb::platform::qt
