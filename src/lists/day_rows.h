// Which training entries of a day become rows, for each consumer side by side. They differ on purpose:
// the list shows an alternative-sport entry without distance and time only for a route of two or more
// characters, the printout for any non-empty route; the search takes the sports in another order,
// filters by sport mode and by the actual training type.
#pragma once

#include <vector>

#include "model/training_year.h"

namespace sb::lists {

// Sports (model::Sport) in row order: Rad, Laufen, Alternativ, Schwimmen (only in a plan of version 3).
// The list dialogs and the list documents.
std::vector<int> listRowSports(const model::DayRecord& day, int planFileVersion);
// The list printout.
std::vector<int> printedRowSports(const model::DayRecord& day, int planFileVersion);
// The search list, its printout and its document: Schwimmen, Rad, Laufen, Alternativ, each admitted by
// the sport mode, whose actual type is `type` and which holds a distance or a time.
std::vector<int> searchRowSports(const model::DayRecord& day, int planFileVersion, int sportMode, int type);
// Whether any sport of the day has the actual type `type`, whatever the sport mode and whether it
// gives a row or not: such a day counts as found.
bool dayMatchesType(const model::DayRecord& day, int type);
// The printout's training-free day: no distance, no time, no alternative-sport route.
bool dayWithoutTraining(const model::DayRecord& day);

const model::SportEntry& entryOfSport(const model::DayRecord& day, int sport);

}  // namespace sb::lists
