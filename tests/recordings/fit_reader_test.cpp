// The FIT reader against the files of real watches and bike computers, against small files built here
// for what no real file shows (big-endian messages, compressed timestamps, developer fields, chained
// files), and against damaged and cut files, which must show nothing or only their whole messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "fileio/file_bytes.h"
#include "model/training_year.h"
#include "recording_test_data.h"
#include "recordings/fit_messages.h"
#include "recordings/activity_recording.h"
#include "recordings/fit_reader.h"

namespace sb::recordings {
namespace {

struct Expected {
    const char* file;
    std::size_t records;
    float heartRateMin, heartRateMax;
    float speedMax;  // km/h
    float lastKm;
    float altitudeMin, altitudeMax;  // m
    int bits;                        // what the axis menus offer
    const char* sport;
    int planSport;
    const char* start;  // local date and time (the computer's zone is UTC here)
};

// Counts as the files' sources give them; maximum speed and heart rate agree with the maxima the
// devices wrote into their session messages, the last distance with their session totals.
const Expected kFiles[] = {
    {"2013-02-06-12-11-14.fit", 590, 73, 171, 18.799f, 4.8354f, 275.6f, 438.8f, 69, "running", model::kRun,
     "06.02.2013 12:11:14"},
    {"2019-02-17-062644-ELEMNT-297E-195-0.fit", 13471, 66, 170, 39.427f, 78.9382f, 7.6f, 103, 335, "cycling",
     model::kBike, "17.02.2019 14:26:44"},
    {"Edge810-Vector-2013-08-16-15-35-10.fit", 4700, 72, 176, 57.953f, 41.3375f, 72, 190.8f, 335, "cycling",
     model::kBike, "16.08.2013 18:05:10"},
    {"activity-large-fenxi2-multisport.fit", 24239, 89, 172, 61.02f, 69.8305f, -34, 721.2f, 327, "multisport",
     model::kOther, "29.08.2015 10:00:01"},
    {"activity-small-fenix2-run.fit", 2809, 69, 178, 21.456f, 9.0071f, 35.8f, 142.4f, 327, "running",
     model::kRun, "15.08.2015 16:45:08"},
    {"compressed-speed-distance.fit", 755, 93, 189, 15.408f, 10.2487f, 0, 0, 67, "running", model::kRun,
     "13.02.2012 11:16:16"},
    {"coros-pace-2-cycling-misaligned-fields.fit", 11272, 80, 168, 35.41f, 32.1439f, 2025, 3005, 69,
     "cycling", model::kBike, "25.10.2020 11:10:19"},
    {"developer-types-sample.fit", 3424, 94, 146, 9.162f, 6.754f, 91.2f, 108.8f, 79, "running", model::kRun,
     "17.01.2017 17:06:47"},
    {"garmin-edge-820-bike.fit", 15, 101, 121, 25.898f, 0.4571f, -17.8f, -17.2f, 327, "cycling", model::kBike,
     "12.06.2017 09:10:15"},
    {"garmin-fenix-5-run.fit", 21, 56, 112, 12.161f, 0.1576f, 2, 5.4f, 327, "running", model::kRun,
     "11.06.2017 07:34:09"},
    {"garmin-fenix-5-walk.fit", 17, 66, 82, 5.778f, 0.0679f, -0.8f, 0.8f, 327, "walking", model::kOther,
     "11.06.2017 07:32:51"},
    {"sample-activity-indoor-trainer.fit", 2263, 81, 176, 0, 0, 0, 4, 334, "cycling", model::kBike,
     "02.11.2011 12:54:19"},
    {"sample-activity.fit", 3098, 100, 191, 53.388f, 88.7972f, 71.8f, 174.8f, 327, "cycling", model::kBike,
     "26.06.2011 21:18:39"},
};

float extreme(const RecordingTable& table, int slot, bool highest) {
    float best = highest ? -1e9f : 1e9f;
    for (const RecordingSample& sample : table)
        if (slot != kHeartRateSlot || sample[slot] > 0)
            best = highest ? std::max(best, sample[slot]) : std::min(best, sample[slot]);
    return best;
}

std::string startOf(const ActivityInfo& info) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", info.day, info.month, info.year,
                  info.startHour, info.startMinute, info.startSecond);
    return text;
}

