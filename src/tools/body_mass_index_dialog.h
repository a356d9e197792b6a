// The body mass index calculator (template TOOL_BMI, "BodyMassIndex Rechner"): weight and height give
// the index, beside a fixed legend; the inputs are remembered in section BMI.
#pragma once

#include <string>

#include "config/config_store.h"
#include "model/training_year.h"
#include "platform/services.h"

namespace sb::tools {

namespace body_mass_index_dialog {
constexpr int heightField = 201;
constexpr int weightField = 202;
constexpr int result = 203;
constexpr int helpTopic = 42;
}  // namespace body_mass_index_dialog

const platform::DialogTemplate& bodyMassIndexTemplate();

void runBodyMassIndexCalculator(platform::Services& services, config::ConfigStore& settings,
                                const model::TrainingYear& year, const std::string& helpFile);

}  // namespace sb::tools
