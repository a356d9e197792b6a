// The heart-rate file reader beyond the files read in real_files_test (real monitor files, odd column
// sets, US units, beat-to-beat recordings, values past their bounds): the [Params] lines with their
// defaults and short values, overlong lines and large files, and the summary's pulse.
#include <gtest/gtest.h>

#include <tuple>

#include "recording_test_data.h"
#include "recordings/hrm_reader.h"
#include "recordings/loaded_recording.h"
#include "recordings/recording_summary.h"

namespace sb::recordings {
namespace {

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

// The values just past each bound become no signal (their samples are read in real_files_test), and
// the summary's pulse skips them.
TEST(HrmReader, SummariesSkipTheValuesNoMonitorRecords) {
    LoadedRecording recording;
    ASSERT_TRUE(readRecording(kPolarRecording, recordingPath("made/values-at-their-bounds.hrm"), recording).ok);
    const std::string summary = recordingSummary(recording, {});
    EXPECT_NE(std::string::npos, summary.find("hr_min\t100\nhr_avg\t177.5\nhr_max\t255\n")) << summary;
}

}  // namespace
}  // namespace sb::recordings
