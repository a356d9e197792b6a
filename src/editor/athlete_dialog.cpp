// The athlete dialog. The athlete's texts go into the comma-separated plan file unquoted, so every
// comma typed becomes a dot; otherwise a club "RSC, e.V." would shift the gender field on reading.
#include "editor/athlete_dialog.h"

#include <algorithm>
#include <cstdio>

#include "platform/help.h"
#include "platform/number_field.h"
#include "model/clock.h"
#include "model/text_encoding.h"

namespace sb::editor {

namespace {

using platform::ControlKind;
using platform::DialogHost;
using platform::Notification;
namespace id = athlete_dialog;

constexpr int kNameLength = int(model::width::name) - 1;
constexpr int kBirthDateLength = int(model::width::birthDate) - 1;
constexpr int kYearLength = 4;

std::string twoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

// The field's text as the plan file keeps it: Windows-1252, no commas, cut to the field's width.
std::string documentText(const DialogHost& host, int control, std::size_t width) {
    std::string text = model::utf8ToCp1252(host.text(control));
    std::replace(text.begin(), text.end(), ',', '.');
    return model::cutToWidth(text, width);
}

}  // namespace

const platform::DialogTemplate& athleteTemplate() {
    using platform::ControlFlag;
    constexpr unsigned tab = ControlFlag::TabStop;
    constexpr unsigned typed = tab | ControlFlag::PlanText | ControlFlag::CommaAsDot;
    static const platform::DialogTemplate dialog{
        "IDD_PERSONEN",
        "Personeninformationen",
        250,
        190,
        {
            {platform::staticControlId, ControlKind::Static, "Vorname:", {10, 12, 60, 10}},
            {id::firstName, ControlKind::Edit, "", {75, 10, 160, 12}, typed, kNameLength},
            {platform::staticControlId, ControlKind::Static, "Nachname:", {10, 28, 60, 10}},
            {id::lastName, ControlKind::Edit, "", {75, 26, 160, 12}, typed, kNameLength},
            {platform::staticControlId, ControlKind::Static, "Geburtsdatum:", {10, 44, 60, 10}},
            {id::birthDate, ControlKind::Edit, "", {75, 42, 70, 12}, typed, kBirthDateLength},
            {platform::staticControlId, ControlKind::GroupBox, "Geschlecht", {10, 58, 225, 26}},
            {id::female,
             ControlKind::RadioButton,
             "weiblich",
             {20, 68, 80, 10},
             ControlFlag::GroupStart | tab},
            {id::male, ControlKind::RadioButton, "männlich", {110, 68, 80, 10}},
            {platform::staticControlId, ControlKind::Static, "Verein:", {10, 92, 60, 10}},
            {id::club, ControlKind::Edit, "", {75, 90, 160, 12}, ControlFlag::GroupStart | typed, kNameLength},
            {platform::staticControlId, ControlKind::Static, "Trainer:", {10, 108, 60, 10}},
            {id::trainer, ControlKind::Edit, "", {75, 106, 160, 12}, typed, kNameLength},
            {platform::staticControlId, ControlKind::Static, "Trainingsjahr:", {10, 126, 60, 10}},
            {id::planYear, ControlKind::Edit, "", {75, 124, 40, 12}, typed, kYearLength},
            {platform::staticControlId, ControlKind::Static, "Beginn (Tag.Monat):", {120, 126, 72, 10}},
            {id::startDay, ControlKind::Edit, "", {195, 124, 18, 12}, ControlFlag::Disabled},
            {id::startMonth, ControlKind::Edit, "", {217, 124, 18, 12}, ControlFlag::Disabled},
            {id::okButton, ControlKind::DefaultButton, "OK", {10, 166, 70, 14}, tab},
            {id::cancelButton, ControlKind::Button, "Abbruch", {90, 166, 70, 14}, tab},
            {id::helpButton, ControlKind::Button, "Hilfe", {170, 166, 65, 14}, tab},
        }};
    return dialog;
}

void AthleteProcedure::init(DialogHost& host) {
    if (year_.planYear == 0) {
        year_.planYear = model::today().year;
        year_.planStartDay = 1;
        year_.planStartMonth = 1;
    }
    host.setText(id::firstName, model::cp1252ToUtf8(year_.firstName));
    host.setText(id::lastName, model::cp1252ToUtf8(year_.lastName));
    host.setText(id::birthDate, model::cp1252ToUtf8(year_.birthDate));
    host.setText(id::club, model::cp1252ToUtf8(year_.club));
    host.setText(id::trainer, model::cp1252ToUtf8(year_.trainer));
    const bool female = year_.gender == 'w' || year_.gender == 'W';
    host.setChecked(id::female, female);
    host.setChecked(id::male, !female);
    host.setText(id::planYear, std::to_string(year_.planYear));
    host.setText(id::startDay, twoDigits(year_.planStartDay));
    host.setText(id::startMonth, twoDigits(year_.planStartMonth));
    host.enable(id::planYear, newPlanMode_);
}

void AthleteProcedure::command(DialogHost& host, int control, Notification notification) {
    if (notification != Notification::Clicked) return;
    switch (control) {
        case id::okButton:
            store(host);
            host.end(platform::dialogOk);
            break;
        case id::cancelButton:
            host.end(platform::dialogCancel);
            break;
        case id::helpButton:
            help(host);
            break;
        default:
            break;
    }
}

void AthleteProcedure::help(DialogHost& host) {
    platform::showHelpTopic(host.services(), helpFile_, id::helpTopic);
}

void AthleteProcedure::store(DialogHost& host) {
    year_.modified = 1;
    year_.firstName = documentText(host, id::firstName, model::width::name);
    year_.lastName = documentText(host, id::lastName, model::width::name);
    year_.birthDate = documentText(host, id::birthDate, model::width::birthDate);
    year_.club = documentText(host, id::club, model::width::name);
    year_.trainer = documentText(host, id::trainer, model::width::name);
    year_.gender = host.isChecked(id::female) ? 'w' : 'm';
    if (newPlanMode_) storePlanYear(host);
}

void AthleteProcedure::storePlanYear(DialogHost& host) {
    const std::optional<int> typed = platform::integerField(host, id::planYear, kYearLength);
    if (typed && *typed >= id::firstYear && *typed <= id::lastYear) {
        year_.planYear = *typed;
        return;
    }
    platform::rejectField(host, id::planYear,
                          "Eingabefehler im Feld\nTrainingsjahr (1990-2040). Aktuelles\nSystemdatum übernommen");
    year_.planYear = model::today().year;
}

int editAthlete(platform::Services& services, model::TrainingYear& year, bool newPlanMode,
                const std::string& helpFile) {
    AthleteProcedure procedure(year, newPlanMode, helpFile);
    return services.runModal(athleteTemplate(), procedure);
}

}  // namespace sb::editor
