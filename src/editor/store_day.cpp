// Checks and stores the fields of one day, one message per rejected field, in the order of the form's
// reading: pulse, actual type, time, route, distance, content, load, height; then the day values.
#include "editor/store_day.h"

#include "editor/day_editor_controls.h"
#include "editor/day_editor_fields.h"
#include "platform/services.h"

namespace sb::editor {

namespace {

using platform::DialogHost;

class DayStore {
  public:
    DayStore(DialogHost& host, const DayEditorLayout& layout) : host_(host), layout_(layout) {}

    int result() const { return rejected_ ? 1 : 0; }

    void storeSport(const SportControls& c, model::DayRecord& day) {
        model::SportEntry& entry = day.*c.entry;
        if (layout_.pulse) storeInt(c.pulse, field_length::pulse, 0, 240, c.pulseMessage, entry.avgPulse);
        if (layout_.types) {
            // The selected entry is the code: labels need not differ from each other.
            int code = host_.selection(c.actual);
            day.actualTypes =
                model::setSportTypeDigit(code >= 0 && code <= 9 ? code : 0, day.actualTypes, c.sport);
        }
        storeTime(c, entry);
        entry.route = fieldText(host_, c.route, field_length::text);
        storeFloat(c.distance, 500, c.distanceMessage, entry.distanceKm);
        if (layout_.extended) {
            entry.content = fieldText(host_, c.content, field_length::text);
            entry.load = fieldInt(host_, c.load, field_length::text);
            if (c.height != 0) storeFloat(c.height, 10000, kHeightMessage, entry.heightMetres);
        }
    }

    void storeDayValues(model::DayRecord& day) {
        day.weather = fieldText(host_, control::weather, field_length::text);
        day.comment = fieldText(host_, control::comment, field_length::text);
        storeFloat(control::bodyWeight, 150, "Eingabefehler im Feld Körpergewicht", day.bodyWeight);
        storeInt(control::restingPulse, field_length::pulse, 0, 240, "Eingabefehler im Feld Ruhepuls",
                 day.restingPulse);
    }

  private:
    void reject(const char* message) {
        host_.services().messageBox(message, "Eingabefehler", platform::Buttons::Ok,
                                    platform::Icon::Exclamation);
        rejected_ = true;
    }

    void storeInt(int id, int maxCharacters, int lowest, int highest, const char* message, int& stored) {
        int value = fieldInt(host_, id, maxCharacters);
        if (value < lowest || value > highest) return reject(message);
        stored = value;
    }

    // Written so that a text that is no finite number (nan, inf) fails the check too.
    void storeFloat(int id, double highest, const char* message, float& stored) {
        double value = fieldNumber(host_, id, field_length::number);
        if (!(value >= 0 && value <= highest)) return reject(message);
        stored = float(value);
    }

    void storeTime(const SportControls& c, model::SportEntry& entry) {
        int hours = fieldInt(host_, c.hours, field_length::time);
        int minutes = fieldInt(host_, c.minutes, field_length::time);
        if (hours < 0 || hours > 24 || minutes < 0 || minutes > 59) return reject(c.timeMessage);
        entry.duration = formatDuration(hours, minutes);
    }

    DialogHost& host_;
    const DayEditorLayout& layout_;
    bool rejected_ = false;
};

}  // namespace

int storeDay(DialogHost& host, const DayEditorLayout& layout, model::TrainingYear& year, int dayIndex) {
    DayStore store(host, layout);
    model::DayRecord& day = year.days[size_t(dayIndex)];
    for (model::Sport sport : {model::kBike, model::kRun, model::kSwim, model::kOther}) {
        if (layout.shows(sport)) store.storeSport(sportControls(sport), day);
    }
    store.storeDayValues(day);
    return store.result();
}

}  // namespace sb::editor
