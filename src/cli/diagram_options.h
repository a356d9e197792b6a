// The options that choose a bar diagram on the command line (kind, quantity, week, month, style, sport
// bits, sport mode), shared by the series and chart commands.
#pragma once

#include <string>
#include <vector>

#include "charts/bar_diagram.h"
#include "cli/cli_commands.h"
#include "config/config_store.h"

namespace sb::cli {

struct DiagramCommandLine {
    std::string planPath;
    std::string outputPath;  // -o, chart only
    charts::DiagramRequest request;
};

// The option table of the diagram options, with -o first when withOutput.
std::vector<Option> diagramOptions(bool withOutput);

// Reads the plan path and the diagram options (and -o when withOutput); the training-type labels and
// colours and the sport mode (unless --sport-mode names one) come from the settings. On a wrong
// value: false, with the message in `error`.
bool parseDiagramOptions(const CommandLine& commandLine, const config::ConfigStore& settings, bool withOutput,
                         DiagramCommandLine& line, std::string& error);

}  // namespace sb::cli
