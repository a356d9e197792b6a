// saisonbuch-cli export PLAN OUT.csv|OUT.htm: the spreadsheet export or the HTML year document, chosen by
// the extension, with every box checked unless switched off and the training types as the user named them.
#include <cstdio>
#include <algorithm>
#include <cctype>
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

constexpr const char* kUsage =
    "Aufruf: saisonbuch-cli export PLAN AUS.csv|AUS.htm [--from T.M] [--to T.M] [--no-run] [--no-bike] "
    "[--no-swim] [--no-other] [--no-pulse] [--no-weight] [--no-kcal] [--no-cumulative] [--no-averages] "
    "[--no-types]";

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

}  // namespace

int runExport(const Arguments& arguments, const config::ConfigStore& settings) {
    if (arguments.size() < 2) return fail(kUsage);
    output::ExportChoices choices;
    output::ExportDates dates;
    const std::map<std::string, int output::ExportChoices::*> switches{
        {"--no-run", &output::ExportChoices::run},         {"--no-bike", &output::ExportChoices::bike},
        {"--no-swim", &output::ExportChoices::swim},       {"--no-other", &output::ExportChoices::other},
        {"--no-pulse", &output::ExportChoices::pulse},     {"--no-weight", &output::ExportChoices::weight},
        {"--no-kcal", &output::ExportChoices::kcal},       {"--no-cumulative", &output::ExportChoices::cumulativeKm},
        {"--no-averages", &output::ExportChoices::averages}, {"--no-types", &output::ExportChoices::trainingTypes}};
    for (std::size_t i = 2; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (auto found = switches.find(option); found != switches.end()) {
            choices.*(found->second) = 0;
        } else if ((option == "--from" || option == "--to") && i + 1 < arguments.size()) {
            if (option == "--from")
                parseDayMonth(arguments[++i], dates.startDay, dates.startMonth);
            else
                parseDayMonth(arguments[++i], dates.endDay, dates.endMonth);
        } else {
            return fail("unbekannte Option: " + option + "\n" + kUsage);
        }
    }

    auto year = std::make_unique<model::TrainingYear>();
    int version = loadPlan(arguments[0], *year);
    if (version == 0) return 1;
    output::ExportRange range = output::exportRange(dates, year->planYear);
    if (range.wholeYearFallback)
        std::fprintf(stderr, "saisonbuch-cli: Eingabefehler in den Datumsfeldern, exportiere gesamtes Jahr\n");
    auto columns = output::spreadsheetColumns(output::limitToPlanVersion(choices, version), range);
    const auto& labels = settings.trainingTypeLabels;
    const int failed = isHtmlName(arguments[1]) ? output::writeYearDocument(*year, arguments[1], columns, labels)
                                                : planfile::writePlanFile(*year, arguments[1], columns, labels);
    if (failed != 0)
        return fail("Fehler beim Export der Datei " + arguments[1]);
    return 0;
}

}  // namespace sb::cli
