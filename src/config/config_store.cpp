// Start-up reading and the final save, both walking the settings table; the single-key reads and writes
// of the dialogs, and the recently-used list.
#include "config/config_store.h"

#include <algorithm>
#include <optional>

#include "config/settings_table.h"
#include "fileio/c_numbers.h"
#include "fileio/file_bytes.h"

namespace sb::config {

namespace {

// The text a read returns for a missing key; a stored value equal to it counts as missing too.
constexpr std::string_view kMissing = "Test";

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

// Whether text starts like a number (blanks, a sign, a digit): "abc" is no colour 0, it is damage.
bool startsWithNumber(std::string_view text) {
    std::size_t at = text.find_first_not_of(" \t");
    if (at != std::string_view::npos && (text[at] == '-' || text[at] == '+')) ++at;
    return at < text.size() && text[at] >= '0' && text[at] <= '9';
}

void loadSetting(SettingsTarget& target, const Setting& setting) {
    ConfigStore& store = target.store;
    const std::optional<std::string> stored =
        storedValue(store.file, setting.section, setting.key, setting.bufferSize, setting.missingMarker);
    const bool writeDefault = setting.writeBack == WriteBack::Yes;
    if (!stored && writeDefault)
        setProfileString(store.file, setting.section, setting.key, setting.defaultText);
    std::string value = stored.value_or(setting.defaultText);
    if (setting.text) {
        setting.text(target) = std::move(value);
        return;
    }
    int number = fileio::atoiC(value);
    if (!startsWithNumber(value) || !setting.valid(target, number)) {
        // A stored value the program cannot use is replaced in the file as well, so the damage heals
        // even in keys whose missing value is never written.
        if (stored || writeDefault)
            setProfileString(store.file, setting.section, setting.key, setting.defaultText);
        number = fileio::atoiC(setting.defaultText);
    }
    setting.number(target) = setting.oneByte ? static_cast<unsigned char>(number) : number;
}

// The length is checked like a setting; the entries themselves are names that are only shown.
void loadHistory(ConfigStore& store) {
    int count = fileio::atoiC(takeSetting(store, "MENUE", "ANZAHL", "0", WriteBack::Yes, buffer::setting));
    if (count < 0 || count > kMaxHistoryEntries) {
        setProfileString(store.file, "MENUE", "ANZAHL", "0");
        count = 0;
    }
    store.history.clear();
    // A length raised in the options announces one entry before any file was opened: a missing name.
    for (int i = 0; i < count; ++i) {
        std::string entry =
            takeSetting(store, "MENUE", numbered("EINTRAG_", i), "", WriteBack::No, buffer::setting);
        if (!entry.empty()) store.history.push_back(std::move(entry));
    }
}

// The texts of the settings saveAllSettings writes, in the table's order.
std::vector<std::string> savedSettingTexts(ConfigStore& store, const DiagramChoice& diagram) {
    // The rows hand out writable fields; this only reads them.
    DiagramChoice shown = diagram;
    SettingsTarget target{store, shown};
    std::vector<std::string> texts;
    for (const Setting& setting : startupSettings()) {
        if (setting.saved)
            texts.push_back(setting.text ? setting.text(target) : fileio::formatInt(setting.number(target)));
    }
    return texts;
}

}  // namespace

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
    store.file.mergeOnSave = true;
}

void loadAllSettings(ConfigStore& store, DiagramChoice& diagram) {
    SettingsTarget target{store, diagram};
    for (const Setting& setting : startupSettings()) loadSetting(target, setting);
    loadHistory(store);
    flushProfileFile(store.file);
    store.savedTexts = savedSettingTexts(store, diagram);
}

void loadPulseZones(ConfigStore& store) {
    DiagramChoice untouched;  // the zone rows fill stored settings only
    SettingsTarget target{store, untouched};
    for (const Setting& setting : pulseZoneSettings()) loadSetting(target, setting);
    PulseZones& zones = store.pulseZones;
    zones.lower[0] = 0;
    for (int i = 1; i < kPulseZoneLimitCount; ++i) zones.lower[i] = zones.upper[i - 1] + 1;
    flushProfileFile(store.file);
}

bool readSettingsWithoutWriting(ConfigStore& store, const std::string& path) {
    std::string bytes;
    const fileio::ReadOutcome outcome = fileio::readFileBytes(path, bytes, kLargestProfileFile);
    if (outcome == fileio::ReadOutcome::Failed || outcome == fileio::ReadOutcome::TooLarge) return false;
    store.file = parseProfileText(bytes);
    DiagramChoice notShown;
    loadAllSettings(store, notShown);
    loadPulseZones(store);
    return true;
}

bool saveAllSettings(ConfigStore& store, const DiagramChoice& diagram, std::string_view currentFileName) {
    store.lastFile = std::string(currentFileName);
    const std::vector<std::string> texts = savedSettingTexts(store, diagram);
    std::size_t at = 0;
    for (const Setting& setting : startupSettings()) {
        if (!setting.saved) continue;
        const bool changedHere = at >= store.savedTexts.size() || store.savedTexts[at] != texts[at];
        if (changedHere) {
            setProfileString(store.file, setting.section, setting.key, texts[at]);
        } else {
            fillProfileString(store.file, setting.section, setting.key, texts[at]);
        }
        ++at;
    }
    store.savedTexts = texts;
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
