// The four bar diagrams of the main window (week-of-year, month-of-year, week, month) drawn onto the
// chart canvas: one entry point for painting and printing, given the kind, quantity and display
// settings as plain values.
#pragma once

#include <array>
#include <string>

#include "model/training_year.h"
#include "platform/canvas.h"
#include "statistics/diagram_statistics.h"
#include "statistics/sport_parts.h"

namespace sb::charts {

struct DiagramRequest {
    int kind = model::kNoDiagram;   // model::DiagramKind; only 1 to 4 draw anything here
    int code = 0;            // model::DiagramQuantity of the kind
    int week = 1;            // 1…53, the week diagram's week; clamped
    int month = 1;           // 1…12, the month diagram's month; clamped
    int style = 1;           // DisplayStyle
    int timeSportFlags = 0;  // MODUS2, used by "Zeit" (128)
    int loadSportFlags = 0;  // MODUS3, used by "Belastung" (127)
    int sportMode = statistics::kModeTriathlon;
    // Windows-1252, as the configuration keeps them
    std::array<std::string, model::kTrainingTypeCount> typeLabels;
    std::array<platform::Colour, model::kTrainingTypeCount> typeColours{};
};

// The aggregation a request stands for: week and month clamped, the sport bits of its quantity.
statistics::DiagramSelection selectionOf(const DiagramRequest& request);

// Draws the diagram on a canvas whose mapping a frame set-up chose (setupScreenFrame, or the printer
// frame). Kinds other than 1 to 4 draw nothing.
void drawDiagram(platform::Canvas& canvas, const model::TrainingYear& year, const DiagramRequest& request);

}  // namespace sb::charts
