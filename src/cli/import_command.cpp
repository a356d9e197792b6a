// saisonbuch-cli import PLAN PATH... [--dry-run] [--replace] [--sport SPORT]: recordings, folders of
// them and archives read into the plan's diary as the program's import dialog reads them. One
// tab-separated line per row on stdout; without --dry-run the checked rows are written and the plan
// saved (never a plan the program has open: its lock is held), with the summary on stderr.
#include <algorithm>
#include <cstdio>
#include <limits>
#include <memory>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/plan_loading.h"
#include "import/import_reader.h"
#include "import/import_rows.h"
#include "model/training_year.h"
#include "planfile/plan_file_version.h"
#include "platform/qt/qt_plan_locks.h"

namespace sb::cli {
namespace {

// The sport a name given after --sport stands for; 0 for none.
int sportNamed(const std::string& name) {
    for (int sport : {model::kBike, model::kRun, model::kSwim, model::kOther})
        if (model::sportName(sport) == name) return sport;
    return 0;
}

std::string shownSport(int sport) {
    const std::string name = model::sportName(sport);
    return name.empty() ? "?" : name;
}

void printRow(const import::ImportRow& row) {
    const bool dated = row.year != 0;
    const bool timed = dated && row.startSeconds >= 0;
    std::printf("%s\t", row.file.c_str());
    dated ? std::printf("%04d-%02d-%02d\t", row.year, row.month, row.day) : std::printf("?\t");
    timed ? std::printf("%02d:%02d\t", row.startSeconds / 3600, row.startSeconds / 60 % 60) : std::printf("?\t");
    std::printf("%s\t%02d:%02d\t%.2f\t%d\t%d\t%s\n", shownSport(row.sport).c_str(), row.minutes / 60,
                row.minutes % 60, row.distanceKm, row.avgPulse, row.climbingMetres, import::statusText(row).c_str());
}

int runImport(const CommandLine& line, const config::ConfigStore& settings) {
    const std::string& planPath = line.arguments[0];
    int sport = 0;
    if (line.has("--sport")) {
        sport = sportNamed(line.value("--sport"));
        if (sport == 0) return failWithUsage(kImportCommand, "unbekannte Sportart: " + line.value("--sport"));
    }
    auto year = std::make_unique<model::TrainingYear>();
    const int version = loadPlan(planPath, *year);
    if (version == 0) return 1;
    import::ImportTarget target = import::importTargetOf(version, settings.sportMode, settings.triathlonBasic);
    if (sport != 0) target.fallbackSport = sport;
    target.replaceTaken = line.has("--replace");
    const std::vector<std::string> paths(line.arguments.begin() + 1, line.arguments.end());
    const std::vector<import::ImportedActivity> activities = import::readAllInputs(import::collectImportInputs(paths));
    const std::vector<import::ImportRow> rows = import::buildImportRows(activities, *year, target, {});
    for (const import::ImportRow& row : rows) printRow(row);
    std::fflush(stdout);
    const bool anyRead = std::any_of(activities.begin(), activities.end(),
                                     [](const import::ImportedActivity& a) { return a.problem.empty(); });
    if (!anyRead) return fail("keine der Aufzeichnungen ließ sich lesen");
    if (line.has("--dry-run")) return 0;
    const import::TakeOutcome outcome = import::takeImportRows(rows, target, *year);
    platform::qt::QtPlanLocks locks;
    if (outcome.taken > 0 && locks.lock(planPath) == platform::LockOutcome::Held)
        return fail("Die Datei " + planPath + " ist in Saisonbuch geöffnet und wird nicht überschrieben");
    if (outcome.taken > 0 && planfile::writePlanFileOfVersion(version, planPath, *year) != 0)
        return fail("Fehler beim Speichern der Datei " + planPath);
    std::fprintf(stderr, "%s\n", import::takeSummary(outcome).c_str());
    return 0;
}

}  // namespace

const Subcommand kImportCommand{
    "import",
    "PLAN PFAD... [--dry-run] [--replace] [--sport Rad|Laufen|Schwimmen|Alternativ]",
    "Aufzeichnungen, Ordner und Archive ins Tagebuch übernehmen",
    2,
    std::numeric_limits<std::size_t>::max(),
    {{"--dry-run", nullptr, "nur die Zeilen zeigen, den Plan nicht schreiben"},
     {"--replace", nullptr, "auch Tage übernehmen, die schon andere Werte halten (Tag belegt)"},
     {"--sport", "S", "Sportart der Aufzeichnungen ohne Sportart"}},
    runImport,
};

}  // namespace sb::cli
