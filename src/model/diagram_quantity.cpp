// Texts and kind coverage of the diagram quantities, kept as one table so that a code's title, unit and
// caption cannot drift apart.
#include "model/diagram_quantity.h"

#include <array>
#include <string_view>

namespace sb::model {
namespace {

struct QuantityTexts {
    int code;
    std::string_view title;
    std::string_view unit;
    std::string_view caption;  // the bracketed name after a kind's short caption; empty for X-Y codes
};

constexpr std::array<QuantityTexts, 38> kQuantities{{
    {kKmBike, "Radkilometer", "km", " (KM Rad)"},
    {kKmRun, "Laufkilometer", "km", " (KM Lauf)"},
    {kKmSwim, "Schwimmkilometer", "km", " (KM Schwimmen)"},
    {kKmOther, "Alternativkilometer", "km", " (KM Alternativ)"},
    {kCountBike, "Anzahl Radeinheiten", "x", " (Anzahl Rad)"},
    {kCountRun, "Anzahl Laufeinheiten", "x", " (Anzahl Lauf)"},
    {kCountSwim, "Anzahl Schwimmeinheiten", "x", " (Anzahl Schwimmen)"},
    {kCountOther, "Anzahl Alternativeinheiten", "x", " (Anzahl Alternativ)"},
    {kCountTotal, "Anzahl Gesamteinheiten", "x", " (Anzahl Gesamt)"},
    {kTimeBike, "Radzeit", "h", " (Zeit Rad)"},
    {kTimeRun, "Laufzeit", "h", " (Zeit Lauf)"},
    {kTimeSwim, "Schwimmzeit", "h", " (Zeit Schwimmen)"},
    {kTimeOther, "Alternativzeit", "h", " (Zeit Alternativ)"},
    {kTimeTotal, "Gesamtzeit", "h", " (Zeit Gesamt)"},
    {kTimeBySport, "Gesamtzeit (in Sportarten untergliedert)", "h", " (Zeit Gesamt (Untergliedert))"},
    {kWeight, "Gewicht", "kg", " (Gewicht)"},
    {kRestingPulse, "Ruhepuls", "", " (Ruhepuls)"},
    {kClimbing, "Höhenmeter", "m", " (Höhenmeter)"},
    {kAverageWeight, "AVG-Gewicht", "", " (AVG-Gewicht)"},
    {kAverageRestingPulse, "AVG-Ruhepuls", "", " (AVG-Ruhepuls)"},
    {kLoad, "Belastung", "", " (Belastung)"},
    {kTime, "Zeit", "h", " (Zeit)"},
    {kActualKmBike, "IST-Plan Radkilometer", "km", " (IST-Plan KM Rad)"},
    {kActualKmRun, "IST-Plan Laufkilometer", "km", " (IST-Plan KM Laufen)"},
    {kActualKmSwim, "IST-Plan Schwimmkilometer", "km", " (IST-Plan KM Schwimmen)"},
    {kActualKmOther, "IST-Plan Alternativkilometer", "km", " (IST-Plan KM Alternativ)"},
    {kActualTimeBike, "IST-Plan Radzeit", "h", " (IST-Plan Zeit Rad)"},
    {kActualTimeRun, "IST-Plan Laufzeit", "h", " (IST-Plan Zeit Laufen)"},
    {kActualTimeSwim, "IST-Plan Schwimmzeit", "h", " (IST-Plan Zeit Schwimmen)"},
    {kActualTimeOther, "IST-Plan Alternativzeit", "h", " (IST-Plan Zeit Alternativ)"},
    {kXyPulse, "Puls", "bpm", ""},
    {kXyBikeDistance, "Radstrecke", "km", ""},
    {kXySpeed, "Radgeschwindigkeit", "km/h", ""},
    {kXyCadence, "Trittfrequenz", "rpm", ""},
    {kXyAltitude, "Höhenmeter", "m", ""},
    {kXyPower, "Leistung", "W", ""},
    {kXyBalance, "Radbalance", "%", ""},
    {kXyTemperature, "Temperatur", "°C", ""},
}};

const QuantityTexts* findQuantity(int code) {
    for (const QuantityTexts& quantity : kQuantities)
        if (quantity.code == code) return &quantity;
    return nullptr;
}

// The Y quantity named at the end of an X-Y caption.
std::string_view xyCaption(int code) {
    static constexpr std::array<std::string_view, 8> names{
        " Puls",       " Strecke", " Geschwindigkeit", " Trittfrequenz",
        " Höhenmeter", " Power",   " Balance",         " Temperatur"};
    if (code < kXyPulse || code > kXyTemperature) return {};
    return names[code - kXyPulse];
}

bool isActualPlanCode(int code) {
    return code >= kActualKmBike && code <= kActualTimeOther;
}

}  // namespace

SeriesParts seriesParts(int code) {
    if (code == kTimeBySport || code == kLoad || code == kTime) return SeriesParts::bySport;
    if (isActualPlanCode(code)) return SeriesParts::byType;
    return SeriesParts::none;
}

bool kindHandlesQuantity(int kind, int code) {
    bool distance = code >= kKmBike && code <= kKmOther;
    bool dayValue = code == kWeight || code == kRestingPulse;
    switch (kind) {
        case kWeekOfYearDiagram:
        case kMonthOfYearDiagram:
            return (code >= kKmBike && code <= kClimbing && !dayValue) || code == kAverageWeight ||
                   code == kAverageRestingPulse || isActualPlanCode(code);
        case kWeekDiagram:
            return distance || dayValue || isActualPlanCode(code) || code == kLoad || code == kTime;
        case kMonthDiagram:
            return distance || (code >= kTimeBike && code <= kTimeBySport) || dayValue ||
                   isActualPlanCode(code);
        default:
            return false;
    }
}

bool kindOffersQuantity(int kind, int code) {
    return kindHandlesQuantity(kind, code) && !(kind == kWeekDiagram && isActualPlanCode(code));
}

bool isXQuantity(int code) {
    return code == kXyTime || code == kXyDistance;
}

bool isYQuantity(int code) {
    return code >= kXyPulse && code <= kXyTemperature;
}

std::string valueAxisTitle(int code) {
    const QuantityTexts* quantity = findQuantity(code);
    return quantity ? std::string(quantity->title) : std::string();
}

std::string unitText(int code) {
    const QuantityTexts* quantity = findQuantity(code);
    return quantity ? std::string(quantity->unit) : std::string();
}

std::string diagramCaption(int kind, int code) {
    static constexpr std::array<std::string_view, 6> kinds{
        "Kein Diagramm ausgewählt", "WJ-Diagramm", "MJ-Diagramm", "W-Diagramm", "M-Diagramm", "X-Y-Diagramm"};
    if (kind < kNoDiagram || kind > kXyDiagram) return {};
    std::string caption(kinds[kind]);
    if (kind == kNoDiagram) return caption;
    if (kind == kXyDiagram) return caption.append(" Zeit -").append(" Strecke -").append(xyCaption(code));
    if (const QuantityTexts* quantity = findQuantity(code)) caption.append(quantity->caption);
    return caption;
}

}  // namespace sb::model
