// Parsing of the diagram options. Numbers must be whole numbers within their range; a quantity must
// belong to the chosen kind, since the window offers no other.
#include "cli/diagram_options.h"

#include <charconv>

namespace sb::cli {
namespace {

bool parseNumber(const std::string& text, int low, int high, int& value) {
    int parsed = 0;
    auto [end, status] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (status != std::errc() || end != text.data() + text.size() || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

struct NumberOption {
    const char* name;
    int low;
    int high;
    int charts::DiagramRequest::*field;
    const char* valueName;
    const char* help;
};

constexpr NumberOption kNumberOptions[] = {
    {"--kind", 1, 4, &charts::DiagramRequest::kind, "1..4",
     "1 Wochen-, 2 Monats-Jahresdiagramm, 3 Wochen-, 4 Monatsdiagramm"},
    {"--quantity", 103, 150, &charts::DiagramRequest::code, "CODE", "Größe 103 (KM Rad, Vorgabe) … 150"},
    {"--week", 1, 53, &charts::DiagramRequest::week, "W", "Woche 1..53"},
    {"--month", 1, 12, &charts::DiagramRequest::month, "M", "Monat 1..12"},
    {"--style", 1, 3, &charts::DiagramRequest::style, "1..3", "1 Balken, 2 3D-Balken, 3 Linien"},
    {"--time-sports", 0, 15, &charts::DiagramRequest::timeSportFlags, "BITS", "Sportarten der Zeiten 0..15"},
    {"--load-sports", 0, 15, &charts::DiagramRequest::loadSportFlags, "BITS",
     "Sportarten der Belastung 0..15"},
    {"--sport-mode", 1, 5, &charts::DiagramRequest::sportMode, "1..5",
     "Sportart statt der gespeicherten: 1 Rad … 5 Triathlon"},
};

charts::DiagramRequest requestWith(const config::ConfigStore& settings) {
    charts::DiagramRequest request;
    request.kind = 0;
    // The program's own start quantity of every kind.
    request.code = model::kKmBike;
    request.sportMode = settings.sportMode;
    for (int type = 0; type < model::kTrainingTypeCount; ++type) {
        request.typeLabels[type] = settings.trainingTypeLabels[type];
        request.typeColours[type] = platform::Colour(settings.trainingTypeColours[type]);
    }
    return request;
}

}  // namespace

std::vector<Option> diagramOptions(bool withOutput) {
    std::vector<Option> options;
    if (withOutput) options.push_back({"-o", "AUS", "das Bild (.png) oder die Druckseite (.pdf)"});
    for (const NumberOption& option : kNumberOptions)
        options.push_back({option.name, option.valueName, option.help});
    return options;
}

bool parseDiagramOptions(const CommandLine& commandLine, const config::ConfigStore& settings, bool withOutput,
                         DiagramCommandLine& line, std::string& error) {
    line.request = requestWith(settings);
    line.planPath = commandLine.arguments[0];
    line.outputPath = commandLine.value("-o");
    for (const NumberOption& option : kNumberOptions) {
        if (!commandLine.has(option.name)) continue;
        const std::string value = commandLine.value(option.name);
        if (!parseNumber(value, option.low, option.high, line.request.*(option.field))) {
            error = std::string("ungültiger Wert für ") + option.name + ": " + value;
            return false;
        }
    }
    if (line.request.kind == 0 || (withOutput && line.outputPath.empty())) {
        error = "PLAN und --kind" + std::string(withOutput ? " und -o" : "") + " fehlen";
        return false;
    }
    if (!model::kindHandlesQuantity(line.request.kind, line.request.code)) {
        error = "Größe " + std::to_string(line.request.code) + " gibt es in Diagrammart " +
                std::to_string(line.request.kind) + " nicht";
        return false;
    }
    return true;
}

}  // namespace sb::cli
