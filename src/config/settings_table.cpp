// The rows of the settings table. A value outside the range the program can use counts as missing, so
// a damaged file heals itself where its keys are written back.
#include "config/settings_table.h"

#include <array>

#include "model/diagram_quantity.h"
#include "fileio/c_numbers.h"
#include "model/training_types.h"

namespace sb::config {
namespace {

constexpr int kDefaultQuantity = 103;
constexpr int kDefaultZoneLimit = 150;
constexpr std::array<int, kPulseZoneColourCount> kDefaultZoneColours = {8454143, 4914882, 8781447, 4884222,
                                                                        8750846};
// The zone colours' own marker, short enough for their 10-byte buffer.
constexpr std::string_view kZoneColourMissing = "Vorgabe";

using Validity = std::function<bool(const SettingsTarget&, int)>;
using IntField = std::function<int&(SettingsTarget&)>;
using TextField = std::function<std::string&(SettingsTarget&)>;

Validity within(int low, int high) {
    return [low, high](const SettingsTarget&, int value) { return value >= low && value <= high; };
}

Validity atLeast(int low) {
    return [low](const SettingsTarget&, int value) { return value >= low; };
}

bool anyValue(const SettingsTarget&, int) {
    return true;
}

bool isColour(const SettingsTarget&, int value) {
    return value >= 0 && value <= 0xFFFFFF;
}

Validity quantityOfKind(int kind) {
    return [kind](const SettingsTarget&, int code) { return model::kindOffersQuantity(kind, code); };
}

// A preset of kind 0 or 5 never draws its quantity as bars; any code a bar menu offers is kept for it.
bool presetQuantity(int kind, int code) {
    if (kind >= model::kWeekOfYearDiagram && kind <= model::kMonthDiagram)
        return model::kindOffersQuantity(kind, code);
    for (int barKind = model::kWeekOfYearDiagram; barKind <= model::kMonthDiagram; ++barKind)
        if (model::kindOffersQuantity(barKind, code)) return true;
    return model::isXQuantity(code) || model::isYQuantity(code);
}

std::string numbered(std::string_view stem, int n) {
    return std::string(stem) + fileio::formatInt(n);
}

Setting number(std::string section, std::string key, int defaultValue, WriteBack writeBack, IntField field,
               Validity valid = anyValue) {
    Setting setting;
    setting.section = std::move(section);
    setting.key = std::move(key);
    setting.defaultText = fileio::formatInt(defaultValue);
    setting.writeBack = writeBack;
    setting.number = std::move(field);
    setting.valid = std::move(valid);
    return setting;
}

Setting byte(std::string section, std::string key, IntField field) {
    Setting setting = number(std::move(section), std::move(key), 0, WriteBack::No, std::move(field));
    setting.oneByte = true;
    return setting;
}

Setting text(std::string section, std::string key, std::string defaultText, WriteBack writeBack,
             std::size_t bufferSize, TextField field) {
    Setting setting;
    setting.section = std::move(section);
    setting.key = std::move(key);
    setting.defaultText = std::move(defaultText);
    setting.writeBack = writeBack;
    setting.bufferSize = bufferSize;
    setting.text = std::move(field);
    return setting;
}

Setting notSaved(Setting setting) {
    setting.saved = false;
    return setting;
}

Setting zone(Setting setting) {
    setting.saved = false;
    setting.bufferSize = buffer::pulseZone;
    return setting;
}

// The field a row fills, named by a pointer to the member.
template <auto member>
auto field() {
    return [](SettingsTarget & target) -> auto& {
        return target.store.*member;
    };
}

template <auto member>
auto choice() {
    return [](SettingsTarget & target) -> auto& {
        return target.diagram.*member;
    };
}

// Element i of an array member, such as the label of training type i.
template <auto member>
auto element(int i) {
    return [i](SettingsTarget & target) -> auto& {
        return (target.store.*member)[i];
    };
}

template <auto member>
auto presetField(int i) {
    return [i](SettingsTarget& target) -> int& { return target.diagram.userDiagrams[i].*member; };
}

template <auto member>
auto zoneField(int i) {
    return [i](SettingsTarget& target) -> int& { return (target.store.pulseZones.*member)[i]; };
}

Validity presetQuantityOf(int i) {
    return [i](const SettingsTarget& target, int code) {
        return presetQuantity(target.diagram.userDiagrams[i].kind, code);
    };
}

std::vector<Setting> buildStartupSettings() {
    const auto yes = WriteBack::Yes;
    const auto no = WriteBack::No;
    std::vector<Setting> rows{
        number("KONFIG", "AUTOLADEN", 1, yes, field<&ConfigStore::autoLoad>()),
        number("KONFIG", "AUTOMATISCH_TRAININGSDATEN", 0, yes, field<&ConfigStore::autoOpenDayEditor>()),
        text("KONFIG", "LETZTE_DATEI", "", no, buffer::fileName, field<&ConfigStore::lastFile>()),
        number("KONFIG", "SPORTART", 5, yes, field<&ConfigStore::sportMode>(), within(1, 5)),
        number("KONFIG", "TRIATHLON_BASIC", 1, yes, field<&ConfigStore::triathlonBasic>(), within(0, 1)),
        number("KONFIG", "TOOLBAR", 1, yes, field<&ConfigStore::showToolbar>()),
        number("KONFIG", "STATUSBAR", 1, yes, field<&ConfigStore::showStatusBar>()),
        number("KONFIG", "DARSTELLUNG", 1, yes, field<&ConfigStore::displayStyle>(), within(1, 3)),
        number("KONFIG", "POLAR", 1, yes, field<&ConfigStore::polarSupport>()),
        number("KONFIG", "TACHO", 0, yes, field<&ConfigStore::bikeComputerSupport>()),
        notSaved(number("KONFIG", "LOGOZEIT", 3, yes, field<&ConfigStore::logoSeconds>(), atLeast(3))),
    };
    const auto& labels = model::defaultTrainingTypeLabels();
    const auto& colours = model::defaultTrainingTypeColours();
    for (int i = 0; i < kTrainingTypeCount; ++i)
        rows.push_back(text("KONFIG", numbered("SOLL_IST_EINTRAG_", i + 1), labels[i], yes, buffer::label,
                            element<&ConfigStore::trainingTypeLabels>(i)));
    for (int i = 0; i < kTrainingTypeCount; ++i)
        rows.push_back(number("KONFIG", numbered("SOLL_IST_FARBE_", i + 1), colours[i], yes,
                              element<&ConfigStore::trainingTypeColours>(i), isColour));
    rows.push_back(notSaved(number("MENUE", "MAX_ANZAHL", 0, yes, field<&ConfigStore::historyMaxCount>(),
                                   within(0, kMaxHistoryEntries))));
    rows.push_back(
        number("KONFIG", "DIAGRAMM_TYP", 0, no, choice<&DiagramChoice::diagramKind>(), within(0, 5)));
    rows.push_back(number("WOCHEN_JAHRES_DIAGRAMM", "MODUS", kDefaultQuantity, no,
                          choice<&DiagramChoice::weekOfYearQuantity>(),
                          quantityOfKind(model::kWeekOfYearDiagram)));
    rows.push_back(number("MONATS_JAHRES_DIAGRAMM", "MODUS", kDefaultQuantity, no,
                          choice<&DiagramChoice::monthOfYearQuantity>(),
                          quantityOfKind(model::kMonthOfYearDiagram)));
    rows.push_back(number("WOCHEN_DIAGRAMM", "MODUS", kDefaultQuantity, no,
                          choice<&DiagramChoice::weekQuantity>(), quantityOfKind(model::kWeekDiagram)));
    rows.push_back(byte("WOCHEN_DIAGRAMM", "MODUS2", choice<&DiagramChoice::timeSportFlags>()));
    rows.push_back(byte("WOCHEN_DIAGRAMM", "MODUS3", choice<&DiagramChoice::loadSportFlags>()));
    rows.push_back(number("MONATS_DIAGRAMM", "MODUS", kDefaultQuantity, no,
                          choice<&DiagramChoice::monthQuantity>(), quantityOfKind(model::kMonthDiagram)));
    rows.push_back(number("X_Y_DIAGRAMM", "MODUS_Y", model::kXyPulse, no,
                          choice<&DiagramChoice::yQuantity>(),
                          [](const SettingsTarget&, int code) { return model::isYQuantity(code); }));
    rows.push_back(number("X_Y_DIAGRAMM", "MODUS_X", model::kXyTime, no, choice<&DiagramChoice::xQuantity>(),
                          [](const SettingsTarget&, int code) { return model::isXQuantity(code); }));
    rows.push_back(number("KONFIG", "BENUTZER", -1, no, choice<&DiagramChoice::userDiagramSlot>(),
                          within(-1, kUserDiagramCount - 1)));
    for (int i = 0; i < kUserDiagramCount; ++i) {
        const std::string section = numbered("BENUTZER_", i + 1);
        rows.push_back(
            number(section, "DIAGRAMM_TYP", 0, no, presetField<&UserDiagramPreset::kind>(i), within(0, 5)));
        rows.push_back(number(section, "MODUS", kDefaultQuantity, no,
                              presetField<&UserDiagramPreset::quantity>(i), presetQuantityOf(i)));
        rows.push_back(byte(section, "MODUS_ZEIT", presetField<&UserDiagramPreset::timeSportFlags>(i)));
        rows.push_back(byte(section, "MODUS_BELASTUNG", presetField<&UserDiagramPreset::loadSportFlags>(i)));
    }
    return rows;
}

std::vector<Setting> buildPulseZoneSettings() {
    const auto no = WriteBack::No;
    std::vector<Setting> rows{zone(number(
        "X_Y_DIAGRAMM", "Anzahl_Bereich", 0, no,
        [](SettingsTarget& target) -> int& { return target.store.pulseZones.count; },
        within(0, kPulseZoneColourCount)))};
    for (int i = 0; i < kPulseZoneLimitCount; ++i)
        rows.push_back(zone(number("X_Y_DIAGRAMM", numbered("Max_Bereich", i), kDefaultZoneLimit, no,
                                   zoneField<&PulseZones::upper>(i), [](const SettingsTarget&, int value) {
                                       return zoneUpperBoundAllowed(value);
                                   })));
    for (int i = 0; i < kPulseZoneColourCount; ++i) {
        Setting colour = zone(number("X_Y_DIAGRAMM", numbered("Farbe_Bereich", i), kDefaultZoneColours[i],
                                     WriteBack::Yes, zoneField<&PulseZones::colours>(i), isColour));
        colour.missingMarker = kZoneColourMissing;
        rows.push_back(colour);
    }
    return rows;
}

}  // namespace

const std::vector<Setting>& startupSettings() {
    static const std::vector<Setting> rows = buildStartupSettings();
    return rows;
}

const std::vector<Setting>& pulseZoneSettings() {
    static const std::vector<Setting> rows = buildPulseZoneSettings();
    return rows;
}

const Setting& pulseZoneCountSetting() {
    return pulseZoneSettings().front();
}

const Setting& pulseZoneUpperSetting(int zone) {
    return pulseZoneSettings()[std::size_t(1 + zone)];
}

const Setting& pulseZoneColourSetting(int zone) {
    return pulseZoneSettings()[std::size_t(1 + kPulseZoneLimitCount + zone)];
}

bool zoneUpperBoundAllowed(int bpm) {
    return bpm >= 0 && bpm <= kHighestZoneBound;
}

}  // namespace sb::config
