// What the import reads from its inputs: one activity per recording, or per sport of a multisport
// recording, with the values a day's entry takes; or a file that could not be read, with the reason.
#pragma once

#include <compare>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sb::import {

// Where an activity came from: the input's place among all inputs and the activity's place among
// those the input gave. Orders the rows the same way whichever worker finished first.
struct ActivityKey {
    std::size_t input = 0;
    std::size_t item = 0;
    auto operator<=>(const ActivityKey&) const = default;
};

struct ImportedActivity {
    ActivityKey key;
    std::string file;     // the path as given, or "archive.zip/inner/path"
    std::string problem;  // the reader's message; empty when the file was read
    int year = 0, month = 0, day = 0;  // local start date; 0 when the recording names none
    int startSeconds = -1;             // s after local midnight; -1 when the recording names no time
    int sport = 0;                     // model::Sport; 0 when the recording names none
    double durationSeconds = 0;
    double distanceKm = 0;
    int avgPulse = 0;           // bpm; 0 without a heart-rate signal
    double climbingMetres = 0;
};

// The activities of one recording's bytes, key and file left to the caller; `name` tells the reader
// (by its extension) and, for a bike-computer file, the date. An unreadable recording gives one
// activity with its problem.
std::vector<ImportedActivity> activitiesOfRecording(std::string_view name, std::string bytes);

}  // namespace sb::import
