// The take-on-leave pages. Each compares what it takes with the setting in memory, so a value is
// written only when it really changed, however often the page is shown and left.
#include "options/general_pages.h"

#include "fileio/c_numbers.h"
#include "options/options_sheet.h"
#include "platform/number_field.h"

namespace sb::options {

namespace {

using platform::ControlFlag;
using platform::ControlKind;
using platform::DialogHost;
using platform::Notification;

constexpr int kSportCount = 5;
constexpr int kStyleCount = 3;

// Takes a check box into a 0/1 setting and writes it at once when it changed.
void takeFlag(config::ConfigStore& settings, int& setting, const char* key, bool checked) {
    const int value = checked ? 1 : 0;
    if (value == setting) return;
    setting = value;
    config::writeIntSetting(settings, "KONFIG", key, value);
}

// 0…9 or empty while the user types.
bool isHistoryLength(const std::string& text) {
    if (!platform::isNumberText(text) || text.find('.') != std::string::npos) return false;
    const int value = fileio::atoiC(text);
    return value >= 0 && value <= config::kMaxHistoryEntries;
}

}  // namespace

const platform::DialogTemplate& workspacePageTemplate() {
    static const platform::DialogTemplate page{
        "TAB_ARBEITSBEREICH",
        "Arbeitsbereich",
        kOptionsPageWidth,
        kOptionsPageHeight,
        {
            {workspace_page::autoLoad,
             ControlKind::CheckBox,
             "&Letzten Sportler(in) beim Start automatisch laden",
             {10, 12, 250, 12},
             ControlFlag::TabStop},
            {platform::staticControlId,
             ControlKind::Static,
             "Liste der &zuletzt verwendeten Dateien umfaßt",
             {10, 36, 172, 10}},
            {workspace_page::historyLength,
             ControlKind::ComboEdit,
             "",
             {184, 34, 30, 12},
             ControlFlag::TabStop},
            {platform::staticControlId, ControlKind::Static, "Sportler(in)", {218, 36, 50, 10}},
            {workspace_page::autoOpenDayEditor,
             ControlKind::CheckBox,
             "&Trainingsdaten-Dialog beim starten automatisch aufrufen",
             {10, 60, 258, 12},
             ControlFlag::TabStop},
        }};
    return page;
}

void WorkspacePage::init(DialogHost& host) {
    host.setChecked(workspace_page::autoLoad, settings_.autoLoad == 1);
    host.setChecked(workspace_page::autoOpenDayEditor, settings_.autoOpenDayEditor == 1);
    for (int n = 0; n <= config::kMaxHistoryEntries; ++n)
        host.addItem(workspace_page::historyLength, fileio::formatInt(n));
    lengthText_ = fileio::formatInt(settings_.historyMaxCount);
    host.setText(workspace_page::historyLength, lengthText_);
}

// A typed length outside 0…9 is undone at once, so the field always holds one the menu can show.
void WorkspacePage::command(DialogHost& host, int id, Notification notification) {
    if (id != workspace_page::historyLength) return;
    if (notification != Notification::TextChanged && notification != Notification::SelectionChanged) return;
    const std::string text = host.text(id);
    if (isHistoryLength(text)) {
        lengthText_ = text;
    } else {
        host.setText(id, lengthText_);
    }
}

void WorkspacePage::pageLeave(DialogHost& host) {
    const int length = fileio::atoiC(lengthText_);
    if (length != settings_.historyMaxCount) {
        config::writeIntSetting(settings_, "MENUE", "MAX_ANZAHL", length);
        if (settings_.historyMaxCount == 0) config::writeSetting(settings_, "MENUE", "ANZAHL", "1");
        settings_.historyMaxCount = length;
    }
    takeFlag(settings_, settings_.autoLoad, "AUTOLADEN", host.isChecked(workspace_page::autoLoad));
    takeFlag(settings_, settings_.autoOpenDayEditor, "AUTOMATISCH_TRAININGSDATEN",
             host.isChecked(workspace_page::autoOpenDayEditor));
}

const platform::DialogTemplate& sportPageTemplate() {
    static const platform::DialogTemplate page = [] {
        platform::DialogTemplate built{"TAB_SPORTART", "Sportart", kOptionsPageWidth, kOptionsPageHeight, {}};
        built.controls.push_back(
            {platform::staticControlId, ControlKind::GroupBox, "Sportarten", {10, 8, 120, 92}});
        const char* names[kSportCount] = {"Rad", "Laufen", "Schwimmen", "Duathlon", "Triathlon"};
        for (int k = 0; k < kSportCount; ++k) {
            built.controls.push_back(
                {sport_page::firstSport + k,
                 ControlKind::RadioButton,
                 names[k],
                 {20, 22 + 14 * k, 100, 10},
                 ControlFlag::TabStop | (k == 0 ? unsigned(ControlFlag::GroupStart) : 0u)});
        }
        built.controls.push_back({sport_page::basic,
                                  ControlKind::CheckBox,
                                  "Basic",
                                  {20, 104, 100, 12},
                                  ControlFlag::TabStop | ControlFlag::GroupStart});
        return built;
    }();
    return page;
}

void SportPage::init(DialogHost& host) {
    for (int k = 0; k < kSportCount; ++k)
        host.setChecked(sport_page::firstSport + k, settings_.sportMode == k + 1);
    host.setChecked(sport_page::basic, settings_.triathlonBasic == 1);
}

void SportPage::pageLeave(DialogHost& host) {
    int mode = kSportCount;
    for (int k = 0; k < kSportCount; ++k) {
        if (host.isChecked(sport_page::firstSport + k)) mode = k + 1;
    }
    settings_.sportMode = mode;
    settings_.triathlonBasic = host.isChecked(sport_page::basic) ? 1 : 0;
}

const platform::DialogTemplate& stylePageTemplate() {
    static const platform::DialogTemplate page = [] {
        platform::DialogTemplate built{
            "TAB_DARSTELLUNG", "Darstellung", kOptionsPageWidth, kOptionsPageHeight, {}};
        const char* names[kStyleCount] = {"Balken", "3D-Balken", "Linien"};
        for (int k = 0; k < kStyleCount; ++k) {
            built.controls.push_back(
                {style_page::firstStyle + k,
                 ControlKind::RadioButton,
                 names[k],
                 {14, 14 + 16 * k, 100, 10},
                 ControlFlag::TabStop | (k == 0 ? unsigned(ControlFlag::GroupStart) : 0u)});
        }
        return built;
    }();
    return page;
}

void StylePage::init(DialogHost& host) {
    for (int k = 0; k < kStyleCount; ++k)
        host.setChecked(style_page::firstStyle + k, settings_.displayStyle == k + 1);
}

void StylePage::pageLeave(DialogHost& host) {
    for (int k = 0; k < kStyleCount; ++k) {
        if (!host.isChecked(style_page::firstStyle + k) || settings_.displayStyle == k + 1) continue;
        settings_.displayStyle = k + 1;
        config::writeIntSetting(settings_, "KONFIG", "DARSTELLUNG", k + 1);
    }
}

const platform::DialogTemplate& displayPageTemplate() {
    static const platform::DialogTemplate page{"TAB_ANZEIGE",
                                               "Anzeige",
                                               kOptionsPageWidth,
                                               kOptionsPageHeight,
                                               {
                                                   {display_page::heartRateMonitor,
                                                    ControlKind::CheckBox,
                                                    "Pulsuhrunterstützung (*.hrm)",
                                                    {14, 14, 200, 12},
                                                    ControlFlag::TabStop},
                                                   {display_page::bikeComputer,
                                                    ControlKind::CheckBox,
                                                    "Tacho's Radcomputer (*.dat)",
                                                    {14, 32, 200, 12},
                                                    ControlFlag::TabStop},
                                               }};
    return page;
}

void DisplayPage::init(DialogHost& host) {
    host.setChecked(display_page::heartRateMonitor, settings_.polarSupport == 1);
    host.setChecked(display_page::bikeComputer, settings_.bikeComputerSupport == 1);
}

void DisplayPage::pageLeave(DialogHost& host) {
    takeFlag(settings_, settings_.polarSupport, "POLAR", host.isChecked(display_page::heartRateMonitor));
    takeFlag(settings_, settings_.bikeComputerSupport, "TACHO", host.isChecked(display_page::bikeComputer));
}

}  // namespace sb::options
