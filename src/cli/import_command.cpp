// saisonbuch-cli import PLAN PATH... [--dry-run] [--replace] [--sport SPORT]: recordings, folders of
// them and archives read into the plan's diary as the program's import dialog reads them. One
// tab-separated line per row on stdout; without --dry-run the checked rows are written and the plan
// saved, with the summary on stderr.
#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>

#include "cli/cli_commands.h"
#include "cli/plan_loading.h"
#include "import/import_reader.h"
#include "import/import_rows.h"
#include "model/training_year.h"
#include "planfile/plan_file_version.h"

namespace sb::cli {
namespace {

constexpr const char* kUsage =
    "Aufruf: saisonbuch-cli import PLAN PFAD... [--dry-run] [--replace] "
    "[--sport Rad|Laufen|Schwimmen|Alternativ]";

const std::map<std::string, int> kSports{
    {"Rad", model::kBike}, {"Laufen", model::kRun}, {"Schwimmen", model::kSwim}, {"Alternativ", model::kOther}};

struct ImportCommandLine {
    std::string plan;
    std::vector<std::string> paths;
    bool dryRun = false;
    bool replace = false;
    int sport = 0;
};

bool parse(const Arguments& arguments, ImportCommandLine& line, std::string& error) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--dry-run") {
            line.dryRun = true;
        } else if (argument == "--replace") {
            line.replace = true;
        } else if (argument == "--sport" && i + 1 < arguments.size()) {
            const auto found = kSports.find(arguments[++i]);
            if (found == kSports.end()) {
                error = "unbekannte Sportart: " + arguments[i];
                return false;
            }
            line.sport = found->second;
        } else if (argument.rfind("--", 0) == 0) {
            error = "unbekanntes Argument: " + argument;
            return false;
        } else if (line.plan.empty()) {
            line.plan = argument;
        } else {
            line.paths.push_back(argument);
        }
    }
    if (line.paths.empty()) error = "kein Plan oder keine Aufzeichnung angegeben";
    return error.empty();
}

std::string sportName(int sport) {
    for (const auto& [name, number] : kSports)
        if (number == sport) return name;
    return "?";
}

void printRow(const import::ImportRow& row) {
    const bool dated = row.year != 0;
    const bool timed = dated && row.startSeconds >= 0;
    std::printf("%s\t", row.file.c_str());
    dated ? std::printf("%04d-%02d-%02d\t", row.year, row.month, row.day) : std::printf("?\t");
    timed ? std::printf("%02d:%02d\t", row.startSeconds / 3600, row.startSeconds / 60 % 60) : std::printf("?\t");
    std::printf("%s\t%02d:%02d\t%.2f\t%d\t%d\t%s\n", sportName(row.sport).c_str(), row.minutes / 60,
                row.minutes % 60, row.distanceKm, row.avgPulse, row.climbingMetres, import::statusText(row).c_str());
}

}  // namespace

int runImport(const Arguments& arguments, const config::ConfigStore& settings) {
    ImportCommandLine line;
    std::string error;
    if (!parse(arguments, line, error)) return fail(error + " (" + kUsage + ")");
    auto year = std::make_unique<model::TrainingYear>();
    const int version = loadPlan(line.plan, *year);
    if (version == 0) return 1;
    import::ImportTarget target = import::importTargetOf(version, settings.sportMode, settings.triathlonBasic);
    if (line.sport != 0) target.fallbackSport = line.sport;
    target.replaceTaken = line.replace;
    const std::vector<import::ImportedActivity> activities =
        import::readAllInputs(import::collectImportInputs(line.paths));
    const std::vector<import::ImportRow> rows = import::buildImportRows(activities, *year, target, {});
    for (const import::ImportRow& row : rows) printRow(row);
    std::fflush(stdout);
    const bool anyRead = std::any_of(activities.begin(), activities.end(),
                                     [](const import::ImportedActivity& a) { return a.problem.empty(); });
    if (!anyRead) return fail("keine der Aufzeichnungen ließ sich lesen");
    if (line.dryRun) return 0;
    const import::TakeOutcome outcome = import::takeImportRows(rows, target, *year);
    if (outcome.taken > 0 && planfile::writePlanFileOfVersion(version, line.plan, *year) != 0)
        return fail("Fehler beim Speichern der Datei " + line.plan);
    std::fprintf(stderr, "%s\n", import::takeSummary(outcome).c_str());
    return 0;
}

}  // namespace sb::cli
