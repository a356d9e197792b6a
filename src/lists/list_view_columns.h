// A list view showing a column order: the columns as inserted, the rows given in that insertion order,
// the display order the user made by dragging headers, and the right-click column menu (items
// 100…110, "Datum" greyed) that adds a column at the end or removes one.
#pragma once

#include <utility>
#include <vector>

#include "lists/column_order.h"
#include "lists/list_rows.h"
#include "platform/dialog.h"

namespace sb::lists {

constexpr int kFirstColumnMenuItem = 100;

class ListViewColumns {
  public:
    ListViewColumns(int listId, ColumnOrder order) : listId_(listId), inserted_(std::move(order)) {}

    // Inserts one column per id, left to right, each as wide as its header.
    void create(platform::DialogHost& host) const;
    // Replaces the rows; cells follow the columns wherever the user dragged them.
    void fill(platform::DialogHost& host, const std::vector<ListRow>& rows, const model::TrainingYear& year,
              const model::TrainingTypeLabels& labels) const;
    // The column ids left to right as the user sees them.
    ColumnOrder displayed(const platform::DialogHost& host) const;
    // The popup menu; true when a column was added or removed and the rows must be made again.
    bool runMenu(platform::DialogHost& host);

  private:
    int listId_;
    ColumnOrder inserted_;  // column id of each list-view column index
};

}  // namespace sb::lists
