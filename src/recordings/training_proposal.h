// What a recording proposes as the day's training entry: its date, the sport where the file says it,
// duration, distance, average pulse and climbing. The user checks and edits the proposal before it is
// written into the plan.
#pragma once

#include "recordings/loaded_recording.h"

namespace sb::recordings {

// Altitude changes of direction smaller than this are noise: barometric altimeters jitter by a metre
// or two, GPS altitude by several; a real climb loses nothing to it (see climbingMetres).
constexpr float kClimbingHysteresisMetres = 5;

struct TrainingProposal {
    int year = 0, month = 0, day = 0;  // 0 when the recording names no date
    int sport = 0;                     // model::Sport; 0 when the file does not say
    double durationSeconds = 0;
    double distanceKm = 0;
    int avgPulse = 0;          // bpm, of the samples with a signal
    double climbingMetres = 0;
};

TrainingProposal proposeTraining(const LoadedRecording& recording);

// The sum of the climbs of the altitude column. A climb counts once the altitude has risen
// kClimbingHysteresisMetres above the lowest point since the last descent, and then in full from that
// point; within a climb, dips smaller than the hysteresis do not end it.
double climbingMetres(const RecordingTable& table);

}  // namespace sb::recordings
