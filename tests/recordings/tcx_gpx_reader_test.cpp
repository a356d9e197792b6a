// The TCX and GPX readers against real TCX files and small GPX files of each extension form, and against
// what else a user might open: other prefixes, lap markers, damaged, empty and hostile files.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <ctime>

#include "recording_test_data.h"
#include "recordings/activity_recording.h"
#include "recordings/activity_xml.h"
#include "recordings/gpx_reader.h"
#include "recordings/tcx_reader.h"

namespace sb::recordings {
namespace {

using Reader = ActivityReadResult (*)(const std::string&, RecordingTable&, ActivityInfo&);
using Parser = ActivityReadResult (*)(std::string, RecordingTable&, ActivityInfo&);

struct Expected {
    const char* file;
    Reader read;
    std::size_t samples;
    float heartRateMin, heartRateMax;  // of the samples with a signal; 0 when none has one
    float speedMax;                    // km/h
    float lastKm;
    float altitudeMin, altitudeMax;  // m
    const char* sport;
    int planSport;
    int bits;
};

// Counted from the files independently: trackpoints with a measurement, their extremes, the speed
// between points where the file states none, distance along the positions where it keeps none.
const Expected kFiles[] = {
    {"vkurup_python-tcxparser_test.tcx", readActivityRecording, 383, 60, 189, 16.4503f, 4.68631f, 157.7936f,
     215.9532f, "Running", 2, 64 | 1 | 4},
    {"vkurup_python-tcxparser_no_hr.tcx", readActivityRecording, 383, 0, 0, 16.4503f, 4.68631f, 157.7936f,
     215.9532f, "Running", 2, 64 | 1 | 4},
    {"vkurup_python-tcxparser_sup_activity_1.tcx", readActivityRecording, 111, 76, 106, 5.0796f, 1.15751f, 0, 0,
     "Other", 3, 64 | 1},
    {"garmin-extensions.gpx", readActivityRecording, 3, 118, 131, 20.0151f, 0.222390f, 99.6f, 102, "cycling", 1,
     64 | 1 | 2 | 4 | 8 | 256},
    {"cluetrust-extensions.gpx", readActivityRecording, 3, 142, 155, 12.6f, 0.245f, 0, 0, "running", 2,
     64 | 1 | 2 | 256},
    {"positions-only.gpx", readActivityRecording, 3, 0, 0, 26.2494f, 0.333585f, 0, 0, "", 0, 64 | 1},
};

float extreme(const RecordingTable& table, int slot, bool lowest) {
    float best = lowest ? 1e9f : 0;
    for (const RecordingSample& sample : table)
        if (slot != kHeartRateSlot || sample[slot] > 0)
            best = lowest ? std::min(best, sample[slot]) : std::max(best, sample[slot]);
    return best == 1e9f ? 0 : best;
}

TEST(TcxGpxReader, ReadsEveryFileWithTheValuesTheUserSees) {
    for (const Expected& expected : kFiles) {
        SCOPED_TRACE(expected.file);
        RecordingTable table;
        ActivityInfo info;
        const ActivityReadResult result = expected.read(recordingPath(expected.file), table, info);
        ASSERT_TRUE(result.ok) << result.message;
        ASSERT_EQ(expected.samples, table.size());
        EXPECT_FLOAT_EQ(0, table[0][kTimeSlot]);
        EXPECT_FLOAT_EQ(expected.heartRateMin, extreme(table, kHeartRateSlot, true));
        EXPECT_FLOAT_EQ(expected.heartRateMax, extreme(table, kHeartRateSlot, false));
        EXPECT_NEAR(expected.speedMax, extreme(table, kSpeedSlot, false), 1e-3);
        EXPECT_NEAR(expected.lastKm, table.back()[kDistanceSlot], 1e-5);
        EXPECT_NEAR(expected.altitudeMin, extreme(table, kAltitudeSlot, true), 1e-3);
        EXPECT_NEAR(expected.altitudeMax, extreme(table, kAltitudeSlot, false), 1e-3);
        EXPECT_EQ(expected.sport, info.sport);
        EXPECT_EQ(expected.planSport, info.planSport);
        EXPECT_EQ(expected.bits, info.capabilities);
    }
}

TEST(TcxGpxReader, TakesDurationAndDistanceFromTheLapsAndTheDateInLocalTime) {
    RecordingTable table;
    ActivityInfo info;
    ASSERT_TRUE(
        readActivityRecording(recordingPath("vkurup_python-tcxparser_sup_activity_1.tcx"), table, info).ok);
    EXPECT_EQ("TCX", info.format);
    EXPECT_EQ("vívoactive HR", info.device);
    EXPECT_NEAR(966.796 + 145.539, info.durationSeconds, 1e-6);  // the samples end at 1112 s
    EXPECT_NEAR(1.15751, info.distanceKm, 1e-9);
    EXPECT_EQ(2022, info.year);
    EXPECT_EQ(16, info.startHour);

    // Central European summer time: 22:00:05 UTC is five seconds past midnight of the next day.
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    const ActivityReadResult read = readActivityRecording(recordingPath("garmin-extensions.gpx"), table, info);
    setenv("TZ", "UTC", 1);
    tzset();
    ASSERT_TRUE(read.ok);
    EXPECT_EQ("GPX", info.format);
    EXPECT_EQ("Edge 530", info.device);
    EXPECT_EQ(2024, info.year);
    EXPECT_EQ(7, info.month);
    EXPECT_EQ(1, info.day);
    EXPECT_EQ(0, info.startHour);
    EXPECT_EQ(0, info.startMinute);
    EXPECT_EQ(5, info.startSecond);
    EXPECT_FLOAT_EQ(40, info.durationSeconds);
}

TEST(TcxGpxReader, ReadsEveryQuantityOfAPointWhateverItsPrefix) {
    RecordingTable table;
    ActivityInfo info;
    ASSERT_TRUE(readActivityRecording(recordingPath("garmin-extensions.gpx"), table, info).ok);
    EXPECT_FLOAT_EQ(20, table[1][kTimeSlot]);
    EXPECT_FLOAT_EQ(131, table[1][kHeartRateSlot]);
    EXPECT_FLOAT_EQ(90, table[1][kCadenceSlot]);
    EXPECT_FLOAT_EQ(240, table[1][kPowerSlot]);
    EXPECT_FLOAT_EQ(20.5f, table[1][kTemperatureSlot]);
    EXPECT_FLOAT_EQ(102, table[1][kAltitudeSlot]);
    // Times in UTC, with an offset, with a fraction and without a zone.
    ASSERT_TRUE(readActivityRecording(recordingPath("positions-only.gpx"), table, info).ok);
    EXPECT_FLOAT_EQ(20, table[1][kTimeSlot]);
    EXPECT_FLOAT_EQ(50.5f, table[2][kTimeSlot]);

    // Another prefix for the extensions; a point without altitude keeps the last one; the end-of-lap
    // marker holding only a time is no sample; without lap totals the samples give the duration.
    const char* tcx =
        "<TrainingCenterDatabase xmlns:x='urn:ext'><Activities><Activity Sport='Biking'><Lap><Track>"
        "<Trackpoint><Time>2024-01-01T08:00:00Z</Time><AltitudeMeters>300</AltitudeMeters>"
        "<DistanceMeters>0</DistanceMeters><Cadence>80</Cadence>"
        "<Extensions><x:TPX><x:Speed>10</x:Speed><x:Watts>250</x:Watts></x:TPX></Extensions></Trackpoint>"
        "<Trackpoint><Time>2024-01-01T08:00:10Z</Time><DistanceMeters>150</DistanceMeters></Trackpoint>"
        "<Trackpoint><Time>2024-01-01T08:00:11Z</Time></Trackpoint></Track></Lap></Activity></Activities>"
        "</TrainingCenterDatabase>";
    ASSERT_TRUE(parseTcxRecording(tcx, table, info).ok);
    ASSERT_EQ(2u, table.size());
    EXPECT_FLOAT_EQ(36, table[0][kSpeedSlot]);
    EXPECT_FLOAT_EQ(250, table[0][kPowerSlot]);
    EXPECT_FLOAT_EQ(54, table[1][kSpeedSlot]);
    EXPECT_FLOAT_EQ(300, table[1][kAltitudeSlot]);
    EXPECT_FLOAT_EQ(0, table[1][kCadenceSlot]);
    EXPECT_EQ(1, info.planSport);
    EXPECT_EQ(64 | 1 | 2 | 4 | 8, info.capabilities);
    EXPECT_FLOAT_EQ(10, info.durationSeconds);
    EXPECT_FLOAT_EQ(0.15f, info.distanceKm);
}

TEST(TcxGpxReader, RefusesFilesWithoutARecordingAndLeavesTheTableAlone) {
    const char* kGpxEmpty = "Die GPX-Datei enthält keine Aufzeichnung.";
    const char* kGpxDamaged = "Die GPX-Datei ist beschädigt (kein gültiges XML).";
    const char* kTcxEmpty = "Die TCX-Datei enthält keine Aufzeichnung.";
    const std::string gpxPoint = "<gpx><trk><trkseg><trkpt lat='1' lon='2'";
    const struct {
        Parser parse;
        std::string bytes;
        const char* message;
    } kCases[] = {
        {parseGpxRecording, "", kGpxEmpty},
        {parseGpxRecording, gpxPoint, kGpxDamaged},
        {parseGpxRecording, gpxPoint + "/></trk></gpx>", kGpxDamaged},
        {parseGpxRecording, "<gpx><trk><trkseg><trkpt lat='95' lon='0'/></trkseg></trk></gpx>", kGpxEmpty},
        {parseGpxRecording, std::string("\xFF\xD8\x00\x10JFIF\x00", 10), kGpxEmpty},
        {parseTcxRecording, gpxPoint + "/></trkseg></trk></gpx>", kTcxEmpty},
        {parseTcxRecording,
         "<T><Activities><Activity><Lap><Track><Trackpoint><Time>2024-01-01T08:00:00Z</Time>"
         "</Trackpoint></Track></Lap></Activity></Activities></T>",
         kTcxEmpty},
    };
    RecordingTable table(4);
    ActivityInfo info;
    info.device = "Uhr";
    for (const auto& test : kCases) {
        SCOPED_TRACE(test.bytes);
        const ActivityReadResult result = test.parse(test.bytes, table, info);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(test.message, result.message);
    }
    EXPECT_EQ(kCannotOpenRecording,
              readActivityRecording(recordingPath("missing.gpx"), table, info).message);
    EXPECT_EQ(4u, table.size());
    EXPECT_EQ("Uhr", info.device);
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
