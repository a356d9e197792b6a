// The bar diagrams: frame, axes and texts, then the data as bars (flat or 3-D), stacks by sport or by
// training type, side-by-side sport bars, or points joined by lines, then the legend. Every call
// aggregates the year afresh.
#include "charts/bar_diagram.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "charts/axis_maximum.h"
#include "charts/chart_axes.h"
#include "charts/chart_bars.h"
#include "charts/chart_frame.h"
#include "charts/chart_legends.h"
#include "charts/chart_texts.h"
#include "model/period_range.h"
#include "model/text_encoding.h"

namespace sb::charts {

using namespace statistics;

using platform::Canvas;
using platform::Point;
using platform::Rect;

namespace {

// What differs between the four kinds: the share of the plot width a slot takes (single-precision
// constants a little above 1/n, so the last slot ends on the plot's right edge), the axis and the title.
struct KindLayout {
    int axisKind;
    int titleKind;
    int titleNumber;
};

struct Geometry {
    int style;
    int lineHeight;
    double scale;  // logical units per unit of value; infinite when the axis top is 0
    double slotWidth;
    int inset;
    bool drawsData() const { return std::isfinite(scale); }
    int left(int slot) const { return frame::originX + truncated(slot * slotWidth); }
    int height(double value) const { return truncated(scale * value); }
};

double slotWidthOf(int kind, int style, int slotCount) {
    double width = plotWidth(style);
    switch (kind) {
        case model::kWeekOfYearDiagram:
            return width * 0.018867925f;
        case model::kMonthOfYearDiagram:
            return width * 0.083333336f;
        case model::kWeekDiagram:
            return width * 0.14285715f;
        default:
            return width / std::max(slotCount, 1);
    }
}

KindLayout layoutOf(int kind, const model::TrainingYear& year, const DiagramSelection& selection) {
    switch (kind) {
        case model::kWeekOfYearDiagram:
            return {kWeeksAxis, kWeekOfYearTitle, year.planYear};
        case model::kMonthOfYearDiagram:
            return {kMonthsAxis, kMonthOfYearTitle, year.planYear};
        case model::kWeekDiagram:
            return {kWeekdaysAxis, kWeekTitle, selection.week};
        default:
            return {kDaysOfMonthAxis, kMonthTitle, selection.month};
    }
}

bool isSideBySide(const DiagramRequest& request) {
    return request.kind == model::kWeekDiagram && (request.code == model::kLoad || request.code == model::kTime);
}

// Rad at the bottom, then Laufen, Schwimmen, Alternativ; each part's top at the running sum.
void drawSportStack(Canvas& canvas, const Geometry& g, const DiagramSeries& series, int k) {
    const DiagramSlot& slot = series.slots[k];
    double sum = 0;
    int below = frame::originY;
    for (int part = 0; part < kSportPartCount; ++part) {
        if (!series.sports[part] || slot.bySport[part] == 0) continue;
        sum += slot.bySport[part];
        int top = frame::originY - g.height(sum);
        drawBar(canvas, g.style, {g.left(k), top, g.left(k + 1), below}, g.inset, sportColour(part));
        below = top;
    }
}

// Type 9 at the bottom up to type 0, each part as high as its own value. A negative part (a damaged
// file's negative distance) would reach below the axis into the labels, so it is left out.
void drawTypeStack(Canvas& canvas, const Geometry& g, const DiagramSlot& slot, int k,
                   const DiagramRequest& request) {
    int bottom = frame::originY;
    for (int type = kTrainingTypeCount - 1; type >= 0; --type) {
        if (!(slot.byType[type] > 0)) continue;
        int top = bottom - g.height(slot.byType[type]);
        drawBar(canvas, g.style, {g.left(k), top, g.left(k + 1), bottom}, g.inset, request.typeColours[type]);
        bottom = top;
    }
}

void drawBars(Canvas& canvas, const Geometry& g, const DiagramSeries& series, const DiagramRequest& request) {
    for (int k = 0; k < series.slotCount; ++k) {
        const DiagramSlot& slot = series.slots[k];
        if (!(slot.total > 0)) continue;
        if (series.parts == model::SeriesParts::bySport)
            drawSportStack(canvas, g, series, k);
        else if (series.parts == model::SeriesParts::byType)
            drawTypeStack(canvas, g, slot, k, request);
        else
            drawBar(canvas, g.style,
                    {g.left(k), frame::originY - g.height(slot.total), g.left(k + 1), frame::originY},
                    g.inset, colour::singleBar);
    }
}

// Every slot takes part, empty ones at height 0, so the line runs across the whole diagram.
void drawLine(Canvas& canvas, const Geometry& g, const DiagramSeries& series) {
    std::vector<Point> points;
    for (int k = 0; k < series.slotCount; ++k)
        points.push_back(
            {g.left(k) + truncated(0.5 * g.slotWidth), frame::originY - g.height(series.slots[k].total)});
    drawPointLine(canvas, points);
}

// The week diagram's time and load: each day's slot split among the shown sports, Schwimmen first.
void drawSideBySide(Canvas& canvas, const Geometry& g, const DiagramSeries& series) {
    constexpr int kOrder[] = {kPartSwim, kPartBike, kPartRun, kPartOther};
    int shown = int(std::count(series.sports.begin(), series.sports.end(), true));
    double subWidth = shown == 0 ? g.slotWidth : truncated(g.slotWidth / shown);
    int inset = truncated(0.1 * subWidth);
    int subSlot = 0;
    for (int part : kOrder) {
        if (!series.sports[part]) continue;
        int offset = truncated(subSlot * subWidth);
        int width = truncated(subWidth);
        std::vector<Point> points;
        for (int k = 0; k < series.slotCount; ++k) {
            float value = series.slots[k].bySport[part];
            int dayLeft = g.left(k) + offset;
            if (g.style == kLineStyle) {
                points.push_back({dayLeft + truncated(0.5 * subWidth), frame::originY - g.height(value)});
            } else if (value > 0) {
                drawSportBar(canvas, g.style,
                             {dayLeft, frame::originY - g.height(value), dayLeft + width, frame::originY},
                             inset, sportColour(part));
            }
        }
        if (!points.empty()) {
            SavedDrawingObjects saved(canvas);
            canvas.setPen({sportColour(part), 1, platform::PenStyle::Solid});
            drawPointLine(canvas, points);
        }
        ++subSlot;
    }
}

void drawData(Canvas& canvas, const Geometry& g, const DiagramSeries& series, const DiagramRequest& request) {
    if (isSideBySide(request))
        drawSideBySide(canvas, g, series);
    else if (g.style != kLineStyle)
        drawBars(canvas, g, series, request);
    else if (series.code != model::kTimeBySport)
        drawLine(canvas, g, series);
}

void drawLegendOf(Canvas& canvas, const DiagramSeries& series, const DiagramRequest& request) {
    if (series.parts == model::SeriesParts::bySport) {
        drawSportLegend(canvas, series.legendSports);
    } else if (series.parts == model::SeriesParts::byType && request.kind != model::kWeekDiagram) {
        std::array<std::string, kTrainingTypeCount> labels;
        for (int type = 0; type < kTrainingTypeCount; ++type)
            labels[type] = model::cp1252ToUtf8(request.typeLabels[type]);
        drawTypeLegend(canvas, labels, request.typeColours);
    }
}

}  // namespace

DiagramSelection selectionOf(const DiagramRequest& request) {
    DiagramSelection selection;
    selection.kind = request.kind;
    selection.code = request.code;
    selection.week = model::clampWeek(request.week);
    selection.month = model::clampMonth(request.month);
    if (request.kind == model::kWeekDiagram && request.code == model::kTime) selection.sportBits = request.timeSportFlags;
    if (request.kind == model::kWeekDiagram && request.code == model::kLoad) selection.sportBits = request.loadSportFlags;
    return selection;
}

void drawDiagram(Canvas& canvas, const model::TrainingYear& year, const DiagramRequest& request) {
    if (request.kind < model::kWeekOfYearDiagram || request.kind > model::kMonthDiagram) return;
    platform::Font previousFont = selectDiagramFont(canvas);
    std::optional<platform::Colour> previousBackground = canvas.state().textBackground;
    DiagramSelection selection = selectionOf(request);
    DiagramSeries series = aggregateDiagram(year, request.sportMode, selection);
    KindLayout layout = layoutOf(request.kind, year, selection);
    float axisMax = axisMaximum(series.code, series.maxValue);

    Geometry g;
    g.style = request.style;
    g.lineHeight = canvas.textMetrics().lineHeight();
    g.scale = axisMax > 0 ? plotHeight(g.style) / double(axisMax) : INFINITY;
    g.slotWidth = slotWidthOf(request.kind, g.style, series.slotCount);
    g.inset = truncated(0.1 * g.slotWidth);

    canvas.setTextBackground(colour::white);
    drawFrame(canvas, g.style, true);
    drawValueAxis(canvas, g.style, g.lineHeight, g.scale, axisMax, series.maxValue);
    drawCategoryAxis(canvas, g.style, layout.axisKind, g.lineHeight, g.slotWidth);
    drawTitle(canvas, layout.titleKind, layout.titleNumber);
    drawValueAxisTitle(canvas, request.code);
    drawUnit(canvas, g.style, request.code);
    drawCategoryTitle(canvas, layout.axisKind);
    if (model::kindHandlesQuantity(request.kind, request.code)) {
        if (g.drawsData()) drawData(canvas, g, series, request);
        drawLegendOf(canvas, series, request);
    }
    canvas.setTextBackground(previousBackground);
    restoreDiagramFont(canvas, previousFont);
}

}  // namespace sb::charts
