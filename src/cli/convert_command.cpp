// saisonbuch-cli convert IN OUT: reads IN with the reader of its extension and writes OUT with the
// writer of OUT's extension, so a plan moves between the three file versions. A plan the program has open
// (its lock is held) is not written over; the lock is held while OUT is written.
#include <cerrno>
#include <memory>

#include "cli/cli_commands.h"
#include "cli/plan_loading.h"
#include "fileio/file_bytes.h"
#include "planfile/plan_file_version.h"
#include "platform/qt/qt_plan_locks.h"

namespace sb::cli {

namespace {

int runConvert(const CommandLine& line, const config::ConfigStore&) {
    const std::string& output = line.arguments[1];
    int outputVersion = planfile::planFileVersionOf(output);
    if (outputVersion == 0) return fail("keine Saisonbuchdatei (.sb3, .sb2 oder .sbn erwartet): " + output);
    auto year = std::make_unique<model::TrainingYear>();
    if (loadPlan(line.arguments[0], *year) == 0) return 1;
    platform::qt::QtPlanLocks locks;
    if (locks.lock(output) == platform::LockOutcome::Held)
        return fail("Die Datei " + output + " ist in Saisonbuch geöffnet und wird nicht überschrieben");
    if (planfile::writePlanFileOfVersion(outputVersion, output, *year) != 0)
        return fail("Fehler beim Speichern der Datei " + output + ": " + fileio::failureReason(errno));
    return 0;
}

}  // namespace

const Subcommand kConvertCommand{
    "convert", "EIN AUS", "Plan in der Version der Endung von AUS (sb3, sb2, sbn)", 2, 2, {}, runConvert,
};

}  // namespace sb::cli
