// The year document's rows: a sport shows up when it holds distance and time (the other sport also with
// a route alone), and its cells follow the header's order with the optional ones left out.
#include "output/year_document.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "fileio/c_numbers.h"
#include "model/calendar.h"
#include "output/html_frame.h"

namespace sb::output {

namespace {

using fileio::formatFixed;
using fileio::formatInt;
using planfile::PlanFileColumns;

struct SportRow {
    int sport;
    const char* name;
    int PlanFileColumns::*enabled;
    model::SportEntry model::DayRecord::*entry;
};

constexpr std::array<SportRow, 4> kSports{{
    {model::kRun, "Laufen", &PlanFileColumns::withRun, &model::DayRecord::run},
    {model::kBike, "Radfahren", &PlanFileColumns::withBike, &model::DayRecord::bike},
    {model::kSwim, "Schwimmen", &PlanFileColumns::withSwim, &model::DayRecord::swim},
    {model::kOther, "sonst.Sport", &PlanFileColumns::withOther, &model::DayRecord::other},
}};

void cell(std::string& out, std::string_view text) {
    out.append("<TD>").append(text).append("</TD>");
}

void appendAthlete(std::string& out, const model::TrainingYear& year) {
    out += "<TABLE><TR>\n<TD WIDTH=\"50%\" BGCOLOR = \"#EEEEEE\">";
    out.append("<H2>Saisonbuch f&uuml;r das Jahr ").append(formatInt(year.planYear)).append("\n<BR></H2>");
    out.append("Sportler: ").append(escapeHtml(year.firstName)).append(" ").append(escapeHtml(year.lastName));
    out.append(" <BR>\nGeb. Datum: ").append(escapeHtml(year.birthDate)).append("<BR>\n");
    if (!year.club.empty()) out.append("Verein: ").append(escapeHtml(year.club)).append("<BR>\n");
    if (!year.trainer.empty()) out.append("Trainer: ").append(escapeHtml(year.trainer)).append("<BR>\n");
    out += "</TD></TR></TABLE>\n";
}

void appendHeader(std::string& out, const PlanFileColumns& c) {
    out += "<TABLE border rules=cols>\n<TR>";
    out += "<TH>Sportart</TH><TH>Wt</TH><TH>Datum</TH><TH>Distanz</TH><TH>Strecke</TH>";
    if (c.withCumulativeKm) out += "<TH>Gesamtkilometer</TH>";
    if (c.withAverages) out += "<TH>Durchschnitt</TH>";
    out += "<TH>Zeit</TH>";
    if (c.withPulse) out += "<TH>Durchschnittspuls</TH>";
    if (c.withKcal) out += "<TH>Kalorienverbrauch</TH>";
    if (c.typeColumns == 2) out += "<TH>Trainingssoll</TH><TH>Trainingsist</TH>";
    out += "<TH>Wetter</TH>";
    if (c.withWeight) out += "<TH>Gewicht</TH>";
    if (c.withPulse) out += "<TH>Ruhepuls</TH>";
    out += "<TH>Kommentar</TH></TR>\n";
}

bool isExported(const SportRow& sport, const model::SportEntry& entry) {
    const bool timed = model::parseDuration(entry.duration, 0) >= 1;
    if (sport.sport == model::kOther) return entry.distanceKm > 0 || timed || entry.route.size() >= 2;
    return entry.distanceKm > 0 && timed;
}

std::string dateCell(model::DayMonth date) {
    return formatInt(date.day) + "." + (date.month < 10 ? "0" : "") + formatInt(date.month) + ".";
}

std::string averageCell(int sport, const model::SportEntry& entry) {
    if (sport == model::kRun) return model::formatPace(entry.distanceKm, entry.duration) + " min/km";
    return formatFixed(model::averageSpeed(entry.distanceKm, entry.duration), 2) + " km/h";
}

std::string kcalCell(int sport, const model::SportEntry& entry, float weight) {
    switch (sport) {
        case model::kRun:
            return formatInt(model::runningKcal(entry.distanceKm, weight));
        case model::kBike:
            return formatInt(model::enduranceKcal(entry.distanceKm, entry.duration, weight));
        case model::kSwim:
            return "0";
        default:
            return "";
    }
}

struct RowContext {
    const model::TrainingYear& year;
    const PlanFileColumns& columns;
    const planfile::TypeLabels& labels;
};

void appendRow(std::string& out, const RowContext& context, const SportRow& sport, int dayIndex,
               double cumulativeKm, int rowNumber) {
    const PlanFileColumns& c = context.columns;
    const model::DayRecord& day = context.year.days[std::size_t(dayIndex)];
    const model::SportEntry& entry = day.*sport.entry;
    const model::DayMonth date = model::dateOfDayOfYear(dayIndex + 1, context.year.planYear);
    out += rowNumber % 2 == 0 ? "<TR bgcolor = \"#EEEEEE\">" : "<TR>";
    cell(out, sport.name);
    cell(out, model::weekdayAbbreviation(model::weekdayOf(date.day, date.month, context.year.planYear)));
    cell(out, dateCell(date));
    cell(out, formatFixed(entry.distanceKm, 1));
    cell(out, escapeHtml(entry.route));
    if (c.withCumulativeKm) cell(out, formatFixed(cumulativeKm, 1));
    if (c.withAverages) cell(out, averageCell(sport.sport, entry));
    cell(out, escapeHtml(entry.duration));
    if (c.withPulse) cell(out, formatInt(entry.avgPulse));
    if (c.withKcal) cell(out, kcalCell(sport.sport, entry, day.bodyWeight));
    if (c.typeColumns == 2) {
        const auto label = [&](int packed) {
            return escapeHtml(context.labels[std::size_t(model::sportTypeDigit(packed, sport.sport))]);
        };
        cell(out, label(day.plannedTypes));
        cell(out, label(day.actualTypes));
    }
    cell(out, escapeHtml(day.weather));
    if (c.withWeight) cell(out, formatFixed(day.bodyWeight, 1));
    if (c.withPulse) cell(out, formatInt(day.restingPulse));
    out.append("<TD>").append(escapeHtml(day.comment)).append("</TD></TR>\n");
}

}  // namespace

std::string yearDocument(const model::TrainingYear& year, const PlanFileColumns& columns,
                         const planfile::TypeLabels& labels) {
    std::string out;
    appendHtmlHead(out, year.planYear);
    appendAthlete(out, year);
    appendHeader(out, columns);
    const int lastDay = columns.lastDay == 0 ? model::dayCount(year.planYear) - 1 : columns.lastDay;
    const RowContext context{year, columns, labels};
    std::array<double, 4> cumulativeKm{};
    int rowNumber = 0;
    const int dayCount = model::dayCount(year.planYear);
    for (int dayIndex = std::max(columns.firstDay, 0); dayIndex <= lastDay && dayIndex < dayCount;
         ++dayIndex) {
        for (std::size_t s = 0; s < kSports.size(); ++s) {
            const SportRow& sport = kSports[s];
            const model::SportEntry& entry = year.days[std::size_t(dayIndex)].*sport.entry;
            if (!(columns.*sport.enabled) || !isExported(sport, entry)) continue;
            cumulativeKm[s] += entry.distanceKm;
            appendRow(out, context, sport, dayIndex, cumulativeKm[s], ++rowNumber);
        }
    }
    appendHtmlFooter(out);
    return out;
}

int writeYearDocument(const model::TrainingYear& year, const std::string& path,
                      const PlanFileColumns& columns, const planfile::TypeLabels& labels) {
    return writeHtmlDocument(path, yearDocument(year, columns, labels)) ? 0 : 1;
}

}  // namespace sb::output
