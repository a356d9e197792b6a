// The proposal of a recording. Activity files state their duration and distance themselves (pauses and
// the device's own wheel or GPS reckoning included); for the older recordings the table is all there is.
#include "recordings/training_proposal.h"

#include <cmath>

#include "model/training_year.h"

namespace sb::recordings {

namespace {

int averagePulse(const RecordingTable& table) {
    double sum = 0;
    int count = 0;
    for (const RecordingSample& sample : table) {
        if (sample[kHeartRateSlot] > 0) {
            sum += sample[kHeartRateSlot];
            ++count;
        }
    }
    return count ? int(std::lround(sum / count)) : 0;
}

double lastOf(const RecordingTable& table, int slot) {
    return table.empty() ? 0.0 : double(table.back()[slot]);
}

}  // namespace

double climbingMetres(const RecordingTable& table) {
    if (table.empty()) return 0;
    double total = 0;
    bool climbing = false;
    // While climbing: the highest point of the climb; otherwise the lowest point since the last descent.
    float reference = table.front()[kAltitudeSlot];
    for (const RecordingSample& sample : table) {
        const float altitude = sample[kAltitudeSlot];
        if (climbing) {
            if (altitude > reference) {
                total += altitude - reference;
                reference = altitude;
            } else if (altitude <= reference - kClimbingHysteresisMetres) {
                climbing = false;
                reference = altitude;
            }
        } else if (altitude < reference) {
            reference = altitude;
        } else if (altitude >= reference + kClimbingHysteresisMetres) {
            total += altitude - reference;
            reference = altitude;
            climbing = true;
        }
    }
    return total;
}

TrainingProposal proposeTraining(const LoadedRecording& recording) {
    const RecordingTable& table = recording.table;
    TrainingProposal proposal;
    proposal.durationSeconds = lastOf(table, kTimeSlot);
    proposal.distanceKm = lastOf(table, kDistanceSlot);
    proposal.avgPulse = averagePulse(table);
    proposal.climbingMetres = climbingMetres(table);
    switch (recording.source) {
        case kPolarRecording:
            proposal.year = recording.polar.year;
            proposal.month = recording.polar.month;
            proposal.day = recording.polar.day;
            break;
        case kBikeRecording:
            proposal.year = recording.bike.year;
            proposal.month = recording.bike.month;
            proposal.day = recording.bike.day;
            proposal.sport = model::kBike;
            break;
        case kActivityRecording: {
            const ActivityInfo& activity = recording.activity;
            proposal.year = activity.year;
            proposal.month = activity.month;
            proposal.day = activity.day;
            proposal.sport = activity.planSport;
            if (activity.durationSeconds > 0) proposal.durationSeconds = activity.durationSeconds;
            if (activity.distanceKm > 0) proposal.distanceKm = activity.distanceKm;
            break;
        }
        default:
            break;
    }
    return proposal;
}

}  // namespace sb::recordings
