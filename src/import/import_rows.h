// The rows of an import, decided against the open plan: one per activity, several activities of one
// day and sport taken together; each with its status and whether it is taken. Taking the rows writes
// them into the plan's day entries.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "import/imported_activity.h"
#include "model/training_year.h"

namespace sb::import {

enum class RowStatus {
    fresh,           // "neu"
    alreadyEntered,  // "schon eingetragen"
    dayTaken,        // "Tag belegt": taking it replaces the day's values
    duplicate,       // "doppelt": the same activity as an earlier row
    sportMissing,    // "Sportart fehlt"
    otherYear,       // "anderes Jahr"
    notInPlan,       // "nicht im Plan": the plan's version holds no such sport
    refused,         // a value outside the day editor's limits, with the editor's message
    unreadable,      // "nicht lesbar: <message>"
};

// What the user decided beyond the files: a sport for activities, and rows checked or unchecked
// (by the key of the row's first activity).
struct ImportChoices {
    std::map<ActivityKey, int> sports;
    std::map<ActivityKey, bool> checks;
};

// How the plan takes rows: the form of its day editor decides pulse and climbing.
struct ImportTarget {
    int fallbackSport = 0;     // the sport of activities that name none; 0 leaves them without
    bool replaceTaken = false; // "Tag belegt" rows start checked
    bool writesPulse = true;
    bool writesClimbing = false;  // the bike entry of a version-3 plan
};

struct ImportRow {
    std::vector<ActivityKey> activities;  // the first names the row
    std::string file;                     // with the number of recordings when it holds several
    int year = 0, month = 0, day = 0;
    int startSeconds = -1;
    int sport = 0;
    int minutes = 0;        // duration, rounded to whole minutes
    double distanceKm = 0;  // rounded to two decimals
    int avgPulse = 0;       // averaged by duration
    int climbingMetres = 0;
    RowStatus status = RowStatus::fresh;
    std::string problem;  // unreadable: the reader's message; refused: the editor's
    bool checked = false;
};

// The target of a plan of this version under the sport mode (SPORTART 1…5, TRIATHLON_BASIC): its
// day editor's form decides what is written; a mode of one sport gives that sport to activities
// without one.
ImportTarget importTargetOf(int planFileVersion, int sportMode, int triathlonBasic);

// The status as the rows show it.
std::string statusText(const ImportRow& row);
// Whether the user may check the row: rows greyed, doubled or without a sport are never taken.
bool isCheckable(const ImportRow& row);
// The sports a plan of this version holds, in the order the choice offers them.
std::vector<int> plannableSports(int planFileVersion);

// The rows of the activities (in key order), sorted by date and start; rows without a date last.
std::vector<ImportRow> buildImportRows(const std::vector<ImportedActivity>& activities,
                                       const model::TrainingYear& year, const ImportTarget& target,
                                       const ImportChoices& choices);

struct TakeOutcome {
    int taken = 0;
    int skipped = 0;  // every row not taken
};

// Writes every checked row into its day's entry (duration, distance, pulse and climbing as the target
// says; route and content stay) and marks the plan changed when one was written.
TakeOutcome takeImportRows(const std::vector<ImportRow>& rows, const ImportTarget& target,
                           model::TrainingYear& year);

// "%d Trainings übernommen, %d übersprungen."
std::string takeSummary(const TakeOutcome& outcome);

}  // namespace sb::import
