// The program's settings in memory (`ConfigStore`) and their persistent form, the profile file train.cfg:
// reading every setting at start-up with defaults and validation, writing them all back at the end, the
// typed single-key reads and writes the dialogs use, and the recently-used file list.
// Texts are Windows-1252 bytes as the file holds them; file paths are stored as native bytes.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "config/profile_file.h"
#include "model/training_types.h"

namespace sb::config {

using model::kTrainingTypeCount;
constexpr int kUserDiagramCount = 5;
constexpr int kPulseZoneLimitCount = 6;
constexpr int kPulseZoneColourCount = 5;
constexpr int kMaxHistoryEntries = 9;

// Buffer sizes of the reads, counting the terminating NUL: a value holds at most size - 1 bytes.
namespace buffer {
constexpr std::size_t setting = 260;
constexpr std::size_t label = 50;
constexpr std::size_t pulseZone = 10;
constexpr std::size_t fileName = 1024;
}  // namespace buffer

enum class WriteBack { No, Yes };

struct UserDiagramPreset {
    int kind = 0;            // DiagramKind 0…5
    int quantity = 103;      // DiagramQuantity code
    int timeSportFlags = 0;  // one byte; bit 1 Rad, 2 Laufen, 4 Alternativ, 8 Schwimmen
    int loadSportFlags = 0;  // one byte, bits as timeSportFlags
};

struct PulseZones {
    int count = 0;                                     // zones in use, 0…5
    std::array<int, kPulseZoneLimitCount> upper{};     // bpm, upper limit of zone i
    std::array<int, kPulseZoneLimitCount> lower{};     // bpm, 0 for zone 0, else upper(i − 1) + 1
    std::array<int, kPulseZoneColourCount> colours{};  // 0x00BBGGRR
};

// What the main window shows at the moment: the diagram kind, each kind's quantity, the week diagram's
// sport bits, the user-defined presets and the active one. The window changes them as the user
// chooses; train.cfg keeps them only from one run to the next.
struct DiagramChoice {
    int diagramKind = 0;  // DiagramKind 0…5
    int weekOfYearQuantity = 103;
    int monthOfYearQuantity = 103;
    int weekQuantity = 103;
    int timeSportFlags = 0;  // MODUS2, one byte
    int loadSportFlags = 0;  // MODUS3, one byte
    int monthQuantity = 103;
    int yQuantity = 135;       // X-Y diagram, 135…142
    int xQuantity = 129;       // X-Y diagram, 129 or 130
    int userDiagramSlot = -1;  // active preset 0…4, -1 none
    std::array<UserDiagramPreset, kUserDiagramCount> userDiagrams;
};

// The stored settings: read at start-up, changed by the options and written back at the end.
struct ConfigStore {
    ProfileFile file;  // train.cfg

    int autoLoad = 1;           // reload the last plan at start
    int autoOpenDayEditor = 0;  // open the day editor when the logo time ends
    std::string lastFile;       // LETZTE_DATEI; the caller moves it into currentFileName
    int sportMode = 5;          // SportMode 1 Rad, 2 Laufen, 3 Schwimmen, 4 Duathlon, 5 Triathlon
    int triathlonBasic = 1;     // 1 basic triathlon layout, 0 full
    int showToolbar = 1;
    int showStatusBar = 1;
    int displayStyle = 1;         // DisplayStyle 1 Balken, 2 3D-Balken, 3 Linien
    int polarSupport = 1;         // heart-rate monitor files
    int bikeComputerSupport = 0;  // bike computer files
    int logoSeconds = 3;          // at least 3
    std::array<std::string, kTrainingTypeCount> trainingTypeLabels;  // at most 49 bytes each
    std::array<int, kTrainingTypeCount> trainingTypeColours{};       // 0x00BBGGRR

    int historyMaxCount = 0;           // MAX_ANZAHL 0…9
    std::vector<std::string> history;  // newest first, at most 9 entries

    PulseZones pulseZones;

    bool saveFailureReported = false;  // the user was told of the failed save that file.saveFailed marks
    // What saveAllSettings would write, as loaded or last saved: a value still equal to it was not
    // changed here and does not overwrite what another program wrote meanwhile.
    std::vector<std::string> savedTexts;
};

// Reads one key into a buffer of bufferSize bytes. A missing key and the stored text "Test" both give
// the default, which is written to the file at once when writeBack says so.
std::string readSetting(ConfigStore& store, std::string_view section, std::string_view key,
                        std::string_view defaultText, WriteBack writeBack,
                        std::size_t bufferSize = buffer::setting);
// readSetting converted with atoi.
int readIntSetting(ConfigStore& store, std::string_view section, std::string_view key, int defaultValue,
                   WriteBack writeBack);
// Single writes are on disk when they return; a failure marks file.saveFailed for the caller to report.
bool writeSetting(ConfigStore& store, std::string_view section, std::string_view key, std::string_view value);
bool writeIntSetting(ConfigStore& store, std::string_view section, std::string_view key, int value);

// Opens the configuration file at path into store.file (nothing else is read yet).
void openConfigFile(ConfigStore& store, const std::string& path);
// Every start-up key in its order, with defaults, validation and write-back; one save at the end.
void loadAllSettings(ConfigStore& store, DiagramChoice& diagram);
void loadPulseZones(ConfigStore& store);
// Both loads of the stored settings over the file at path, without writing it: what a first start
// would write back stays in memory. A missing file gives the defaults; false when the file exists but
// cannot be read.
bool readSettingsWithoutWriting(ConfigStore& store, const std::string& path);
// Writes the settings the program keeps changing in memory, with currentFileName as LETZTE_DATEI.
bool saveAllSettings(ConfigStore& store, const DiagramChoice& diagram, std::string_view currentFileName);
// Puts path at the head of the recently-used list and writes the list.
void addToHistory(ConfigStore& store, std::string_view path);

}  // namespace sb::config
