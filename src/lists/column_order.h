// The visible columns of a list as an ordered list of column ids, and its stored form "count$id$id$…$"
// under LISTVIEW: the period lists keep theirs in section KONFIG, the search list in SUCHEN.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "config/config_store.h"

namespace sb::lists {

using ColumnOrder = std::vector<int>;

constexpr std::string_view kListSection = "KONFIG";
constexpr std::string_view kSearchSection = "SUCHEN";

// All eleven columns in id order.
ColumnOrder allColumns();

struct StoredOrder {
    ColumnOrder order;
    bool repaired = false;  // the stored text was not the canonical form of `order`
    bool operator==(const StoredOrder&) const = default;
};
// Reads a stored value. "-1" (nothing stored) gives all columns. A damaged value (a count that does
// not match, a repeated id, an id outside 0…10, a token that is no number) keeps the valid distinct ids
// in their order with "Datum" first, or all columns when none is valid.
StoredOrder parseColumnOrder(std::string_view text);
std::string formatColumnOrder(const ColumnOrder& order);

// The order stored in `section`; a missing or repaired value is written back at once.
ColumnOrder loadColumnOrder(config::ConfigStore& settings, std::string_view section);
void saveColumnOrder(config::ConfigStore& settings, std::string_view section, const ColumnOrder& order);

bool showsColumn(const ColumnOrder& order, int columnId);

}  // namespace sb::lists
