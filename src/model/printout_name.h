// The file a printout into a PDF file is proposed under: beside the plan, named after the athlete, the
// plan year and the printout, in letters any file system takes ("anna-2008-maerz.pdf").
#pragma once

#include <string>
#include <string_view>

#include "model/training_year.h"

namespace sb::model {

// `printout` in UTF-8 ("März", "Woche 10"); the result is a path in UTF-8.
std::string printoutFileProposal(const TrainingYear& year, std::string_view printout);

}  // namespace sb::model
