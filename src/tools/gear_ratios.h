// Gear ratios and developments: up to three chainrings and ten sprockets on a wheel of a given
// circumference, the list lines of every combination, and the step in percent between neighbouring
// sprockets. Teeth of 0 or less mean "not used".
#pragma once

#include <array>
#include <string>
#include <vector>

namespace sb::tools {

constexpr int kChainringCount = 3;
constexpr int kSprocketCount = 10;
constexpr int kDefaultCircumference = 2133;

struct GearInputs {
    std::array<int, kChainringCount> chainrings{};  // teeth, small to large
    std::array<int, kSprocketCount> sprockets{};    // teeth, small to large
    int circumference = kDefaultCircumference;      // mm
};

float gearRatio(int chainring, int sprocket);
// Metres per crank revolution.
float development(int circumference, int chainring, int sprocket);

// "1:4.82   10.28m   Kettenblatt: 53   Ritzel: 11"
std::string gearListLine(int circumference, int chainring, int sprocket);
// The line of every used pair, chainring by chainring in field order.
std::vector<std::string> gearListLines(const GearInputs& inputs);

// How much longer (in percent) the development on `sprocket` is than on the next larger `nextSprocket`.
float gearStep(int circumference, int chainring, int sprocket, int nextSprocket);

}  // namespace sb::tools
