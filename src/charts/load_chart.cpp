// The load chart. Days share the plot width evenly, so a leap year's columns are a little narrower;
// the value axis steps along 1, 2, 5 × 10^k so that about eight steps span the values.
#include "charts/load_chart.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "charts/chart_axes.h"
#include "charts/chart_frame.h"
#include "charts/chart_legends.h"
#include "charts/chart_texts.h"

namespace sb::charts {

using platform::Brush;
using platform::Canvas;
using platform::HAlign;
using platform::PenStyle;
using platform::Point;
using platform::TextAlign;
using statistics::LoadSeries;

namespace {

constexpr int kWeekSlots = 53;
constexpr int kLineWidth = 3;
constexpr int kBarWidth = 2;
constexpr double kWantedSteps = 8;
constexpr double kEmptyYearStep = 20;
constexpr TextAlign kCentredTop{HAlign::Centre, platform::VAlign::Top};
constexpr TextAlign kRightTop{HAlign::Right, platform::VAlign::Top};

double niceStep(double range) {
    const double raw = range / kWantedSteps;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double factor : {1.0, 2.0, 5.0})
        if (factor * power >= raw) return factor * power;
    return 10 * power;
}

// Logical coordinates of the plot for one series and axis.
struct Plot {
    LoadAxis axis;
    int dayCount = 1;
    double dayWidth() const { return double(frame::plotRight - frame::originX) / dayCount; }
    int left(int day) const { return frame::originX + truncated(day * dayWidth()); }
    int centre(int day) const { return frame::originX + truncated((day + 0.5) * dayWidth()); }
    int y(double value) const {
        const double height = frame::originY - frame::plotTop;
        return frame::originY - truncated((value - axis.bottom) * height / (axis.top - axis.bottom));
    }
};

std::string wholeNumber(double value) {
    return std::to_string(truncated(std::round(value)));
}

// Labels such as "-1500" would run past the canvas edge in the diagram font: they get a font just
// small enough for the widest of them.
void selectLabelFont(Canvas& canvas, int room, const std::vector<std::string>& labels) {
    int widest = 0;
    for (const std::string& label : labels) widest = std::max(widest, canvas.textWidth(label));
    if (widest <= room) return;
    platform::Font smaller = canvas.state().font;
    smaller.height = std::max(1, smaller.height * room / widest);
    canvas.setFont(smaller);
}

void drawValueGrid(Canvas& canvas, const Plot& plot, int lineHeight) {
    using namespace frame;
    const LoadAxis& axis = plot.axis;
    const int steps = truncated(std::round((axis.top - axis.bottom) / axis.step));
    std::vector<std::string> labels;
    for (int k = 0; k <= steps; ++k) labels.push_back(wholeNumber(axis.bottom + k * axis.step));
    const platform::Font font = canvas.state().font;
    const int right = originX - lineHeight * 3 / 4;
    selectLabelFont(canvas, right - lineHeight / 4, labels);
    const int half = canvas.textMetrics().lineHeight() / 2;
    SavedDrawingObjects saved(canvas);
    for (int k = 0; k <= steps; ++k) {
        const int y = plot.y(axis.bottom + k * axis.step);
        canvas.setPen({colour::grid, 0, PenStyle::Dotted});
        if (k > 0) canvas.drawLine({originX, y}, {plotRight, y});
        canvas.setPen({colour::black, 0, PenStyle::Solid});
        canvas.drawLine({originX - lineHeight / 2, y}, {originX, y});
        canvas.drawText({right, y - half}, labels[std::size_t(k)], kRightTop);
    }
    canvas.setFont(font);
    canvas.setPen({colour::black, 2, PenStyle::Solid});
    canvas.drawLine({originX, plot.y(0)}, {plotRight, plot.y(0)});
}

void drawPointBars(Canvas& canvas, const LoadSeries& series, const Plot& plot) {
    SavedDrawingObjects saved(canvas);
    canvas.setPen({load_colour::points, 0, PenStyle::None});
    canvas.setBrush(Brush::solid(load_colour::points));
    const int zero = plot.y(0);
    for (int d = 0; d < plot.dayCount; ++d) {
        if (series.days[std::size_t(d)].points <= 0) continue;
        const int left = plot.left(d);
        canvas.drawRectangle({left, plot.y(series.days[std::size_t(d)].points), left + kBarWidth, zero});
    }
}

void drawSeriesLine(Canvas& canvas, const LoadSeries& series, const Plot& plot, platform::Colour colour,
                    double statistics::LoadDay::*value) {
    std::vector<Point> points;
    points.reserve(series.days.size());
    for (int d = 0; d < plot.dayCount; ++d)
        points.push_back({plot.centre(d), plot.y(series.days[std::size_t(d)].*value)});
    SavedDrawingObjects saved(canvas);
    canvas.setPen({colour, kLineWidth, PenStyle::Solid});
    canvas.drawPolyline(points);
}

void drawMarkedDay(Canvas& canvas, const Plot& plot, int day) {
    if (day < 0 || day >= plot.dayCount) return;
    SavedDrawingObjects saved(canvas);
    canvas.setPen({colour::black, 0, PenStyle::Dotted});
    canvas.drawLine({plot.centre(day), frame::plotTop}, {plot.centre(day), frame::originY});
}

void drawTexts(Canvas& canvas, const LoadSeries& series, int planYear) {
    const platform::TextMetrics metrics = canvas.textMetrics();
    canvas.drawText({frame::width / 2, 20}, "Belastungsverlauf " + std::to_string(planYear), kCentredTop);
    canvas.drawText({metrics.averageCharWidth, frame::plotTop - 2 * metrics.height}, "Punkte");
    if (series.unloadedSessions > 0)
        canvas.drawText({frame::plotRight, frame::plotTop - 2 * metrics.height},
                        std::to_string(series.unloadedSessions) + " Trainings ohne Belastung", kRightTop);
    drawCategoryTitle(canvas, kWeeksAxis);
}

}  // namespace

