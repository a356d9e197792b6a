// List-view columns of the list dialogs. The host numbers columns by the order they were inserted in,
// which a header drag does not change; that is why the rows are filled in insertion order and the
// display order is read back only when it is saved.
#include "lists/list_view_columns.h"

#include <algorithm>

#include "lists/list_columns.h"
#include "model/text_encoding.h"
#include "platform/services.h"

namespace sb::lists {

namespace {

std::vector<std::string> utf8(std::vector<std::string> cells) {
    for (std::string& cell : cells) cell = model::cp1252ToUtf8(cell);
    return cells;
}

}  // namespace

void ListViewColumns::create(platform::DialogHost& host) const {
    for (std::size_t i = 0; i < inserted_.size(); ++i)
        host.insertColumn(listId_, int(i), columnHeader(inserted_[i]));
    host.fitColumnsToHeaders(listId_);
}

void ListViewColumns::fill(platform::DialogHost& host, const std::vector<ListRow>& rows,
                           const model::TrainingYear& year, const model::TrainingTypeLabels& labels) const {
    host.clearRows(listId_);
    int position = 0;
    for (const ListRow& row : rows)
        host.insertRow(listId_, position++, utf8(rowCells(row, inserted_, year, labels)));
    host.fitColumnsToHeaders(listId_);
}

ColumnOrder ListViewColumns::displayed(const platform::DialogHost& host) const {
    ColumnOrder order;
    for (int index : host.columnOrder(listId_)) {
        if (index >= 0 && index < int(inserted_.size())) order.push_back(inserted_[std::size_t(index)]);
    }
    return order;
}

bool ListViewColumns::runMenu(platform::DialogHost& host) {
    std::vector<platform::MenuItem> items;
    for (int id = 0; id < kColumnCount; ++id) {
        items.push_back(platform::MenuItem::command(columnHeader(id), kFirstColumnMenuItem + id,
                                                    id == kDateColumn, showsColumn(inserted_, id)));
    }
    const int chosen = host.services().popupMenu(items) - kFirstColumnMenuItem;
    if (chosen <= kDateColumn || chosen >= kColumnCount) return false;
    auto found = std::find(inserted_.begin(), inserted_.end(), chosen);
    if (found == inserted_.end()) {
        host.insertColumn(listId_, int(inserted_.size()), columnHeader(chosen));
        inserted_.push_back(chosen);
    } else {
        host.deleteColumn(listId_, int(found - inserted_.begin()));
        inserted_.erase(found);
    }
    return true;
}

}  // namespace sb::lists
