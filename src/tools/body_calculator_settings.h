// What the three body calculators share: their inputs remembered in train.cfg (a missing key takes its
// default from the open plan and is written at once), decimal fields shown with one decimal, and the
// three buttons every calculator has.
#pragma once

#include <string>
#include <string_view>

#include "config/config_store.h"
#include "model/training_year.h"
#include "platform/dialog.h"

namespace sb::tools {

namespace calculator_buttons {
constexpr int calculate = 301;
constexpr int close = 302;  // "Abbruch": stores the values, then closes
constexpr int help = 303;
}  // namespace calculator_buttons

// The stored value of section/key, or `defaultText` written at once when it is missing.
float readDecimalSetting(config::ConfigStore& settings, std::string_view section, std::string_view key,
                         std::string_view defaultText);
void writeDecimalSetting(config::ConfigStore& settings, std::string_view section, std::string_view key,
                         float value);
// Whether the stored gender (default: the athlete's) is female.
bool readFemaleSetting(config::ConfigStore& settings, std::string_view section,
                       const model::TrainingYear& year);
// The athlete's latest body weight as a default text.
std::string weightDefault(const model::TrainingYear& year);

// A field's text read with atof after commas became dots; for fields the calculators do not check.
float decimalField(const platform::DialogHost& host, int id);
void showDecimal(platform::DialogHost& host, int id, float value);

// "Berechnen" (the default button), "Abbruch" and "Hilfe" side by side across the dialog at height y.
void addCalculatorButtons(platform::DialogTemplate& dialog, int y);

}  // namespace sb::tools
