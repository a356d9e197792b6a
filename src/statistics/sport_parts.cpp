// Sport parts of a series and the sport-mode and plan-version rules that admit them. The legends and
// the aggregation both ask here, so a legend never names a sport whose values the bars leave out.
#include "statistics/sport_parts.h"

namespace sb::statistics {

int sportOfPart(int part) {
    switch (part) {
        case kPartBike:
            return model::kBike;
        case kPartRun:
            return model::kRun;
        case kPartSwim:
            return model::kSwim;
        case kPartOther:
            return model::kOther;
        default:
            return 0;
    }
}

int sportBitOfPart(int part) {
    switch (part) {
        case kPartBike:
            return kBitBike;
        case kPartRun:
            return kBitRun;
        case kPartSwim:
            return kBitSwim;
        case kPartOther:
            return kBitOther;
        default:
            return 0;
    }
}

const model::SportEntry& entryOfPart(const model::DayRecord& day, int part) {
    switch (part) {
        case kPartBike:
            return day.bike;
        case kPartRun:
            return day.run;
        case kPartSwim:
            return day.swim;
        default:
            return day.other;
    }
}

bool sportModeShows(int part, int sportMode) {
    switch (part) {
        case kPartBike:
            return sportMode == kModeBike || sportMode == kModeDuathlon || sportMode == kModeTriathlon;
        case kPartRun:
            return sportMode == kModeRun || sportMode == kModeDuathlon || sportMode == kModeTriathlon;
        case kPartSwim:
            return sportMode == kModeSwim || sportMode == kModeTriathlon;
        case kPartOther:
            return true;
        default:
            return false;
    }
}

bool sportIncluded(int part, int sportMode, int planFileVersion) {
    return sportModeShows(part, sportMode) && (part != kPartSwim || planFileVersion == 3);
}

SportParts includedSports(int sportMode, int planFileVersion) {
    SportParts parts{};
    for (int part = 0; part < kSportPartCount; ++part)
        parts[part] = sportIncluded(part, sportMode, planFileVersion);
    return parts;
}

SportParts selectedSports(int sportBits, int sportMode, int planFileVersion) {
    SportParts parts = includedSports(sportMode, planFileVersion);
    for (int part = 0; part < kSportPartCount; ++part)
        parts[part] = parts[part] && (sportBits & sportBitOfPart(part));
    return parts;
}

}  // namespace sb::statistics
