// Every key of train.cfg that the program reads at start-up, described once: its section and key, the
// default, whether the default is written back at once, the check a stored value must pass, whether the
// final save writes it, and the field it fills. Loading and saving both walk these rows.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "config/config_store.h"

namespace sb::config {

// Where the rows put what they read: the stored settings and the diagram choice.
struct SettingsTarget {
    ConfigStore& store;
    DiagramChoice& diagram;
};

struct Setting {
    std::string section;
    std::string key;
    std::string defaultText;
    WriteBack writeBack = WriteBack::No;  // yes: a missing or unusable value is replaced in the file at once
    bool saved = true;                    // written by saveAllSettings
    std::size_t bufferSize = buffer::setting;
    // What a missing key reads as; a stored value equal to it counts as missing too.
    std::string_view missingMarker = "Test";
    // Text settings fill `text`; numbers fill `number` after `valid` accepted them (an unusable value
    // counts as missing). `oneByte` keeps the low byte of the number.
    std::function<std::string&(SettingsTarget&)> text;
    std::function<int&(SettingsTarget&)> number;
    std::function<bool(const SettingsTarget&, int)> valid;
    bool oneByte = false;
};

// The keys loadAllSettings reads, in their order; the final save writes the saved ones in the same order.
const std::vector<Setting>& startupSettings();
// The pulse-zone keys loadPulseZones reads: the zone count, the upper bounds, then the colours.
const std::vector<Setting>& pulseZoneSettings();
const Setting& pulseZoneCountSetting();
const Setting& pulseZoneUpperSetting(int zone);
const Setting& pulseZoneColourSetting(int zone);
// A zone's upper bound runs from 0 to 220 bpm.
constexpr int kHighestZoneBound = 220;
bool zoneUpperBoundAllowed(int bpm);

}  // namespace sb::config
