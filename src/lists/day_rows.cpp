// The row rules of the lists, the printout and the search.
#include "lists/day_rows.h"

#include "model/calendar.h"
#include "statistics/sport_parts.h"

namespace sb::lists {

namespace {

bool hasTime(const model::SportEntry& entry) {
    return model::parseDuration(entry.duration, 0) >= 1;
}

bool hasDistanceOrTime(const model::SportEntry& entry) {
    return entry.distanceKm > 0 || hasTime(entry);
}

bool swimKept(int planFileVersion) {
    return planFileVersion == 3;
}

int partOfSport(int sport) {
    switch (sport) {
        case model::kBike:
            return statistics::kPartBike;
        case model::kRun:
            return statistics::kPartRun;
        case model::kSwim:
            return statistics::kPartSwim;
        default:
            return statistics::kPartOther;
    }
}

}  // namespace

const model::SportEntry& entryOfSport(const model::DayRecord& day, int sport) {
    return statistics::entryOfPart(day, partOfSport(sport));
}

std::vector<int> listRowSports(const model::DayRecord& day, int planFileVersion) {
    std::vector<int> sports;
    if (hasDistanceOrTime(day.bike)) sports.push_back(model::kBike);
    if (hasDistanceOrTime(day.run)) sports.push_back(model::kRun);
    if (hasDistanceOrTime(day.other) || day.other.route.size() >= 2) sports.push_back(model::kOther);
    if (swimKept(planFileVersion) && hasDistanceOrTime(day.swim)) sports.push_back(model::kSwim);
    return sports;
}

std::vector<int> printedRowSports(const model::DayRecord& day, int planFileVersion) {
    std::vector<int> sports;
    if (hasDistanceOrTime(day.bike)) sports.push_back(model::kBike);
    if (hasDistanceOrTime(day.run)) sports.push_back(model::kRun);
    if (hasDistanceOrTime(day.other) || !day.other.route.empty()) sports.push_back(model::kOther);
    if (swimKept(planFileVersion) && hasDistanceOrTime(day.swim)) sports.push_back(model::kSwim);
    return sports;
}

std::vector<int> searchRowSports(const model::DayRecord& day, int planFileVersion, int sportMode, int type) {
    std::vector<int> sports;
    for (int sport : {model::kSwim, model::kBike, model::kRun, model::kOther}) {
        if (!statistics::sportIncluded(partOfSport(sport), sportMode, planFileVersion)) continue;
        if (model::sportTypeDigit(day.actualTypes, sport) != type) continue;
        if (hasDistanceOrTime(entryOfSport(day, sport))) sports.push_back(sport);
    }
    return sports;
}

bool dayMatchesType(const model::DayRecord& day, int type) {
    for (int sport : {model::kSwim, model::kBike, model::kRun, model::kOther}) {
        if (model::sportTypeDigit(day.actualTypes, sport) == type) return true;
    }
    return false;
}

bool dayWithoutTraining(const model::DayRecord& day) {
    for (const model::SportEntry* entry : {&day.bike, &day.run, &day.other, &day.swim}) {
        if (entry->distanceKm != 0 || model::parseDuration(entry->duration, 0) != 0) return false;
    }
    return day.other.route.empty();
}

}  // namespace sb::lists
