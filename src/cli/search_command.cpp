// saisonbuch-cli search PLAN --type T [--columns …]: every entry whose actual training type is T
// (0…9), tab-separated as the search list shows them; with --html AUS.htm the search document.
#include <cstdio>
#include <memory>

#include "cli/cli_commands.h"
#include "cli/list_output.h"
#include "cli/plan_loading.h"
#include "fileio/c_numbers.h"
#include "lists/list_rows.h"
#include "output/html_frame.h"
#include "lists/list_document.h"

namespace sb::cli {
namespace {

constexpr const char* kUsage =
    "Aufruf: saisonbuch-cli search PLAN --type 0..9 [--columns 0,1,5,...] [--html AUS.htm]";

}  // namespace

int runSearch(const Arguments& arguments, const config::ConfigStore& settings) {
    if (arguments.empty()) return fail(kUsage);
    ListCommandLine line;
    line.planPath = arguments[0];
    int type = -1;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--type" && i + 1 < arguments.size()) {
            type = fileio::atoiC(arguments[++i]);
        } else if (!takeListOption(arguments, i, line)) {
            return fail("unbekannte Option: " + option + "\n" + kUsage);
        }
    }
    if (type < 0 || type > 9 || !line.columnsValid) return fail(kUsage);

    auto year = std::make_unique<model::TrainingYear>();
    if (loadPlan(line.planPath, *year) == 0) return 1;
    if (!line.htmlPath.empty()) {
        const std::string document = lists::searchDocument(*year, settings.sportMode, type, line.columns,
                                                            settings.trainingTypeLabels);
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

}  // namespace sb::cli
