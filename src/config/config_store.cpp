// Start-up reading, validation and write-back of the settings, the final save and the recently-used list.
// A value outside the range the program can use counts as missing: it takes the default, and keys that
// are written back when missing get the default written, so a damaged file heals itself.
#include "config/config_store.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "fileio/c_numbers.h"
#include "model/training_types.h"

namespace sb::config {

namespace {

// The text a read returns for a missing key; a stored value equal to it counts as missing too.
constexpr std::string_view kMissing = "Test";
// The zone colours use their own marker, short enough for their 10-byte buffer.
constexpr std::string_view kZoneColourMissing = "Vorgabe";

constexpr std::array<int, kPulseZoneColourCount> kDefaultZoneColours = {8454143, 4914882, 8781447, 4884222,
                                                                        8750846};

constexpr int kDefaultQuantity = 103;
constexpr int kDefaultZoneLimit = 150;
constexpr int kMaxZoneLimit = 220;

using Validity = std::function<bool(int)>;

Validity within(int low, int high) {
    return [low, high](int value) { return value >= low && value <= high; };
}

bool anyValue(int) {
    return true;
}

bool isColour(int value) {
    return value >= 0 && value <= 0xFFFFFF;
}

int oneByte(int value) {
    return static_cast<unsigned char>(value);
}

std::string numbered(std::string_view stem, int n) {
    return std::string(stem) + fileio::formatInt(n);
}

// What a read into a buffer of bufferSize bytes yields; nothing when the key counts as missing.
std::optional<std::string> storedValue(const ProfileFile& file, std::string_view section,
                                       std::string_view key, std::size_t bufferSize,
                                       std::string_view missingMarker) {
    std::string value = profileString(file, section, key).value_or(std::string(missingMarker));
    value.resize(std::min({value.size(), value.find('\0'), bufferSize - 1}));
    if (value == missingMarker) return std::nullopt;
    return value;
}

// A read whose write-back stays in memory; the caller saves once.
std::string takeSetting(ConfigStore& store, std::string_view section, std::string_view key,
                        std::string_view defaultText, WriteBack writeBack, std::size_t bufferSize,
                        std::string_view missingMarker = kMissing) {
    if (auto value = storedValue(store.file, section, key, bufferSize, missingMarker)) return *value;
    if (writeBack == WriteBack::Yes) setProfileString(store.file, section, key, defaultText);
    return std::string(defaultText);
}

int takeIntSetting(ConfigStore& store, std::string_view section, std::string_view key, int defaultValue,
                   WriteBack writeBack, const Validity& valid = anyValue,
                   std::size_t bufferSize = buffer::setting, std::string_view missingMarker = kMissing) {
    const std::string defaultText = fileio::formatInt(defaultValue);
    const int value =
        fileio::atoiC(takeSetting(store, section, key, defaultText, writeBack, bufferSize, missingMarker));
    if (valid(value)) return value;
    if (writeBack == WriteBack::Yes) setProfileString(store.file, section, key, defaultText);
    return defaultValue;
}

Validity quantityOfKind(int kind) {
    return [kind](int code) { return isQuantityOfKind(kind, code); };
}

// Kinds 0 and 5 never use the preset's quantity as a bar-diagram quantity; any known code is kept.
Validity presetQuantity(int kind) {
    if (kind >= 1 && kind <= 4) return quantityOfKind(kind);
    return [](int code) {
        for (int kind = 1; kind <= 4; ++kind) {
            if (isQuantityOfKind(kind, code)) return true;
        }
        return isXQuantity(code) || isYQuantity(code);
    };
}

void loadGeneralSettings(ConfigStore& store) {
    const auto yes = WriteBack::Yes;
    store.autoLoad = takeIntSetting(store, "KONFIG", "AUTOLADEN", 1, yes);
    store.autoOpenDayEditor = takeIntSetting(store, "KONFIG", "AUTOMATISCH_TRAININGSDATEN", 0, yes);
    store.lastFile = takeSetting(store, "KONFIG", "LETZTE_DATEI", "", WriteBack::No, buffer::fileName);
    store.sportMode = takeIntSetting(store, "KONFIG", "SPORTART", 5, yes, within(1, 5));
    store.triathlonBasic = takeIntSetting(store, "KONFIG", "TRIATHLON_BASIC", 1, yes, within(0, 1));
    store.showToolbar = takeIntSetting(store, "KONFIG", "TOOLBAR", 1, yes);
    store.showStatusBar = takeIntSetting(store, "KONFIG", "STATUSBAR", 1, yes);
    store.displayStyle = takeIntSetting(store, "KONFIG", "DARSTELLUNG", 1, yes, within(1, 3));
    store.polarSupport = takeIntSetting(store, "KONFIG", "POLAR", 1, yes);
    store.bikeComputerSupport = takeIntSetting(store, "KONFIG", "TACHO", 0, yes);
    store.logoSeconds = takeIntSetting(store, "KONFIG", "LOGOZEIT", 3, yes, [](int v) { return v >= 3; });
    for (int code = 0; code < kTrainingTypeCount; ++code) {
        store.trainingTypeLabels[code] = takeSetting(store, "KONFIG", numbered("SOLL_IST_EINTRAG_", code + 1),
                                                     model::defaultTrainingTypeLabels()[code], yes, buffer::label);
    }
    for (int code = 0; code < kTrainingTypeCount; ++code) {
        store.trainingTypeColours[code] = takeIntSetting(
            store, "KONFIG", numbered("SOLL_IST_FARBE_", code + 1), model::defaultTrainingTypeColours()[code], yes, isColour);
    }
}

void loadHistory(ConfigStore& store) {
    const Validity historyRange = within(0, kMaxHistoryEntries);
    store.historyMaxCount = takeIntSetting(store, "MENUE", "MAX_ANZAHL", 0, WriteBack::Yes, historyRange);
    const int count = takeIntSetting(store, "MENUE", "ANZAHL", 0, WriteBack::Yes, historyRange);
    store.history.clear();
    for (int i = 0; i < count; ++i) {
        store.history.push_back(
            takeSetting(store, "MENUE", numbered("EINTRAG_", i), "", WriteBack::No, buffer::setting));
    }
}

void loadDiagramSettings(ConfigStore& store) {
    const auto no = WriteBack::No;
    store.diagramKind = takeIntSetting(store, "KONFIG", "DIAGRAMM_TYP", 0, no, within(0, 5));
    store.weekOfYearQuantity =
        takeIntSetting(store, "WOCHEN_JAHRES_DIAGRAMM", "MODUS", kDefaultQuantity, no, quantityOfKind(1));
    store.monthOfYearQuantity =
        takeIntSetting(store, "MONATS_JAHRES_DIAGRAMM", "MODUS", kDefaultQuantity, no, quantityOfKind(2));
    store.weekQuantity =
        takeIntSetting(store, "WOCHEN_DIAGRAMM", "MODUS", kDefaultQuantity, no, quantityOfKind(3));
    store.timeSportFlags = oneByte(takeIntSetting(store, "WOCHEN_DIAGRAMM", "MODUS2", 0, no));
    store.loadSportFlags = oneByte(takeIntSetting(store, "WOCHEN_DIAGRAMM", "MODUS3", 0, no));
    store.monthQuantity =
        takeIntSetting(store, "MONATS_DIAGRAMM", "MODUS", kDefaultQuantity, no, quantityOfKind(4));
    store.yQuantity = takeIntSetting(store, "X_Y_DIAGRAMM", "MODUS_Y", 135, no, isYQuantity);
    store.xQuantity = takeIntSetting(store, "X_Y_DIAGRAMM", "MODUS_X", 129, no, isXQuantity);
    store.userDiagramSlot =
        takeIntSetting(store, "KONFIG", "BENUTZER", -1, no, within(-1, kUserDiagramCount - 1));
    for (int n = 0; n < kUserDiagramCount; ++n) {
        const std::string section = numbered("BENUTZER_", n + 1);
        UserDiagramPreset& preset = store.userDiagrams[n];
        preset.kind = takeIntSetting(store, section, "DIAGRAMM_TYP", 0, no, within(0, 5));
        preset.quantity =
            takeIntSetting(store, section, "MODUS", kDefaultQuantity, no, presetQuantity(preset.kind));
        preset.timeSportFlags = oneByte(takeIntSetting(store, section, "MODUS_ZEIT", 0, no));
        preset.loadSportFlags = oneByte(takeIntSetting(store, section, "MODUS_BELASTUNG", 0, no));
    }
}

}  // namespace

bool isQuantityOfKind(int kind, int code) {
    const bool distance = code >= 103 && code <= 106;
    const bool sportTime = code >= 112 && code <= 117;
    const bool dayValue = code == 118 || code == 119;
    const bool byType = code >= 143 && code <= 150;
    switch (kind) {
        case 1:
        case 2:
            return (code >= 103 && code <= 117) || code == 120 || code == 125 || code == 126 || byType;
        case 3:
            return distance || dayValue || code == 127 || code == 128;
        case 4:
            return distance || sportTime || dayValue || byType;
        default:
            return false;
    }
}

bool isXQuantity(int code) {
    return code == 129 || code == 130;
}

bool isYQuantity(int code) {
    return code >= 135 && code <= 142;
}

std::string readSetting(ConfigStore& store, std::string_view section, std::string_view key,
                        std::string_view defaultText, WriteBack writeBack, std::size_t bufferSize) {
    std::string value =
        takeSetting(store, section, key, defaultText, writeBack, std::max<std::size_t>(bufferSize, 1));
    flushProfileFile(store.file);
    return value;
}

int readIntSetting(ConfigStore& store, std::string_view section, std::string_view key, int defaultValue,
                   WriteBack writeBack) {
    return fileio::atoiC(readSetting(store, section, key, fileio::formatInt(defaultValue), writeBack));
}

bool writeSetting(ConfigStore& store, std::string_view section, std::string_view key,
                  std::string_view value) {
    return writeProfileString(store.file, section, key, value);
}

bool writeIntSetting(ConfigStore& store, std::string_view section, std::string_view key, int value) {
    return writeSetting(store, section, key, fileio::formatInt(value));
}

void openConfigFile(ConfigStore& store, const std::string& path) {
    store.file = loadProfileFile(path);
}

void loadAllSettings(ConfigStore& store) {
    loadGeneralSettings(store);
    loadHistory(store);
    loadDiagramSettings(store);
    flushProfileFile(store.file);
}

void loadPulseZones(ConfigStore& store) {
    PulseZones& zones = store.pulseZones;
    const auto no = WriteBack::No;
    zones.count = takeIntSetting(store, "X_Y_DIAGRAMM", "Anzahl_Bereich", 0, no,
                                 within(0, kPulseZoneColourCount), buffer::pulseZone);
    for (int i = 0; i < kPulseZoneLimitCount; ++i) {
        zones.upper[i] = takeIntSetting(store, "X_Y_DIAGRAMM", numbered("Max_Bereich", i), kDefaultZoneLimit,
                                        no, within(0, kMaxZoneLimit), buffer::pulseZone);
    }
    for (int i = 0; i < kPulseZoneColourCount; ++i) {
        zones.colours[i] =
            takeIntSetting(store, "X_Y_DIAGRAMM", numbered("Farbe_Bereich", i), kDefaultZoneColours[i],
                           WriteBack::Yes, isColour, buffer::pulseZone, kZoneColourMissing);
    }
    zones.lower[0] = 0;
    for (int i = 1; i < kPulseZoneLimitCount; ++i) zones.lower[i] = zones.upper[i - 1] + 1;
    flushProfileFile(store.file);
}

bool saveAllSettings(ConfigStore& store, std::string_view currentFileName) {
    store.lastFile = std::string(currentFileName);
    auto put = [&store](std::string_view section, std::string_view key, int value) {
        setProfileString(store.file, section, key, fileio::formatInt(value));
    };
    put("KONFIG", "AUTOLADEN", store.autoLoad);
    put("KONFIG", "AUTOMATISCH_TRAININGSDATEN", store.autoOpenDayEditor);
    setProfileString(store.file, "KONFIG", "LETZTE_DATEI", currentFileName);
    put("KONFIG", "SPORTART", store.sportMode);
    put("KONFIG", "TRIATHLON_BASIC", store.triathlonBasic);
    put("KONFIG", "TOOLBAR", store.showToolbar);
    put("KONFIG", "STATUSBAR", store.showStatusBar);
    put("KONFIG", "DARSTELLUNG", store.displayStyle);
    put("KONFIG", "POLAR", store.polarSupport);
    put("KONFIG", "TACHO", store.bikeComputerSupport);
    for (int code = 0; code < kTrainingTypeCount; ++code) {
        setProfileString(store.file, "KONFIG", numbered("SOLL_IST_EINTRAG_", code + 1),
                         store.trainingTypeLabels[code]);
        put("KONFIG", numbered("SOLL_IST_FARBE_", code + 1), store.trainingTypeColours[code]);
    }
    put("KONFIG", "DIAGRAMM_TYP", store.diagramKind);
    put("WOCHEN_JAHRES_DIAGRAMM", "MODUS", store.weekOfYearQuantity);
    put("MONATS_JAHRES_DIAGRAMM", "MODUS", store.monthOfYearQuantity);
    put("WOCHEN_DIAGRAMM", "MODUS", store.weekQuantity);
    put("WOCHEN_DIAGRAMM", "MODUS2", store.timeSportFlags);
    put("WOCHEN_DIAGRAMM", "MODUS3", store.loadSportFlags);
    put("MONATS_DIAGRAMM", "MODUS", store.monthQuantity);
    put("X_Y_DIAGRAMM", "MODUS_Y", store.yQuantity);
    put("X_Y_DIAGRAMM", "MODUS_X", store.xQuantity);
    put("KONFIG", "BENUTZER", store.userDiagramSlot);
    for (int n = 0; n < kUserDiagramCount; ++n) {
        const std::string section = numbered("BENUTZER_", n + 1);
        const UserDiagramPreset& preset = store.userDiagrams[n];
        put(section, "DIAGRAMM_TYP", preset.kind);
        put(section, "MODUS", preset.quantity);
        put(section, "MODUS_ZEIT", preset.timeSportFlags);
        put(section, "MODUS_BELASTUNG", preset.loadSportFlags);
    }
    return flushProfileFile(store.file);
}

void addToHistory(ConfigStore& store, std::string_view path) {
    std::vector<std::string>& history = store.history;
    if (!history.empty() && history.front() == path) return;
    std::erase(history, path);
    history.insert(history.begin(), std::string(path));
    const std::size_t limit =
        static_cast<std::size_t>(std::clamp(store.historyMaxCount, 0, kMaxHistoryEntries));
    if (history.size() > limit) history.resize(limit);
    setProfileString(store.file, "MENUE", "ANZAHL", fileio::formatInt(static_cast<int>(history.size())));
    for (std::size_t i = 0; i < history.size(); ++i) {
        setProfileString(store.file, "MENUE", numbered("EINTRAG_", static_cast<int>(i)), history[i]);
    }
    flushProfileFile(store.file);
}

}  // namespace sb::config
