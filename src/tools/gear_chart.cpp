// The gear chart. Developments are spread over the height between the top margin and the bottom of the
// plot, the smallest at the bottom; the chainrings stand side by side at fixed fractions of the width.
#include "tools/gear_chart.h"

#include <algorithm>
#include <vector>

#include "charts/chart_frame.h"
#include "fileio/c_numbers.h"

namespace sb::tools {

namespace {

using platform::HAlign;
using platform::Point;
using platform::VAlign;

constexpr int kTop = 25;
constexpr int kBottom = charts::frame::originY;
constexpr int kWidth = charts::frame::width;

struct Scale {
    float smallest = 999;
    float largest = 0;
    double unitsPerMetre = 0;
    int y(float development) const {
        return kBottom - charts::truncated((development - (smallest - 0.5)) * unitsPerMetre);
    }
};

int chainringX(int slot, int used) {
    if (used == 1) return kWidth / 2;
    if (used == 2) return (slot + 1) * kWidth / 3;
    return (slot + 1) * 2 * kWidth / 8;
}

void drawChainring(platform::Canvas& canvas, const GearInputs& inputs, int chainring, int x,
                   const Scale& scale) {
    const platform::TextMetrics metrics = canvas.textMetrics();
    const int tick = metrics.averageCharWidth * 3 / 4;
    canvas.drawLine({x, kBottom}, {x, kTop});
    canvas.drawText({x, kBottom + 4}, fileio::formatInt(chainring), {HAlign::Centre, VAlign::Top});
    const auto& sprockets = inputs.sprockets;
    for (std::size_t k = 0; k < sprockets.size(); ++k) {
        if (sprockets[k] <= 0) continue;
        const int y = scale.y(development(inputs.circumference, chainring, sprockets[k]));
        canvas.drawLine({x, y}, {x - tick, y});
        canvas.drawText({x - tick - 2, y - metrics.height / 2}, fileio::formatInt(sprockets[k]),
                        {HAlign::Right, VAlign::Top});
        if (k + 1 == sprockets.size() || sprockets[k + 1] <= 0) continue;
        const int nextY = scale.y(development(inputs.circumference, chainring, sprockets[k + 1]));
        const float step = gearStep(inputs.circumference, chainring, sprockets[k], sprockets[k + 1]);
        canvas.drawText({x + 7 * metrics.averageCharWidth, (y + nextY) / 2 - metrics.height / 2},
                        fileio::formatFixed(step, 1) + " %", {HAlign::Right, VAlign::Top});
    }
}

}  // namespace

void drawGearChart(platform::Canvas& canvas, const GearInputs& inputs) {
    if (inputs.circumference <= 0) return;
    std::vector<int> chainrings;
    for (int chainring : inputs.chainrings) {
        if (chainring > 0) chainrings.push_back(chainring);
    }
    Scale scale;
    for (int chainring : chainrings) {
        for (int sprocket : inputs.sprockets) {
            if (sprocket <= 0) continue;
            const float metres = development(inputs.circumference, chainring, sprocket);
            scale.smallest = std::min(scale.smallest, metres);
            scale.largest = std::max(scale.largest, metres);
        }
    }
    if (scale.largest == 0) return;
    scale.unitsPerMetre = double(kBottom - kTop) / (scale.largest - scale.smallest + 1);
    const platform::Font previous = charts::selectDiagramFont(canvas);
    canvas.setPen({charts::colour::black, 0, platform::PenStyle::Solid});
    canvas.setTextColour(charts::colour::black);
    for (std::size_t slot = 0; slot < chainrings.size(); ++slot) {
        drawChainring(canvas, inputs, chainrings[slot], chainringX(int(slot), int(chainrings.size())), scale);
    }
    charts::restoreDiagramFont(canvas, previous);
}

}  // namespace sb::tools
