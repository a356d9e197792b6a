// The X-Y diagram on the recording canvas: axis maxima, zone bands behind a pulse curve, the curve's
// mapping and thinning, and recordings with no samples.
#include <gtest/gtest.h>

#include <algorithm>

#include "charts/chart_frame.h"
#include "platform/headless/recording_canvas.h"
#include "recordings/xy_diagram.h"

namespace sb::recordings {
namespace {

using platform::Rect;
using platform::headless::CallKind;
using platform::headless::RecordingCanvas;

constexpr platform::Colour kZone1 = platform::rgb(200, 230, 255);
constexpr platform::Colour kZone2 = platform::rgb(255, 220, 180);

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

std::vector<Rect> rectanglesFilledWith(const RecordingCanvas& canvas, platform::Colour colour) {
    std::vector<Rect> rects;
    for (const auto* call : canvas.filledWith(colour)) rects.push_back(call->rect());
    return rects;
}

TEST(XyDiagram, AxisMaximaFollowTheLaddersAndGoOnPastThem) {
    EXPECT_FLOAT_EQ(3600, xAxisMaximum(129, 3000));
    EXPECT_FLOAT_EQ(7200, xAxisMaximum(129, 3600));
    EXPECT_FLOAT_EQ(72000, xAxisMaximum(129, 57600));
    EXPECT_FLOAT_EQ(25, xAxisMaximum(130, 0));
    EXPECT_FLOAT_EQ(1000, xAxisMaximum(130, 750));
    EXPECT_FLOAT_EQ(200, yAxisMaximum(135, 182));
    EXPECT_FLOAT_EQ(200, yAxisMaximum(135, 175));
    EXPECT_FLOAT_EQ(275, yAxisMaximum(135, 250));
    EXPECT_FLOAT_EQ(75, yAxisMaximum(137, 60.5f));
    EXPECT_FLOAT_EQ(300, yAxisMaximum(138, 200));
    EXPECT_FLOAT_EQ(0.1f, yAxisMaximum(136, 0));
    EXPECT_FLOAT_EQ(500, yAxisMaximum(139, 445));
    EXPECT_FLOAT_EQ(10000, yAxisMaximum(140, 7500));
}

TEST(XyDiagram, PulseCurveOverTwoZoneBandsWithItsAxes) {
    RecordingCanvas canvas;
    drawXyDiagram(canvas, pulseRide(182), {{0, 130, kZone1}, {131, 150, kZone2}});
    // Ymax 200: 4.2 units per beat; the bands span the plot width, the area above 150 stays plain.
    EXPECT_EQ((std::vector<Rect>{Rect{80, 394, 1350, 940}}), rectanglesFilledWith(canvas, kZone1));
    EXPECT_EQ((std::vector<Rect>{Rect{80, 310, 1350, 394}}), rectanglesFilledWith(canvas, kZone2));
    EXPECT_TRUE(canvas.filledWith(charts::colour::plotBackground).empty());
    for (const char* label : {"200", "40", "0:00", "0:15", "0:45", "Puls", "bpm", "Zeit"})
        EXPECT_NE(nullptr, canvas.findText(label)) << label;
    EXPECT_EQ(nullptr, canvas.findText("1:00"));  // the last label would run into "Zeit"
    const auto polylines = canvas.callsOf(CallKind::Polyline);
    ASSERT_FALSE(polylines.empty());
    const auto& curve = polylines.back()->points;
    EXPECT_EQ((platform::Point{80, 940 - 504}), curve.front());
    // The peak at 1500 s of 3600: x = 80 + 1270 × 1500 / 3600.
    EXPECT_NE(curve.end(), std::find(curve.begin(), curve.end(), platform::Point{609, 940 - 764}));
}

// A zone reaching past the top ends there and zones above are left out; other quantities and empty
// recordings draw no bands.
TEST(XyDiagram, BandsStopAtTheTopAndOnlyPulseHasThem) {
    RecordingCanvas canvas;
    drawXyDiagram(canvas, pulseRide(182),
                  {{0, 130, kZone1}, {131, 250, kZone2}, {251, 300, platform::rgb(1, 2, 3)}});
    EXPECT_EQ((std::vector<Rect>{Rect{80, 100, 1350, 394}}), rectanglesFilledWith(canvas, kZone2));
    EXPECT_TRUE(canvas.filledWith(platform::rgb(1, 2, 3)).empty());

    RecordingCanvas speed;
    drawXyDiagram(speed, pulseRide(40, 137), {{0, 130, kZone1}});
    EXPECT_TRUE(speed.filledWith(kZone1).empty());
    EXPECT_EQ(1u, speed.filledWith(charts::colour::plotBackground).size());
    for (const char* label : {"Radgeschwindigkeit", "km/h", "200"})  // 120 km/h rounds up to 200
        EXPECT_NE(nullptr, speed.findText(label)) << label;

    RecordingCanvas empty;
    drawXyDiagram(empty, XySeries{}, {{0, 130, kZone1}});
    EXPECT_TRUE(empty.callsOf(CallKind::Polyline).empty());
    EXPECT_TRUE(empty.filledWith(kZone1).empty());
    EXPECT_NE(nullptr, empty.findText("0:45"));
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
