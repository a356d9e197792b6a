// The legends in the top-right corner of the plot: the sports of a per-sport stack or of the week
// diagram's side-by-side bars, and the ten training types of the IST-Plan stacks.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "statistics/sport_parts.h"

namespace sb::charts {

struct LegendEntry {
    platform::Colour colour;
    std::string text;  // UTF-8
};

// The entries in the order given; the box is as wide as the widest text measures on the canvas.
void drawLegend(platform::Canvas& canvas, const std::vector<LegendEntry>& entries);

// The sports marked in `sports` (SportPart order), listed Schwimmen, Radfahren, Laufen, Alternativ.
// Used for the per-sport stack with the sports the sport mode admits, and for the week diagram's time
// and load bars with the selected ones; the box is sized for the entries shown.
void drawSportLegend(platform::Canvas& canvas, const statistics::SportParts& sports);

// labels: the ten training-type labels as UTF-8; the box is as wide as the longest one needs.
void drawTypeLegend(platform::Canvas& canvas, const std::array<std::string, 10>& labels,
                    const std::array<platform::Colour, 10>& colours);

}  // namespace sb::charts
