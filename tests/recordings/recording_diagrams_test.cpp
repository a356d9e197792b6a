// The X-Y diagram on the recording canvas (axis maxima, zone bands behind a pulse curve, the curve's
// mapping and thinning, recordings with no samples), the zone statistics and the dialogs of a
// recording, driven as a user does: the zone evaluation with its bar and pie, and the two info dialogs.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "charts/drawing_log.h"
#include "platform/headless/headless_services.h"
#include "platform/headless/recording_canvas.h"
#include "recordings/loaded_recording.h"
#include "recordings/recording_info_dialogs.h"
#include "recordings/xy_diagram.h"
#include "recordings/zone_charts.h"
#include "recordings/zone_dialog.h"
#include "support/plan_fixtures.h"

namespace sb::recordings {
namespace {

using platform::headless::CallKind;
using platform::headless::HeadlessDialogHost;
using platform::headless::HeadlessServices;
using platform::headless::RecordingCanvas;
using sb::testing::goldenPath;
namespace id = zone_dialog;

config::PulseZones twoZones() {
    config::PulseZones zones;
    zones.count = 2;
    zones.upper = {130, 150, 170, 180, 190, 150};
    zones.lower = {0, 131, 151, 171, 181, 191};
    zones.colours = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF};
    return zones;
}

TEST(ZoneStatistics, CountsEachIntervalForTheFirstZoneHoldingTheLaterSample) {
    const std::vector<float> x{0, 10, 20, 35, 40, 60};
    const std::vector<float> y{200, 131, 130, 150, 151, 0};
    const ZoneStatistics statistics = computeZoneStatistics(x, y, pulseZonesOf(twoZones()));
    // Zone 1 holds 130 (the 0 at the end is no signal, not rest), zone 2 131 and 150; 151 counts nowhere.
    EXPECT_EQ(std::vector<float>(statistics.times.begin(), statistics.times.begin() + 3),
              (std::vector<float>{10, 25, 0}));
    EXPECT_NEAR(100.0 * 10 / 35, statistics.percentages[0], 1e-4);
    EXPECT_NEAR(100.0 * 25 / 35, statistics.percentages[1], 1e-4);
    EXPECT_FLOAT_EQ(0, computeZoneStatistics(x, y, {}).percentages[0]);
}

TEST(ZoneDialog, ShowsTimesSharesRangesAndOpensBarAndPie) {
    HeadlessServices services;
    ZoneStatistics statistics;
    statistics.times = {30, 90, 0, 0, 0};
    statistics.percentages = {25, 75, 0, 0, 0};
    services.scriptDialog("DIAGRAMM_X_Y_BEREICH", [](HeadlessDialogHost& dialog) {
        EXPECT_EQ("Bereich", dialog.caption());
        for (auto [field, text] : {std::pair{id::firstLabel + 1, "Bereich 2 :"}, {id::firstTime + 1, "0:01:30"},
                                   {id::firstPercentage + 1, "75.0"}, {id::firstRange + 1, "(131 - 150)"}})
            EXPECT_EQ(text, dialog.text(field)) << field;
        EXPECT_FALSE(dialog.isVisible(id::noZonesNote));
        EXPECT_EQ(0x00FF00u, dialog.swatchColour(id::firstSwatch + 1));
        EXPECT_TRUE(dialog.isEnabled(id::firstTime + 1));
        EXPECT_FALSE(dialog.isEnabled(id::firstTime + 2));
        EXPECT_FALSE(dialog.isEnabled(id::firstSwatch + 4));
        dialog.press(id::barButton);
        dialog.press(id::pieButton);
        dialog.press(id::okButton);
    });
    RecordingCanvas bar, pie;
    services.scriptDialog("DIAGRAMM_X_Y_TORTE", [&](HeadlessDialogHost& dialog) {
        EXPECT_EQ("Balken", dialog.caption());
        bar = dialog.paint(zone_chart_dialog::chart);
        dialog.press(zone_chart_dialog::okButton);
    });
    services.scriptDialog("DIAGRAMM_X_Y_TORTE", [&](HeadlessDialogHost& dialog) {
        EXPECT_EQ("Torte", dialog.caption());
        pie = dialog.paint(zone_chart_dialog::chart);
        dialog.press(zone_chart_dialog::okButton);
    });
    EXPECT_FALSE(showZoneEvaluation(services, twoZones(), statistics, true));
    EXPECT_TRUE(services.unexpected().empty()) << services.unexpected().front();

    // A 368 × 288 frame: a bar 73 wide from x 148; 1 % is 2.592 high, the stack starts 14.4 up. Each
    // slice of the pie names its zone and share in its middle: zone 1 up left, zone 2 down right.
    charts::testing::expectDrawing(bar, "charts/zone_bar_25_75");
    charts::testing::expectDrawing(pie, "charts/zone_pie_25_75");
}

TEST(ZoneDialog, WithoutZonesSaysSoAndLeadsToTheirPageWhereItExists) {
    struct Case {
        bool pageExists;
        bool fromChart;  // the button of the bar chart rather than of the evaluation
    };
    for (const Case c : {Case{true, false}, Case{true, true}, Case{false, true}}) {
        HeadlessServices services;
        ZoneStatistics statistics;
        config::PulseZones none = twoZones();
        none.count = 0;
        services.scriptDialog("DIAGRAMM_X_Y_BEREICH", [&](HeadlessDialogHost& dialog) {
            EXPECT_TRUE(dialog.isVisible(id::noZonesNote));
            EXPECT_EQ(c.pageExists, dialog.isVisible(id::setUpButton));
            dialog.press(c.fromChart ? id::barButton : id::setUpButton);
            if (!dialog.ended()) dialog.press(id::okButton);
        });
        if (c.fromChart) {
            services.scriptDialog("DIAGRAMM_X_Y_TORTE", [&](HeadlessDialogHost& dialog) {
                EXPECT_TRUE(dialog.isVisible(zone_chart_dialog::noZonesNote));
                EXPECT_EQ(c.pageExists, dialog.isVisible(zone_chart_dialog::setUpButton));
                dialog.press(c.pageExists ? zone_chart_dialog::setUpButton : zone_chart_dialog::okButton);
            });
        }
        EXPECT_EQ(c.pageExists, showZoneEvaluation(services, none, statistics, c.pageExists));
        EXPECT_TRUE(services.unexpected().empty()) << services.unexpected().front();
    }
    for (auto [seconds, shown] : {std::pair{0.49, "0:00:00"}, {0.5, "0:00:01"}, {3599.49, "0:59:59"},
                                  {3599.5, "1:00:00"}, {100000.0, "27:46:40"}, {-3.0, "0:00:00"}})
        EXPECT_EQ(shown, formatZoneTime(seconds)) << seconds;
}

TEST(InfoDialogs, ShowTheRecordingsHeaders) {
    HeadlessServices services;
    LoadedRecording tour;  // a ride in US units
    ASSERT_TRUE(readRecording(kPolarRecording,
                              goldenPath("recordings/ssaring_sportstracker_cycling-english.hrm"), tour)
                    .ok);
    services.scriptDialog("DIAGRAMM_INFO_POLAR", [](HeadlessDialogHost& dialog) {
        EXPECT_EQ("Info", dialog.caption());
        for (auto [id, text] : {std::pair{info_dialog::fileName, "tour.hrm"},
                                {info_dialog::day, "20"},
                                {info_dialog::year, "2002"},
                                {info_dialog::minutes, "10"},
                                {info_dialog::lengthMinutes, "51"},
                                {info_dialog::model, "S710/720i"},
                                {info_dialog::units, "US (mph, ft), umgerechnet in km/h und m"}})
            EXPECT_EQ(text, dialog.text(id)) << id;
        dialog.press(info_dialog::okButton);
    });
    showPolarInfo(services, "tour.hrm", tour.polar);

    LoadedRecording ride;  // its remark in Windows-1252
    ASSERT_TRUE(readRecording(kBikeRecording, goldenPath("recordings/made/070615a.dat"), ride).ok);
    ride.bike.wheelCircumference = 2.096f;
    services.scriptDialog("DIAGRAMM_INFO_RADCOMPUTER", [](HeadlessDialogHost& dialog) {
        for (auto [id, text] : {std::pair{info_dialog::hours, "01"},
                                {info_dialog::remark, "Morgenrunde über den Berg"},
                                {info_dialog::circumference, "2.10"},
                                {info_dialog::laps, "2"}})
            EXPECT_EQ(text, dialog.text(id)) << id;
        dialog.press(info_dialog::okButton);
    });
    showBikeInfo(services, "070615a.dat", ride.bike);
    EXPECT_TRUE(services.unexpected().empty()) << services.unexpected().front();
}

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
