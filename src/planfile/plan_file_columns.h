// The column switches of the plan file writers. The defaults are the plan file's own layout; the
// spreadsheet export passes its own choice. Flags are 1 for on and 0 for off.
#pragma once

#include <array>
#include <string>

namespace sb::planfile {

struct PlanFileColumns {
    int firstDay = 0;  // first day index written
    int lastDay = 0;   // last day index written; 0 = the last day of the year
    int withRun = 1;
    int withBike = 1;
    int withPulse = 1;         // avgPulse columns and restingPulse
    int withWeight = 1;        // bodyWeight
    int withDateColumns = 0;   // weekday and date first; then no separator or odometer lines
    int withKcal = 0;          // after the run, bike and swim blocks
    int withCumulativeKm = 0;  // running distance total since firstDay, after the distance
    int withAverages = 0;      // pace (run) or speed after the cumulative column
    int withOther = 1;
    int typeColumns = 1;  // 0 none, 1 packed pair before the comment, 2 labels after each block
    int withSwim = 1;     // the version 2 writer has no swim block and ignores it
};

// The ten training-type labels, Windows-1252, indexed by type digit; needed for typeColumns 2.
using TypeLabels = std::array<std::string, 10>;

}  // namespace sb::planfile
