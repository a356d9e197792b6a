// saisonbuch-cli export PLAN OUT.csv|OUT.htm: the spreadsheet export or the HTML year document, chosen by
// the extension, with every box checked unless switched off and the training types as the user named them.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string_view>

#include "cli/cli_commands.h"
#include "cli/plan_loading.h"
#include "output/spreadsheet_export.h"
#include "output/year_document.h"
#include "planfile/plan_file_writer.h"

namespace sb::cli {
namespace {

// Day and month of "D.M" as the export's date fields read them (atoi of each part).
void parseDayMonth(const std::string& text, int& day, int& month) {
    std::size_t dot = text.find('.');
    day = std::atoi(text.substr(0, dot).c_str());
    month = dot == std::string::npos ? 0 : std::atoi(text.substr(dot + 1).c_str());
}

// .htm and .html in any case give the HTML year document; every other name the spreadsheet.
bool isHtmlName(std::string path) {
    std::transform(path.begin(), path.end(), path.begin(), [](unsigned char c) { return std::tolower(c); });
    const auto endsWith = [&](std::string_view ending) {
        return path.size() >= ending.size() &&
               path.compare(path.size() - ending.size(), ending.size(), ending) == 0;
    };
    return endsWith(".htm") || endsWith(".html");
}

using Switch = int output::ExportChoices::*;

const std::map<std::string, Switch> kSwitches{{"--no-run", &output::ExportChoices::run},
                                              {"--no-bike", &output::ExportChoices::bike},
                                              {"--no-swim", &output::ExportChoices::swim},
                                              {"--no-other", &output::ExportChoices::other},
                                              {"--no-pulse", &output::ExportChoices::pulse},
                                              {"--no-weight", &output::ExportChoices::weight},
                                              {"--no-kcal", &output::ExportChoices::kcal},
                                              {"--no-cumulative", &output::ExportChoices::cumulativeKm},
                                              {"--no-averages", &output::ExportChoices::averages},
                                              {"--no-types", &output::ExportChoices::trainingTypes}};

int runExport(const CommandLine& line, const config::ConfigStore& settings) {
    const std::string& plan = line.arguments[0];
    const std::string& target = line.arguments[1];
    output::ExportChoices choices;
    for (const auto& [option, choice] : kSwitches)
        if (line.has(option)) choices.*choice = 0;
    output::ExportDates dates;
    if (line.has("--from")) parseDayMonth(line.value("--from"), dates.startDay, dates.startMonth);
    if (line.has("--to")) parseDayMonth(line.value("--to"), dates.endDay, dates.endMonth);
    if (refuseOutput(line, target, {plan})) return 1;

    auto year = std::make_unique<model::TrainingYear>();
    int version = loadPlan(plan, *year);
    if (version == 0) return 1;
    output::ExportRange range = output::exportRange(dates, year->planYear);
    if (range.wholeYearFallback)
        std::fprintf(stderr,
                     "saisonbuch-cli: Eingabefehler in den Datumsfeldern, exportiere gesamtes Jahr\n");
    auto columns = output::spreadsheetColumns(output::limitToPlanVersion(choices, version), range);
    const auto& labels = settings.trainingTypeLabels;
    const int failed = isHtmlName(target) ? output::writeYearDocument(*year, target, columns, labels)
                                          : planfile::writePlanFile(*year, target, columns, labels);
    if (failed != 0) return fail("Fehler beim Export der Datei " + target);
    return 0;
}

}  // namespace

const Subcommand kExportCommand{
    "export",
    "PLAN AUS.csv|AUS.htm [--from T.M] [--to T.M] [--no-run] [--no-bike] [--no-swim] [--no-other] "
    "[--no-pulse] [--no-weight] [--no-kcal] [--no-cumulative] [--no-averages] [--no-types]",
    "Tabellenkalkulations-Export oder HTML-Jahresdokument, nach der Endung von AUS",
    2,
    2,
    {{"--from", "T.M", "erster Tag des Exports (Vorgabe 1.1)"},
     {"--to", "T.M", "letzter Tag des Exports; 1.1 heißt bis zum Jahresende"},
     {"--no-run", nullptr, "ohne Laufdaten"},
     {"--no-bike", nullptr, "ohne Radsportdaten"},
     {"--no-swim", nullptr, "ohne Schwimmdaten"},
     {"--no-other", nullptr, "ohne Alternativsportdaten"},
     {"--no-pulse", nullptr, "ohne Puls"},
     {"--no-weight", nullptr, "ohne Gewicht"},
     {"--no-kcal", nullptr, "ohne Kalorien"},
     {"--no-cumulative", nullptr, "ohne Gesamtkilometer"},
     {"--no-averages", nullptr, "ohne Durchschnittsgeschwindigkeit"},
     {"--no-types", nullptr, "ohne Trainingsarten"}},
    runExport,
};

}  // namespace sb::cli
