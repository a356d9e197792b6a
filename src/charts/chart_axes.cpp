// Value and category axes. Positions are products truncated toward zero, measured from the origin.
#include "charts/chart_axes.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "charts/chart_frame.h"
#include "charts/chart_texts.h"

namespace sb::charts {

using platform::Canvas;
using platform::HAlign;
using platform::Pen;
using platform::PenStyle;
using platform::Point;
using platform::TextAlign;

namespace {

constexpr int kMinorLines = 20;
constexpr TextAlign kCentredTop{HAlign::Centre, platform::VAlign::Top};
constexpr TextAlign kRightTop{HAlign::Right, platform::VAlign::Top};

// A grid line at height y: straight across the flat plot, bent up the floor and along the back wall
// in 3-D style.
void drawGridLine(Canvas& canvas, int style, int y) {
    using namespace frame;
    if (isThreeD(style))
        canvas.drawPolyline({{originX, y}, {originX + depth, y - depth}, {plotRight, y - depth}});
    else
        canvas.drawLine({originX, y}, {plotRight, y});
}

std::string number(int value) {
    return std::to_string(value);
}

// The value labels end a line height left of the axis and share one font: the diagram font, or when
// the widest label would run past the canvas edge (a five-digit climbing total), a font just small
// enough for it, so no digit is lost.
void selectValueLabelFont(Canvas& canvas, int room, const std::vector<std::string>& labels) {
    int widest = 0;
    for (const std::string& label : labels) widest = std::max(widest, canvas.textWidth(label));
    if (widest <= room || room <= 0) return;
    platform::Font smaller = canvas.state().font;
    smaller.height = std::max(1, canvas.textMetrics().height * room / widest);
    canvas.setFont(smaller);
    auto tooWide = [&] {
        for (const std::string& label : labels)
            if (canvas.textWidth(label) > room) return true;
        return false;
    };
    while (smaller.height > 1 && tooWide()) {
        --smaller.height;
        canvas.setFont(smaller);
    }
}

void drawValueLabels(Canvas& canvas, int lineHeight, double scale, double step) {
    using namespace frame;
    std::vector<std::string> labels;
    for (int k = 0; k <= valueDivisions; ++k) labels.push_back(number(truncated(step * k)));
    platform::Font previous = canvas.state().font;
    int right = originX - lineHeight;
    selectValueLabelFont(canvas, right - lineHeight / 8, labels);
    int half = canvas.state().font == previous ? lineHeight / 2 : canvas.textMetrics().lineHeight() / 2;
    for (int k = 0; k <= valueDivisions; ++k)
        canvas.drawText({right, originY - truncated(step * k * scale) - half}, labels[k], kRightTop);
    canvas.setFont(previous);
}

}  // namespace

void drawValueAxis(Canvas& canvas, int style, int lineHeight, double scale, double axisMax, double maxValue) {
    using namespace frame;
    if (!std::isfinite(scale) || !(axisMax > 0)) return;
    double step = axisMax / valueDivisions;
    {
        SavedDrawingObjects saved(canvas);
        canvas.setPen({colour::grid, 0, PenStyle::Dotted});
        for (int i = isThreeD(style) ? 0 : 1; i <= kMinorLines; ++i)
            drawGridLine(canvas, style, originY - truncated(step * i * scale * 0.25));
    }
    if (maxValue != 0) drawValueLabels(canvas, lineHeight, scale, step);
    for (int k = 0; k <= valueDivisions; ++k) {
        int y = originY - truncated(step * k * scale);
        canvas.drawLine({originX - lineHeight / 2, y}, {originX, y});
        if (k >= 1 || isThreeD(style)) {
            SavedDrawingObjects saved(canvas);
            canvas.setPen({colour::grid, 0, PenStyle::Solid});
            drawGridLine(canvas, style, y);
        }
    }
}

namespace {

// A tick down from the category axis, with its diagonal across the floor in 3-D style.
void drawTick(Canvas& canvas, int style, int x, int length) {
    using namespace frame;
    canvas.drawLine({x, originY}, {x, originY + length});
    if (!isThreeD(style)) return;
    SavedDrawingObjects saved(canvas);
    canvas.setPen({colour::grid, 0, PenStyle::Solid});
    canvas.drawLine({x, originY}, {x + depth, originY - depth});
}

void drawLabel(Canvas& canvas, int x, int top, const std::string& text) {
    canvas.drawText({x, top}, text, kCentredTop);
}

// Weeks of the year and days of a month: "0" at the origin, then every fifth slot labelled at its
// centre, with a tick there.
void drawFiveStepAxis(Canvas& canvas, int style, int lineHeight, double slotWidth, int lastLabel) {
    using namespace frame;
    int top = originY + lineHeight / 2;
    drawLabel(canvas, originX, top, "0");
    drawTick(canvas, style, originX, lineHeight / 2);
    for (int k = 5; k <= lastLabel; k += 5) {
        int x = originX + truncated((k - 0.5) * slotWidth);
        drawLabel(canvas, x, top, number(k));
        drawTick(canvas, style, x, lineHeight / 2);
    }
}

// Months and weekdays: a name centred in every slot, a tick at every slot boundary.
template <std::size_t N>
void drawNamedSlotAxis(Canvas& canvas, int style, int lineHeight, double slotWidth,
                       const char* const (&names)[N]) {
    using namespace frame;
    for (std::size_t k = 0; k < N; ++k)
        drawLabel(canvas, originX + truncated((k + 0.5) * slotWidth), originY + lineHeight / 8, names[k]);
    for (std::size_t k = 0; k <= N; ++k)
        drawTick(canvas, style, originX + truncated(k * slotWidth), lineHeight);
}

std::string hoursAndMinutes(int seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%d:%02d", seconds / 3600, seconds % 3600 / 60);
    return text;
}

// The X-Y axes divide the 3-D plot width evenly, whatever the style.
// The last label of the X-Y axes stands where the axis title begins; it gives way, since the title marks
// the end of the axis anyway.
void drawEndLabel(Canvas& canvas, int axisKind, int x, int top, const std::string& text, bool last) {
    if (last && x + canvas.textWidth(text) / 2 >= categoryTitleLeft(canvas, axisKind)) return;
    drawLabel(canvas, x, top, text);
}

void drawTimeAxis(Canvas& canvas, int style, int lineHeight, double xMax) {
    using namespace frame;
    for (int k = 0; k <= timeDivisions; ++k) {
        int x = originX + (backRight - originX) * k / timeDivisions;
        drawEndLabel(canvas, kTimeAxis, x, originY + lineHeight / 2,
                     hoursAndMinutes(truncated(xMax / timeDivisions * k)), k == timeDivisions);
        drawTick(canvas, style, x, lineHeight / 2);
    }
}

void drawDistanceAxis(Canvas& canvas, int style, int lineHeight, double xMax) {
    using namespace frame;
    for (int k = 0; k <= valueDivisions; ++k) {
        int x = originX + (backRight - originX) * k / valueDivisions;
        drawEndLabel(canvas, kDistanceAxis, x, originY + lineHeight / 2, number(truncated(k * xMax * 0.2)),
                     k == valueDivisions);
        drawTick(canvas, style, x, lineHeight / 2);
    }
}

constexpr const char* kMonthLabels[] = {"Jan", "Feb", "Mär", "Apr", "Mai", "Jun",
                                        "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
constexpr const char* kWeekdayLabels[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};

}  // namespace

void drawCategoryAxis(Canvas& canvas, int style, int axisKind, int lineHeight, double extent) {
    switch (axisKind) {
        case kWeeksAxis:
            drawFiveStepAxis(canvas, style, lineHeight, extent, 50);
            break;
        case kMonthsAxis:
            drawNamedSlotAxis(canvas, style, lineHeight, extent, kMonthLabels);
            break;
        case kWeekdaysAxis:
            drawNamedSlotAxis(canvas, style, lineHeight, extent, kWeekdayLabels);
            break;
        case kDaysOfMonthAxis:
            drawFiveStepAxis(canvas, style, lineHeight, extent, 30);
            break;
        case kTimeAxis:
            drawTimeAxis(canvas, style, lineHeight, extent);
            break;
        case kDistanceAxis:
            drawDistanceAxis(canvas, style, lineHeight, extent);
            break;
        default:
            break;
    }
}

}  // namespace sb::charts
