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
        default:
            return 0;
    }
}

int LoadedRecording::interval() const {
    return source == kBikeRecording ? kBikeSampleSeconds : polar.interval;
}

int sourceOfPath(const std::string& path) {
    if (endsWithNoCase(path, ".hrm")) return kPolarRecording;
    if (endsWithNoCase(path, ".dat")) return kBikeRecording;
    return kNoRecording;
}

bool readRecording(int source, const std::string& path, LoadedRecording& recording) {
    if (source == kPolarRecording) {
        if (!readPolarRecording(path, recording.table, recording.polar)) return false;
    } else if (source == kBikeRecording) {
        if (!readBikeRecording(path, recording.table, recording.bike)) return false;
    } else {
        return false;
    }
    recording.source = source;
    return true;
}

}  // namespace sb::recordings
