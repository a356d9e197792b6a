// The toolbar's button table and texts, and the customised layout with its persistent form: the entry
// indices separated by commas, e.g. "0,1,2,3,4".
#include "shell/toolbar.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "charts/diagram_quantity.h"

namespace sb::shell {
namespace {

constexpr std::string_view kSection = "TOOLBAR";
constexpr std::string_view kKey = "LAYOUT";
constexpr int kFirstPreset = 48;

constexpr ToolbarButton button(int image, int command) {
    return {image, command, false, 0};
}

constexpr ToolbarButton separator() {
    return {-1, 0, true, 0};
}

constexpr std::array<ToolbarButton, kToolbarEntryCount> kButtons{{
    button(0, 11),                             // 0 Öffnen
    button(1, 12),                             // 1 Speichern
    button(2, 18),                             // 2 Grafik drucken
    separator(),                               // 3
    button(3, 32),                             // 4 Trainingsdaten
    separator(),                               // 5
    button(4, 43),                             // 6 Wochen-Jahresdiagramm
    button(5, 44),                             // 7 Monats-Jahresdiagramm
    button(6, 46),                             // 8 Wochendiagramm
    button(7, 45),                             // 9 Monatsdiagramm
    separator(),                               // 10
    button(8, 48),                             // 11 preset 1
    button(9, 49),                             // 12 preset 2
    button(10, 50),                            // 13 preset 3
    button(11, 51),                            // 14 preset 4
    button(12, 52),                            // 15 preset 5
    separator(),                               // 16
    button(13, 40),                            // 17 Wochen-Liste
    button(14, 41),                            // 18 Monats-Liste
    button(15, 42),                            // 19 Jahres-Liste
    separator(),                               // 20
    button(16, 57),                            // 21 Suchen
    separator(),                               // 22
    button(17, 30),                            // 23 Personendaten
    separator(),                               // 24
    button(18, 254),                           // 25 vorheriges
    {-1, kValueBoxId, false, kValueBoxWidth},  // 26 value box
    button(19, 253),                           // 27 nächstes
}};

struct CommandText {
    int command;
    std::string_view text;
};

constexpr std::array<CommandText, 16> kTexts{{
    {11, "Öffnen"},
    {12, "Speichern"},
    {18, "Grafik drucken"},
    {32, "Trainingsdaten"},
    {43, "Wochen-Jahresdiagramm"},
    {44, "Monats-Jahresdiagramm"},
    {46, "Wochendiagramm"},
    {45, "Monatsdiagramm"},
    {40, "Wochen-Liste"},
    {41, "Monats-Liste"},
    {42, "Jahres-Liste"},
    {57, "Suchen"},
    {30, "Personendaten"},
    {254, "vorheriges"},
    {kValueBoxId, "Wert"},
    {253, "nächstes"},
}};

int presetOfCommand(int command) {
    const int slot = command - kFirstPreset;
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

}  // namespace

const std::array<ToolbarButton, kToolbarEntryCount>& toolbarButtons() {
    return kButtons;
}

std::string toolbarTooltip(const config::DiagramChoice& diagram, int commandId) {
    if (const int slot = presetOfCommand(commandId); slot != -1) {
        const config::UserDiagramPreset& preset = diagram.userDiagrams[slot];
        return charts::diagramCaption(preset.kind, preset.quantity);
    }
    return textOfCommand(commandId);
}

std::optional<std::string> toolbarCustomisationText(int entry) {
    if (!isEntry(entry)) return std::nullopt;
    const int command = kButtons[entry].command;
    if (const int slot = presetOfCommand(command); slot != -1)
        return "Benutzer Definiert " + std::to_string(slot + 1);
    return textOfCommand(command);
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

}  // namespace sb::shell
