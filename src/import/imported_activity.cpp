// A recording's activities. A file with sessions (FIT) gives one activity per sport of its sessions,
// transitions left out: a sport's sessions are added up, their pulse averaged by duration. Other files
// give what "Als Training übernehmen" proposes for them.
#include "import/imported_activity.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "recordings/loaded_recording.h"
#include "recordings/training_proposal.h"

namespace sb::import {

namespace {

using recordings::LoadedRecording;

// What reading the bytes gave: the recording, or the message why not.
std::string readRecordingBytes(std::string_view name, std::string bytes, LoadedRecording& recording) {
    const std::string path(name);
    const int source = recordings::sourceOfPath(path);
    bool ok = true;
    std::string message;
    if (source == recordings::kPolarRecording) {
        recordings::parsePolarRecording(bytes, recording.table, recording.polar);
        ok = !recording.table.empty();
    } else if (source == recordings::kBikeRecording) {
        const std::string fileName = std::filesystem::path(path).filename().string();
        ok = recordings::parseBikeRecording(bytes, fileName, recording.table, recording.bike);
    } else {
        const std::string extension = std::filesystem::path(path).extension().string();
        const recordings::ActivityReadResult read =
            recordings::parseActivityRecording(extension, std::move(bytes), recording.table, recording.activity);
        ok = read.ok;
        message = read.message;
    }
    if (ok) {
        recording.source = source;
        return {};
    }
    return message.empty() ? recordings::kCannotOpenRecording : message;
}

int startSecondsOf(const LoadedRecording& recording) {
    switch (recording.source) {
        case recordings::kPolarRecording: {
            const auto& polar = recording.polar;
            return polar.startHour * 3600 + polar.startMinute * 60 + polar.startSecond;
        }
        case recordings::kActivityRecording: {
            const auto& activity = recording.activity;
            return activity.year == 0 ? -1
                                      : activity.startHour * 3600 + activity.startMinute * 60 + activity.startSecond;
        }
        default:
            return -1;
    }
}

ImportedActivity wholeRecording(const LoadedRecording& recording) {
    const recordings::TrainingProposal proposal = recordings::proposeTraining(recording);
    ImportedActivity activity;
    activity.year = proposal.year;
    activity.month = proposal.month;
    activity.day = proposal.day;
    activity.startSeconds = startSecondsOf(recording);
    activity.sport = proposal.sport;
    activity.durationSeconds = proposal.durationSeconds;
    activity.distanceKm = proposal.distanceKm;
    activity.avgPulse = proposal.avgPulse;
    activity.climbingMetres = proposal.climbingMetres;
    return activity;
}

// The pulse of the session's samples with a signal, and how many there were.
std::pair<double, int> pulseSum(const recordings::RecordingTable& table, std::size_t first, std::size_t end) {
    double sum = 0;
    int count = 0;
    for (std::size_t i = first; i < end && i < table.size(); ++i) {
        if (table[i][recordings::kHeartRateSlot] > 0) {
            sum += table[i][recordings::kHeartRateSlot];
            ++count;
        }
    }
    return {sum, count};
}

// One activity per sport of the sessions, in the order the sports first appear.
std::vector<ImportedActivity> sessionActivities(const LoadedRecording& recording) {
    const recordings::RecordingTable& table = recording.table;
    std::vector<ImportedActivity> activities;
    // Per activity: the pulse times the seconds of its sessions with a signal, and those seconds.
    std::vector<std::pair<double, double>> pulse;
    for (const recordings::ActivitySession& session : recording.activity.sessions) {
        auto found = std::find_if(activities.begin(), activities.end(),
                                  [&](const ImportedActivity& a) { return a.sport == session.planSport; });
        if (found == activities.end()) {
            ImportedActivity activity;
            activity.year = session.year;
            activity.month = session.month;
            activity.day = session.day;
            activity.startSeconds =
                session.year == 0 ? -1 : session.startHour * 3600 + session.startMinute * 60 + session.startSecond;
            activity.sport = session.planSport;
            activities.push_back(activity);
            pulse.emplace_back(0, 0);
            found = activities.end() - 1;
        }
        ImportedActivity& activity = *found;
        const std::size_t end = std::min(session.endSample, table.size());
        const std::size_t first = std::min(session.firstSample, end);
        const auto [sum, count] = pulseSum(table, first, end);
        auto& [weighted, seconds] = pulse[std::size_t(found - activities.begin())];
        if (count > 0) {
            const double span = std::max(session.durationSeconds, 1.0);
            weighted += sum / count * span;
            seconds += span;
            activity.avgPulse = int(std::lround(weighted / seconds));
        }
        activity.durationSeconds += session.durationSeconds;
        activity.distanceKm += session.distanceKm;
        activity.climbingMetres +=
            recordings::climbingMetres(recordings::RecordingTable(table.begin() + std::ptrdiff_t(first),
                                                                  table.begin() + std::ptrdiff_t(end)));
    }
    return activities;
}

}  // namespace

std::vector<ImportedActivity> activitiesOfRecording(std::string_view name, std::string bytes) {
    LoadedRecording recording;
    if (std::string problem = readRecordingBytes(name, std::move(bytes), recording); !problem.empty()) {
        ImportedActivity unreadable;
        unreadable.problem = std::move(problem);
        return {unreadable};
    }
    std::vector<ImportedActivity> activities;
    if (recording.source == recordings::kActivityRecording && !recording.activity.sessions.empty())
        activities = sessionActivities(recording);
    else
        activities.push_back(wholeRecording(recording));
    return activities;
}

}  // namespace sb::import
