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
};

constexpr NumberOption kNumberOptions[] = {
    {"--kind", 1, 4, &charts::DiagramRequest::kind},
    {"--quantity", 103, 150, &charts::DiagramRequest::code},
    {"--week", 1, 53, &charts::DiagramRequest::week},
    {"--month", 1, 12, &charts::DiagramRequest::month},
    {"--style", 1, 3, &charts::DiagramRequest::style},
    {"--time-sports", 0, 15, &charts::DiagramRequest::timeSportFlags},
    {"--load-sports", 0, 15, &charts::DiagramRequest::loadSportFlags},
    {"--sport-mode", 1, 5, &charts::DiagramRequest::sportMode},
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

bool parseDiagramOptions(const Arguments& arguments, const config::ConfigStore& settings, bool withOutput,
                         DiagramCommandLine& line, std::string& error) {
    line.request = requestWith(settings);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        bool hasValue = i + 1 < arguments.size();
        if (withOutput && argument == "-o" && hasValue) {
            line.outputPath = arguments[++i];
            continue;
        }
        const NumberOption* option = nullptr;
        for (const NumberOption& candidate : kNumberOptions)
            if (argument == candidate.name) option = &candidate;
        if (option && hasValue) {
            if (!parseNumber(arguments[++i], option->low, option->high, line.request.*(option->field))) {
                error = std::string("ungültiger Wert für ") + option->name + ": " + arguments[i];
                return false;
            }
        } else if (!argument.starts_with("-") && line.planPath.empty()) {
            line.planPath = argument;
        } else {
            error = "unbekannte oder unvollständige Option: " + argument;
            return false;
        }
    }
    if (line.planPath.empty() || line.request.kind == 0 || (withOutput && line.outputPath.empty())) {
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
