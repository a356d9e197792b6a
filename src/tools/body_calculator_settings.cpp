// The calculators' remembered inputs and their common controls.
#include "tools/body_calculator_settings.h"

#include <algorithm>

#include "fileio/c_numbers.h"

namespace sb::tools {

float readDecimalSetting(config::ConfigStore& settings, std::string_view section, std::string_view key,
                         std::string_view defaultText) {
    return fileio::atofFloatC(
        config::readSetting(settings, section, key, defaultText, config::WriteBack::Yes));
}

void writeDecimalSetting(config::ConfigStore& settings, std::string_view section, std::string_view key,
                         float value) {
    config::writeSetting(settings, section, key, fileio::formatFixed(value, 1));
}

bool readFemaleSetting(config::ConfigStore& settings, std::string_view section,
                       const model::TrainingYear& year) {
    const std::string gender = config::readSetting(settings, section, "GESCHLECHT",
                                                   std::string(1, year.gender), config::WriteBack::Yes);
    return !gender.empty() && (gender[0] == 'w' || gender[0] == 'W');
}

std::string weightDefault(const model::TrainingYear& year) {
    return fileio::formatFixed(model::latestBodyWeight(year), 1);
}

float decimalField(const platform::DialogHost& host, int id) {
    std::string text = host.text(id);
    std::replace(text.begin(), text.end(), ',', '.');
    return fileio::atofFloatC(text);
}

void showDecimal(platform::DialogHost& host, int id, float value) {
    host.setText(id, fileio::formatFixed(value, 1));
}

void addCalculatorButtons(platform::DialogTemplate& dialog, int y) {
    using platform::ControlFlag;
    using platform::ControlKind;
    const int width = (dialog.width - 32) / 3;
    dialog.controls.push_back({calculator_buttons::calculate,
                               ControlKind::DefaultButton,
                               "Berechnen",
                               {8, y, width, 14},
                               ControlFlag::TabStop | ControlFlag::GroupStart});
    dialog.controls.push_back({calculator_buttons::close,
                               ControlKind::Button,
                               "Abbruch",
                               {16 + width, y, width, 14},
                               ControlFlag::TabStop});
    dialog.controls.push_back({calculator_buttons::help,
                               ControlKind::Button,
                               "Hilfe",
                               {24 + 2 * width, y, width, 14},
                               ControlFlag::TabStop});
}

}  // namespace sb::tools