std::string fileBytes(const std::string& name) {
    std::string bytes;
    fileio::readFileBytes(recordingPath(name), bytes);
    return bytes;
}

// A FIT file built message by message.
class FitBuilder {
  public:
    struct Field {
        int number, size, baseType;
    };

    FitBuilder& define(int local, int global, const std::vector<Field>& fields, bool bigEndian = false,
                       const std::vector<int>& developerSizes = {}) {
        messages_ += char(0x40 | (developerSizes.empty() ? 0 : 0x20) | local);
        messages_ += '\0';
        messages_ += char(bigEndian);
        messages_ += bigEndian ? std::string{char(global >> 8), char(global)}
                               : std::string{char(global), char(global >> 8)};
        messages_ += char(fields.size());
        for (const Field& field : fields)
            messages_ += {char(field.number), char(field.size), char(field.baseType)};
        if (!developerSizes.empty()) {
            messages_ += char(developerSizes.size());
            for (int size : developerSizes) messages_ += {'\0', char(size), '\0'};
        }
        return *this;
    }
    FitBuilder& data(int local, const std::string& content) {
        messages_ += char(local) + content;
        return *this;
    }
    FitBuilder& compressed(int local, int timeOffset, const std::string& content) {
        messages_ += char(0x80 | local << 5 | timeOffset) + content;
        return *this;
    }
    std::string file() const {
        std::string bytes = std::string("\x0E\x20\x00\x00", 4) + little(messages_.size(), 4) + ".FIT";
        bytes += little(fitCrc(bytes), 2) + messages_;
        return bytes + little(fitCrc(bytes), 2);
    }

    static std::string little(unsigned long long value, int size) {
        std::string bytes;
        for (int i = 0; i < size; ++i) bytes += char(value >> (8 * i));
        return bytes;
    }
    static std::string big(unsigned long long value, int size) {
        std::string bytes = little(value, size);
        std::reverse(bytes.begin(), bytes.end());
        return bytes;
    }

  private:
    std::string messages_;
};

constexpr int kRecord = 20;
constexpr int kSession = 18;
constexpr std::uint32_t kTime = 1000000000;  // 08.09.2021 01:46:40 UTC, its low five bits 0

TEST(FitReader, ReadsEveryRealFileWithTheValuesTheUserSees) {
    for (const Expected& expected : kFiles) {
        SCOPED_TRACE(expected.file);
        RecordingTable table;
        ActivityInfo info;
        ASSERT_TRUE(readActivityRecording(recordingPath(expected.file), table, info).ok);
        EXPECT_EQ(expected.records, table.size());
        EXPECT_EQ(expected.heartRateMin, extreme(table, kHeartRateSlot, false));
        EXPECT_EQ(expected.heartRateMax, extreme(table, kHeartRateSlot, true));
        EXPECT_EQ(expected.bits, info.capabilities);
        EXPECT_NEAR(expected.speedMax, extreme(table, kSpeedSlot, true), 0.005);
        EXPECT_NEAR(expected.lastKm, table.back()[kDistanceSlot], 0.0005);
        EXPECT_NEAR(expected.lastKm, info.distanceKm, 0.005);  // the sessions' totals
        EXPECT_NEAR(expected.altitudeMin, extreme(table, kAltitudeSlot, false), 0.05);
        EXPECT_NEAR(expected.altitudeMax, extreme(table, kAltitudeSlot, true), 0.05);
        EXPECT_EQ(expected.sport, info.sport);
        EXPECT_EQ(expected.planSport, info.planSport);
        EXPECT_EQ(expected.start, startOf(info));
        EXPECT_EQ(0, table.front()[kTimeSlot]);
        EXPECT_EQ("", info.warning);
    }
}

