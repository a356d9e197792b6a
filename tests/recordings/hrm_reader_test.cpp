// The heart-rate file reader against the files a user might meet besides the real monitor files (read
// in real_files_test): odd column sets, US units, beat-to-beat recordings, overlong and damaged files.
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "recording_test_data.h"
#include "recordings/hrm_reader.h"
#include "recordings/loaded_recording.h"
#include "recordings/recording_summary.h"

namespace sb::recordings {
namespace {

TEST(HrmReader, TakesTheColumnsInTheirOrderWhateverTheFlagCombination) {
    RecordingTable table;
    PolarRecordingInfo info;
    // Speed, cadence and altitude: cadence is the third column, not the altitude.
    parsePolarRecording(hrmText("SMode=111000100\r\nInterval=5", "95\t166\t76\t285\r\n"), table, info);
    EXPECT_FLOAT_EQ(16.6f, table[0][kSpeedSlot]);
    EXPECT_FLOAT_EQ(76, table[0][kCadenceSlot]);
    EXPECT_FLOAT_EQ(285, table[0][kAltitudeSlot]);
    // Altitude alone, and speed with power but no altitude, still give the heart rate.
    parsePolarRecording(hrmText("SMode=001000100", "79\t1220\r\n"), table, info);
    EXPECT_FLOAT_EQ(79, table[0][kHeartRateSlot]);
    EXPECT_FLOAT_EQ(1220, table[0][kAltitudeSlot]);
    EXPECT_EQ(64 | 4, info.modeFlags);
    parsePolarRecording(hrmText("SMode=100100100", "120\t300\t250\r\n"), table, info);
    EXPECT_FLOAT_EQ(250, table[0][kPowerSlot]);
    EXPECT_EQ(64 | 1 | 8, info.modeFlags);
    // Balance and pedalling index share one column; air pressure of version 107 is read past.
    parsePolarRecording(hrmText("Version=107\r\nSMode=000011101", "130\t9001\t1013\r\n"), table, info);
    EXPECT_FLOAT_EQ(9001, table[0][kBalanceSlot]);
    // The columns follow the SMode even when its cycling character is clear.
    parsePolarRecording(hrmText("SMode=10000000", "130\t250\r\n"), table, info);
    EXPECT_FLOAT_EQ(25, table[0][kSpeedSlot]);
    EXPECT_EQ(64 | 1, info.modeFlags);
}

TEST(HrmReader, ConvertsUsUnitsAndReadsBeatToBeatIntervals) {
    RecordingTable table;
    PolarRecordingInfo info;
    parsePolarRecording(hrmText("SMode=10100011\r\nInterval=15", "100\t100\t1000\r\n100\t100\t1000\r\n"),
                        table, info);
    EXPECT_NEAR(16.09344, table[0][kSpeedSlot], 1e-4);
    EXPECT_NEAR(304.8, table[0][kAltitudeSlot], 1e-3);
    EXPECT_NEAR(16.09344 * 15 / 3600, table[1][kDistanceSlot], 1e-6);
    EXPECT_EQ(128, info.modeFlags & 128);

    parsePolarRecording(hrmText("Interval=238", "1000\r\n500\r\n0\r\n"), table, info);
    ASSERT_EQ(3u, table.size());
    EXPECT_FLOAT_EQ(1.0f, table[0][kTimeSlot]);
    EXPECT_FLOAT_EQ(1.5f, table[1][kTimeSlot]);
    EXPECT_FLOAT_EQ(120, table[1][kHeartRateSlot]);
    EXPECT_FLOAT_EQ(0, table[2][kHeartRateSlot]);
}

TEST(HrmReader, ReadsParamsWithDefaultsAndShortValues) {
    RecordingTable table;
    PolarRecordingInfo info;
    parsePolarRecording(
        hrmText("Monitor=12\r\nDate=200604\r\nStartTime=9:05\r\nLength=1:02:03.4\r\nInterval=0\r\n"
                "SMode=1",
                "150\r\n151\r\n152\r\n"),
        table, info);
    EXPECT_EQ(std::tuple(info.model, info.year, info.month, info.day, info.startHour, info.startMinute,
                         info.startSecond, info.lengthSeconds, info.interval),
              std::tuple("S710/720i", 2006, 4, 0, 9, 5, 0, 3, 5));
    EXPECT_FLOAT_EQ(10, table[2][kTimeSlot]);
    EXPECT_FLOAT_EQ(0, table[0][kSpeedSlot]);  // announced by the SMode, missing in the line

    parsePolarRecording("[HRData]\n1\n", table, info);
    EXPECT_EQ(std::tuple(info.model, info.year, info.startHour), std::tuple("", 2000, 12));
    parsePolarRecording("[Params]\r\nMonitor=8\r\n", table, info);
    EXPECT_EQ("", info.model);
    EXPECT_TRUE(table.empty());
}

TEST(HrmReader, ReadsLongLinesWholeAndLargeFilesWithoutLimit) {
    std::string data = "140" + std::string(400, ' ') + "\t999\r\n";
    for (int i = 0; i < 100000; ++i) data += "150\r\n";
    RecordingTable table;
    PolarRecordingInfo info;
    parsePolarRecording(hrmText("Interval=1", data), table, info);
    ASSERT_EQ(100001u, table.size());
    EXPECT_FLOAT_EQ(140, table[0][kHeartRateSlot]);
    EXPECT_FLOAT_EQ(100000, table.back()[kTimeSlot]);
}

TEST(HrmReader, ValuesNoMonitorRecordsBecomeNoSignalAndSummariesSkipThem) {
    RecordingTable table;
    PolarRecordingInfo info;
    // Heart rate, speed in 0.1 km/h, cadence, altitude: each at its bound, then just past it.
    parsePolarRecording(hrmText("SMode=111000100\r\nInterval=5",
                                "255\t3000\t255\t9000\r\n256\t3001\t256\t9001\r\n"
                                "2147483648\t-1\t-1\t-1001\r\n100\t100\t90\t-1000\r\n"),
                        table, info);
    ASSERT_EQ(4u, table.size());
    const auto row = [&table](std::size_t i) {
        return std::array{table[i][kHeartRateSlot], table[i][kSpeedSlot], table[i][kCadenceSlot],
                          table[i][kAltitudeSlot]};
    };
    EXPECT_EQ(row(0), (std::array{255.0f, 300.0f, 255.0f, 9000.0f}));
    EXPECT_EQ(row(1), (std::array{0.0f, 0.0f, 0.0f, 0.0f}));
    EXPECT_EQ(row(2), (std::array{0.0f, 0.0f, 0.0f, 0.0f}));
    EXPECT_EQ(row(3), (std::array{100.0f, 10.0f, 90.0f, -1000.0f}));
    LoadedRecording recording;
    recording.source = kPolarRecording;
    recording.table = table;
    recording.polar = info;
    const std::string summary = recordingSummary(recording, {});
    EXPECT_NE(std::string::npos, summary.find("hr_min\t100\nhr_avg\t177.5\nhr_max\t255\n")) << summary;
}

}  // namespace
}  // namespace sb::recordings
