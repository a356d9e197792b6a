// Which reader reads an activity file: the one place that knows the extensions of FIT, TCX and GPX.
#include "recordings/activity_recording.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "fileio/file_bytes.h"
#include "recordings/fit_reader.h"
#include "recordings/gpx_reader.h"
#include "recordings/tcx_reader.h"

namespace sb::recordings {

namespace {

// The text readers parse the bytes in place and let them go once the samples are out.
using Parser = ActivityReadResult (*)(std::string, RecordingTable&, ActivityInfo&);

ActivityReadResult parseFit(std::string bytes, RecordingTable& table, ActivityInfo& info) {
    return parseFitRecording(bytes, table, info);
}

struct Reader {
    std::string_view extension;  // lower case, with the dot
    Parser parse;
};

constexpr Reader kReaders[] = {
    {".fit", parseFit},
    {".tcx", parseTcxRecording},
    {".gpx", parseGpxRecording},
};

const Reader* readerOf(std::string_view extension) {
    const auto matches = [extension](const Reader& reader) {
        return std::equal(extension.begin(), extension.end(), reader.extension.begin(),
                          reader.extension.end(),
                          [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
    };
    const auto found = std::find_if(std::begin(kReaders), std::end(kReaders), matches);
    return found == std::end(kReaders) ? nullptr : found;
}

std::string extensionOf(std::string_view path) {
    return std::filesystem::path(path).extension().string();
}

}  // namespace

bool isActivityRecordingPath(std::string_view path) {
    return readerOf(extensionOf(path)) != nullptr;
}

ActivityReadResult parseActivityRecording(std::string_view extension, std::string bytes,
                                          RecordingTable& table, ActivityInfo& info) {
    const Reader* reader = readerOf(extension);
    if (!reader) return {false, "Dieses Dateiformat kann nicht gelesen werden."};
    return reader->parse(std::move(bytes), table, info);
}

void setActivityStart(const std::tm& start, ActivityInfo& info) {
    info.year = start.tm_year + 1900;
    info.month = start.tm_mon + 1;
    info.day = start.tm_mday;
    info.startHour = start.tm_hour;
    info.startMinute = start.tm_min;
    info.startSecond = start.tm_sec;
}

ActivityReadResult readActivityRecording(const std::string& path, RecordingTable& table, ActivityInfo& info) {
    std::string bytes;
    if (std::string message = readRecordingFile(path, kLargestRecordingFile, bytes); !message.empty())
        return {false, message};
    return parseActivityRecording(extensionOf(path), std::move(bytes), table, info);
}

}  // namespace sb::recordings