TEST(FitReader, DamagedFilesGiveTheirMessageAndChangeNothing) {
    const std::pair<const char*, const char*> damaged[] = {
        {"activity-filecrc.fit", "Die FIT-Datei ist beschädigt (die Prüfsumme stimmt nicht)."},
        {"activity-settings-corruptheader.fit",
         "Die Datei ist keine FIT-Datei, oder ihr Dateikopf ist beschädigt."},
        {"keine.fit", "Fehler beim Öffnen der Datei"},
    };
    RecordingTable table(3);
    ActivityInfo info;
    info.sport = "vorher";
    for (const auto& [file, message] : damaged) {
        SCOPED_TRACE(file);
        const ActivityReadResult result = readActivityRecording(recordingPath(file), table, info);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(message, result.message);
        EXPECT_EQ(3u, table.size());
        EXPECT_EQ("vorher", info.sport);
    }
    std::string changedHeader = fileBytes("garmin-edge-820-bike.fit");
    changedHeader[2] = '\x09';
    EXPECT_EQ("Der Dateikopf der FIT-Datei ist beschädigt (die Prüfsumme stimmt nicht).",
              parseFitRecording(changedHeader, table, info).message);
    EXPECT_EQ("Die FIT-Datei enthält keine Messwerte.",
              parseFitRecording(FitBuilder().define(0, kSession, {{5, 1, 0x00}}).data(0, "\x02").file(),
                                table, info)
                  .message);
    EXPECT_EQ("Die FIT-Datei ist beschädigt: sie enthält eine Nachricht, die sich nicht lesen lässt.",
              parseFitRecording(FitBuilder().data(2, "\x02").file(), table, info).message);
}

TEST(FitReader, AFileCutAtAnyByteShowsItsWholeRecordsWithAWarning) {
    // One file cut at every length, and a chain of two whose second file is cut anywhere.
    const std::string bytes = fileBytes("garmin-edge-820-bike.fit");
    for (const std::string& head : {std::string(), bytes}) {
        std::size_t shown = 0;
        for (std::size_t length = 1; length < bytes.size() - 2; ++length) {
            RecordingTable table;
            ActivityInfo info;
            const ActivityReadResult result = parseFitRecording(head + bytes.substr(0, length), table, info);
            ASSERT_EQ(result.ok, !head.empty() || shown > 0 || !table.empty()) << length;
            if (!result.ok) continue;
            ASSERT_GE(table.size(), shown) << length;  // a later cut never shows less
            shown = table.size();
            EXPECT_EQ("Die FIT-Datei ist unvollständig. Gezeigt werden die " + std::to_string(table.size()) +
                          " Messwerte bis zu ihrem Ende.",
                      info.warning);
        }
        EXPECT_EQ((head.empty() ? 15u : 30u), shown);
    }
    RecordingTable table;
    ActivityInfo info;
    const ActivityReadResult eof = readActivityRecording(recordingPath("activity-unexpected-eof.fit"), table, info);
    EXPECT_TRUE(eof.ok);
    EXPECT_FALSE(table.empty());
    EXPECT_NE("", info.warning);
}

