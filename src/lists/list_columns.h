// The eleven columns every list, printout and list document shows: their headers, their printed
// widths, and the text of one cell for a training entry of a day.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/training_types.h"
#include "model/training_year.h"

namespace sb::lists {

constexpr int kColumnCount = 11;
enum ColumnId {
    kDateColumn = 0,
    kWeekdayColumn = 1,
    kSportColumn = 2,
    kDistanceColumn = 3,
    kRunningDistanceColumn = 4,
    kDurationColumn = 5,
    kPlannedTypeColumn = 6,
    kActualTypeColumn = 7,
    kRouteColumn = 8,
    kContentColumn = 9,
    kLoadColumn = 10,
};

// "Datum" … "Belastung"; empty for an id outside 0…10.
std::string columnHeader(int columnId);
// Width of a printed column in average characters (before the printout's scale).
int printedColumnCharacters(int columnId);

// One cell of the entry of `sport` (model::Sport) on day `dayIndex`. runningKm is the sport's distance
// total of the period so far; without one the "Gesamt-KM" cell stays empty. Date and weekday do not
// depend on the sport, so a day without training can still show them. Texts are Windows-1252.
std::string cellText(int columnId, const model::TrainingYear& year, int dayIndex, int sport,
                     std::optional<float> runningKm, const model::TrainingTypeLabels& labels);

}  // namespace sb::lists
