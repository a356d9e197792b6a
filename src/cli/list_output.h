// What the list and search commands share: the column and HTML options and the tab-separated rows.
#pragma once

#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "lists/list_rows.h"

namespace sb::cli {

struct ListCommandLine {
    std::string planPath;
    lists::ListKind kind = lists::ListKind::Year;
    int number = 0;
    lists::ColumnOrder columns = lists::allColumns();
    bool columnsValid = true;
    std::string htmlPath;  // empty: the rows go to standard output
};

extern const Option kColumnsOption;
extern const Option kHtmlOption;

// The plan, --columns and --html of a list or search command line.
ListCommandLine listCommandLine(const CommandLine& commandLine);

// A header line, then one line per row; texts in UTF-8.
void printRows(const std::vector<lists::ListRow>& rows, const lists::ColumnOrder& columns,
               const model::TrainingYear& year, const model::TrainingTypeLabels& labels);

}  // namespace sb::cli
