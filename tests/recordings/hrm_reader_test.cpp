// The heart-rate file reader beyond the files read in real_files_test (real monitor files, unknown
// monitors among them, odd column sets, US units, beat-to-beat recordings, values past their bounds,
// short and missing [Params] values): overlong lines and large files, and the summary's pulse.
#include <gtest/gtest.h>

#include "recordings/hrm_reader.h"
#include "recordings/loaded_recording.h"
#include "recordings/recording_summary.h"
#include "support/plan_fixtures.h"

namespace sb::recordings {
namespace {

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

}  // namespace
}  // namespace sb::recordings
