// saisonbuch-cli list PLAN (--week W | --month M | --year) [--columns 0,1,5,…]: the rows of a week,
// month or year list tab-separated in the chosen column order, then the sum lines; with --html AUS.htm the
// list document instead.
#include <cstdio>
#include <memory>

#include "cli/cli_commands.h"
#include "cli/list_output.h"
#include "cli/plan_loading.h"
#include "fileio/c_numbers.h"
#include "lists/list_rows.h"
#include "lists/sum_texts.h"
#include "output/html_frame.h"
#include "lists/list_document.h"

namespace sb::cli {
namespace {

constexpr const char* kUsage =
    "Aufruf: saisonbuch-cli list PLAN (--week W | --month M | --year) [--columns 0,1,5,...] [--html AUS.htm]";

void printSums(const lists::PeriodSums& sums, int planFileVersion) {
    for (const lists::SumLine& line : lists::sumLines(sums, planFileVersion)) {
        std::printf("%s", line.name.c_str());
        for (const std::string& value : line.values) std::printf("\t%s", value.c_str());
        std::printf("\n");
    }
}

}  // namespace

int runList(const Arguments& arguments, const config::ConfigStore& settings) {
    if (arguments.empty()) return fail(kUsage);
    ListCommandLine line;
    line.planPath = arguments[0];
    bool periodGiven = false;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        if ((option == "--week" || option == "--month") && hasValue) {
            line.kind = option == "--week" ? lists::ListKind::Week : lists::ListKind::Month;
            line.number = fileio::atoiC(arguments[++i]);
            periodGiven = true;
        } else if (option == "--year") {
            line.kind = lists::ListKind::Year;
            periodGiven = true;
        } else if (!takeListOption(arguments, i, line)) {
            return fail("unbekannte Option: " + option + "\n" + kUsage);
        }
    }
    if (!periodGiven || !line.columnsValid) return fail(kUsage);
    const int last = line.kind == lists::ListKind::Week ? 53 : 12;
    if (line.kind != lists::ListKind::Year && (line.number < 1 || line.number > last))
        return fail(line.kind == lists::ListKind::Week ? "Falsche Woche: muss zwischen 1 und 53 liegen"
                                                       : "Falscher Monat: muss zwischen 1 und 12 liegen");

    auto year = std::make_unique<model::TrainingYear>();
    if (loadPlan(line.planPath, *year) == 0) return 1;
    if (!line.htmlPath.empty()) {
        const std::string document =
            lists::listDocument(*year, line.kind, line.number, line.columns, settings.trainingTypeLabels);
        return output::writeHtmlDocument(line.htmlPath, document)
                   ? 0
                   : fail("Fehler beim Export der Datei " + line.htmlPath);
    }
    const lists::PeriodList list =
        lists::periodRows(*year, lists::listPeriod(line.kind, line.number, year->planYear));
    printRows(list.rows, line.columns, *year, settings.trainingTypeLabels);
    printSums(lists::sumsOf(list.totals), year->planFileVersion);
    return 0;
}

}  // namespace sb::cli
