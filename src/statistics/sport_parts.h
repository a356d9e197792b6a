// Which sports a series holds: the order of its per-sport parts, the sport bits of the
// week diagram's time and load selections, and the rules by which the sport mode and the version of
// the open plan admit a sport.
#pragma once

#include <array>

#include "model/training_year.h"

namespace sb::statistics {

// Position of a sport among the per-sport parts of a series; also the stacking order, bottom to top.
enum SportPart { kPartBike = 0, kPartRun = 1, kPartSwim = 2, kPartOther = 3 };
constexpr int kSportPartCount = 4;
using SportParts = std::array<bool, kSportPartCount>;

// The configured sport mode (SPORTART).
enum SportMode { kModeBike = 1, kModeRun = 2, kModeSwim = 3, kModeDuathlon = 4, kModeTriathlon = 5 };

// Bits of the week diagram's time (MODUS2) and load (MODUS3) selections.
enum SportBit { kBitBike = 1, kBitRun = 2, kBitOther = 4, kBitSwim = 8 };

// The sport number of a part as the packed training types count them (model::Sport).
int sportOfPart(int part);
int sportBitOfPart(int part);
const model::SportEntry& entryOfPart(const model::DayRecord& day, int part);

// The sport mode's own choice: Rad in modes 1, 4, 5; Laufen in 2, 4, 5; Schwimmen in 3, 5; Alternativ
// always. The calendars draw these rows whatever the plan's version.
bool sportModeShows(int part, int sportMode);
// What the mode shows and the plan can hold: swimming only in a plan of version 3 (older formats hold
// no swimming).
bool sportIncluded(int part, int sportMode, int planFileVersion);
SportParts includedSports(int sportMode, int planFileVersion);
// The included sports whose bit is set in a week diagram selection.
SportParts selectedSports(int sportBits, int sportMode, int planFileVersion);

}  // namespace sb::statistics
