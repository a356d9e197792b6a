// The toolbar's button table and texts, the customised layout with its persistent form (the entry
// indices separated by commas, e.g. "0,1,2,3,4") and the context menu that changes it.
#include "shell/toolbar.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "model/diagram_quantity.h"
#include "shell/save_failure_report.h"
#include "shell/command_ids.h"

namespace sb::shell {
namespace {

constexpr std::string_view kSection = "TOOLBAR";
constexpr std::string_view kKey = "LAYOUT";

constexpr ToolbarButton button(int image, int command) {
    return {image, command, false, 0};
}

constexpr ToolbarButton separator() {
    return {-1, 0, true, 0};
}

constexpr std::array<ToolbarButton, kToolbarEntryCount> kButtons{{
    button(0, cmd::kOpenPlan),                    // 0 Öffnen
    button(1, cmd::kSavePlan),                    // 1 Speichern
    button(2, cmd::kPrintDiagram),                // 2 Grafik drucken
    separator(),                                  // 3
    button(3, cmd::kTrainingDays),                // 4 Trainingsdaten
    separator(),                                  // 5
    button(4, cmd::kShowWeekOfYearDiagram),       // 6 Wochen-Jahresdiagramm
    button(5, cmd::kShowMonthOfYearDiagram),      // 7 Monats-Jahresdiagramm
    button(6, cmd::kShowWeekDiagram),             // 8 Wochendiagramm
    button(7, cmd::kShowMonthDiagram),            // 9 Monatsdiagramm
    separator(),                                  // 10
    button(8, cmd::kFirstPreset),                 // 11 preset 1
    button(9, cmd::kFirstPreset + 1),             // 12 preset 2
    button(10, cmd::kFirstPreset + 2),            // 13 preset 3
    button(11, cmd::kFirstPreset + 3),            // 14 preset 4
    button(12, cmd::kLastPreset),                 // 15 preset 5
    separator(),                                  // 16
    button(13, cmd::kWeekList),                   // 17 Wochen-Liste
    button(14, cmd::kMonthList),                  // 18 Monats-Liste
    button(15, cmd::kYearList),                   // 19 Jahres-Liste
    separator(),                                  // 20
    button(16, cmd::kSearch),                     // 21 Suchen
    separator(),                                  // 22
    button(17, cmd::kAthleteData),                // 23 Personendaten
    separator(),                                  // 24
    button(18, cmd::kPreviousPeriod),             // 25 vorheriges
    {-1, cmd::kValueBox, false, kValueBoxWidth},  // 26 value box
    button(19, cmd::kNextPeriod),                 // 27 nächstes
}};

struct CommandText {
    int command;
    std::string_view text;
};

constexpr std::array<CommandText, 16> kTexts{{
    {cmd::kOpenPlan, "Öffnen"},
    {cmd::kSavePlan, "Speichern"},
    {cmd::kPrintDiagram, "Grafik drucken"},
    {cmd::kTrainingDays, "Trainingsdaten"},
    {cmd::kShowWeekOfYearDiagram, "Wochen-Jahresdiagramm"},
    {cmd::kShowMonthOfYearDiagram, "Monats-Jahresdiagramm"},
    {cmd::kShowWeekDiagram, "Wochendiagramm"},
    {cmd::kShowMonthDiagram, "Monatsdiagramm"},
    {cmd::kWeekList, "Wochen-Liste"},
    {cmd::kMonthList, "Monats-Liste"},
    {cmd::kYearList, "Jahres-Liste"},
    {cmd::kSearch, "Suchen"},
    {cmd::kAthleteData, "Personendaten"},
    {cmd::kPreviousPeriod, "vorheriges"},
    {cmd::kValueBox, "Wert"},
    {cmd::kNextPeriod, "nächstes"},
}};

int presetOfCommand(int command) {
    const int slot = command - cmd::kFirstPreset;
    return slot >= 0 && slot < config::kUserDiagramCount ? slot : -1;
}

std::string textOfCommand(int command) {
    for (const CommandText& entry : kTexts)
        if (entry.command == command) return std::string(entry.text);
    return {};
}

bool isEntry(int entry) {
    return entry >= 0 && entry < kToolbarEntryCount;
}

// A button stands once on the toolbar; separators may repeat.
bool canAdd(const std::vector<int>& layout, int entry) {
    if (!isEntry(entry) || static_cast<int>(layout.size()) >= kMaxToolbarLayoutSize) return false;
    return kButtons[entry].separator || std::find(layout.begin(), layout.end(), entry) == layout.end();
}

std::string layoutText(const std::vector<int>& layout) {
    std::string text;
    for (int entry : layout) {
        if (!text.empty()) text += ',';
        text += std::to_string(entry);
    }
    return text;
}

std::optional<std::vector<int>> parseLayout(std::string_view text) {
    std::vector<int> layout;
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view token = text.substr(0, comma);
        int entry = -1;
        const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), entry);
        if (error != std::errc() || end != token.data() + token.size() || !canAdd(layout, entry))
            return std::nullopt;
        layout.push_back(entry);
        if (comma == std::string_view::npos) break;
        text.remove_prefix(comma + 1);
        if (text.empty()) return std::nullopt;
    }
    return layout;
}

