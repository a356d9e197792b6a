// The recording readers beyond the files read in real_files_test (real files of every kind, odd column
// sets, units and headers, values past their bounds, damaged and empty files): each reader's size bound,
// overlong lines, deep and nonsensical XML, local time and the calendar's bounds, and bike-computer files
// cut or damaged anywhere, which must fail or lose only their incomplete last sample.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <optional>
#include <tuple>

#include "config/profile_file.h"
#include "model/training_year.h"
#include "planfile/plan_file_version.h"
#include "recordings/activity_recording.h"
#include "recordings/activity_xml.h"
#include "recordings/bike_reader.h"
#include "recordings/gpx_reader.h"
#include "recordings/hrm_reader.h"
#include "recordings/loaded_recording.h"
#include "recordings/recording_summary.h"
#include "support/plan_fixtures.h"

namespace sb::recordings {
namespace {

namespace fs = std::filesystem;
using sb::testing::TempDir;
using sb::testing::writeBytes;

TEST(ReaderLimits, ReadsUpToTheBoundAndRefusesTheFirstByteMore) {
    TempDir dir;
    // Sparse files one byte past each reader's bound: refused at once, with the bound named. The
    // settings file at the end stands for both sides of the bound every reader shares. (A heart-rate
    // file must show a section line in its first 64 KiB: made files on both sides are in real_files_test.)
    const struct {
        const char* name;
        std::uint64_t bound;
        const char* message;
    } recordings[] = {
        {"fahrt.dat", kLargestBikeFile, "Die Datei ist größer als 16 MiB; so groß ist keine Aufzeichnung."},
        {"lauf.hrm", kLargestRecordingFile, "Die Datei ist größer als 512 MiB; so groß ist keine Aufzeichnung."},
        {"lauf.fit", kLargestRecordingFile, "Die Datei ist größer als 512 MiB; so groß ist keine Aufzeichnung."},
        {"lauf.gpx", kLargestRecordingFile, "Die Datei ist größer als 512 MiB; so groß ist keine Aufzeichnung."},
    };
    for (const auto& [name, bound, message] : recordings) {
        writeBytes(dir.file(name), "[Params]\r\n");
        fs::resize_file(dir.file(name), bound + 1);
        LoadedRecording recording;
        const RecordingReadResult read = readRecording(sourceOfPath(name), dir.file(name), recording);
        EXPECT_EQ(std::pair(false, std::string(message)), std::pair(read.ok, read.message)) << name;
    }
    writeBytes(dir.file("plan.sb3"), "");
    fs::resize_file(dir.file("plan.sb3"), planfile::kLargestPlanFile + 1);
    model::TrainingYear year;
    EXPECT_FALSE(planfile::readPlanFileOfVersion(3, dir.file("plan.sb3"), year).readable);
    const std::string settings = "[KONFIG]\r\nAUTOLADEN=1\r\n";
    writeBytes(dir.file("train.cfg"), settings);
    fs::resize_file(dir.file("train.cfg"), config::kLargestProfileFile + 1);
    EXPECT_FALSE(config::loadProfileFile(dir.file("train.cfg")).readable);
    fs::resize_file(dir.file("train.cfg"), config::kLargestProfileFile);
    EXPECT_TRUE(config::loadProfileFile(dir.file("train.cfg")).readable);
}

TEST(HrmReader, ReadsLongLinesWholeAndLargeFilesWithoutLimit) {
    std::string data = "[Params]\r\nInterval=1\r\n[HRData]\r\n140" + std::string(400, ' ') + "\t999\r\n";
    for (int i = 0; i < 100000; ++i) data += "150\r\n";
    RecordingTable table;
    PolarRecordingInfo info;
    parsePolarRecording(data, table, info);
    ASSERT_EQ(100001u, table.size());
    EXPECT_FLOAT_EQ(140, table[0][kHeartRateSlot]);
    EXPECT_FLOAT_EQ(100000, table.back()[kTimeSlot]);
}

// The values just past each bound become no signal (their samples are read in real_files_test), and
// the summary's pulse skips them.
TEST(HrmReader, SummariesSkipTheValuesNoMonitorRecords) {
    LoadedRecording recording;
    const std::string path = sb::testing::goldenPath("recordings/made/values-at-their-bounds.hrm");
    ASSERT_TRUE(readRecording(kPolarRecording, path, recording).ok);
    const std::string summary = recordingSummary(recording, {});
    EXPECT_NE(std::string::npos, summary.find("hr_min\t100\nhr_avg\t177.5\nhr_max\t255\n")) << summary;
}

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
    for (const auto& [text, seconds] : rows) EXPECT_EQ(isoTimeSeconds(text), seconds) << text;
}

std::string lap(const std::string& number) {
    std::string block = "\xFE";
    block += std::string("\x01\x00\x00\x00\x02\x00\x00\x00\x03\x00\x04", 11);
    block += (number + std::string(7, '\0')).substr(0, 7);
    return block;
}

// Header with cadence and two laps, circumference 2.1 m, 95.5 minutes, then the samples.
std::string bikeFile(const std::string& samples) {
    std::string bytes = "\x01\xFD" "Cadenz=1";
    bytes += lap("12.5") + "\x07" + lap("3") + "\xFF";
    bytes += "2.1R7S95.5PMorgenrunde \xFC" "ber den Berg//";
    return bytes + samples;
}

TEST(BikeReader, RejectsDamagedHeadersAndKeepsThePreviousRecording) {
    RecordingTable table(4);
    BikeRecordingInfo info;
    info.remark = "vorher";
    std::string wrongMark = bikeFile("");
    wrongMark.replace(wrongMark.find("Cadenz=1"), 8, "Cadenz=0");
    EXPECT_FALSE(parseBikeRecording(wrongMark, "070615.dat", table, info));
    std::string noSlash = bikeFile("");
    noSlash.erase(noSlash.rfind('/'), 1);
    noSlash += "X";
    EXPECT_FALSE(parseBikeRecording(noSlash, "070615.dat", table, info));
    EXPECT_EQ(std::tuple(table.size(), info.remark), std::tuple(4u, "vorher"));
}

TEST(BikeReader, AFileCutAtEveryByteFailsOrLosesSamples) {
    const std::string bytes = bikeFile(std::string("\x82\x0A\x5A\x84\x0A\x5B\x85\x0B\x5C", 9));
    const std::size_t header = bytes.size() - 9;
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        RecordingTable table;
        BikeRecordingInfo info;
        const bool read = parseBikeRecording(bytes.substr(0, cut), "070615.dat", table, info);
        EXPECT_EQ(cut >= header, read) << cut;
        if (read) {
            EXPECT_EQ((cut - header) / 3, table.size()) << cut;
        }
    }
}

TEST(BikeReader, BoundsRemarkAndLapsButReadsEverySample) {
    std::string bytes = "\xFD" "Cadenz=1";
    for (int i = 0; i < 1000; ++i) bytes += lap("1");
    bytes += "\xFF" "2.1R0S60P" + std::string(10000, 'x') + "//";
    for (int i = 0; i < 20000; ++i) bytes += std::string("\x80\x05\x50", 3);
    RecordingTable table;
    BikeRecordingInfo info;
    ASSERT_TRUE(parseBikeRecording(bytes, "070615.dat", table, info));
    EXPECT_EQ(std::tuple(info.lapCount, info.laps.size(), info.remark.size(), table.size()),
              std::tuple(1000, kKeptLaps, kRemarkLength, 20000u));
    EXPECT_NEAR(20000 * 5 * 2.1 * 0.001, table.back()[kDistanceSlot], 1e-3);
}

}  // namespace
}  // namespace sb::recordings
