// The take-over dialog. Its fields are checked with the day editor's limits and messages, in the order
// they are laid out, and OK writes all of them or none: the first rejected field keeps the dialog open
// with the cursor in it. Route, content, load and training type of the entry are left as they were.
#include "editor/training_takeover_dialog.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "editor/day_editor_controls.h"
#include "editor/day_editor_fields.h"
#include "editor/show_day.h"
#include "fileio/c_numbers.h"
#include "model/calendar.h"
#include "model/day_limits.h"
#include "platform/number_field.h"

namespace sb::editor {

namespace {

using platform::ControlFlag;
using platform::ControlKind;
using platform::DialogHost;
using platform::DialogRect;
using platform::Notification;
namespace id = takeover_dialog;

constexpr unsigned kTab = ControlFlag::TabStop;
constexpr int kLabelX = 10;
constexpr int kFieldX = 70;
constexpr int kRowHeight = 16;

// Whether the entry holds any of the values a take-over writes; a route or content alone is kept
// without asking, since nothing replaces it.
bool holdsTraining(const model::SportEntry& entry) {
    const bool timed =
        model::parseDuration(entry.duration, 1) != 0 || model::parseDuration(entry.duration, 2) != 0;
    return timed || entry.distanceKm != 0 || entry.avgPulse != 0 || entry.heightMetres != 0;
}

// What OK writes, once every field passed.
struct TakenValues {
    int dayIndex = 0;
    std::string dateText;
    model::Sport sport = model::kBike;
    int hours = 0, minutes = 0;
    float distanceKm = 0;
    int avgPulse = 0;
    float heightMetres = 0;
};

class TakeoverProcedure : public platform::DialogProcedure {
  public:
    TakeoverProcedure(model::TrainingYear& year, const DayEditorLayout& layout,
                      const recordings::TrainingProposal& proposal)
        : year_(year), layout_(layout), proposal_(proposal) {}

    void init(DialogHost& host) override {
        const recordings::TrainingProposal& p = proposal_;
        host.setText(id::day, p.day > 0 ? formatTwoDigits(p.day) : "");
        host.setText(id::month, p.month > 0 ? formatTwoDigits(p.month) : "");
        host.setText(id::year, p.year > 0 ? std::to_string(p.year) : "");
        for (model::Sport sport : layout_.sports) host.addItem(id::sport, model::sportName(sport));
        const auto offered = std::find(layout_.sports.begin(), layout_.sports.end(), p.sport);
        if (offered != layout_.sports.end())
            host.setSelection(id::sport, int(offered - layout_.sports.begin()));
        const long totalMinutes = std::lround(p.durationSeconds / 60);
        host.setText(id::hours, formatTwoDigits(int(totalMinutes / 60)));
        host.setText(id::minutes, formatTwoDigits(int(totalMinutes % 60)));
        host.setText(id::distance, formatDistance(float(p.distanceKm)));
        host.setText(id::pulse, fileio::formatInt(p.avgPulse));
        host.setText(id::height, fileio::formatFixed(p.climbingMetres, 0));
        host.show(id::pulseNote, !layout_.pulse);
        updateEnabling(host);
        // A heart-rate file names no sport: the cursor waits where the user has to choose one.
        if (offered == layout_.sports.end()) host.setFocus(id::sport);
    }

    void command(DialogHost& host, int control, Notification notification) override {
        if (control == id::sport && notification == Notification::SelectionChanged) updateEnabling(host);
        if (notification != Notification::Clicked) return;
        if (control == id::okButton) accept(host);
        if (control == id::cancelButton) host.end(platform::dialogCancel);
    }

    std::optional<int> written() const { return written_; }

  private:
    std::optional<model::Sport> chosenSport(const DialogHost& host) const {
        const int index = host.selection(id::sport);
        if (index < 0 || index >= int(layout_.sports.size())) return std::nullopt;
        return layout_.sports[size_t(index)];
    }

    bool takesHeight(const DialogHost& host) const {
        return layout_.extended && chosenSport(host) == model::kBike;
    }

    void updateEnabling(DialogHost& host) { host.enable(id::height, takesHeight(host)); }

    std::optional<TakenValues> readDate(DialogHost& host) const {
        const std::optional<int> day = platform::integerField(host, id::day, 2);
        const std::optional<int> month = platform::integerField(host, id::month, 2);
        const std::optional<int> yearNumber = platform::integerField(host, id::year, 4);
        if (!day || !month || !yearNumber || *yearNumber < 1 ||
            !model::isValidDayMonth(*day, *month, *yearNumber)) {
            platform::rejectField(host, id::day, "Eingabefehler im Feld Datum");
            return std::nullopt;
        }
        TakenValues values;
        values.dateText = model::dateText(*day, *month, *yearNumber);
        if (*yearNumber != year_.planYear) {
            platform::rejectField(host, id::year,
                                  "Der " + values.dateText + " liegt nicht im Trainingsjahr " +
                                      std::to_string(year_.planYear) +
                                      " des geöffneten Saisonbuchs.\nBitte ändern Sie das Datum oder "
                                      "brechen Sie ab.",
                                  platform::Icon::Exclamation, "Hinweis");
            return std::nullopt;
        }
        values.dayIndex = model::dayOfYear(*day, *month, *yearNumber) - 1;
        return values;
    }

