// Climbing as a recording proposes it: altimeter jitter ignored, a real climb counted in full. The rest
// of each file's proposal (a bike-computer file as a ride, an activity's duration from its totals,
// pauses included) is read in real_files_test.
#include <gtest/gtest.h>

#include "recordings/training_proposal.h"

namespace sb::recordings {
namespace {

RecordingTable altitudes(std::initializer_list<float> metres) {
    RecordingTable table;
    for (float altitude : metres) {
        RecordingSample sample{};
        sample[kAltitudeSlot] = altitude;
        table.push_back(sample);
    }
    return table;
}

TEST(TrainingProposal, ClimbingIgnoresJitterButCountsEveryRealClimbInFull) {
    EXPECT_EQ(0, climbingMetres(altitudes({100, 102, 100, 104, 99, 101, 100})));
    // 100 → 150 with dips of 3 m on the way: 50; down to 120, a bump of 4 m, then up to 130: 10 more.
    EXPECT_EQ(60, climbingMetres(altitudes({100, 101, 103, 108, 105, 120, 117, 150, 140, 120, 124, 121, 130})));
    EXPECT_EQ(0, climbingMetres({}));
}

}  // namespace
}  // namespace sb::recordings
