// Collecting and reading inputs. A file is read whole, after its size was checked against the bound
// of unpacked data: no recording or archive of recordings comes near it.
#include "import/import_inputs.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "fileio/file_bytes.h"
#include "import/input_kinds.h"
#include "import/unpacking.h"
#include "import/zip_archive.h"
#include "recordings/activity_recording.h"

namespace sb::import {

namespace fs = std::filesystem;

namespace {

std::vector<ImportInput> filesOfFolder(const fs::path& folder) {
    std::vector<ImportInput> found;
    std::error_code error;
    const auto options = fs::directory_options::skip_permission_denied;
    for (fs::recursive_directory_iterator it(folder, options, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) continue;
        if (kindOfName(it->path().filename().string()).kind != InputKind::none)
            found.push_back({it->path().string()});
    }
    std::sort(found.begin(), found.end(), [](const ImportInput& a, const ImportInput& b) { return a.path < b.path; });
    return found;
}

ImportedActivity unreadable(std::string file, std::string problem) {
    ImportedActivity activity;
    activity.file = std::move(file);
    activity.problem = std::move(problem);
    return activity;
}

// The activities of one recording, whatever held it; a gzip form is unpacked first.
void addRecording(const std::string& shownName, Unpacked content, std::vector<ImportedActivity>& activities) {
    const NameKind kind = kindOfName(shownName);
    if (content.ok && kind.gzipped) content = gunzip(content.bytes);
    std::vector<ImportedActivity> read =
        content.ok ? activitiesOfRecording(kind.recordingName, std::move(content.bytes))
                   : std::vector<ImportedActivity>{unreadable({}, content.message)};
    for (ImportedActivity& activity : read) {
        activity.file = shownName;
        activities.push_back(std::move(activity));
    }
}

Unpacked fileContent(const std::string& path) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(path, error);
    if (!error && size > kLargestUnpackedBytes) return {false, {}, kTooLargeMessage};
    Unpacked content;
    content.ok = fileio::readFileBytes(path, content.bytes) == fileio::ReadOutcome::Read;
    if (!content.ok) content = {false, {}, recordings::kCannotOpenRecording};
    return content;
}

}  // namespace

std::vector<ImportInput> collectImportInputs(const std::vector<std::string>& paths) {
    std::vector<ImportInput> inputs;
    for (const std::string& path : paths) {
        std::error_code error;
        if (fs::is_directory(path, error)) {
            std::vector<ImportInput> files = filesOfFolder(path);
            inputs.insert(inputs.end(), files.begin(), files.end());
        } else {
            inputs.push_back({path});
        }
    }
    return inputs;
}

std::vector<ImportedActivity> readImportInput(const ImportInput& input, std::size_t index,
                                              const std::function<bool()>& stopped) {
    std::vector<ImportedActivity> activities;
    const NameKind kind = kindOfName(fs::path(input.path).filename().string());
    if (kind.kind == InputKind::none) {
        activities.push_back(unreadable(input.path, "Dieses Dateiformat kann nicht gelesen werden."));
    } else {
        Unpacked content = fileContent(input.path);
        if (kind.kind == InputKind::recording || !content.ok) {
            addRecording(input.path, std::move(content), activities);
        } else {
            const auto entry = [&](const std::string& name, Unpacked&& inner) {
                addRecording(name, std::move(inner), activities);
            };
            if (std::string message = walkZipArchive(content.bytes, input.path, stopped, entry); !message.empty())
                activities.push_back(unreadable(input.path, std::move(message)));
        }
    }
    for (std::size_t i = 0; i < activities.size(); ++i) activities[i].key = {index, i};
    return activities;
}

}  // namespace sb::import
