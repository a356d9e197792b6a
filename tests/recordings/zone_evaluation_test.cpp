// The zone statistics and the dialogs of a recording, driven as a user does: the zone evaluation with
// its bar and pie, and the two info dialogs.
#include <gtest/gtest.h>

#include "charts/drawing_log.h"
#include "platform/headless/headless_services.h"
#include "recordings/loaded_recording.h"
#include "recordings/recording_info_dialogs.h"
#include "recordings/zone_charts.h"
#include "recordings/zone_dialog.h"
#include "support/plan_fixtures.h"

namespace sb::recordings {
namespace {

using platform::headless::HeadlessDialogHost;
using platform::headless::HeadlessServices;
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
    platform::headless::RecordingCanvas bar, pie;
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

}  // namespace
}  // namespace sb::recordings
