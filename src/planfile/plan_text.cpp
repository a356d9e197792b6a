// Assembles plan file text. Texts are written as stored except that a ',' becomes '.', a line break a
// blank and a NUL ends the text: the format has no quoting, and any of these would shift every field
// after it when the file is read back.
#include "planfile/plan_text.h"

#include <algorithm>

#include "model/calendar.h"
#include "fileio/c_numbers.h"

namespace sb::planfile {
namespace {

using model::DayRecord;
using model::SportEntry;
using model::TrainingYear;

constexpr std::string_view kLineEnd = "\r\n";
// The ü of "für" is the code page 850 byte, not the Windows-1252 one.
constexpr std::string_view kTitle = "Saisonbuch f\x81r das Jahr,";
constexpr std::string_view kSeparator = "**** ENDE TRAINIGSTAGE - BEGINN DATEN FUR DIE KILOMETERZAHLER ****";

void appendText(std::string& out, std::string_view text) {
    for (char c : text) {
        if (c == '\0') break;
        if (c == ',') c = '.';
        if (c == '\r' || c == '\n') c = ' ';
        out.push_back(c);
    }
}

void appendTextField(std::string& out, std::string_view text) {
    appendText(out, text);
    out.push_back(',');
}

void appendIntField(std::string& out, int value) {
    fileio::appendInt(out, value);
    out.push_back(',');
}

void appendFixedField(std::string& out, double value, int decimals) {
    fileio::appendFixed(out, value, decimals);
    out.push_back(',');
}

bool blockSwitchedOn(int sport, const PlanFileColumns& columns) {
    switch (sport) {
        case model::kRun:
            return columns.withRun != 0;
        case model::kBike:
            return columns.withBike != 0;
        case model::kSwim:
            return columns.withSwim != 0;
        case model::kOther:
            return columns.withOther != 0;
        default:
            return false;
    }
}

const SportEntry& entryOf(const DayRecord& day, int sport) {
    switch (sport) {
        case model::kRun:
            return day.run;
        case model::kBike:
            return day.bike;
        case model::kSwim:
            return day.swim;
        default:
            return day.other;
    }
}

void appendTitleLine(std::string& out, const TrainingYear& year, bool currentTitle) {
    out += kTitle;
    fileio::appendInt(out, year.planYear);
    if (currentTitle) {
        out.push_back(',');
        fileio::appendInt(out, year.planStartMonth);
        out.push_back(',');
        fileio::appendInt(out, year.planStartDay);
        out += ",,,,,,,,";
    } else {
        out += ",,,,,,,,,,";
    }
    out += kLineEnd;
}

void appendAthleteLine(std::string& out, const TrainingYear& year) {
    out += "Sportler:,";
    appendTextField(out, year.firstName);
    appendTextField(out, year.lastName);
    out += "Geb. Datum:,";
    appendTextField(out, year.birthDate);
    out += "Trainer:,";
    appendTextField(out, year.trainer);
    out += "Verein:,";
    appendTextField(out, year.club);
    out += "Geschlecht:,";
    out.push_back(year.gender);
    out.push_back(',');
    out += kLineEnd;
}

void appendHeaderLine(std::string& out, const PlanFileColumns& columns, const PlanTextLayout& layout) {
    if (columns.withDateColumns) out += "Wt, Datum,";
    for (const SportBlockLayout& block : layout.blocks) {
        if (!blockSwitchedOn(block.sport, columns)) continue;
        out += block.openingHeader;
        if (columns.withCumulativeKm) out += block.cumulativeHeader;
        if (columns.withAverages) out += block.averageHeader;
        out += block.durationHeader;
        if (columns.withPulse) out += block.pulseHeader;
        out += block.loadContentHeader;
        if (columns.withKcal && block.hasKcal) out += block.kcalHeader;
        if (columns.typeColumns == 2) out += block.typesHeader;
    }
    out += "wetter,";
    if (columns.withWeight) out += "gewicht,";
    if (columns.withPulse) out += "ruhepuls,";
    if (columns.typeColumns == 1) out += "trainingsoll,trainingist,";
    out += "kommentar";
    out += kLineEnd;
}

// dd.mm. with a leading zero below 10, as the spreadsheet export shows dates.
void appendDateColumns(std::string& out, int planYear, int dayIndex) {
    model::DayMonth date = model::dateOfDayOfYear(dayIndex + 1, planYear);
    appendTextField(out, model::weekdayAbbreviation(model::weekdayOf(date.day, date.month, planYear)));
    if (date.day < 10) out.push_back('0');
    fileio::appendInt(out, date.day);
    out.push_back('.');
    if (date.month < 10) out.push_back('0');
    fileio::appendInt(out, date.month);
    out += ".,";
}

int kcalOf(const SportEntry& entry, int sport, float bodyWeight) {
    if (sport == model::kRun) return model::runningKcal(entry.distanceKm, bodyWeight);
    return model::enduranceKcal(entry.distanceKm, entry.duration, bodyWeight);
}

void appendSportBlock(std::string& out, const SportBlockLayout& block, const DayRecord& day,
                      float cumulativeKm, const PlanFileColumns& columns, const TypeLabels& labels) {
    const SportEntry& entry = entryOf(day, block.sport);
    if (block.distanceBeforeRoute) {
        appendFixedField(out, entry.distanceKm, 2);
        appendTextField(out, entry.route);
    } else {
        appendTextField(out, entry.route);
        appendFixedField(out, entry.distanceKm, 2);
    }
    if (block.withHeight) appendFixedField(out, entry.heightMetres, 0);
    if (columns.withCumulativeKm) appendFixedField(out, cumulativeKm, 2);
    if (columns.withAverages) {
        if (block.sport == model::kRun)
            appendTextField(out, model::formatPace(entry.distanceKm, entry.duration));
        else
            appendFixedField(out, model::averageSpeed(entry.distanceKm, entry.duration), 2);
    }
    appendTextField(out, entry.duration);
    if (columns.withPulse) appendIntField(out, entry.avgPulse);
    if (block.withLoadAndContent) {
        appendIntField(out, entry.load);
        appendTextField(out, entry.content);
    }
    if (columns.withKcal && block.hasKcal) appendIntField(out, kcalOf(entry, block.sport, day.bodyWeight));
    if (columns.typeColumns == 2) {
        appendTextField(out, labels[model::sportTypeDigit(day.plannedTypes, block.sport)]);
        appendTextField(out, labels[model::sportTypeDigit(day.actualTypes, block.sport)]);
    }
}

void appendDayPart(std::string& out, const DayRecord& day, const PlanFileColumns& columns) {
    appendTextField(out, day.weather);
    if (columns.withWeight) appendFixedField(out, day.bodyWeight, 2);
    if (columns.withPulse) appendIntField(out, day.restingPulse);
    if (columns.typeColumns == 1) {
        appendIntField(out, day.plannedTypes);
        appendIntField(out, day.actualTypes);
    }
    appendTextField(out, day.comment);
    out.push_back(',');
    out += kLineEnd;
}

void appendDayLines(std::string& out, const TrainingYear& year, const PlanFileColumns& columns,
                    const TypeLabels& labels, const PlanTextLayout& layout) {
    const int last = model::dayCount(year) - 1;
    const int firstDay = std::max(columns.firstDay, 0);
    const int lastDay = columns.lastDay == 0 ? last : std::min(columns.lastDay, last);
    // Single-precision sums, indexed by sport number.
    float cumulativeKm[5] = {};
    for (int dayIndex = firstDay; dayIndex <= lastDay; ++dayIndex) {
        const DayRecord& day = year.days[dayIndex];
        if (columns.withDateColumns) appendDateColumns(out, year.planYear, dayIndex);
        for (const SportBlockLayout& block : layout.blocks) {
            if (!blockSwitchedOn(block.sport, columns)) continue;
            cumulativeKm[block.sport] += entryOf(day, block.sport).distanceKm;
            appendSportBlock(out, block, day, cumulativeKm[block.sport], columns, labels);
        }
        appendDayPart(out, day, columns);
    }
}

void appendOdometerLines(std::string& out, const TrainingYear& year) {
    out += kSeparator;
    out += kLineEnd;
    for (const model::Odometer& odometer : year.odometers) {
        appendIntField(out, odometer.startDayIndex);
        appendIntField(out, odometer.previousKm);
        appendIntField(out, odometer.dueKm);
        appendIntField(out, odometer.state);
        appendTextField(out, odometer.description);
        appendIntField(out, odometer.sportSelector);
        out.push_back(',');
        out += kLineEnd;
    }
}

}  // namespace

std::string formatPlanText(const TrainingYear& year, const PlanFileColumns& columns, const TypeLabels& labels,
                           const PlanTextLayout& layout) {
    std::string out;
    out.reserve(512 * model::kMaxDays);
    appendTitleLine(out, year, layout.currentTitle);
    appendAthleteLine(out, year);
    appendHeaderLine(out, columns, layout);
    appendDayLines(out, year, columns, labels, layout);
    if (layout.withOdometers && !columns.withDateColumns) appendOdometerLines(out, year);
    return out;
}

}  // namespace sb::planfile
