// What a list dialog works with: the open plan (read only), the settings with the training-type labels,
// the sport mode and the stored column orders, and the help file.
#pragma once

#include <string>

#include "config/config_store.h"
#include "model/training_year.h"

namespace sb::lists {

struct ListContext {
    const model::TrainingYear& year;
    config::ConfigStore& settings;
    std::string helpFile;
};

}  // namespace sb::lists
