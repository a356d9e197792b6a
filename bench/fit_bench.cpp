// Reading a FIT file: the 1 MB multisport recording of the test data (24,239 records of a run, a ride
// and their transitions), from the file to the finished recording table.
#include <benchmark/benchmark.h>

#include <string>

#include "recordings/activity_recording.h"
#include "recordings/fit_reader.h"

namespace {

using namespace sb::recordings;

void readMultisportFitFile(benchmark::State& state) {
    const std::string path =
        std::string(SAISONBUCH_TEST_DATA_DIR) + "/recordings/activity-large-fenxi2-multisport.fit";
    for (auto _ : state) {
        RecordingTable table;
        ActivityInfo info;
        if (!readActivityRecording(path, table, info).ok) state.SkipWithError("the FIT file cannot be read");
        benchmark::DoNotOptimize(table.data());
    }
}
BENCHMARK(readMultisportFitFile)->Unit(benchmark::kMillisecond);

}  // namespace
