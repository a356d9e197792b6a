// Column and row operations of the report-mode list view.
#include "platform/qt/list_view_table.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <algorithm>

#include "platform/qt/qt_text.h"

namespace sb::platform::qt {

namespace {

QTableWidgetItem* cellItem(const std::string& text) {
    auto* item = new QTableWidgetItem(toQString(text));
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

void applyOrder(QTableWidget& table, const std::vector<int>& order) {
    QHeaderView* header = table.horizontalHeader();
    QSignalBlocker blocker(header);
    for (int shown = 0; shown < int(order.size()); ++shown) {
        int from = header->visualIndex(order[size_t(shown)]);
        if (from != shown) header->moveSection(from, shown);
    }
}

}  // namespace

void insertTableColumn(QTableWidget& table, int position, const std::string& header) {
    std::vector<int> order = tableColumnOrder(table);
    position = std::clamp(position, 0, table.columnCount());
    for (int& index : order) {
        if (index >= position) ++index;
    }
    order.insert(order.begin() + std::min(position, int(order.size())), position);
    table.insertColumn(position);
    table.setHorizontalHeaderItem(position, new QTableWidgetItem(toQString(header)));
    applyOrder(table, order);
}

void deleteTableColumn(QTableWidget& table, int position) {
    if (position < 0 || position >= table.columnCount()) return;
    std::vector<int> order = tableColumnOrder(table);
    std::erase(order, position);
    for (int& index : order) {
        if (index > position) --index;
    }
    table.removeColumn(position);
    applyOrder(table, order);
}

std::vector<ListColumn> tableColumns(const QTableWidget& table) {
    std::vector<ListColumn> columns;
    for (int i = 0; i < table.columnCount(); ++i) {
        QTableWidgetItem* header = table.horizontalHeaderItem(i);
        columns.push_back({header ? fromQString(header->text()) : std::string(), table.columnWidth(i)});
    }
    return columns;
}

std::vector<int> tableColumnOrder(const QTableWidget& table) {
    std::vector<int> order;
    const QHeaderView* header = table.horizontalHeader();
    for (int shown = 0; shown < table.columnCount(); ++shown) order.push_back(header->logicalIndex(shown));
    return order;
}

void setTableColumnOrder(QTableWidget& table, const std::vector<int>& order) {
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    if (int(sorted.size()) != table.columnCount()) return;
    for (size_t i = 0; i < sorted.size(); ++i) {
        if (sorted[i] != int(i)) return;
    }
    applyOrder(table, order);
}

void fitTableColumnsToHeaders(QTableWidget& table) {
    QHeaderView* header = table.horizontalHeader();
    for (int i = 0; i < table.columnCount(); ++i) {
        // Sizes to the wider of the header and the cells.
        table.resizeColumnToContents(i);
        header->resizeSection(i, std::max(header->sectionSize(i), header->minimumSectionSize()));
    }
}

void insertTableRow(QTableWidget& table, int position, const std::vector<std::string>& cells) {
    position = std::clamp(position, 0, table.rowCount());
    QSignalBlocker blocker(table);
    table.insertRow(position);
    for (int column = 0; column < table.columnCount() && column < int(cells.size()); ++column) {
        table.setItem(position, column, cellItem(cells[size_t(column)]));
    }
}

std::vector<std::vector<std::string>> tableRows(const QTableWidget& table) {
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < table.rowCount(); ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < table.columnCount(); ++column) {
            QTableWidgetItem* item = table.item(row, column);
            cells.push_back(item ? fromQString(item->text()) : std::string());
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

int tableSelection(const QTableWidget& table) {
    QModelIndexList selected = table.selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void setTableSelection(QTableWidget& table, int row) {
    QSignalBlocker blocker(table);
    if (row >= 0 && row < table.rowCount()) {
        table.selectRow(row);
    } else {
        table.clearSelection();
    }
}

}  // namespace sb::platform::qt
