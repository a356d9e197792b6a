// Bar and pie of the zone shares. Zones without time draw nothing, so no empty sliver or stray line
// appears in a colour the legend does not explain.
#include "recordings/zone_charts.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "fileio/c_numbers.h"

namespace sb::recordings {

namespace {

using platform::Canvas;
using platform::ControlKind;
namespace id = zone_chart_dialog;

// The bar stands in the middle fifth of the width and grows upwards from 5 % of the height; 100 %
// fill 90 % of the height. Each share is labelled to the right of its segment.
constexpr double kBarWidthShare = 0.2;
constexpr double kBarBaseShare = 0.05;
constexpr double kPercentHeightShare = 0.009;
constexpr double kLabelOffset = 1.25;
constexpr double kPieRadiusShare = 0.9;
constexpr double kPieStartDegrees = 90;
constexpr double kDegreesPerPercent = 3.6;
constexpr double kPieLabelRadiusShare = 0.6;

}  // namespace

std::string formatZoneTime(double seconds) {
    const long total = seconds > 0 ? std::lround(seconds) : 0;
    char text[32];
    std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
    return text;
}

void drawZoneBar(Canvas& canvas, platform::Size size, const ZoneStatistics& statistics,
                 const ZoneColours& colours) {
    const int barWidth = int(kBarWidthShare * size.width);
    const int left = size.width / 2 - barWidth / 2;
    const double unit = kPercentHeightShare * size.height;
    const int lineHeight = canvas.textMetrics().lineHeight();
    double offset = kBarBaseShare * size.height;
    for (std::size_t k = 0; k < colours.size(); ++k) {
        const double segment = statistics.percentages[k] * unit;
        if (statistics.percentages[k] == 0) continue;
        const int bottom = size.height - int(offset);
        const int top = size.height - int(offset + segment);
        canvas.setBrush(platform::Brush::solid(colours[k]));
        canvas.drawRectangle({left, top, left + barWidth, bottom});
        const int middle = (top + bottom) / 2;
        canvas.drawText({left + int(kLabelOffset * barWidth), middle - lineHeight / 2},
                        fileio::formatFixed(statistics.percentages[k], 1) + " %");
        offset += segment;
    }
}

void drawZonePie(Canvas& canvas, platform::Size size, const ZoneStatistics& statistics,
                 const ZoneColours& colours) {
    const int radius = int(kPieRadiusShare * std::min(size.width / 2, size.height / 2));
    const platform::Point centre{size.width / 2, size.height / 2};
    const platform::Rect bounds{centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius};
    double start = kPieStartDegrees;
    for (std::size_t k = 0; k < colours.size(); ++k) {
        const double sweep = statistics.percentages[k] * kDegreesPerPercent;
        if (sweep == 0) continue;
        canvas.setBrush(platform::Brush::solid(colours[k]));
        canvas.drawPie(bounds, start, sweep);
        start += sweep;
    }
    // The labels go on top of all slices, each in the middle of its own, so no slice covers one.
    start = kPieStartDegrees;
    const platform::TextAlign centred{platform::HAlign::Centre, platform::VAlign::Bottom};
    for (std::size_t k = 0; k < colours.size(); ++k) {
        const double sweep = statistics.percentages[k] * kDegreesPerPercent;
        if (sweep == 0) continue;
        const double middle = (start + sweep / 2) * std::numbers::pi / 180;
        const double labelRadius = kPieLabelRadiusShare * radius;
        const platform::Point at{centre.x + int(std::lround(labelRadius * std::cos(middle))),
                                 centre.y - int(std::lround(labelRadius * std::sin(middle)))};
        canvas.drawText(at, "Bereich " + std::to_string(k + 1), centred);
        canvas.drawText(at, fileio::formatFixed(statistics.percentages[k], 1) + " %", {platform::HAlign::Centre});
        start += sweep;
    }
}

const platform::DialogTemplate& zoneChartTemplate() {
    static const platform::DialogTemplate dialog{
        "DIAGRAMM_X_Y_TORTE",
        "Auswertung",
        200,
        180,
        {
            {id::chart, ControlKind::Canvas, "", {8, 8, 184, 144}},
            {id::noZonesNote, ControlKind::Static, kNoZonesNote, {12, 12, 176, 20},
             platform::MultiLine | platform::Hidden},
            {id::setUpButton, ControlKind::Button, "&Einstellen...", {12, 34, 60, 14},
             platform::TabStop | platform::Hidden},
            {id::okButton, ControlKind::DefaultButton, "&OK", {75, 158, 50, 14}, platform::TabStop},
        }};
    return dialog;
}

void ZoneChartProcedure::init(platform::DialogHost& host) {
    host.setCaption(chart_ == ZoneChart::Bar ? "Balken" : "Torte");
    host.show(id::noZonesNote, noZones_);
    host.show(id::setUpButton, zonesCanBeSetUp_);
}

void ZoneChartProcedure::command(platform::DialogHost& host, int control,
                                 platform::Notification notification) {
    if (notification != platform::Notification::Clicked) return;
    if (control == id::okButton) host.end(platform::dialogOk);
    if (control == id::setUpButton) host.end(kSetUpZones);
}

void ZoneChartProcedure::paint(platform::DialogHost& host, int control, Canvas& canvas) {
    if (control != id::chart) return;
    const platform::Size size = host.clientSize(id::chart);
    if (chart_ == ZoneChart::Bar)
        drawZoneBar(canvas, size, statistics_, colours_);
    else
        drawZonePie(canvas, size, statistics_, colours_);
}

}  // namespace sb::recordings
