// The TCX and GPX readers beyond the real files (read in real_files_test): lap totals, local time, other
// prefixes, lap markers, damaged, empty and hostile files.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <ctime>
#include <tuple>

#include "recording_test_data.h"
#include "recordings/activity_recording.h"
#include "recordings/activity_xml.h"
#include "recordings/gpx_reader.h"
#include "recordings/tcx_reader.h"

namespace sb::recordings {
namespace {

using Parser = ActivityReadResult (*)(std::string, RecordingTable&, ActivityInfo&);

// The laps' totals over the samples' (1112.335 s of laps, samples ending at 1112 s) are read in
// real_files_test.
TEST(TcxGpxReader, TakesTheDateInLocalTime) {
    RecordingTable table;
    ActivityInfo info;
    // Central European summer time: 22:00:05 UTC is five seconds past midnight of the next day.
    setenv("TZ", "CET-1CEST,M3.5.0,M10.5.0/3", 1);
    const ActivityReadResult read = readActivityRecording(recordingPath("garmin-extensions.gpx"), table, info);
    setenv("TZ", "UTC", 1);
    tzset();
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(std::tuple(info.format, info.device, info.year, info.month, info.day, info.startHour,
                         info.startMinute, info.startSecond),
              std::tuple("GPX", "Edge 530", 2024, 7, 1, 0, 0, 5));
    EXPECT_FLOAT_EQ(40, info.durationSeconds);
}

TEST(TcxGpxReader, ReadsEveryQuantityOfAPointWhateverItsPrefix) {
    RecordingTable table;
    ActivityInfo info;
    ASSERT_TRUE(readActivityRecording(recordingPath("garmin-extensions.gpx"), table, info).ok);
    const auto row = [&table](std::size_t i) {
        return std::array{table[i][kTimeSlot],  table[i][kHeartRateSlot],   table[i][kCadenceSlot],
                          table[i][kPowerSlot], table[i][kTemperatureSlot], table[i][kAltitudeSlot],
                          table[i][kSpeedSlot]};
    };
    EXPECT_EQ(row(1), (std::array{20.0f, 131.0f, 90.0f, 240.0f, 20.5f, 102.0f, row(1)[6]}));
    // Times in UTC, with an offset, with a fraction and without a zone.
    ASSERT_TRUE(readActivityRecording(recordingPath("positions-only.gpx"), table, info).ok);
    EXPECT_EQ(std::pair(table[1][kTimeSlot], table[2][kTimeSlot]), std::pair(20.0f, 50.5f));

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
    EXPECT_EQ(std::pair(row(0)[3], row(0)[6]), std::pair(250.0f, 36.0f));
    EXPECT_EQ((std::array{row(1)[2], row(1)[5], row(1)[6]}), (std::array{0.0f, 300.0f, 54.0f}));
    EXPECT_EQ(std::pair(info.planSport, info.capabilities), std::pair(1, 64 | 1 | 2 | 4 | 8));
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
