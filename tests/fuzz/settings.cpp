// The settings file train.cfg, edited by hand or damaged: every line the program does not change is
// written back as it was, a changed file parses to what it says, every value the program goes on with
// lies in the range it can use, and saving works on what was read.
#include "config/config_store.h"
#include "config/settings_table.h"
#include "fuzz_target.h"

namespace {

using namespace sb::config;

void checkRepaired(const ConfigStore& store, const DiagramChoice& diagram) {
    fuzzRequire(store.sportMode >= 1 && store.sportMode <= 5);
    fuzzRequire(store.displayStyle >= 1 && store.displayStyle <= 3 && store.logoSeconds >= 3);
    fuzzRequire(store.historyMaxCount >= 0 && store.historyMaxCount <= kMaxHistoryEntries);
    fuzzRequire(store.history.size() <= kMaxHistoryEntries);
    for (const std::string& label : store.trainingTypeLabels) fuzzRequire(label.size() < buffer::label);
    for (int colour : store.trainingTypeColours) fuzzRequire(colour >= 0 && colour <= 0xFFFFFF);
    fuzzRequire(store.pulseZones.count >= 0 && store.pulseZones.count <= kPulseZoneColourCount);
    for (int limit : store.pulseZones.upper) fuzzRequire(zoneUpperBoundAllowed(limit));
    fuzzRequire(diagram.diagramKind >= 0 && diagram.diagramKind <= 5);
    fuzzRequire(diagram.userDiagramSlot >= -1 && diagram.userDiagramSlot < kUserDiagramCount);
    for (const UserDiagramPreset& preset : diagram.userDiagrams) {
        fuzzRequire(preset.kind >= 0 && preset.kind <= 5);
        fuzzRequire(preset.timeSportFlags >= 0 && preset.timeSportFlags <= 255);
        fuzzRequire(preset.loadSportFlags >= 0 && preset.loadSportFlags <= 255);
    }
}

void checkProfileText(std::string_view bytes) {
    ProfileFile file = parseProfileText(bytes);
    const std::string text = profileText(file);
    fuzzRequire(profileText(parseProfileText(text)) == text);
    setProfileString(file, "KONFIG", "SPORTART", "3");
    setProfileString(file, bytes.substr(0, 8), bytes.substr(0, 5), bytes.substr(0, 40));
    fuzzRequire(profileString(file, "konfig", "sportart") == "3");
    fuzzRequire(profileText(parseProfileText(profileText(file))) == profileText(file));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    checkProfileText(fuzzBytes(data, size));
    ConfigStore store;
    DiagramChoice diagram;
    store.file = parseProfileText(fuzzBytes(data, size));
    loadAllSettings(store, diagram);
    loadPulseZones(store);
    checkRepaired(store, diagram);
    addToHistory(store, "/plans/2026.sb3");
    saveAllSettings(store, diagram, "/plans/2026.sb3");
    profileText(store.file);
    return 0;
}
