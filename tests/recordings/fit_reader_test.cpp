// The FIT reader against files cut at any byte, which must show only their whole messages. The real
// files and the files made for what no real file shows (big-endian messages, compressed timestamps,
// developer fields, chained files, damaged headers and messages) are read in real_files_test.
#include <gtest/gtest.h>

#include "recordings/fit_reader.h"
#include "support/season_fixture.h"

namespace sb::recordings {
namespace {

TEST(FitReader, AFileCutAtAnyByteShowsItsWholeRecordsWithAWarning) {
    // One file cut at every length, and a chain of two whose second file is cut anywhere.
    const std::string bytes = sb::testing::recordingBytes("garmin-edge-820-bike.fit");
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

}  // namespace
}  // namespace sb::recordings