TEST(FitReader, ReadsBigEndianMessagesCompressedTimesDeveloperFieldsAndBadSizes) {
    using B = FitBuilder;
    const std::string bytes =
        FitBuilder()
            // time, heart rate, 32-bit speed and altitude before their 16-bit forms, temperature, a
            // heart rate of three bytes for a two-byte type (invalid), power; two developer fields.
            .define(0, kRecord,
                    {{253, 4, 0x86},
                     {3, 1, 0x02},
                     {73, 4, 0x86},
                     {6, 2, 0x84},
                     {78, 4, 0x86},
                     {2, 2, 0x84},
                     {13, 1, 0x01},
                     {7, 2, 0x84}},
                    true, {3, 1})
            .data(0, B::big(kTime, 4) + "\x78" + B::big(5000, 4) + B::big(1000, 2) + B::big(3000, 4) +
                         B::big(9999, 2) + "\xFB" + B::big(250, 2) + "\x01\x02\x03\x04")
            .define(1, kRecord, {{3, 3, 0x84}, {7, 2, 0x84}, {5, 4, 0x86}})
            .compressed(1, 5, std::string("\x90\x00\x00", 3) + B::little(300, 2) + B::little(1200, 4))
            .compressed(1, 2, std::string("\x91\x00\x00", 3) + B::little(310, 2) + B::little(2500, 4))
            .file();
    RecordingTable table;
    ActivityInfo info;
    ASSERT_TRUE(parseActivityRecording(".FIT", bytes, table, info).ok);
    ASSERT_EQ(3u, table.size());
    EXPECT_EQ(0, table[0][kTimeSlot]);
    EXPECT_EQ(5, table[1][kTimeSlot]);
    EXPECT_EQ(34, table[2][kTimeSlot]);  // offset 2 lies below 5: the next 32 seconds
    EXPECT_EQ(120, table[0][kHeartRateSlot]);
    EXPECT_FLOAT_EQ(18, table[0][kSpeedSlot]);
    EXPECT_FLOAT_EQ(100, table[0][kAltitudeSlot]);
    EXPECT_FLOAT_EQ(-5, table[0][kTemperatureSlot]);
    EXPECT_FLOAT_EQ(250, table[0][kPowerSlot]);
    EXPECT_EQ(0, table[1][kHeartRateSlot]);  // its bytes read as invalid, the fields after them still right
    EXPECT_FLOAT_EQ(300, table[1][kPowerSlot]);
    EXPECT_FLOAT_EQ(0.025f, table[2][kDistanceSlot]);
    EXPECT_FLOAT_EQ(100, table[2][kAltitudeSlot]);  // carried on where a record has none
    EXPECT_FLOAT_EQ(-5, table[2][kTemperatureSlot]);
    EXPECT_EQ(0, table[2][kSpeedSlot]);
    EXPECT_EQ("08.09.2021 01:46:40", startOf(info));
    EXPECT_EQ(64 | 1 | 4 | 8 | 256, info.capabilities);
    EXPECT_EQ("", info.sport);
    EXPECT_EQ(0, info.planSport);
}

TEST(FitReader, ChainedFilesAreReadOneAfterTheOther) {
    using B = FitBuilder;
    const auto part = [](std::uint32_t time, int metres, int sport) {
        return FitBuilder()
            .define(0, kRecord, {{253, 4, 0x86}, {5, 4, 0x86}})
            .data(0, B::little(time, 4) + B::little(metres * 100, 4))
            .define(3, kSession, {{2, 4, 0x86}, {5, 1, 0x00}, {8, 4, 0x86}, {9, 4, 0x86}})
            .data(3, B::little(time, 4) + char(sport) + B::little(600000, 4) + B::little(metres * 100, 4))
            .file();
    };
    // A swim, then a ride whose device counts its distance from 0 again.
    const std::string bytes = part(kTime, 1500, 5) + part(kTime + 900, 1000, 2);
    RecordingTable table;
    ActivityInfo info;
    ASSERT_TRUE(parseFitRecording(bytes, table, info).ok);
    ASSERT_EQ(2u, table.size());
    EXPECT_EQ(900, table[1][kTimeSlot]);
    EXPECT_FLOAT_EQ(2.5f, table[1][kDistanceSlot]);
    EXPECT_DOUBLE_EQ(2.5, info.distanceKm);
    EXPECT_DOUBLE_EQ(1200, info.durationSeconds);
    EXPECT_EQ("multisport", info.sport);
    ASSERT_TRUE(parseFitRecording(bytes + "\x0E", table, info).ok);  // a third header cut short
    EXPECT_NE("", info.warning);
}

}  // namespace
}  // namespace sb::recordings
