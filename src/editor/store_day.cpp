// Checks and stores the fields of one day in the order of the form's reading: pulse, actual type,
// time, route, distance, content, load, height; then the day values. Each field stands on its own: a
// rejected one is reported and keeps its stored value while the others are still stored, and the
// cursor ends in the first rejected field.
#include "editor/store_day.h"

#include "editor/day_editor_controls.h"
#include "editor/day_editor_fields.h"
#include "model/calendar.h"
#include "model/day_limits.h"
#include "platform/number_field.h"

namespace sb::editor {

namespace {

using platform::DialogHost;

class DayStore {
  public:
    DayStore(DialogHost& host, const DayEditorLayout& layout) : host_(host), layout_(layout) {}

    void storeSport(const SportControls& c, model::DayRecord& day) {
        model::SportEntry& entry = day.*c.entry;
        if (layout_.pulse)
            storeInt(c.pulse, field_length::pulse, model::pulseAllowed, c.pulseMessage, entry.avgPulse);
        if (layout_.types) {
            // The selected entry is the code: labels need not differ from each other.
            int code = host_.selection(c.actual);
            day.actualTypes =
                model::setSportTypeDigit(code >= 0 && code <= 9 ? code : 0, day.actualTypes, c.sport);
        }
        storeTime(c, entry);
        entry.route = fieldText(host_, c.route, field_length::text);
        storeFloat(c.distance, model::dayDistanceAllowed, c.distanceMessage, entry.distanceKm);
        if (layout_.extended) {
            entry.content = fieldText(host_, c.content, field_length::text);
            entry.load = fieldInt(host_, c.load, field_length::text);
            if (c.height != 0)
                storeFloat(c.height, model::heightAllowed, model::kHeightMessage, entry.heightMetres);
        }
    }

    void storeDayValues(model::DayRecord& day) {
        day.weather = fieldText(host_, control::weather, field_length::text);
        day.comment = fieldText(host_, control::comment, field_length::text);
        storeFloat(control::bodyWeight, model::bodyWeightAllowed, model::kBodyWeightMessage, day.bodyWeight);
        storeInt(control::restingPulse, field_length::pulse, model::pulseAllowed, model::kRestingPulseMessage,
                 day.restingPulse);
    }

    // 1 when a field was rejected; the cursor then goes back to the first of them.
    int finish() {
        if (firstRejected_ == 0) return 0;
        host_.setFocus(firstRejected_);
        return 1;
    }

  private:
    void reject(int id, const char* message) {
        platform::rejectField(host_, id, message);
        if (firstRejected_ == 0) firstRejected_ = id;
    }

    void storeInt(int id, int maxCharacters, bool (*allowed)(int), const char* message, int& stored) {
        std::optional<int> value = platform::integerField(host_, id, maxCharacters);
        if (!value || !allowed(*value)) return reject(id, message);
        stored = *value;
    }

    void storeFloat(int id, bool (*allowed)(double), const char* message, float& stored) {
        std::optional<double> value = platform::numberField(host_, id, field_length::number);
        if (!value || !allowed(*value)) return reject(id, message);
        stored = float(*value);
    }

    // A time the user left as it was keeps its stored text, so an empty time is not turned into
    // "00:00" by merely looking at the day.
    void storeTime(const SportControls& c, model::SportEntry& entry) {
        std::optional<int> hours = platform::integerField(host_, c.hours, field_length::time);
        std::optional<int> minutes = platform::integerField(host_, c.minutes, field_length::time);
        if (!hours || !model::hoursAllowed(*hours)) return reject(c.hours, c.timeMessage);
        if (!minutes || !model::minutesAllowed(*minutes)) return reject(c.minutes, c.timeMessage);
        if (*hours == model::parseDuration(entry.duration, 1) && *minutes == model::parseDuration(entry.duration, 2)) {
            return;
        }
        entry.duration = formatDuration(*hours, *minutes);
    }

    DialogHost& host_;
    const DayEditorLayout& layout_;
    int firstRejected_ = 0;
};

}  // namespace

int storeDay(DialogHost& host, const DayEditorLayout& layout, model::TrainingYear& year, int dayIndex) {
    DayStore store(host, layout);
    model::DayRecord& stored = year.days[size_t(dayIndex)];
    model::DayRecord day = stored;
    for (model::Sport sport : {model::kBike, model::kRun, model::kSwim, model::kOther}) {
        if (layout.shows(sport)) store.storeSport(sportControls(sport), day);
    }
    store.storeDayValues(day);
    if (day != stored) {
        stored = std::move(day);
        year.modified = 1;
    }
    return store.finish();
}

}  // namespace sb::editor
