// saisonbuch-cli overview PLAN -o OUT.pdf [--from M] [--to M] [--no-bike] [--no-run] [--no-other]
// [--no-swim] [--no-types] [--cover] [--no-summary]: the overview printout into a PDF, with the print
// dialog's choices as options and its month check.
#include <cstdlib>
#include <map>
#include <memory>

#include "cli/cli_commands.h"
#include "cli/plan_loading.h"
#include "cli/qt_session.h"
#include "output/overview_printout.h"

namespace sb::cli {
namespace {

using Flag = bool output::OverviewOptions::*;

const std::map<std::string, std::pair<Flag, bool>> kSwitches{
    {"--no-bike", {&output::OverviewOptions::bike, false}},
    {"--no-run", {&output::OverviewOptions::run, false}},
    {"--no-other", {&output::OverviewOptions::other, false}},
    {"--no-swim", {&output::OverviewOptions::swim, false}},
    {"--no-types", {&output::OverviewOptions::types, false}},
    {"--cover", {&output::OverviewOptions::cover, true}},
    {"--no-summary", {&output::OverviewOptions::summary, false}}};

int runOverview(const CommandLine& line, const config::ConfigStore&) {
    output::OverviewOptions options;
    for (const auto& [option, flag] : kSwitches)
        if (line.has(option)) options.*(flag.first) = flag.second;
    if (line.has("--from")) options.firstMonth = std::atoi(line.value("--from").c_str());
    if (line.has("--to")) options.lastMonth = std::atoi(line.value("--to").c_str());
    const std::string outputPath = line.value("-o");
    if (!hasExtension(outputPath, ".pdf"))
        return failWithUsage(kOverviewCommand, "Ausgabe muss auf .pdf enden");
    if (!output::validOverviewMonths(options.firstMonth, options.lastMonth))
        return fail("Falsche Monatseingabe(n)");
    if (refuseOutput(line, outputPath, {line.arguments[0]})) return 1;
    auto year = std::make_unique<model::TrainingYear>();
    if (loadPlan(line.arguments[0], *year) == 0) return 1;
    const bool printed = withGuiApplication([&] {
        return printA4Pdf(outputPath, [&](platform::Printer& printer) {
            return output::printOverview(printer, *year, options, [] { return true; });
        });
    });
    if (!printed) return fail("Fehler beim Schreiben der Datei " + outputPath);
    return 0;
}

}  // namespace

const Subcommand kOverviewCommand{
    "overview",
    "PLAN -o AUS.pdf [--from M] [--to M] [--no-bike] [--no-run] [--no-other] [--no-swim] [--no-types] "
    "[--cover] [--no-summary]",
    "Übersichtsliste (Deckblatt, Monatsseiten, Zusammenfassung) als PDF",
    1,
    1,
    {{"-o", "AUS", "die PDF-Datei"},
     {"--from", "M", "erster Monat (Vorgabe 1)"},
     {"--to", "M", "letzter Monat (Vorgabe 12)"},
     {"--no-bike", nullptr, "ohne Radsportzeilen"},
     {"--no-run", nullptr, "ohne Laufzeilen"},
     {"--no-other", nullptr, "ohne Alternativsportzeilen"},
     {"--no-swim", nullptr, "ohne Schwimmzeilen"},
     {"--no-types", nullptr, "ohne Trainingsarten"},
     {"--cover", nullptr, "mit Deckblatt und Legende"},
     {"--no-summary", nullptr, "ohne Zusammenfassung"}},
    runOverview,
};

}  // namespace sb::cli
