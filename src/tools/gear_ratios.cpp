// Gear arithmetic in single precision, as the figures were always computed.
#include "tools/gear_ratios.h"

#include <cstdio>

#include "fileio/c_numbers.h"

namespace sb::tools {

float gearRatio(int chainring, int sprocket) {
    return float(chainring) / float(sprocket);
}

float development(int circumference, int chainring, int sprocket) {
    return float(circumference) * gearRatio(chainring, sprocket) * 0.001f;
}

std::string gearListLine(int circumference, int chainring, int sprocket) {
    const std::string ratio = fileio::formatFixed(gearRatio(chainring, sprocket), 2);
    const std::string metres = fileio::formatFixed(development(circumference, chainring, sprocket), 2);
    char line[128];
    std::snprintf(line, sizeof line, "1:%s   %5sm   Kettenblatt: %02d   Ritzel: %02d", ratio.c_str(),
                  metres.c_str(), chainring, sprocket);
    return line;
}

std::vector<std::string> gearListLines(const GearInputs& inputs) {
    std::vector<std::string> lines;
    for (int chainring : inputs.chainrings) {
        if (chainring <= 0) continue;
        for (int sprocket : inputs.sprockets) {
            if (sprocket > 0) lines.push_back(gearListLine(inputs.circumference, chainring, sprocket));
        }
    }
    return lines;
}

float gearStep(int circumference, int chainring, int sprocket, int nextSprocket) {
    return development(circumference, chainring, sprocket) /
               development(circumference, chainring, nextSprocket) * 100 -
           100;
}

}  // namespace sb::tools
