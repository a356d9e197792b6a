// The FIT reader against small files built here for what no real file shows (big-endian messages,
// compressed timestamps, developer fields, chained files), and against damaged and cut files, which must
// show nothing or only their whole messages. The real files are read in real_files_test.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

#include "recording_test_data.h"
#include "recordings/fit_messages.h"
#include "recordings/activity_recording.h"
#include "recordings/fit_reader.h"
#include "support/plan_fixtures.h"

namespace sb::recordings {
namespace {

using sb::testing::fileBytes;

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

// Damaged files on disk are read in real_files_test.
TEST(FitReader, DamagedHeadersAndMessagesGiveTheirMessage) {
    RecordingTable table;
    ActivityInfo info;
    std::string changedHeader = fileBytes(recordingPath("garmin-edge-820-bike.fit"));
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
    const std::string bytes = fileBytes(recordingPath("garmin-edge-820-bike.fit"));
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
    const auto row = [&table](std::size_t i) {
        return std::array{table[i][kTimeSlot],     table[i][kHeartRateSlot], table[i][kSpeedSlot],
                          table[i][kAltitudeSlot], table[i][kTemperatureSlot], table[i][kPowerSlot],
                          table[i][kDistanceSlot]};
    };
    EXPECT_EQ(row(0), (std::array{0.0f, 120.0f, 18.0f, 100.0f, -5.0f, 250.0f, 0.0f}));
    // A heart rate of three bytes reads as invalid, the fields after it still right.
    EXPECT_EQ(row(1)[1], 0);
    EXPECT_FLOAT_EQ(row(1)[5], 300);
    // Offset 2 lies below 5: the next 32 seconds. Altitude and temperature carry on where a record has
    // none; speed does not.
    EXPECT_EQ(row(2), (std::array{34.0f, 0.0f, 0.0f, 100.0f, -5.0f, 310.0f, 0.025f}));
    EXPECT_EQ(5, row(1)[0]);
    EXPECT_EQ(std::tuple(info.day, info.month, info.year, info.startHour, info.startMinute, info.startSecond),
              std::tuple(8, 9, 2021, 1, 46, 40));
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
