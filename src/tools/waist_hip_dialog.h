// The waist-to-hip ratio calculator (template TOOL_THQ, "Taille/Hüfte Quotient Rechner"): the ratio and
// its rating for the chosen sex; the inputs are remembered in section THQ.
#pragma once

#include <string>

#include "config/config_store.h"
#include "model/training_year.h"
#include "platform/services.h"

namespace sb::tools {

namespace waist_hip_dialog {
constexpr int waistField = 201;
constexpr int hipField = 202;
constexpr int female = 203;
constexpr int male = 204;
constexpr int rating = 205;
constexpr int helpTopic = 43;
}  // namespace waist_hip_dialog

const platform::DialogTemplate& waistHipTemplate();

void runWaistHipCalculator(platform::Services& services, config::ConfigStore& settings,
                           const model::TrainingYear& year, const std::string& helpFile);

}  // namespace sb::tools
