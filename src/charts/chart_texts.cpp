// Chart texts, placed by the metrics of the current (diagram) font.
#include "charts/chart_texts.h"

#include <string>

#include "charts/chart_axes.h"
#include "charts/chart_frame.h"
#include "model/diagram_quantity.h"
#include "model/calendar.h"

namespace sb::charts {

using platform::Canvas;
using platform::HAlign;
using platform::TextAlign;

namespace {

constexpr int kCentreX = 700;
constexpr TextAlign kCentredTop{HAlign::Centre, platform::VAlign::Top};
constexpr TextAlign kRightTop{HAlign::Right, platform::VAlign::Top};

// Quantities without a unit, and codes without a title, leave their place empty.
void drawTextIfAny(Canvas& canvas, platform::Point at, const std::string& text, TextAlign align) {
    if (!text.empty()) canvas.drawText(at, text, align);
}

std::string titleText(int titleKind, int number) {
    switch (titleKind) {
        case kWeekOfYearTitle:
        case kMonthOfYearTitle:
            return "Trainingsjahr : " + std::to_string(number);
        case kWeekTitle:
            return "Trainingswoche : " + std::to_string(number);
        case kMonthTitle:
            return "Trainingsmonat : " + model::monthName(number);
        default:
            return {};
    }
}

std::string categoryTitle(int axisKind) {
    switch (axisKind) {
        case kWeeksAxis:
            return "Woche";
        case kMonthsAxis:
            return "Monat";
        case kWeekdaysAxis:
            return "Wochentag";
        case kDaysOfMonthAxis:
            return "Tag";
        case kTimeAxis:
            return "Zeit";
        case kDistanceAxis:
            return "km";
        default:
            return {};
    }
}

}  // namespace

void drawTitle(Canvas& canvas, int titleKind, int number) {
    drawTextIfAny(canvas, {kCentreX, 20}, titleText(titleKind, number), kCentredTop);
}

void drawValueAxisTitle(Canvas& canvas, int code) {
    drawTextIfAny(canvas, {kCentreX, 60}, model::valueAxisTitle(code), kCentredTop);
}

// Above the value axis, whose top lies `depth` lower in 3-D style.
void drawUnit(Canvas& canvas, int style, int code) {
    platform::TextMetrics metrics = canvas.textMetrics();
    int y = frame::plotTop - 2 * metrics.height + (isThreeD(style) ? frame::depth : 0);
    drawTextIfAny(canvas, {frame::originX - 3 * metrics.averageCharWidth, y}, model::unitText(code), kRightTop);
}

int categoryTitleLeft(Canvas& canvas, int axisKind) {
    return frame::plotRight + 2 * canvas.textMetrics().averageCharWidth -
           canvas.textWidth(categoryTitle(axisKind));
}

void drawCategoryTitle(Canvas& canvas, int axisKind) {
    platform::TextMetrics metrics = canvas.textMetrics();
    drawTextIfAny(
        canvas,
        {frame::plotRight + 2 * metrics.averageCharWidth, frame::height - truncated(1.2 * metrics.height)},
        categoryTitle(axisKind), kRightTop);
}

}  // namespace sb::charts
