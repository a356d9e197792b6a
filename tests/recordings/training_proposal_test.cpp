// What a recording proposes as the day's training: climbing that ignores altimeter jitter but not a
// real climb, and date, sport, duration, distance and pulse from each kind of recording.
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

// Each real file's proposal is read in real_files_test (GoldenCheetah_10092501.hrm, rolling between 274
// and 298 m: every rise summed gives 365 m, the swings of 5 m and more 269 m).
TEST(TrainingProposal, TakesTheSportOfABikeFileAndTheTotalsOfAnActivityFile) {
    LoadedRecording bike;
    bike.source = kBikeRecording;
    EXPECT_EQ(model::kBike, proposeTraining(bike).sport);

    LoadedRecording activity;
    activity.source = kActivityRecording;
    activity.table = altitudes({0});
    activity.table[0][kTimeSlot] = 3600;
    activity.activity.planSport = model::kRun;
    activity.activity.durationSeconds = 3725;  // pauses included, beyond the last sample's time
    activity.activity.distanceKm = 10.2;
    activity.activity.year = 2024;
    const TrainingProposal proposal = proposeTraining(activity);
    EXPECT_EQ(model::kRun, proposal.sport);
    EXPECT_EQ(3725, proposal.durationSeconds);
    EXPECT_DOUBLE_EQ(10.2, proposal.distanceKm);
    EXPECT_EQ(2024, proposal.year);
}

}  // namespace
}  // namespace sb::recordings
