// The series a bar diagram plots: per-day values of every quantity and their aggregation into the
// slots of the week-of-year, month-of-year, week and month diagrams, with the per-sport and
// per-training-type parts and the largest value. Drawing and the axis top stay with the charts.
#pragma once

#include <array>

#include "model/diagram_quantity.h"
#include "model/period_range.h"
#include "model/training_types.h"
#include "model/training_year.h"
#include "statistics/sport_parts.h"

namespace sb::statistics {

// One slot per training week, the most any kind draws.
constexpr int kMaxSlots = model::kLastTrainingWeek;
using model::kTrainingTypeCount;

struct DiagramSlot {
    float total = 0;                                 // the plotted value
    std::array<float, kSportPartCount> bySport{};    // by SportPart; 117 adds up to total
    std::array<float, kTrainingTypeCount> byType{};  // by actual training type 0…9; adds up to total
};

// Invariants:
// 1. slotCount is 53, 12, 7 or 28…31 by kind (0 for kinds without bars); slots from slotCount on are 0.
// 2. With SeriesParts::byType every slot's parts add up to its total; with bySport so do those of the
//    sports marked in `sports`, and the other sports' parts are 0.
// 3. For 127 and 128 (one day per slot) total is the sum of the side-by-side sport values, while
//    maxValue is their largest single value, because that is the tallest bar drawn.
struct DiagramSeries {
    int code = 0;
    int slotCount = 0;
    model::SeriesParts parts = model::SeriesParts::none;
    SportParts sports{};        // the sports whose values the parts hold (117, 127, 128)
    SportParts legendSports{};  // the sports the legend names; the selection even where load is absent
    std::array<DiagramSlot, kMaxSlots> slots{};
    float maxValue = 0;  // largest plotted value, at least 0
};

// What the main window shows: the kind, its quantity, the selected week (1…53) or month (1…12), and
// for the week diagram the sport bits of its time (MODUS2) or load (MODUS3) selection.
struct DiagramSelection {
    int kind = model::kNoDiagram;
    int code = 0;
    int week = 1;
    int month = 1;
    int sportBits = 0;
};

// Every aggregation reads planYear, planFileVersion and the days of the plan year only. A code the
// kind does not handle yields an all-zero series; week and month are clamped into 1…53 and 1…12.
DiagramSeries aggregateWeekOfYear(const model::TrainingYear& year, int sportMode, int code);
DiagramSeries aggregateMonthOfYear(const model::TrainingYear& year, int sportMode, int code);
DiagramSeries aggregateWeek(const model::TrainingYear& year, int sportMode, int code, int week,
                            int sportBits);
DiagramSeries aggregateMonth(const model::TrainingYear& year, int sportMode, int code, int month);
// The series of the bar diagram kinds 1 to 4; kinds 0 and 5 give an empty series without slots.
DiagramSeries aggregateDiagram(const model::TrainingYear& year, int sportMode,
                               const DiagramSelection& selection);

}  // namespace sb::statistics
