// What a recording proposes as the day's training: climbing that ignores altimeter jitter but not a
// real climb, and the sport of a bike-computer file.
#include <gtest/gtest.h>

#include "model/training_year.h"
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

// Each heart-rate and activity file's proposal is read in real_files_test: an activity's duration from
// its totals, pauses included, beyond its last sample's time; GoldenCheetah_10092501.hrm rolling between
// 274 and 298 m, where every rise summed gives 365 m and the swings of 5 m and more 269 m.
TEST(TrainingProposal, ABikeComputerFileIsARide) {
    LoadedRecording bike;
    bike.source = kBikeRecording;
    EXPECT_EQ(model::kBike, proposeTraining(bike).sport);
}

}  // namespace
}  // namespace sb::recordings
