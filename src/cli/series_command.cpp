// saisonbuch-cli series PLAN --kind K --quantity Q [...]: the aggregated series of a bar diagram as
// semicolon-separated text, slot by slot, with the parts of split quantities and the axis top.
#include <cstdio>
#include <memory>

#include "charts/axis_maximum.h"
#include "cli/cli_commands.h"
#include "cli/diagram_options.h"
#include "cli/plan_loading.h"
#include "model/text_encoding.h"
#include "statistics/diagram_statistics.h"

namespace sb::cli {
namespace {

std::string withoutTrailingBlanks(std::string text) {
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

void printHeader(const statistics::DiagramSeries& series, const charts::DiagramRequest& request) {
    std::printf("Slot;Gesamt");
    if (series.parts == model::SeriesParts::bySport) std::printf(";Rad;Laufen;Schwimmen;Alternativ");
    if (series.parts == model::SeriesParts::byType)
        for (const std::string& label : request.typeLabels)
            std::printf(";%s", model::cp1252ToUtf8(withoutTrailingBlanks(label)).c_str());
    std::printf("\n");
}

void printSlot(const statistics::DiagramSeries& series, int k) {
    const statistics::DiagramSlot& slot = series.slots[k];
    std::printf("%d;%.2f", k + 1, slot.total);
    if (series.parts == model::SeriesParts::bySport)
        for (float part : slot.bySport) std::printf(";%.2f", part);
    if (series.parts == model::SeriesParts::byType)
        for (float part : slot.byType) std::printf(";%.2f", part);
    std::printf("\n");
}

int runSeries(const CommandLine& commandLine, const config::ConfigStore& settings) {
    DiagramCommandLine line;
    std::string error;
    if (!parseDiagramOptions(commandLine, settings, false, line, error))
        return failWithUsage(kSeriesCommand, error);
    auto year = std::make_unique<model::TrainingYear>();
    if (loadPlan(line.planPath, *year) == 0) return 1;
    statistics::DiagramSeries series =
        statistics::aggregateDiagram(*year, line.request.sportMode, charts::selectionOf(line.request));
    printHeader(series, line.request);
    for (int k = 0; k < series.slotCount; ++k) printSlot(series, k);
    std::printf("Achsenmaximum;%.2f\n", charts::axisMaximum(series.code, series.maxValue));
    return 0;
}

}  // namespace

const Subcommand kSeriesCommand{
    "series",
    "PLAN --kind 1|2|3|4 --quantity CODE [--week W] [--month M] "
    "[--time-sports BITS] [--load-sports BITS] [--sport-mode 1..5]",
    "Werte eines Diagramms je Slot (Slot;Gesamt;...)",
    1,
    1,
    diagramOptions(false),
    runSeries,
};

}  // namespace sb::cli
