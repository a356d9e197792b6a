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

const Option kColumnsOption{
    "--columns", "0,1,5,...",
    "Spalten in dieser Reihenfolge: 0 Datum, 1 Tag, 2 Art, 3 KM, 4 Gesamt-KM, 5 Zeit, "
    "6 Soll, 7 Ist, 8 Strecke, 9 Inhalt, 10 Belastung"};
const Option kHtmlOption{"--html", "AUS.htm", "das HTML-Dokument statt der Zeilen"};

ListCommandLine listCommandLine(const CommandLine& commandLine) {
    ListCommandLine line;
    line.planPath = commandLine.arguments[0];
    line.htmlPath = commandLine.value("--html");
    if (commandLine.has("--columns"))
        line.columnsValid = parseColumns(commandLine.value("--columns"), line.columns);
    return line;
}

void printRows(const std::vector<lists::ListRow>& rows, const lists::ColumnOrder& columns,
               const model::TrainingYear& year, const model::TrainingTypeLabels& labels) {
    printLine(lists::headerCells(columns));
    for (const lists::ListRow& row : rows) printLine(lists::rowCells(row, columns, year, labels));
}

}  // namespace sb::cli
