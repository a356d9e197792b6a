// Recovery copies live in the program directory, one per program run, each with a side file naming the
// plan it belongs to, the time, the process and the plan file as that program last knew it, so a
// recovered plan is saved under the same check of changes on disk as any other.
#include "shell/recovery_copy.h"

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "config/config_store.h"
#include "fileio/file_bytes.h"
#include "fileio/text_lines.h"
#include "planfile/plan_file_version.h"
#include "shell/path_display.h"
#include "shell/plan_lock_question.h"
#include "shell/window_state.h"

namespace sb::shell {

namespace {

namespace fs = std::filesystem;

constexpr const char* kSideFileEnding = ".info";

struct SideFile {
    std::string planPath;
    std::int64_t time = 0;
    std::int64_t process = 0;
    fileio::FileIdentity planOnDisk;
};

std::int64_t now(const RecoveryState& recovery) {
    if (recovery.clock) return recovery.clock();
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

std::string sideFileText(const SideFile& side) {
    return side.planPath + "\r\n" + std::to_string(side.time) + "\r\n" + std::to_string(side.process) +
           "\r\n" + std::to_string(side.planOnDisk.size) + " " + std::to_string(side.planOnDisk.hash) +
           "\r\n";
}

std::optional<SideFile> readSideFile(const std::string& path) {
    std::string bytes;
    if (fileio::readFileBytes(path, bytes) != fileio::ReadOutcome::Read) return std::nullopt;
    const std::vector<std::string_view> lines = fileio::splitLines(bytes);
    if (lines.size() < 4 || lines[0].empty()) return std::nullopt;
    SideFile side;
    side.planPath = std::string(lines[0]);
    try {
        side.time = std::stoll(std::string(lines[1]));
        side.process = std::stoll(std::string(lines[2]));
        const std::string identity(lines[3]);
        const std::size_t blank = identity.find(' ');
        if (blank == std::string::npos) return std::nullopt;
        side.planOnDisk = {true, std::stoull(identity.substr(0, blank)), 0,
                           std::stoull(identity.substr(blank + 1))};
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return side;
}

void removeCopyFiles(const std::string& copyPath) {
    std::error_code ignored;
    fs::remove(copyPath, ignored);
    fs::remove(copyPath + kSideFileEnding, ignored);
}

bool writeCopy(Application& app, const std::string& bytes, std::uint64_t hash) {
    RecoveryState& recovery = app.guard.recovery;
    std::error_code error;
    fs::create_directories(recoveryFolder(app), error);
    if (recovery.copyPath.empty())
        recovery.copyPath = recoveryFolder(app) + "/" + recovery.instanceTag + "-" +
                            std::string(fileNameOfPath(app.year.currentFileName));
    const SideFile side{app.year.currentFileName, now(recovery), recovery.process, app.guard.onDisk};
    // The copy first: a side file always names a copy that is whole.
    if (!fileio::writeFileAtomically(recovery.copyPath, bytes) ||
        !fileio::writeFileAtomically(recovery.copyPath + kSideFileEnding, sideFileText(side)))
        return false;
    recovery.writtenHash = hash;
    return true;
}

// The newest copy no running program owns, by its side file's path.
std::optional<std::pair<std::string, SideFile>> newestCopy(const Application& app) {
    std::optional<std::pair<std::string, SideFile>> newest;
    std::error_code error;
    for (fs::directory_iterator entry(recoveryFolder(app), error), end; !error && entry != end;
         entry.increment(error)) {
        const std::string path = entry->path().string();
        if (!path.ends_with(kSideFileEnding)) continue;
        const std::optional<SideFile> side = readSideFile(path);
        if (!side) continue;
        const RecoveryState& recovery = app.guard.recovery;
        if (side->process != recovery.process && recovery.processRunning &&
            recovery.processRunning(side->process))
            continue;
        if (!newest || side->time > newest->second.time)
            newest = {{path.substr(0, path.size() - std::string_view(kSideFileEnding).size()), *side}};
    }
    return newest;
}

bool openRecoveredPlan(Application& app, platform::Services& services, const std::string& copyPath,
                       const SideFile& side) {
    const int version = planfile::planFileVersionOf(side.planPath);
    model::TrainingYear recovered = app.year;
    model::clearTrainingYear(recovered);
    if (version == 0 || planfile::readPlanFileOfVersion(version, copyPath, recovered).shape.shape ==
                            planfile::PlanShape::NotAPlan) {
        services.messageBox("Fehler beim Öffnen der Datei", "Fehler", platform::Buttons::Ok,
                            platform::Icon::Exclamation);
        return false;
    }
    const LockChoice lock = lockPlanToOpen(app, services, side.planPath);
    if (lock == LockChoice::Cancelled) return false;
    recovered.currentFileName = side.planPath;
    recovered.planFileVersion = version;
    recovered.planLoaded = 1;
    recovered.modified = 1;
    app.year = std::move(recovered);
    app.guard.readOnly = lock == LockChoice::ReadOnly;
    if (app.guard.readOnly) releasePlanLock(app);
    app.guard.onDisk = side.planOnDisk;
    // The recovered copy stays this program's copy until the changes are saved or given up.
    app.guard.recovery.copyPath = copyPath;
    app.guard.recovery.writtenHash = fileio::hashBytes(planfile::formatPlanFileOfVersion(version, app.year));
    config::addToHistory(app.settings, side.planPath);
    return true;
}

}  // namespace

std::string recoveryFolder(const Application& app) {
    return app.paths.programDirectory + "/recovery";
}

bool keepRecoveryCopy(Application& app) {
    const model::TrainingYear& year = app.year;
    if (year.planFileVersion == 0 || year.modified != 1) return true;
    const std::string bytes = planfile::formatPlanFileOfVersion(year.planFileVersion, year);
    const std::uint64_t hash = fileio::hashBytes(bytes);
    RecoveryState& recovery = app.guard.recovery;
    if (!recovery.copyPath.empty() && hash == recovery.writtenHash) return true;
    if (writeCopy(app, bytes, hash)) return true;
    if (!recovery.unusableReported) {
        recovery.unusableReported = true;
        app.guard.notice = "Keine Wiederherstellungskopie möglich: " + pathDisplayText(recoveryFolder(app)) +
                           " ist nicht beschreibbar.";
    }
    return false;
}

void removeRecoveryCopy(Application& app) {
    RecoveryState& recovery = app.guard.recovery;
    if (recovery.copyPath.empty()) return;
    removeCopyFiles(recovery.copyPath);
    recovery.copyPath.clear();
    recovery.writtenHash = 0;
}

void recoveryTimer(Application& app, MainWindowView& view) {
    if (!keepRecoveryCopy(app) && !app.guard.notice.empty()) showWindowState(app, view);
}

bool offerRecoveryCopy(Application& app, platform::Services& services) {
    const auto newest = newestCopy(app);
    if (!newest) return false;
    const auto& [copyPath, side] = *newest;
    const platform::Answer answer = services.messageBox(
        "Für " + pathDisplayText(side.planPath) + " gibt es nicht gespeicherte Änderungen vom " +
            localTimeText(side.time) + ". Wiederherstellen?",
        "Frage?", platform::Buttons::YesNoCancel, platform::Icon::Question);
    if (answer == platform::Answer::Cancel) return false;
    if (answer == platform::Answer::No) {
        removeCopyFiles(copyPath);
        return false;
    }
    return openRecoveredPlan(app, services, copyPath, side);
}

void endUnasked(Application& app, MainWindowView& view, platform::Services& services) {
    keepRecoveryCopy(app);
    releasePlanLock(app);
    config::saveAllSettings(app.settings, app.diagram, app.year.currentFileName);
    view.destroy();
    services.quit(0);
}

}  // namespace sb::shell