    // Each check reports its field and stops at the first that fails.
    std::optional<TakenValues> readFields(DialogHost& host) const {
        std::optional<TakenValues> values = readDate(host);
        if (!values) return std::nullopt;
        const std::optional<model::Sport> sport = chosenSport(host);
        if (!sport) {
            platform::rejectField(host, id::sport, "Bitte wählen Sie eine Sportart.");
            return std::nullopt;
        }
        values->sport = *sport;
        const SportControls& c = sportControls(*sport);
        const std::optional<int> hours = platform::integerField(host, id::hours, field_length::time);
        const std::optional<int> minutes = platform::integerField(host, id::minutes, field_length::time);
        if (!hours || !model::hoursAllowed(*hours)) return reject(host, id::hours, c.timeMessage);
        if (!minutes || !model::minutesAllowed(*minutes)) return reject(host, id::minutes, c.timeMessage);
        values->hours = *hours;
        values->minutes = *minutes;
        const std::optional<double> distance =
            platform::numberField(host, id::distance, field_length::number);
        if (!distance || !model::dayDistanceAllowed(*distance))
            return reject(host, id::distance, c.distanceMessage);
        values->distanceKm = float(*distance);
        const std::optional<int> pulse = platform::integerField(host, id::pulse, field_length::pulse);
        if (!pulse || !model::pulseAllowed(*pulse)) return reject(host, id::pulse, c.pulseMessage);
        values->avgPulse = *pulse;
        if (takesHeight(host)) {
            const std::optional<double> height =
                platform::numberField(host, id::height, field_length::number);
            if (!height || !model::heightAllowed(*height))
                return reject(host, id::height, model::kHeightMessage);
            values->heightMetres = float(*height);
        }
        return values;
    }

    static std::optional<TakenValues> reject(DialogHost& host, int control, const char* message) {
        platform::rejectField(host, control, message);
        return std::nullopt;
    }

    static bool mayReplace(DialogHost& host, const model::SportEntry& entry, const TakenValues& values) {
        if (!holdsTraining(entry)) return true;
        const std::string question = "Am " + values.dateText + " ist für " + model::sportName(values.sport) +
                                     " schon ein Training eingetragen.\nSoll es durch die Werte der "
                                     "Aufzeichnung ersetzt werden?";
        return host.services().messageBox(question, "Frage?", platform::Buttons::YesNo,
                                          platform::Icon::Question) == platform::Answer::Yes;
    }

    void accept(DialogHost& host) {
        const std::optional<TakenValues> values = readFields(host);
        if (!values) return;
        model::SportEntry& entry = year_.days[size_t(values->dayIndex)].*sportControls(values->sport).entry;
        if (!mayReplace(host, entry, *values)) return;
        entry.duration = formatDuration(values->hours, values->minutes);
        entry.distanceKm = values->distanceKm;
        entry.avgPulse = values->avgPulse;
        if (takesHeight(host)) entry.heightMetres = values->heightMetres;
        year_.modified = 1;
        written_ = values->dayIndex;
        host.end(platform::dialogOk);
    }

    model::TrainingYear& year_;
    const DayEditorLayout& layout_;
    const recordings::TrainingProposal& proposal_;
    std::optional<int> written_;
};

platform::ControlTemplate label(const char* text, int row) {
    return {platform::staticControlId, ControlKind::Static, text,
            DialogRect{kLabelX, 12 + row * kRowHeight, 58, 10}};
}

platform::ControlTemplate field(int control, int row, int x, int width, int maxLength) {
    constexpr unsigned typed = kTab | platform::PlanText | platform::CommaAsDot;
    return {control, ControlKind::Edit, "", DialogRect{x, 10 + row * kRowHeight, width, 12}, typed, maxLength};
}

}  // namespace

const platform::DialogTemplate& trainingTakeoverTemplate() {
    static const platform::DialogTemplate dialog = [] {
        std::vector<platform::ControlTemplate> list{
            label("&Datum:", 0),
            field(id::day, 0, kFieldX, 18, 2),
            field(id::month, 0, kFieldX + 22, 18, 2),
            field(id::year, 0, kFieldX + 44, 30, 4),
            label("&Sportart:", 1),
            {id::sport, ControlKind::DropDownList, "", DialogRect{kFieldX, 10 + kRowHeight, 74, 60}, kTab},
            label("&Zeit (HH:MM):", 2),
            field(id::hours, 2, kFieldX, 18, field_length::time),
            field(id::minutes, 2, kFieldX + 22, 18, field_length::time),
            label("D&istanz (km):", 3),
            field(id::distance, 3, kFieldX, 40, field_length::number),
            label("AVG-&Puls:", 4),
            field(id::pulse, 4, kFieldX, 40, field_length::pulse),
            {id::pulseNote, ControlKind::Static, "wird gespeichert, im Basis-Formular nicht angezeigt",
             DialogRect{kFieldX + 44, 8 + 4 * kRowHeight, 110, 18}, ControlFlag::MultiLine | ControlFlag::Hidden},
            label("&Höhe (m):", 5),
            field(id::height, 5, kFieldX, 40, field_length::number),
            {id::okButton, ControlKind::DefaultButton, "OK", DialogRect{kLabelX, 14 + 6 * kRowHeight, 60, 14},
             kTab},
            {id::cancelButton, ControlKind::Button, "Abbruch",
             DialogRect{kLabelX + 68, 14 + 6 * kRowHeight, 60, 14}, kTab},
        };
        return platform::DialogTemplate{"IDD_TRAINING_UEBERNEHMEN", "Als Training übernehmen", 230,
                                        14 + 6 * kRowHeight + 22, list};
    }();
    return dialog;
}

std::optional<int> runTrainingTakeover(platform::Services& services, model::TrainingYear& year,
                                       const DayEditorLayout& layout,
                                       const recordings::TrainingProposal& proposal) {
    TakeoverProcedure procedure(year, layout, proposal);
    services.runModal(trainingTakeoverTemplate(), procedure);
    return procedure.written();
}

}  // namespace sb::editor
