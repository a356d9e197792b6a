// saisonbuch-cli list PLAN (--week W | --month M | --year) [--columns 0,1,5,…]: the rows of a week,
// month or year list tab-separated in the chosen column order, then the sum lines; with --html AUS.htm the
// list document instead.
#include <cstdio>
#include <memory>

#include "cli/cli_commands.h"
#include "cli/list_output.h"
#include "cli/plan_loading.h"
#include "fileio/c_numbers.h"
#include "lists/list_document.h"
#include "lists/list_rows.h"
#include "lists/sum_texts.h"
#include "model/period_range.h"
#include "output/html_frame.h"

namespace sb::cli {
namespace {

void printSums(const lists::PeriodSums& sums, int planFileVersion) {
    for (const lists::SumLine& line : lists::sumLines(sums, planFileVersion)) {
        std::printf("%s", line.name.c_str());
        for (const std::string& value : line.values) std::printf("\t%s", value.c_str());
        std::printf("\n");
    }
}

int runList(const CommandLine& commandLine, const config::ConfigStore& settings) {
    ListCommandLine line = listCommandLine(commandLine);
    const bool week = commandLine.has("--week");
    const bool month = commandLine.has("--month");
    const bool periodGiven = week || month || commandLine.has("--year");
    if (week || month) {
        line.kind = week ? lists::ListKind::Week : lists::ListKind::Month;
        line.number = fileio::atoiC(commandLine.value(week ? "--week" : "--month"));
    }
    if (!periodGiven || !line.columnsValid) return failWithUsage(kListCommand, "");
    if (line.kind == lists::ListKind::Week && !model::isTrainingWeek(line.number))
        return fail(model::wrongWeekMessage(model::MessageLayout::OneLine));
    if (line.kind == lists::ListKind::Month && !model::isMonth(line.number))
        return fail(model::wrongMonthMessage(model::MessageLayout::OneLine));
    if (!line.htmlPath.empty() && refuseOutput(commandLine, line.htmlPath, {line.planPath})) return 1;

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

}  // namespace

const Subcommand kListCommand{
    "list",
    "PLAN (--week W | --month M | --year) [--columns 0,1,5,...] [--html AUS.htm]",
    "Wochen-, Monats- oder Jahresliste",
    1,
    1,
    {{"--week", "W", "die Liste der Woche 1..53"},
     {"--month", "M", "die Liste des Monats 1..12"},
     {"--year", nullptr, "die Liste des ganzen Jahres"},
     kColumnsOption,
     kHtmlOption},
    runList,
};

}  // namespace sb::cli
