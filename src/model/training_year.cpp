// Operations on the plan document.
#include "model/training_year.h"

#include <cstdlib>
#include <limits>

#include "model/calendar.h"

namespace sb::model {
namespace {
int placeValue(int sport) {
    switch (sport) {
        case kBike: return 1;
        case kRun: return 10;
        case kOther: return 100;
        case kSwim: return 1000;
        default: return 0;
    }
}
}  // namespace

std::string cutToWidth(std::string_view text, std::size_t fieldWidth) {
    if (fieldWidth == 0) return {};
    return std::string(text.substr(0, fieldWidth - 1));
}

void clearTrainingYear(TrainingYear& year) {
    year.gender = 'w';
    year.firstName.clear();
    year.lastName.clear();
    year.club.clear();
    year.trainer.clear();
    year.birthDate.clear();
    year.planYear = 0;
    year.days.fill(DayRecord{});
    year.odometers.fill(Odometer{});
}

int sportTypeDigit(int packed, int sport) {
    int place = placeValue(sport);
    if (place == 0) return 0;
    long long magnitude = std::llabs(static_cast<long long>(packed)) % 10000;
    return static_cast<int>(magnitude / place % 10);
}

int setSportTypeDigit(int digit, int packed, int sport) {
    int place = placeValue(sport);
    if (place == 0) return packed;
    long long magnitude = std::llabs(static_cast<long long>(packed));
    long long replaced = magnitude + static_cast<long long>(digit - sportTypeDigit(packed, sport)) * place;
    // A damaged file's number at the edge of int would wrap; its four type digits are all it means.
    if (replaced > std::numeric_limits<int>::max()) replaced %= 10000;
    return static_cast<int>(packed < 0 ? -replaced : replaced);
}

int dayCount(const TrainingYear& year) { return dayCount(year.planYear); }

double yearDistanceTotal(const TrainingYear& year, int selector) {
    double total = 0;
    for (int i = 0; i < dayCount(year); ++i) {
        const DayRecord& day = year.days[i];
        switch (selector) {
            case 0: total += day.bike.distanceKm; break;
            case 1: total += day.run.distanceKm; break;
            case 2: total += day.swim.distanceKm; break;
            case 3: total += day.bike.distanceKm + day.run.distanceKm + day.swim.distanceKm; break;
            default: break;
        }
    }
    return total;
}

float latestBodyWeight(const TrainingYear& year) {
    for (int i = dayCount(year) - 1; i >= 0; --i)
        if (year.days[i].bodyWeight != 0) return year.days[i].bodyWeight;
    return 0;
}

std::string sportName(int sport) {
    switch (sport) {
        case kBike:
            return "Rad";
        case kRun:
            return "Laufen";
        case kSwim:
            return "Schwimmen";
        case kOther:
            return "Alternativ";
        default:
            return "";
    }
}

}  // namespace sb::model
