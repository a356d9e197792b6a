// The catalogue of diagram kinds and quantities: the codes kept in the configuration file, which kind
// handles which code, how a code's series is split into parts, and its texts (value-axis title, unit,
// the short caption of a kind with its quantity). Texts are UTF-8.
#pragma once

#include <string>

namespace sb::model {

// DIAGRAMM_TYP of the configuration file.
enum DiagramKind {
    kNoDiagram = 0,
    kWeekOfYearDiagram = 1,
    kMonthOfYearDiagram = 2,
    kWeekDiagram = 3,
    kMonthDiagram = 4,
    kXyDiagram = 5,
};

// The codes are stored in the configuration file, so their values are part of its format.
enum DiagramQuantity {
    kKmBike = 103,
    kKmRun = 104,
    kKmSwim = 105,
    kKmOther = 106,
    kCountBike = 107,
    kCountRun = 108,
    kCountSwim = 109,
    kCountOther = 110,
    kCountTotal = 111,
    kTimeBike = 112,
    kTimeRun = 113,
    kTimeSwim = 114,
    kTimeOther = 115,
    kTimeTotal = 116,
    kTimeBySport = 117,
    kWeight = 118,
    kRestingPulse = 119,
    kClimbing = 120,
    kAverageWeight = 125,
    kAverageRestingPulse = 126,
    kLoad = 127,
    kTime = 128,
    kXyTime = 129,
    kXyDistance = 130,
    kXyPulse = 135,
    kXyBikeDistance = 136,
    kXySpeed = 137,
    kXyCadence = 138,
    kXyAltitude = 139,
    kXyPower = 140,
    kXyBalance = 141,
    kXyTemperature = 142,
    kActualKmBike = 143,
    kActualKmRun = 144,
    kActualKmSwim = 145,
    kActualKmOther = 146,
    kActualTimeBike = 147,
    kActualTimeRun = 148,
    kActualTimeSwim = 149,
    kActualTimeOther = 150,
};

// How the slot total of a code is divided: not at all, by sport (117, 127, 128) or by the actual
// training type (143 to 150).
enum class SeriesParts { none, bySport, byType };
SeriesParts seriesParts(int code);

// Whether the aggregation of a kind computes the code; any other code gives an all-zero series.
bool kindHandlesQuantity(int kind, int code);
// Whether the "&Y-Achse" menu of a kind offers the code: what a choice, a preset and the stored
// settings may hold. The week diagram computes 143…150 too, but its menu does not offer them.
bool kindOffersQuantity(int kind, int code);
// The X-Y diagram's axes: 129, 130 for X and 135…142 for Y.
bool isXQuantity(int code);
bool isYQuantity(int code);

std::string valueAxisTitle(int code);
// Empty for quantities without a unit (resting pulse, averages, load).
std::string unitText(int code);
// "WJ-Diagramm (KM Rad)", "X-Y-Diagramm Zeit - Strecke - Puls", "Kein Diagramm ausgewählt".
std::string diagramCaption(int kind, int code);

}  // namespace sb::model
