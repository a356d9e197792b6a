// The X-Y diagram: zone bands first (a pulse curve only), then frame, axes and captions with the chart
// primitives, then the curve. An empty recording gets frame and axes without a curve.
#include "recordings/xy_diagram.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <optional>

#include "charts/chart_axes.h"
#include "charts/chart_frame.h"
#include "charts/chart_texts.h"
#include "charts/diagram_printing.h"
#include "model/diagram_quantity.h"
#include "recordings/curve_points.h"

namespace sb::recordings {

namespace {

using model::kXyCadence;
using model::kXyPulse;
using model::kXySpeed;
using model::kXyTemperature;
using model::kXyTime;
using charts::truncated;
using platform::Canvas;
using platform::Point;
namespace frame = charts::frame;

using Ladder = std::initializer_list<float>;
constexpr Ladder kTimeLadder{3600, 7200, 14400, 28800, 43200, 57600};
constexpr Ladder kDistanceLadder{25, 50, 75, 100, 250, 500, 750};
constexpr Ladder kPulseLadder{175, 200, 225, 250};
constexpr Ladder kRateLadder{30, 40, 50, 60, 75, 100, 200};
constexpr Ladder kAmountLadder{0.1f, 5, 10, 25, 50, 100, 250, 500, 1000, 2500, 5000, 7500};

// The first rung above the value; past the last one the next multiple of the ladder's last step.
float rungAbove(Ladder ladder, float value) {
    for (float rung : ladder)
        if (rung > value) return rung;
    const float last = *(ladder.end() - 1);
    const float step = last - *(ladder.end() - 2);
    return (std::floor(value / step) + 1) * step;
}

// The plot's height of a value, measured up from the category axis.
struct Scale {
    double x;
    double y;
    int height(double value) const { return truncated(value * y); }
};

int clampedY(int y) {
    return std::clamp(y, frame::plotTop, frame::originY);
}

void drawZoneBands(Canvas& canvas, const std::vector<PulseZone>& zones, float yMax, const Scale& scale) {
    charts::SavedDrawingObjects saved(canvas);
    canvas.setPen({0, 0, platform::PenStyle::None});
    int previousMax = 0;
    for (std::size_t k = 0; k < zones.size() && k < kMaxPulseZones; ++k) {
        const PulseZone& zone = zones[k];
        const int bottom = previousMax;
        previousMax = zone.max;
        if (float(zone.min) > yMax) continue;
        const int top = float(zone.max) > yMax ? frame::plotTop : frame::originY - scale.height(zone.max);
        canvas.setBrush(platform::Brush::solid(zone.colour));
        canvas.drawRectangle({frame::originX, top, frame::plotRight, frame::originY - scale.height(bottom)});
    }
}

void drawCurve(Canvas& canvas, const XySeries& series, std::size_t n, const Scale& scale) {
    std::vector<Point> points;
    points.reserve(n);
    points.push_back({frame::originX, clampedY(frame::originY - scale.height(series.y[0]))});
    for (std::size_t i = 1; i < n; ++i) {
        const int x =
            std::clamp(frame::originX + truncated(series.x[i] * scale.x), frame::originX, frame::plotRight);
        points.push_back({x, clampedY(frame::originY - scale.height(series.y[i]))});
    }
    if (points.size() == 1) points.push_back(points.front());
    canvas.drawPolyline(thinnedCurve(points));
}

}  // namespace

float xAxisMaximum(int xCode, float lastX) {
    return rungAbove(xCode == kXyTime ? kTimeLadder : kDistanceLadder, lastX);
}

float yAxisMaximum(int yCode, float largestY) {
    if (yCode == kXyPulse) return rungAbove(kPulseLadder, largestY);
    if (yCode == kXySpeed || yCode == kXyCadence || yCode == kXyTemperature)
        return rungAbove(kRateLadder, largestY);
    return rungAbove(kAmountLadder, largestY);
}

void drawXyDiagram(Canvas& canvas, const XySeries& series, const std::vector<PulseZone>& zones) {
    const std::size_t n = std::min(series.x.size(), series.y.size());
    float largestY = 0;
    for (std::size_t i = 0; i < n; ++i) largestY = std::max(largestY, series.y[i]);
    const float xMax = xAxisMaximum(series.xCode, n > 0 ? series.x[n - 1] : 0.0f);
    const float yMax = yAxisMaximum(series.yCode, largestY);
    const Scale scale{double(frame::plotRight - frame::originX) / xMax,
                      double(frame::originY - frame::plotTop) / yMax};

    const platform::Font previousFont = charts::selectDiagramFont(canvas);
    const std::optional<platform::Colour> previousBackground = canvas.state().textBackground;
    canvas.setTextBackground(charts::colour::white);
    const bool pulse = series.yCode == kXyPulse;
    if (pulse && largestY != 0) drawZoneBands(canvas, zones, yMax, scale);
    charts::drawFrame(canvas, charts::kNoStyle, !pulse);
    const int lineHeight = canvas.textMetrics().lineHeight();
    charts::drawValueAxis(canvas, charts::kNoStyle, lineHeight, scale.y, yMax, largestY);
    charts::drawCategoryAxis(canvas, charts::kNoStyle, series.xCode, lineHeight, xMax);
    charts::drawValueAxisTitle(canvas, series.yCode);
    charts::drawUnit(canvas, charts::kNoStyle, series.yCode);
    charts::drawCategoryTitle(canvas, series.xCode);
    if (n > 0) drawCurve(canvas, series, n, scale);
    canvas.setTextBackground(previousBackground);
    charts::restoreDiagramFont(canvas, previousFont);
}

bool printXyDiagram(platform::Printer& printer, const XySeries& series, const std::vector<PulseZone>& zones) {
    return charts::printOnUpperHalf(printer, charts::diagramDocumentName(model::kXyDiagram, 0, 0),
                                    [&](Canvas& canvas) { drawXyDiagram(canvas, series, zones); });
}

}  // namespace sb::recordings
