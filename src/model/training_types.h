// The ten training types a day's planned and actual digits index: their default labels (13 characters,
// padded with blanks) and colours (0x00BBGGRR). The user may rename and recolour them in the settings.
#pragma once

#include <array>
#include <string>

namespace sb::model {

constexpr int kTrainingTypeCount = 10;

using TrainingTypeLabels = std::array<std::string, kTrainingTypeCount>;

const TrainingTypeLabels& defaultTrainingTypeLabels();
const std::array<int, kTrainingTypeCount>& defaultTrainingTypeColours();

}  // namespace sb::model
