// Reading and writing a full leap-year plan (2008) with every field filled, through a real file.
#include <benchmark/benchmark.h>

#include "planfile/plan_file_version.h"
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "model/training_year.h"
#include "planfile/plan_file_reader.h"
#include "planfile/plan_file_writer.h"

namespace {

using sb::model::TrainingYear;

TrainingYear fullYear() {
    TrainingYear year;
    year.planYear = 2008;
    year.firstName = "Anna";
    year.lastName = "M\xfcller";
    for (int i = 0; i < 366; ++i) {
        auto& day = year.days[i];
        const float km = static_cast<float>(i % 50) + 0.25f;
        for (auto* entry : {&day.run, &day.bike, &day.swim, &day.other}) {
            entry->route = "Strecke " + std::to_string(i);
            entry->distanceKm = km;
            entry->heightMetres = static_cast<float>(i * 3);
            entry->duration = "01:23";
            entry->avgPulse = 140;
            entry->load = 3;
            entry->content = "Grundlagenausdauer mit Steigerungen";
        }
        day.weather = "sonnig 18 Grad";
        day.bodyWeight = 71.5f;
        day.restingPulse = 48;
        day.plannedTypes = 3052;
        day.actualTypes = 4163;
        day.comment = "Kommentar zum Tag " + std::to_string(i);
    }
    for (int i = 0; i < sb::model::kOdometerCount; ++i) year.odometers[i].description = "Zaehler";
    return year;
}

std::string benchFile() {
    return (std::filesystem::temp_directory_path() / ("plan-bench-" + std::to_string(::getpid()) + ".sb3"))
        .string();
}

void BM_WritePlanFile(benchmark::State& state) {
    const TrainingYear year = fullYear();
    const std::string path = benchFile();
    for (auto _ : state) benchmark::DoNotOptimize(sb::planfile::writePlanFile(year, path));
    std::remove(path.c_str());
}
BENCHMARK(BM_WritePlanFile)->Unit(benchmark::kMicrosecond);

void BM_ReadPlanFile(benchmark::State& state) {
    const std::string path = benchFile();
    sb::planfile::writePlanFile(fullYear(), path);
    TrainingYear year;
    for (auto _ : state) benchmark::DoNotOptimize(sb::planfile::readPlanFileOfVersion(3, path, year));
    std::remove(path.c_str());
}
BENCHMARK(BM_ReadPlanFile)->Unit(benchmark::kMicrosecond);

}  // namespace
