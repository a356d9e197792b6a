// The sports of the FIT profile up to paddling, which covers what endurance athletes record, and the
// makers of the devices one meets most.
#include "recordings/fit_names.h"

#include <array>

#include "model/training_year.h"

namespace sb::recordings {

namespace {

constexpr int kRunning = 1;
constexpr int kCycling = 2;
constexpr int kSwimming = 5;

constexpr std::array<const char*, 20> kSports{
    "generic",
    "running",
    "cycling",
    "transition",
    "fitness_equipment",
    "swimming",
    "basketball",
    "soccer",
    "tennis",
    "american_football",
    "training",
    "walking",
    "cross_country_skiing",
    "alpine_skiing",
    "snowboarding",
    "rowing",
    "mountaineering",
    "hiking",
    "multisport",
    "paddling",
};

}  // namespace

std::string fitSportName(int sport) {
    if (sport >= 0 && sport < int(kSports.size())) return kSports[sport];
    return "sport " + std::to_string(sport);
}

int planSportOfFitSport(int sport) {
    switch (sport) {
        case 0:
            return 0;
        case kRunning:
            return model::kRun;
        case kCycling:
            return model::kBike;
        case kSwimming:
            return model::kSwim;
        default:
            return model::kOther;
    }
}

std::string fitManufacturerName(int manufacturer) {
    switch (manufacturer) {
        case 1:
            return "Garmin";
        case 15:
            return "Dynastream";
        case 32:
            return "Wahoo Fitness";
        case 255:
            return "Entwicklungsgerät";
        case 294:
            return "Coros";
        default:
            return "Hersteller " + std::to_string(manufacturer);
    }
}

}  // namespace sb::recordings
