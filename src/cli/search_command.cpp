// saisonbuch-cli search PLAN --type T [--columns …]: every entry whose actual training type is T
// (0…9), tab-separated as the search list shows them; with --html AUS.htm the search document.
#include <cstdio>
#include <memory>

#include "cli/cli_commands.h"
#include "cli/list_output.h"
#include "cli/plan_loading.h"
#include "fileio/c_numbers.h"
#include "lists/list_document.h"
#include "lists/list_rows.h"
#include "output/html_frame.h"

namespace sb::cli {
namespace {

int runSearch(const CommandLine& commandLine, const config::ConfigStore& settings) {
    const ListCommandLine line = listCommandLine(commandLine);
    const int type = commandLine.has("--type") ? fileio::atoiC(commandLine.value("--type")) : -1;
    if (type < 0 || type > 9 || !line.columnsValid) return failWithUsage(kSearchCommand, "");
    if (!line.htmlPath.empty() && refuseOutput(commandLine, line.htmlPath, {line.planPath})) return 1;

    auto year = std::make_unique<model::TrainingYear>();
    if (loadPlan(line.planPath, *year) == 0) return 1;
    if (!line.htmlPath.empty()) {
        const std::string document =
            lists::searchDocument(*year, settings.sportMode, type, line.columns, settings.trainingTypeLabels);
        return output::writeHtmlDocument(line.htmlPath, document)
                   ? 0
                   : fail("Fehler beim Export der Datei " + line.htmlPath);
    }
    const lists::SearchList list = lists::searchRows(*year, settings.sportMode, type);
    if (!list.found) {
        std::printf("Keinen Datensatz gefunden.\n");
        return 0;
    }
    printRows(list.rows, line.columns, *year, settings.trainingTypeLabels);
    return 0;
}

}  // namespace

const Subcommand kSearchCommand{
    "search",
    "PLAN --type 0..9 [--columns 0,1,5,...] [--html AUS.htm]",
    "Suchliste nach Training IST",
    1,
    1,
    {{"--type", "0..9", "die Trainingsart IST, gezählt ab 0"}, kColumnsOption, kHtmlOption},
    runSearch,
};

}  // namespace sb::cli
