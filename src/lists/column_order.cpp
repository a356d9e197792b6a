// Column orders as the settings file keeps them. A hand-edited or damaged value must never make a list
// show a column twice or index past the catalogue, so reading repairs rather than trusts it.
#include "lists/column_order.h"

#include <algorithm>
#include <cctype>

#include "fileio/c_numbers.h"
#include "lists/list_columns.h"

namespace sb::lists {

namespace {

constexpr std::string_view kKey = "LISTVIEW";
constexpr std::string_view kNothingStored = "-1";

std::vector<std::string_view> tokensOf(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('$', start);
        if (end == std::string_view::npos) end = text.size();
        tokens.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return tokens;
}

bool isNumber(std::string_view token) {
    return !token.empty() && std::all_of(token.begin(), token.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

}  // namespace

ColumnOrder allColumns() {
    ColumnOrder order;
    for (int id = 0; id < kColumnCount; ++id) order.push_back(id);
    return order;
}

StoredOrder parseColumnOrder(std::string_view text) {
    if (text == kNothingStored) return {allColumns(), true};
    std::vector<std::string_view> tokens = tokensOf(text);
    ColumnOrder order;
    for (std::size_t i = 1; i < tokens.size(); ++i) {
        if (!isNumber(tokens[i])) continue;
        const int id = fileio::atoiC(tokens[i]);
        if (id < kColumnCount && !showsColumn(order, id)) order.push_back(id);
    }
    if (order.empty()) return {allColumns(), true};
    if (!showsColumn(order, kDateColumn)) order.insert(order.begin(), kDateColumn);
    return {order, formatColumnOrder(order) != text};
}

std::string formatColumnOrder(const ColumnOrder& order) {
    std::string text = fileio::formatInt(int(order.size())) + "$";
    for (int id : order) text += fileio::formatInt(id) + "$";
    return text;
}

ColumnOrder loadColumnOrder(config::ConfigStore& settings, std::string_view section) {
    const std::string stored =
        config::readSetting(settings, section, kKey, kNothingStored, config::WriteBack::No);
    StoredOrder parsed = parseColumnOrder(stored);
    if (parsed.repaired) saveColumnOrder(settings, section, parsed.order);
    return parsed.order;
}

void saveColumnOrder(config::ConfigStore& settings, std::string_view section, const ColumnOrder& order) {
    config::writeSetting(settings, section, kKey, formatColumnOrder(order));
}

bool showsColumn(const ColumnOrder& order, int columnId) {
    return std::find(order.begin(), order.end(), columnId) != order.end();
}

}  // namespace sb::lists
