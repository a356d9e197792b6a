// Importing a season: 400 recordings cycling through the thirteen whole FIT files of the test data,
// half of them loose in a folder and half in a zip archive, read on all cores into the rows of the
// preview. Reports the wall time and the process's peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <zip.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fileio/file_bytes.h"
#include "import/import_reader.h"
#include "import/import_rows.h"

namespace {

namespace fs = std::filesystem;
using namespace sb;

constexpr int kFiles = 400;
const char* const kWholeFitFiles[] = {
    "2013-02-06-12-11-14.fit",        "2019-02-17-062644-ELEMNT-297E-195-0.fit",
    "Edge810-Vector-2013-08-16-15-35-10.fit", "activity-large-fenxi2-multisport.fit",
    "activity-small-fenix2-run.fit",  "compressed-speed-distance.fit",
    "coros-pace-2-cycling-misaligned-fields.fit", "developer-types-sample.fit",
    "garmin-edge-820-bike.fit",       "garmin-fenix-5-run.fit",
    "garmin-fenix-5-walk.fit",        "sample-activity-indoor-trainer.fit",
    "sample-activity.fit",
};

const fs::path kRoot = fs::temp_directory_path() / "saisonbuch-import-bench";

// The folder and the archive, written into the system's temporary folder (removed after the run).
std::vector<std::string> seasonInputs() {
    fs::remove_all(kRoot);
    fs::create_directories(kRoot / "folder");
    std::vector<std::string> files;
    for (const char* name : kWholeFitFiles) {
        std::string bytes;
        fileio::readFileBytes(std::string(SAISONBUCH_TEST_DATA_DIR) + "/recordings/" + name, bytes);
        files.push_back(std::move(bytes));
    }
    const std::string archivePath = (kRoot / "season.zip").string();
    int error = 0;
    zip_t* archive = zip_open(archivePath.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    for (int i = 0; i < kFiles; ++i) {
        const std::string& bytes = files[std::size_t(i) % files.size()];
        const std::string name = std::to_string(i) + "-" + kWholeFitFiles[std::size_t(i) % files.size()];
        if (i % 2 == 0) {
            fileio::writeFileAtomically((kRoot / "folder" / name).string(), bytes);
        } else {
            zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
            zip_file_add(archive, name.c_str(), source, 0);
        }
    }
    zip_close(archive);
    return {(kRoot / "folder").string(), archivePath};
}

void importSeason(benchmark::State& state) {
    const std::vector<std::string> paths = seasonInputs();
    model::TrainingYear year;
    year.planYear = 2015;
    year.planFileVersion = 3;
    const import::ImportTarget target = import::importTargetOf(3, 5, 0);
    std::size_t rows = 0;
    for (auto _ : state) {
        const std::vector<import::ImportedActivity> activities =
            import::readAllInputs(import::collectImportInputs(paths));
        rows = import::buildImportRows(activities, year, target, {}).size();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["rows"] = double(rows);
    state.counters["peakMiB"] = double(usage.ru_maxrss) / 1024;
    fs::remove_all(kRoot);
}
BENCHMARK(importSeason)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
