// Filling the day editor from a day record, the date row, and the live enabling and derived values.
#include "editor/show_day.h"

#include <array>
#include <cmath>
#include <limits>

#include "editor/day_editor_controls.h"
#include "editor/day_editor_fields.h"
#include "fileio/c_numbers.h"
#include "model/calendar.h"
#include "model/text_encoding.h"

namespace sb::editor {

namespace {

using platform::DialogHost;

std::string weekdayName(int weekday) {
    static const std::array<const char*, 7> names{"Montag,",  "Dienstag,", "Mittwoch,", "Donnerstag,",
                                                  "Freitag,", "Samstag,",  "Sonntag,"};
    return weekday >= 1 && weekday <= 7 ? names[size_t(weekday - 1)] : "";
}

// Entry 0 of the bike and run route lists is the day's own route; the swim and other route fields
// take free text only.
void showRoute(DialogHost& host, const SportControls& c, const std::string& route) {
    if (c.sport != model::kBike && c.sport != model::kRun) return showDocumentText(host, c.route, route);
    std::string text = model::cp1252ToUtf8(route);
    if (host.items(c.route).empty()) {
        host.addItem(c.route, text);
    } else {
        host.setItemText(c.route, 0, text);
    }
    host.setSelection(c.route, 0);
    host.setText(c.route, text);
}

void showSport(DialogHost& host, const DayEditorLayout& layout, const SportControls& c,
               const model::DayRecord& day) {
    const model::SportEntry& entry = day.*c.entry;
    showRoute(host, c, entry.route);
    host.setText(c.hours, formatTwoDigits(model::parseDuration(entry.duration, 1)));
    host.setText(c.minutes, formatTwoDigits(model::parseDuration(entry.duration, 2)));
    host.setText(c.distance, formatDistance(entry.distanceKm));
    if (layout.pulse) host.setText(c.pulse, fileio::formatInt(entry.avgPulse));
    if (layout.types) {
        host.setSelection(c.actual, model::sportTypeDigit(day.actualTypes, c.sport));
        host.setSelection(c.planned, model::sportTypeDigit(day.plannedTypes, c.sport));
    }
    if (layout.extended) {
        showDocumentText(host, c.content, entry.content);
        // A load outside 0…5 from a damaged file selects nothing and is stored as 0.
        host.setSelection(c.load, entry.load);
        if (c.height != 0) host.setText(c.height, fileio::formatFixed(entry.heightMetres, 0));
    }
}

void showDate(DialogHost& host, const model::TrainingYear& year, int dayIndex) {
    model::DayMonth date = model::dateOfDayOfYear(dayIndex + 1, year.planYear);
    host.setText(control::day, fileio::formatInt(date.day));
    host.setText(control::month, fileio::formatInt(date.month));
    host.setText(control::year, fileio::formatInt(year.planYear));
    host.setText(control::weekday, weekdayName(model::weekdayOf(date.day, date.month, year.planYear)));
    host.setText(control::week, fileio::formatInt(model::weekOfYear(date.day, date.month, year.planYear)));
}

// What the user typed, as a float the computations can take: 0 for what a float cannot hold.
float typedFloat(double value) {
    return std::fabs(value) <= std::numeric_limits<float>::max() ? float(value) : 0;
}

}  // namespace

std::string formatDistance(float kilometres) {
    return fileio::formatFixed(kilometres, 2);
}

void showDay(DialogHost& host, const DayEditorLayout& layout, const model::TrainingYear& year, int dayIndex) {
    const model::DayRecord& day = year.days[size_t(dayIndex)];
    for (model::Sport sport : layout.sports) showSport(host, layout, sportControls(sport), day);
    showDocumentText(host, control::weather, day.weather);
    showDocumentText(host, control::comment, day.comment);
    host.setText(control::bodyWeight, formatDistance(day.bodyWeight));
    host.setText(control::restingPulse, fileio::formatInt(day.restingPulse));
    showDate(host, year, dayIndex);
    updateTimeEnabling(host, layout);
    updateDerivedValues(host, layout, year);
}

void updateTimeEnabling(DialogHost& host, const DayEditorLayout& layout) {
    for (model::Sport sport : layout.sports) {
        const SportControls& c = sportControls(sport);
        const bool trained = fieldInt(host, c.hours, field_length::time) != 0 ||
                             fieldInt(host, c.minutes, field_length::time) != 0;
        for (int id : {c.distance, c.route, c.content, c.load, c.actual, c.pulse, c.height}) {
            if (id != 0) host.enable(id, trained);
        }
        // A distance, pulse or route without a time would still be stored and counted: it stays
        // within reach, so the user can see and clear it.
        if (trained) continue;
        if (fieldNumber(host, c.distance, field_length::number) != 0) host.enable(c.distance, true);
        if (layout.pulse && fieldNumber(host, c.pulse, field_length::pulse) != 0) host.enable(c.pulse, true);
        if (!host.text(c.route).empty()) host.enable(c.route, true);
    }
}

void updateDerivedValues(DialogHost& host, const DayEditorLayout& layout, const model::TrainingYear& year) {
    if (!layout.averages) return;
    float weight = typedFloat(fieldNumber(host, control::bodyWeight, field_length::number));
    if (weight == 0) weight = model::latestBodyWeight(year);
    auto duration = [&](const SportControls& c) {
        return formatDuration(fieldInt(host, c.hours, field_length::time),
                              fieldInt(host, c.minutes, field_length::time));
    };
    auto distance = [&](const SportControls& c) {
        return typedFloat(fieldNumber(host, c.distance, field_length::number));
    };
    if (layout.shows(model::kBike)) {
        const SportControls& c = kBikeControls;
        host.setText(c.average, fileio::formatFixed(model::averageSpeed(distance(c), duration(c)), 1));
        host.setText(c.energy, fileio::formatInt(model::enduranceKcal(distance(c), duration(c), weight)));
    }
    if (layout.shows(model::kRun)) {
        const SportControls& c = kRunControls;
        host.setText(c.average, model::formatPace(distance(c), duration(c)));
        host.setText(c.energy, fileio::formatInt(model::runningKcal(distance(c), weight)));
    }
}

}  // namespace sb::editor
