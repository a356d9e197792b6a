// The gear calculator (template TOOL_RITZELRECHNER, "Ritzelrechner"): chainrings, sprockets and wheel
// circumference typed in, the ratios shown as a sorted list or as the step chart, both printable; the
// inputs are remembered in section "Ritzelrechner" when it is left with "Beenden".
#pragma once

#include <string>

#include "config/config_store.h"
#include "platform/services.h"
#include "tools/gear_ratios.h"

namespace sb::tools {

namespace gear_dialog {
constexpr int resultList = 3;
constexpr int chart = 4;
constexpr int firstChainring = 201;  // 201…203
constexpr int firstSprocket = 204;   // 204…213
constexpr int calculate = 215;
constexpr int closeButton = 216;  // "Beenden"
constexpr int helpButton = 217;
constexpr int circumference = 218;
constexpr int listButton = 219;
constexpr int chartButton = 220;
constexpr int printListButton = 221;
constexpr int printChartButton = 222;
constexpr int helpTopic = 45;
}  // namespace gear_dialog

const platform::DialogTemplate& gearCalculatorTemplate();

void runGearCalculator(platform::Services& services, config::ConfigStore& settings,
                       const std::string& helpFile);

}  // namespace sb::tools
