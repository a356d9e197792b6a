// The column catalogue and the cell formatter shared by the lists, their printouts and documents.
#include "lists/list_columns.h"

#include <cstdio>

#include "fileio/c_numbers.h"
#include "model/calendar.h"

namespace sb::lists {

namespace {

struct Column {
    const char* header;
    int printedCharacters;
};

constexpr std::array<Column, kColumnCount> kColumns{{
    {"Datum", 6},
    {"Tag", 4},
    {"Art", 4},
    {"KM", 6},
    {"Gesamt-KM", 10},
    {"Zeit", 6},
    {"Soll", 14},
    {"Ist", 14},
    {"Strecke", 21},
    {"Inhalt", 51},
    {"Belastung", 10},
}};

bool validColumn(int columnId) {
    return columnId >= 0 && columnId < kColumnCount;
}

const model::SportEntry* entryOf(const model::DayRecord& day, int sport) {
    switch (sport) {
        case model::kBike:
            return &day.bike;
        case model::kRun:
            return &day.run;
        case model::kOther:
            return &day.other;
        case model::kSwim:
            return &day.swim;
        default:
            return nullptr;
    }
}

std::string sportLetter(int sport) {
    switch (sport) {
        case model::kBike:
            return "R";
        case model::kRun:
            return "L";
        case model::kOther:
            return "A";
        default:
            return "S";
    }
}

std::string dateText(const model::TrainingYear& year, int dayIndex) {
    const model::DayMonth date = model::dateOfDayOfYear(dayIndex + 1, year.planYear);
    char text[16];
    std::snprintf(text, sizeof text, "%02i.%02i", date.day, date.month);
    return text;
}

std::string weekdayText(const model::TrainingYear& year, int dayIndex) {
    const model::DayMonth date = model::dateOfDayOfYear(dayIndex + 1, year.planYear);
    return model::weekdayAbbreviation(model::weekdayOf(date.day, date.month, year.planYear));
}

}  // namespace

std::string columnHeader(int columnId) {
    return validColumn(columnId) ? kColumns[std::size_t(columnId)].header : "";
}

int printedColumnCharacters(int columnId) {
    return validColumn(columnId) ? kColumns[std::size_t(columnId)].printedCharacters : 0;
}

std::string cellText(int columnId, const model::TrainingYear& year, int dayIndex, int sport,
                     std::optional<float> runningKm, const model::TrainingTypeLabels& labels) {
    if (dayIndex < 0 || dayIndex >= model::dayCount(year)) return {};
    if (columnId == kDateColumn) return dateText(year, dayIndex);
    if (columnId == kWeekdayColumn) return weekdayText(year, dayIndex);
    const model::DayRecord& day = year.days[std::size_t(dayIndex)];
    const model::SportEntry* entry = entryOf(day, sport);
    if (!entry) return {};
    switch (columnId) {
        case kSportColumn:
            return sportLetter(sport);
        case kDistanceColumn:
            return fileio::formatFixed(entry->distanceKm, 1);
        case kRunningDistanceColumn:
            return runningKm && sport != model::kOther ? fileio::formatFixed(*runningKm, 1) : "";
        case kDurationColumn:
            return entry->duration;
        case kPlannedTypeColumn:
            return labels[std::size_t(model::sportTypeDigit(day.plannedTypes, sport))];
        case kActualTypeColumn:
            return labels[std::size_t(model::sportTypeDigit(day.actualTypes, sport))];
        case kRouteColumn:
            return entry->route;
        case kContentColumn:
            return entry->content;
        case kLoadColumn:
            return fileio::formatInt(entry->load);
        default:
            return {};
    }
}

}  // namespace sb::lists
