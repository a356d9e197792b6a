// Deciding the rows. Activities of one day and sport are taken together unless one starts within a
// minute of another: that is the same activity read twice (a device's file and its export), and only
// the first counts. Values are checked with the day editor's limits and messages.
#include "import/import_rows.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <tuple>

#include "editor/day_editor_controls.h"
#include "editor/day_editor_fields.h"
#include "editor/day_editor_layout.h"
#include "model/calendar.h"
#include "model/day_limits.h"

namespace sb::import {

namespace {

constexpr int kSameStartSeconds = 60;

double roundedTo(double value, double scale) {
    return std::round(value * scale) / scale;
}

bool holdsTraining(const model::SportEntry& entry) {
    const bool timed =
        model::parseDuration(entry.duration, 1) != 0 || model::parseDuration(entry.duration, 2) != 0;
    return timed || entry.distanceKm != 0 || entry.avgPulse != 0 || entry.heightMetres != 0;
}

int entryMinutes(const model::SportEntry& entry) {
    return model::parseDuration(entry.duration, 1) * 60 + model::parseDuration(entry.duration, 2);
}

bool datedInPlanYear(const ImportedActivity& activity, int planYear) {
    return activity.year == planYear && model::isValidDayMonth(activity.day, activity.month, planYear);
}

ImportRow rowOf(const ImportedActivity& activity, int sport, RowStatus status) {
    ImportRow row;
    row.activities = {activity.key};
    row.file = activity.file;
    row.year = activity.year;
    row.month = activity.month;
    row.day = activity.day;
    row.startSeconds = activity.startSeconds;
    row.sport = sport;
    row.status = status;
    row.problem = activity.problem;
    row.minutes = int(std::lround(activity.durationSeconds / 60));
    row.distanceKm = roundedTo(activity.distanceKm, 100);
    row.avgPulse = activity.avgPulse;
    row.climbingMetres = int(std::lround(activity.climbingMetres));
    return row;
}

// Durations, distances and climbing added; the pulse averaged over the durations that had one.
void addTo(ImportRow& row, const std::vector<const ImportedActivity*>& group) {
    double seconds = 0, km = 0, climbing = 0, pulseWeighted = 0, pulseSeconds = 0;
    for (const ImportedActivity* activity : group) {
        seconds += activity->durationSeconds;
        km += activity->distanceKm;
        climbing += activity->climbingMetres;
        if (activity->avgPulse > 0) {
            const double weight = std::max(activity->durationSeconds, 1.0);
            pulseWeighted += activity->avgPulse * weight;
            pulseSeconds += weight;
        }
    }
    row.minutes = int(std::lround(seconds / 60));
    row.distanceKm = roundedTo(km, 100);
    row.climbingMetres = int(std::lround(climbing));
    row.avgPulse = pulseSeconds > 0 ? int(std::lround(pulseWeighted / pulseSeconds)) : 0;
    if (group.size() > 1) row.file += " (" + std::to_string(group.size()) + " Aufzeichnungen)";
    for (std::size_t i = 1; i < group.size(); ++i) row.activities.push_back(group[i]->key);
}

// The day editor's message for the first value it would refuse; empty when it takes them all.
std::string editorRefusal(const ImportRow& row, const ImportTarget& target) {
    const editor::SportControls& c = editor::sportControls(model::Sport(row.sport));
    if (!model::hoursAllowed(row.minutes / 60) || !model::minutesAllowed(row.minutes % 60)) return c.timeMessage;
    if (!model::dayDistanceAllowed(row.distanceKm)) return c.distanceMessage;
    if (target.writesPulse && !model::pulseAllowed(row.avgPulse)) return c.pulseMessage;
    if (target.writesClimbing && row.sport == model::kBike && !model::heightAllowed(row.climbingMetres))
        return model::kHeightMessage;
    return {};
}

RowStatus statusAgainstPlan(const ImportRow& row, const model::TrainingYear& year) {
    const int dayIndex = model::dayOfYear(row.day, row.month, row.year) - 1;
    const model::SportEntry& entry = year.days[std::size_t(dayIndex)].*editor::sportControls(model::Sport(row.sport)).entry;
    if (!holdsTraining(entry)) return RowStatus::fresh;
    const bool sameTime = std::abs(entryMinutes(entry) - row.minutes) <= 1;
    const bool sameDistance = roundedTo(entry.distanceKm, 10) == roundedTo(row.distanceKm, 10);
    return sameTime && sameDistance ? RowStatus::alreadyEntered : RowStatus::dayTaken;
}

// Activities of one day and sport: the first of each start makes the entry, later ones are doubles.
void addGroupRows(const std::vector<const ImportedActivity*>& group, int sport, const model::TrainingYear& year,
                  const ImportTarget& target, std::vector<ImportRow>& rows) {
    std::vector<const ImportedActivity*> kept;
    for (const ImportedActivity* activity : group) {
        const bool again = std::any_of(kept.begin(), kept.end(), [&](const ImportedActivity* earlier) {
            return activity->startSeconds >= 0 && earlier->startSeconds >= 0 &&
                   std::abs(activity->startSeconds - earlier->startSeconds) < kSameStartSeconds;
        });
        if (again)
            rows.push_back(rowOf(*activity, sport, RowStatus::duplicate));
        else
            kept.push_back(activity);
    }
    // The entry is named by the activity that began the day, wherever its file came in.
    std::stable_sort(kept.begin(), kept.end(), [](const ImportedActivity* a, const ImportedActivity* b) {
        return a->startSeconds < b->startSeconds;
    });
    ImportRow row = rowOf(*kept.front(), sport, RowStatus::fresh);
    addTo(row, kept);
    row.problem = editorRefusal(row, target);
    row.status = row.problem.empty() ? statusAgainstPlan(row, year) : RowStatus::refused;
    rows.push_back(std::move(row));
}

bool holdsSport(int planFileVersion, int sport) {
    const std::vector<int> sports = plannableSports(planFileVersion);
    return std::find(sports.begin(), sports.end(), sport) != sports.end();
}

void checkRows(std::vector<ImportRow>& rows, const ImportTarget& target, const ImportChoices& choices) {
    for (ImportRow& row : rows) {
        row.checked = row.status == RowStatus::fresh || (row.status == RowStatus::dayTaken && target.replaceTaken);
        const auto chosen = choices.checks.find(row.activities.front());
        if (chosen != choices.checks.end() && isCheckable(row)) row.checked = chosen->second;
    }
}

}  // namespace

ImportTarget importTargetOf(int planFileVersion, int sportMode, int triathlonBasic) {
    ImportTarget target;
    if (const editor::DayEditorLayout* layout =
            editor::chooseDayEditorLayout(planFileVersion, sportMode, triathlonBasic)) {
        target.writesPulse = layout->pulse;
        target.writesClimbing = layout->extended;
    }
    constexpr int kSportOfMode[] = {0, model::kBike, model::kRun, model::kSwim};
    if (sportMode >= 1 && sportMode <= 3) target.fallbackSport = kSportOfMode[sportMode];
    return target;
}

std::string statusText(const ImportRow& row) {
    switch (row.status) {
        case RowStatus::fresh:
            return "neu";
        case RowStatus::alreadyEntered:
            return "schon eingetragen";
        case RowStatus::dayTaken:
            return "Tag belegt";
        case RowStatus::duplicate:
            return "doppelt";
        case RowStatus::sportMissing:
            return "Sportart fehlt";
        case RowStatus::otherYear:
            return "anderes Jahr";
        case RowStatus::notInPlan:
            return "nicht im Plan";
        case RowStatus::refused:
            return row.problem;
        case RowStatus::unreadable:
            return "nicht lesbar: " + row.problem;
    }
    return {};
}

bool isCheckable(const ImportRow& row) {
    return row.status == RowStatus::fresh || row.status == RowStatus::alreadyEntered ||
           row.status == RowStatus::dayTaken;
}

std::vector<int> plannableSports(int planFileVersion) {
    switch (planFileVersion) {
        case 1:
            return {model::kBike, model::kRun};
        case 2:
            return {model::kBike, model::kRun, model::kOther};
        default:
            return {model::kBike, model::kRun, model::kSwim, model::kOther};
    }
}

std::vector<ImportRow> buildImportRows(const std::vector<ImportedActivity>& activities,
                                       const model::TrainingYear& year, const ImportTarget& target,
                                       const ImportChoices& choices) {
    std::vector<ImportRow> rows;
    // Per day index and sport, in key order.
    std::map<std::pair<int, int>, std::vector<const ImportedActivity*>> groups;
    for (const ImportedActivity& activity : activities) {
        const auto chosen = choices.sports.find(activity.key);
        const int sport = chosen != choices.sports.end() ? chosen->second
                          : activity.sport != 0          ? activity.sport
                                                         : target.fallbackSport;
        if (!activity.problem.empty() || activity.year == 0) {
            rows.push_back(rowOf(activity, sport, RowStatus::unreadable));
            if (activity.problem.empty()) rows.back().problem = "Die Aufzeichnung nennt kein Datum.";
        } else if (!datedInPlanYear(activity, year.planYear)) {
            rows.push_back(rowOf(activity, sport, RowStatus::otherYear));
        } else if (sport == 0) {
            rows.push_back(rowOf(activity, sport, RowStatus::sportMissing));
        } else if (!holdsSport(year.planFileVersion, sport)) {
            rows.push_back(rowOf(activity, sport, RowStatus::notInPlan));
        } else {
            groups[{model::dayOfYear(activity.day, activity.month, activity.year), sport}].push_back(&activity);
        }
    }
    for (const auto& [daySport, group] : groups) addGroupRows(group, daySport.second, year, target, rows);
    const auto order = [](const ImportRow& row) {
        return std::make_tuple(row.year == 0, row.year, row.month, row.day, row.startSeconds, row.activities.front());
    };
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const ImportRow& a, const ImportRow& b) { return order(a) < order(b); });
    checkRows(rows, target, choices);
    return rows;
}

TakeOutcome takeImportRows(const std::vector<ImportRow>& rows, const ImportTarget& target,
                           model::TrainingYear& year) {
    TakeOutcome outcome;
    for (const ImportRow& row : rows) {
        if (!row.checked || !isCheckable(row)) {
            ++outcome.skipped;
            continue;
        }
        const int dayIndex = model::dayOfYear(row.day, row.month, row.year) - 1;
        model::SportEntry& entry =
            year.days[std::size_t(dayIndex)].*editor::sportControls(model::Sport(row.sport)).entry;
        entry.duration = editor::formatDuration(row.minutes / 60, row.minutes % 60);
        entry.distanceKm = float(row.distanceKm);
        if (target.writesPulse) entry.avgPulse = row.avgPulse;
        if (target.writesClimbing && row.sport == model::kBike) entry.heightMetres = float(row.climbingMetres);
        ++outcome.taken;
    }
    if (outcome.taken > 0) year.modified = 1;
    return outcome;
}

std::string takeSummary(const TakeOutcome& outcome) {
    char text[96];
    std::snprintf(text, sizeof text, "%d Trainings übernommen, %d übersprungen.", outcome.taken, outcome.skipped);
    return text;
}

}  // namespace sb::import
