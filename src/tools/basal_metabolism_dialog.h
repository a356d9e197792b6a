// The basal metabolic rate calculator (template TOOL_GRUNDUMSATZ, "Grundumsatzrechner"): age, weight,
// height and sex give the daily need at rest; the inputs are remembered in section GRUNDUMSATZ.
#pragma once

#include <string>

#include "config/config_store.h"
#include "model/training_year.h"
#include "platform/services.h"

namespace sb::tools {

namespace basal_metabolism_dialog {
constexpr int ageField = 201;
constexpr int heightField = 202;
constexpr int weightField = 203;
constexpr int female = 204;
constexpr int male = 205;
constexpr int result = 206;
constexpr int helpTopic = 41;
}  // namespace basal_metabolism_dialog

const platform::DialogTemplate& basalMetabolismTemplate();

// kcal a day, truncated toward zero.
int basalMetabolicRate(bool female, double weightKg, double heightCm, int age);

void runBasalMetabolismCalculator(platform::Services& services, config::ConfigStore& settings,
                                  const model::TrainingYear& year, const std::string& helpFile);

}  // namespace sb::tools
