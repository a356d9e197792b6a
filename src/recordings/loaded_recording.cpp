// Reading a recording with the reader of its source.
#include "recordings/loaded_recording.h"

#include <cctype>

namespace sb::recordings {

namespace {

bool endsWithNoCase(const std::string& text, const std::string& suffix) {
    if (text.size() < suffix.size()) return false;
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[text.size() - suffix.size() + i])) != suffix[i])
            return false;
    return true;
}

}  // namespace

int LoadedRecording::capabilityBits() const {
    switch (source) {
        case kPolarRecording:
            return polar.modeFlags;
        case kBikeRecording:
            return bike.flags;
        case kActivityRecording:
            return activity.capabilities;
        default:
            return 0;
    }
}

int LoadedRecording::interval() const {
    switch (source) {
        case kBikeRecording:
            return kBikeSampleSeconds;
        case kActivityRecording:
            return 0;
        default:
            return polar.interval;
    }
}

int sourceOfPath(const std::string& path) {
    if (endsWithNoCase(path, ".hrm")) return kPolarRecording;
    if (endsWithNoCase(path, ".dat")) return kBikeRecording;
    if (isActivityRecordingPath(path)) return kActivityRecording;
    return kNoRecording;
}

RecordingReadResult readRecording(int source, const std::string& path, LoadedRecording& recording) {
    RecordingReadResult result{true, {}};
    if (source == kPolarRecording) {
        result = readPolarRecording(path, recording.table, recording.polar);
    } else if (source == kBikeRecording) {
        result = readBikeRecording(path, recording.table, recording.bike);
    } else if (source == kActivityRecording) {
        result = readActivityRecording(path, recording.table, recording.activity);
    } else {
        result.ok = false;
    }
    if (!result.ok && result.message.empty()) result.message = kCannotOpenRecording;
    if (result.ok) recording.source = source;
    return result;
}

}  // namespace sb::recordings
