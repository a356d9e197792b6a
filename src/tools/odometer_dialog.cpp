// The odometer dialog. Each list line starts with the two-digit slot number, so the sorted list shows
// the odometers in slot order and a chosen line leads straight back to its slot.
#include "tools/odometer_dialog.h"

#include <algorithm>
#include <cstdio>

#include "fileio/c_numbers.h"
#include "model/calendar.h"
#include "model/text_encoding.h"
#include "platform/help.h"
#include "platform/number_field.h"
#include "tools/odometer_due_check.h"

namespace sb::tools {

namespace {

using platform::ControlFlag;
using platform::ControlKind;
using platform::DialogHost;
using platform::Icon;
using platform::Notification;
namespace id = odometer_dialog;

constexpr std::size_t kDescriptionLength = 28;
constexpr int kKmLimit = 10000;
constexpr int kKmInputLength = 6;
constexpr int kDateInputLength = 2;

const int kEditControls[] = {id::startDayField, id::startMonthField, id::previousKmField,
                             id::dueKmField,    id::cyclingChoice,   id::runningChoice,
                             id::bothChoice,    id::descriptionField};
const int kChoices[] = {id::cyclingChoice, id::runningChoice, id::bothChoice};

std::string withDots(std::string text) {
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

// Storing the values a slot already holds leaves the plan unchanged.
bool sameStoredValues(const model::Odometer& a, const model::Odometer& b) {
    return a.startDayIndex == b.startDayIndex && a.previousKm == b.previousKm && a.dueKm == b.dueKm &&
           a.sportSelector == b.sportSelector && a.description == b.description && a.state == b.state;
}

}  // namespace

const platform::DialogTemplate& odometerTemplate() {
    constexpr unsigned off = ControlFlag::Disabled | ControlFlag::TabStop;
    constexpr unsigned typed = off | ControlFlag::PlanText | ControlFlag::CommaAsDot;
    static const platform::DialogTemplate dialog{
        "TOOL_KILOMETERZAEHLER",
        "Kilometerzaehler konfigurieren",
        356,
        252,
        {
            {platform::staticControlId,
             ControlKind::Static,
             "Kilometerzähler - Klick zum Bearbeiten",
             {8, 6, 200, 10}},
            {id::list,
             ControlKind::ListBox,
             "",
             {8, 18, 340, 72},
             ControlFlag::Sorted | ControlFlag::TabStop},
            {id::deleteButton, ControlKind::Button, "Zähler löschen", {8, 94, 84, 14}, off},
            {id::addButton, ControlKind::Button, "Zähler hinzufügen", {98, 94, 84, 14}, ControlFlag::TabStop},
            {id::toggleButton, ControlKind::Button, "aktivieren/deaktivieren", {188, 94, 100, 14}, off},
            {platform::staticControlId, ControlKind::GroupBox, "Kilometerzähler", {8, 114, 340, 110}},
            {platform::staticControlId, ControlKind::Static, "Startdatum:", {16, 130, 92, 10}},
            {id::startDayField, ControlKind::Edit, "", {112, 128, 18, 12}, typed, kDateInputLength},
            {platform::staticControlId, ControlKind::Static, ".", {131, 130, 4, 10}},
            {id::startMonthField, ControlKind::Edit, "", {136, 128, 18, 12}, typed, kDateInputLength},
            {platform::staticControlId, ControlKind::Static, ".", {155, 130, 4, 10}},
            {platform::staticControlId, ControlKind::Static, "vorherige Kilometer:", {16, 146, 92, 10}},
            {id::previousKmField, ControlKind::Edit, "", {112, 144, 42, 12}, typed, kKmInputLength},
            {platform::staticControlId, ControlKind::Static, "Fällig bei ingesamt (km):", {16, 162, 92, 10}},
            {id::dueKmField, ControlKind::Edit, "", {112, 160, 42, 12}, typed, kKmInputLength},
            {platform::staticControlId, ControlKind::Static, "Beschreibung:", {16, 178, 92, 10}},
            {id::descriptionField, ControlKind::Edit, "", {112, 176, 150, 12}, typed, int(kDescriptionLength)},
            {platform::staticControlId, ControlKind::Static, "Auf welche Kilometer", {176, 128, 88, 10}},
            {platform::staticControlId, ControlKind::Static, "bezieht", {176, 138, 88, 10}},
            {platform::staticControlId, ControlKind::Static, "sich der", {176, 148, 88, 10}},
            {platform::staticControlId, ControlKind::Static, "Zähler:", {176, 158, 88, 10}},
            {id::cyclingChoice,
             ControlKind::RadioButton,
             "nur radfahren",
             {268, 128, 76, 10},
             off | ControlFlag::GroupStart},
            {id::runningChoice, ControlKind::RadioButton, "nur laufen", {268, 142, 76, 10}, off},
            {id::bothChoice, ControlKind::RadioButton, "beides", {268, 156, 76, 10}, off},
            {id::applyButton,
             ControlKind::Button,
             "Änderungen übernehmen",
             {16, 200, 110, 14},
             off | ControlFlag::GroupStart},
            {id::okButton, ControlKind::DefaultButton, "OK", {220, 230, 60, 14}, ControlFlag::TabStop},
            {id::helpButton, ControlKind::Button, "Hilfe", {288, 230, 60, 14}, ControlFlag::TabStop},
        }};
    return dialog;
}

std::string odometerLine(int slot, const model::Odometer& odometer) {
    char text[96];
    std::snprintf(text, sizeof text, "%02i : %05i von %05i Kilometern :%-29.29s", slot, odometer.currentKm,
                  odometer.dueKm, odometer.description.c_str());
    std::string line = text;
    if (odometer.state == 1) line += "  aktiv!";
    if (odometer.state == 3) line += "  f\xE4llig!";
    return model::cp1252ToUtf8(line);
}

void OdometerProcedure::init(DialogHost& host) {
    refresh(host);
}

void OdometerProcedure::command(DialogHost& host, int control, Notification notification) {
    if (control == id::list) {
        if (notification == Notification::SelectionChanged) selectLine(host);
        return;
    }
    if (notification != Notification::Clicked) return;
    switch (control) {
        case id::deleteButton:
            deleteOdometer(host);
            break;
        case id::addButton:
            addOdometer(host);
            break;
        case id::toggleButton:
            toggleOdometer(host);
            break;
        case id::applyButton:
            applyChanges(host);
            break;
        case id::okButton:
            host.end(platform::dialogOk);
            break;
        case id::helpButton:
            help(host);
            break;
        default:
            break;
    }
}

void OdometerProcedure::help(DialogHost& host) {
    platform::showHelpTopic(host.services(), helpFile_, id::helpTopic);
}

void OdometerProcedure::refresh(DialogHost& host) {
    host.clearItems(id::list);
    checkOdometersDue(year_);
    for (int slot = 0; slot < model::kOdometerCount; ++slot) {
        const model::Odometer& odometer = year_.odometers[std::size_t(slot)];
        if (!odometer.description.empty()) host.addItem(id::list, odometerLine(slot, odometer));
    }
    enableEditing(host, false);
    host.enable(id::toggleButton, currentSlot_ >= 0);
}

void OdometerProcedure::enableEditing(DialogHost& host, bool enabled) {
    for (int control : kEditControls) host.enable(control, enabled);
    host.enable(id::deleteButton, enabled);
    host.enable(id::applyButton, enabled);
}

void OdometerProcedure::fillFields(DialogHost& host, int day, int month, const model::Odometer& odometer) {
    host.setText(id::startDayField, fileio::formatInt(day));
    host.setText(id::startMonthField, fileio::formatInt(month));
    host.setText(id::previousKmField, fileio::formatInt(odometer.previousKm));
    host.setText(id::dueKmField, fileio::formatInt(odometer.dueKm));
    host.setText(id::descriptionField, model::cp1252ToUtf8(odometer.description));
    for (int k = 0; k < 3; ++k) host.setChecked(kChoices[k], odometer.sportSelector == k + 1);
}

void OdometerProcedure::selectLine(DialogHost& host) {
    const int selected = host.selection(id::list);
    if (selected < 0) return;
    const int slot = fileio::atoiC(host.items(id::list)[std::size_t(selected)].substr(0, 2));
    if (slot < 0 || slot >= model::kOdometerCount) return;
    currentSlot_ = slot;
    const model::Odometer& odometer = year_.odometers[std::size_t(slot)];
    // A damaged file's start day may be any int; after the year it has no date, as before it.
    const int start = std::min(odometer.startDayIndex, model::kMaxDays);
    const model::DayMonth date = model::dateOfDayOfYear(start + 1, year_.planYear);
    fillFields(host, date.day, date.month, odometer);
    enableEditing(host, true);
    host.enable(id::toggleButton, true);
}

void OdometerProcedure::addOdometer(DialogHost& host) {
    const bool thisYear = year_.planYear == model::systemDatePart(2);
    model::Odometer fresh;
    fresh.dueKm = 1000;
    fresh.sportSelector = 1;
    fillFields(host, thisYear ? model::systemDatePart(0) : 1, thisYear ? model::systemDatePart(1) : 1, fresh);
    const auto& odometers = year_.odometers;
    auto free = std::find_if(odometers.begin(), odometers.end(),
                             [](const model::Odometer& odometer) { return odometer.description.empty(); });
    if (free == odometers.end()) {
        host.services().messageBox("Zählerspeicher Voll\nMax. 10 Zähler erlaubt", "Fehler",
                                   platform::Buttons::Ok, Icon::Exclamation);
        // Nothing may be stored, deleted or switched until an odometer is chosen again.
        currentSlot_ = -1;
        enableEditing(host, false);
        host.enable(id::toggleButton, false);
        return;
    }
    currentSlot_ = int(free - odometers.begin());
    enableEditing(host, true);
    host.enable(id::toggleButton, true);
}

void OdometerProcedure::deleteOdometer(DialogHost& host) {
    if (currentSlot_ < 0) return;
    year_.modified = 1;
    year_.odometers[std::size_t(currentSlot_)] = model::Odometer{};
    currentSlot_ = -1;
    for (int control : kEditControls) {
        if (host.dialogTemplate().control(control)->kind == ControlKind::Edit) host.setText(control, "");
    }
    refresh(host);
}

void OdometerProcedure::toggleOdometer(DialogHost& host) {
    if (currentSlot_ < 0) return;
    year_.modified = 1;
    model::Odometer& odometer = year_.odometers[std::size_t(currentSlot_)];
    odometer.state = odometer.state == 0 ? 1 : 0;
    refresh(host);
}

int OdometerProcedure::readKm(DialogHost& host, int control, const char* message) {
    const std::optional<int> km = platform::integerField(host, control, kKmInputLength);
    if (km && *km >= 0 && *km <= kKmLimit) return *km;
    platform::rejectField(host, control, message, Icon::None);
    return 0;
}

void OdometerProcedure::applyChanges(DialogHost& host) {
    if (currentSlot_ < 0) return;
    const std::optional<int> day = platform::integerField(host, id::startDayField, kDateInputLength);
    const std::optional<int> month = platform::integerField(host, id::startMonthField, kDateInputLength);
    if (!day || !month || !model::isValidDayMonth(*day, *month, year_.planYear)) {
        const bool monthWrong = day && (!month || *month < 1 || *month > 12);
        platform::rejectField(host, monthWrong ? id::startMonthField : id::startDayField,
                              "Eingabefehler im Feld Startdatum");
        return;
    }
    model::Odometer& odometer = year_.odometers[std::size_t(currentSlot_)];
    const model::Odometer before = odometer;
    odometer.startDayIndex = model::dayOfYear(*day, *month, year_.planYear) - 1;
    std::string description =
        withDots(model::utf8ToCp1252(host.text(id::descriptionField)).substr(0, kDescriptionLength));
    if (description.empty()) {
        host.services().messageBox("Jeder Zähler muß eine Beschreibung besitzen, korrigiert", "Eingabefehler",
                                   platform::Buttons::Ok, Icon::None);
        description = "Z\xE4hler Nr." + fileio::formatInt(currentSlot_);
    }
    odometer.description = description;
    odometer.previousKm = readKm(host, id::previousKmField, "Eingabefehler im Feld vorherige Kilometer");
    odometer.dueKm = readKm(host, id::dueKmField, "Eingabefehler im Feld fällig bei");
    if (odometer.dueKm < odometer.previousKm) {
        host.services().messageBox(
            "Die Anzahl der auslösenden Kilometer\n darf nicht kleiner als die vorherigen Kilometer\nsein",
            "Eingabefehler", platform::Buttons::Ok, Icon::None);
        odometer.dueKm = odometer.previousKm;
    }
    for (int k = 0; k < 3; ++k) {
        if (host.isChecked(kChoices[k])) odometer.sportSelector = k + 1;
    }
    odometer.state = 1;
    if (!sameStoredValues(before, odometer)) year_.modified = 1;
    for (int control : kEditControls) {
        if (host.dialogTemplate().control(control)->kind == ControlKind::Edit) host.setText(control, "");
    }
    refresh(host);
}

void editOdometers(platform::Services& services, model::TrainingYear& year, const std::string& helpFile) {
    OdometerProcedure procedure(year, helpFile);
    services.runModal(odometerTemplate(), procedure);
}

}  // namespace sb::tools