LoadAxis loadAxis(const LoadSeries& series) {
    double low = 0;
    double high = 0;
    for (const statistics::LoadDay& day : series.days) {
        low = std::min({low, day.form, day.points, day.fitness, day.fatigue});
        high = std::max({high, day.form, day.points, day.fitness, day.fatigue});
    }
    if (!std::isfinite(low) || !std::isfinite(high) || high - low <= 0) return {0, 5 * kEmptyYearStep, kEmptyYearStep};
    const double step = niceStep(high - low);
    return {std::floor(low / step) * step, std::ceil(high / step) * step, step};
}

void drawLoadChart(Canvas& canvas, const LoadSeries& series, int planYear, int markedDay) {
    const platform::Font previous = selectDiagramFont(canvas);
    const int lineHeight = canvas.textMetrics().lineHeight();
    const Plot plot{loadAxis(series), std::max(1, int(series.days.size()))};
    drawFrame(canvas, kBarStyle, true);
    drawValueGrid(canvas, plot, lineHeight);
    drawCategoryAxis(canvas, kBarStyle, kWeeksAxis, lineHeight, double(plotWidth(kBarStyle)) / kWeekSlots);
    if (!series.days.empty()) {
        drawPointBars(canvas, series, plot);
        drawSeriesLine(canvas, series, plot, load_colour::fatigue, &statistics::LoadDay::fatigue);
        drawSeriesLine(canvas, series, plot, load_colour::fitness, &statistics::LoadDay::fitness);
        drawSeriesLine(canvas, series, plot, load_colour::form, &statistics::LoadDay::form);
        drawMarkedDay(canvas, plot, markedDay);
    }
    drawTexts(canvas, series, planYear);
    drawLegend(canvas, {{load_colour::points, "Punkte"},
                        {load_colour::fitness, "Fitness"},
                        {load_colour::fatigue, "Ermüdung"},
                        {load_colour::form, "Form"}});
    restoreDiagramFont(canvas, previous);
}

int loadDayAt(const LoadSeries& series, Point logical) {
    using namespace frame;
    if (series.days.empty() || logical.x < originX || logical.x >= plotRight || logical.y < plotTop ||
        logical.y > originY)
        return -1;
    const int count = int(series.days.size());
    return std::min(count - 1, (logical.x - originX) * count / (plotRight - originX));
}

}  // namespace sb::charts
