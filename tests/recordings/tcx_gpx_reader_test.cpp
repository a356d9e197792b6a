// The TCX and GPX readers beyond the files read in real_files_test (lap totals, other prefixes, lap
// markers, damaged and empty files): local time, deep and nonsensical files, the calendar's bounds.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <tuple>

#include "recordings/activity_recording.h"
#include "recordings/activity_xml.h"
#include "recordings/gpx_reader.h"
#include "support/plan_fixtures.h"

namespace sb::recordings {
namespace {

TEST(TcxGpxReader, TakesTheDateInLocalTime) {
    RecordingTable table;
    ActivityInfo info;
    // Central European summer time: 22:00:05 UTC is five seconds past midnight of the next day.
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    const ActivityReadResult read =
        readActivityRecording(sb::testing::goldenPath("recordings/garmin-extensions.gpx"), table, info);
    setenv("TZ", "UTC", 1);
    tzset();
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(std::tuple(info.year, info.month, info.day, info.startHour, info.startMinute, info.startSecond),
              std::tuple(2024, 7, 1, 0, 0, 5));
}

TEST(TcxGpxReader, SurvivesDeepAndNonsensicalFiles) {
    RecordingTable table;
    ActivityInfo info;
    // Values no recording can hold are no values; nesting deeper than any stack reaches no recursion.
    std::string open, close;
    for (int i = 0; i < 200000; ++i) open += "<a>", close += "</a>";
    const std::string gpx =
        "<gpx creator='x'><trk><type>ride</type><trkseg>"
        "<trkpt lat='1e999' lon='nan'><ele>inf</ele><time>2024-02-30T10:00:00Z</time>"
        "<extensions><hr>nan</hr><power>1e300</power><cad>-</cad></extensions></trkpt>"
        "<trkpt lat='0' lon='0'><time>9999-12-31T23:59:60Z</time><extensions>" +
        open + "<hr>120</hr>";
    const std::string end = "</extensions></trkpt></trkseg></trk></gpx>";
    ASSERT_FALSE(parseGpxRecording(gpx + end, table, info).ok);
    ASSERT_TRUE(parseGpxRecording(gpx + close + end, table, info).ok);
    ASSERT_EQ(1u, table.size());
    EXPECT_FLOAT_EQ(120, table[0][kHeartRateSlot]);
    EXPECT_EQ(64 | 1, info.capabilities);
    EXPECT_EQ(10000, info.year);
}

}  // namespace
}  // namespace sb::recordings

TEST(TcxGpxReader, TimesKeepTheGregorianLeapRuleOnBothSidesOfEachBound) {
    const std::pair<const char*, std::optional<double>> rows[] = {
        {"1970-01-01T00:00:00Z", 0.0},
        {"2024-02-29T00:00:00Z", 1709164800.0},
        {"2023-02-29T00:00:00Z", std::nullopt},
        {"2000-02-29T12:00:00+01:00", 951822000.0},
        {"1900-02-29T00:00:00Z", std::nullopt},
        {"2024-12-31T23:59:59Z", 1735689599.0},
        {"2024-13-01T00:00:00Z", std::nullopt},
        {"0001-01-01T00:00:00Z", -62135596800.0},
        {"0000-12-31T00:00:00Z", std::nullopt},
    };
    for (const auto& [text, seconds] : rows) EXPECT_EQ(sb::recordings::isoTimeSeconds(text), seconds) << text;
}