void saveLayout(config::ConfigStore& settings, const std::vector<int>& layout) {
    config::writeSetting(settings, kSection, kKey, layoutText(layout));
}

// The text of an entry in the insert list.
std::string customisationText(int entry) {
    const int command = kButtons[entry].command;
    if (kButtons[entry].separator) return "Trennlinie";
    if (const int slot = presetOfCommand(command); slot != -1)
        return "Benutzer Definiert " + std::to_string(slot + 1);
    return textOfCommand(command);
}

std::vector<platform::MenuItem> customisationMenu(const std::vector<int>& layout, int position) {
    std::vector<platform::MenuItem> insert;
    for (int entry = 0; entry < kToolbarEntryCount; ++entry)
        insert.push_back(platform::MenuItem::command(customisationText(entry), kToolbarInsertItem + entry,
                                                     !canAdd(layout, entry)));
    const bool onEntry = position >= 0 && position < static_cast<int>(layout.size());
    return {platform::MenuItem::popup("Schaltfläche &einfügen…", std::move(insert)),
            platform::MenuItem::command("Schaltfläche ent&fernen", kToolbarRemoveItem, !onEntry),
            platform::MenuItem::command("&Zurücksetzen", kToolbarResetItem)};
}

}  // namespace

const std::array<ToolbarButton, kToolbarEntryCount>& toolbarButtons() {
    return kButtons;
}

std::string toolbarTooltip(const config::DiagramChoice& diagram, int commandId) {
    if (const int slot = presetOfCommand(commandId); slot != -1) {
        const config::UserDiagramPreset& preset = diagram.userDiagrams[slot];
        return model::diagramCaption(preset.kind, preset.quantity);
    }
    return textOfCommand(commandId);
}

std::vector<int> defaultToolbarLayout() {
    std::vector<int> layout(kToolbarEntryCount);
    for (int entry = 0; entry < kToolbarEntryCount; ++entry) layout[entry] = entry;
    return layout;
}

std::vector<int> loadToolbarLayout(config::ConfigStore& settings) {
    const std::string fullLayout = layoutText(defaultToolbarLayout());
    const std::string text = config::readSetting(settings, kSection, kKey, fullLayout, config::WriteBack::No);
    return parseLayout(text).value_or(defaultToolbarLayout());
}

bool insertToolbarEntry(config::ConfigStore& settings, std::vector<int>& layout, int position, int entry) {
    if (position < 0 || position > static_cast<int>(layout.size()) || !canAdd(layout, entry)) return false;
    layout.insert(layout.begin() + position, entry);
    saveLayout(settings, layout);
    return true;
}

bool deleteToolbarEntry(config::ConfigStore& settings, std::vector<int>& layout, int position) {
    if (position < 0 || position >= static_cast<int>(layout.size())) return false;
    layout.erase(layout.begin() + position);
    saveLayout(settings, layout);
    return true;
}

void resetToolbarLayout(config::ConfigStore& settings, std::vector<int>& layout) {
    layout = defaultToolbarLayout();
    saveLayout(settings, layout);
}

bool customiseToolbar(platform::Services& services, config::ConfigStore& settings, std::vector<int>& layout,
                      int position) {
    const int chosen = services.popupMenu(customisationMenu(layout, position));
    bool changed = true;
    switch (chosen) {
        case 0:
            return false;
        case kToolbarRemoveItem:
            changed = deleteToolbarEntry(settings, layout, position);
            break;
        case kToolbarResetItem:
            resetToolbarLayout(settings, layout);
            break;
        default:
            changed = insertToolbarEntry(settings, layout, position, chosen - kToolbarInsertItem);
    }
    reportUnsavedSettings(settings, services);
    return changed;
}

}  // namespace sb::shell
