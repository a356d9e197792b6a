// Shared options and row output of the list and search commands. A column list names each column at
// most once, like the lists themselves.
#include "cli/list_output.h"

#include <cstdio>

#include "fileio/c_numbers.h"
#include "lists/list_columns.h"
#include "model/text_encoding.h"

namespace sb::cli {

namespace {

bool parseColumns(const std::string& text, lists::ColumnOrder& columns) {
    columns.clear();
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(',', start);
        if (end == std::string::npos) end = text.size();
        const std::string token = text.substr(start, end - start);
        const int id = fileio::atoiC(token);
        if (token.empty() || token.find_first_not_of("0123456789") != std::string::npos ||
            id >= lists::kColumnCount || lists::showsColumn(columns, id))
            return false;
        columns.push_back(id);
        start = end + 1;
    }
    return !columns.empty();
}

void printLine(const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i)
        std::printf("%s%s", i ? "\t" : "", model::cp1252ToUtf8(cells[i]).c_str());
    std::printf("\n");
}

}  // namespace

bool takeListOption(const Arguments& arguments, std::size_t& i, ListCommandLine& line) {
    if (i + 1 >= arguments.size()) return false;
    if (arguments[i] == "--columns") {
        line.columnsValid = parseColumns(arguments[++i], line.columns);
        return true;
    }
    if (arguments[i] == "--html") {
        line.htmlPath = arguments[++i];
        return true;
    }
    return false;
}

void printRows(const std::vector<lists::ListRow>& rows, const lists::ColumnOrder& columns,
               const model::TrainingYear& year, const model::TrainingTypeLabels& labels) {
    printLine(lists::headerCells(columns));
    for (const lists::ListRow& row : rows) printLine(lists::rowCells(row, columns, year, labels));
}

}  // namespace sb::cli
