// saisonbuch-cli info PLAN: the plan's version, athlete, year and distance totals per sport.
#include <cstdio>
#include <memory>

#include "cli/cli_commands.h"
#include "cli/plan_loading.h"
#include "model/text_encoding.h"
#include "model/training_year.h"

namespace sb::cli {
namespace {
double otherSportTotal(const model::TrainingYear& year) {
    double total = 0;
    for (int i = 0; i < model::dayCount(year); ++i) total += year.days[i].other.distanceKm;
    return total;
}

int runInfo(const CommandLine& line, const config::ConfigStore&) {
    auto year = std::make_unique<model::TrainingYear>();
    int version = loadPlan(line.arguments[0], *year);
    if (version == 0) return 1;
    std::string athlete = model::cp1252ToUtf8(year->firstName + " " + year->lastName);
    std::printf("Version: %d\n", version);
    std::printf("Sportler(in): %s\n", athlete.c_str());
    std::printf("Trainingsjahr: %d\n", year->planYear);
    std::printf("Kilometer Rad: %.2f\n", model::yearDistanceTotal(*year, 0));
    std::printf("Kilometer Laufen: %.2f\n", model::yearDistanceTotal(*year, 1));
    std::printf("Kilometer Schwimmen: %.2f\n", model::yearDistanceTotal(*year, 2));
    std::printf("Kilometer Alternativ: %.2f\n", otherSportTotal(*year));
    return 0;
}

}  // namespace

const Subcommand kInfoCommand{
    "info", "PLAN", "Version, Sportler(in), Jahr und Kilometer je Sportart", 1, 1, {}, runInfo,
};

}  // namespace sb::cli
