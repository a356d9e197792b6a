// saisonbuch-cli convert IN OUT: reads IN with the reader of its extension and writes OUT with the
// writer of OUT's extension, so a plan moves between the three file versions.
#include <cerrno>
#include <memory>

#include "cli/cli_commands.h"
#include "cli/plan_loading.h"
#include "fileio/file_bytes.h"
#include "planfile/plan_file_version.h"

namespace sb::cli {

int runConvert(const Arguments& arguments, const config::ConfigStore&) {
    if (arguments.size() != 2) return fail("Aufruf: saisonbuch-cli convert EIN AUS");
    const std::string& output = arguments[1];
    int outputVersion = planfile::planFileVersionOf(output);
    if (outputVersion == 0) return fail("keine Saisonbuchdatei (.sb3, .sb2 oder .sbn erwartet): " + output);
    auto year = std::make_unique<model::TrainingYear>();
    if (loadPlan(arguments[0], *year) == 0) return 1;
    if (planfile::writePlanFileOfVersion(outputVersion, output, *year) != 0)
        return fail("Fehler beim Speichern der Datei " + output + ": " + fileio::failureReason(errno));
    return 0;
}

}  // namespace sb::cli
