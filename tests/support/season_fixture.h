// A season of recordings as an athlete brings it to an import: a folder of real recordings and a
// generated archive (a nested zip, .fit.gz and .tcx.gz entries, a cut archive inside), with a plan of
// 2017 whose entries make every row status appear. Also the gzip and zip writers the tests build with.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "model/training_year.h"
#include "support/plan_fixtures.h"

namespace sb::testing {

std::string gzipped(const std::string& bytes);
// A zip archive of (name, bytes) entries, deflated.
std::string zipped(const std::vector<std::pair<std::string, std::string>>& entries);
// A file of tests/data/recordings.
std::string recordingBytes(const std::string& name);

// The plan of 2017 in the given version: a run on 11 June that no recording matches, and on
// 17 January the run one recording holds.
model::TrainingYear seasonPlan(int version);
// Writes the folder "season" and the archive "season.zip" into dir; returns their paths.
std::vector<std::string> writeSeason(const TempDir& dir);

}  // namespace sb::testing
