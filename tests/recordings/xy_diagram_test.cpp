// The X-Y diagram on the recording canvas: axis maxima, zone bands behind a pulse curve, the curve's
// mapping and thinning, and recordings with no samples.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "charts/drawing_log.h"
#include "platform/headless/recording_canvas.h"
#include "recordings/xy_diagram.h"

namespace sb::recordings {
namespace {

using platform::headless::CallKind;
using platform::headless::RecordingCanvas;

// A 50-minute ride sampled every 5 s whose pulse peaks at `peak`.
XySeries pulseRide(float peak, int yCode = 135) {
    XySeries series;
    series.yCode = yCode;
    for (int i = 0; i <= 600; ++i) {
        series.x.push_back(float(i * 5));
        series.y.push_back(i == 300 ? peak : 120.0f);
    }
    return series;
}

TEST(XyDiagram, AxisMaximaFollowTheLaddersAndGoOnPastThem) {
    for (auto [code, largest, top] : {std::tuple{129, 3000.0f, 3600.0f}, {129, 3600, 7200}, {129, 57600, 72000},
                                      {130, 0, 25}, {130, 750, 1000}})
        EXPECT_FLOAT_EQ(top, xAxisMaximum(code, largest)) << code << " " << largest;
    for (auto [code, largest, top] : {std::tuple{135, 182.0f, 200.0f}, {135, 175, 200}, {135, 250, 275},
                                      {137, 60.5f, 75}, {138, 200, 300}, {136, 0, 0.1f}, {139, 445, 500},
                                      {140, 7500, 10000}})
        EXPECT_FLOAT_EQ(top, yAxisMaximum(code, largest)) << code << " " << largest;
}

// Compared whole with golden call logs. Pulse over two zones: Ymax 200, 4.2 units per beat, the bands
// span the plot width and the area above 150 stays plain; the last time label would run into "Zeit" and
// is left out; the peak at 1500 s of 3600 lies at x = 80 + 1270 × 1500 / 3600. A zone reaching past the
// top ends there and zones above are left out; other quantities (120 km/h rounds up to 200) and empty
// recordings draw no bands.
TEST(XyDiagram, ZoneBandsStandBehindThePulseCurveOnly) {
    constexpr platform::Colour kZone1 = platform::rgb(200, 230, 255);
    constexpr platform::Colour kZone2 = platform::rgb(255, 220, 180);
    const struct {
        XySeries series;
        std::vector<PulseZone> zones;
        const char* golden;
    } drawings[] = {
        {pulseRide(182), {{0, 130, kZone1}, {131, 150, kZone2}}, "pulse_two_zones"},
        {pulseRide(182), {{0, 130, kZone1}, {131, 250, kZone2}, {251, 300, platform::rgb(1, 2, 3)}},
         "pulse_zone_past_the_top"},
        {pulseRide(40, 137), {{0, 130, kZone1}}, "speed_without_zones"},
        {XySeries{}, {{0, 130, kZone1}}, "empty"},
    };
    for (const auto& [series, zones, golden] : drawings) {
        RecordingCanvas canvas;
        drawXyDiagram(canvas, series, zones);
        charts::testing::expectDrawing(canvas, std::string("charts/xy_") + golden);
    }
}

TEST(XyDiagram, ALongCurveKeepsItsExtremesInAFewPointsPerColumn) {
    XySeries series;
    series.xCode = 130;
    series.yCode = 139;
    for (int i = 0; i < 100000; ++i) {
        series.x.push_back(float(i) * 0.001f);
        series.y.push_back(i == 54321 ? 480.0f : i == 77777 ? -20.0f : float(100 + i % 50));
    }
    RecordingCanvas canvas;
    drawXyDiagram(canvas, series, {});
    const auto& curve = canvas.callsOf(CallKind::Polyline).back()->points;
    EXPECT_LE(curve.size(), 4u * 1271);
    const auto [low, high] =
        std::minmax_element(curve.begin(), curve.end(), [](auto& a, auto& b) { return a.y < b.y; });
    EXPECT_EQ(940 - 806, low->y);          // 480 m of a 500 m axis
    EXPECT_EQ(940, high->y);               // below sea level stays on the axis
    EXPECT_EQ(80 + 1269, curve.back().x);  // 99.999 km of a 100 km axis
}

}  // namespace
}  // namespace sb::recordings
