// saisonbuch-cli: batch commands over the program's core, one subcommand per file.
#include <cstdio>
#include <string>

#include "cli/cli_commands.h"
#include "cli/cli_settings.h"
#include "cli/command_line.h"
#include "output/output_target.h"

namespace {

// New subcommands add one line here; their table lives in their own file.
const sb::cli::Subcommand* const kSubcommands[] = {
    &sb::cli::kInfoCommand,     &sb::cli::kConvertCommand,   &sb::cli::kExportCommand,
    &sb::cli::kSeriesCommand,   &sb::cli::kChartCommand,     &sb::cli::kCalendarCommand,
    &sb::cli::kOverviewCommand, &sb::cli::kRecordingCommand, &sb::cli::kListCommand,
    &sb::cli::kSearchCommand,   &sb::cli::kLoadCommand,
};

void printUsage(std::FILE* stream) {
    std::fputs("Aufruf: saisonbuch-cli BEFEHL ...\n\nBefehle:\n", stream);
    for (const sb::cli::Subcommand* command : kSubcommands)
        std::fprintf(stream, "  %-10s %s\n", command->name, command->summary);
    std::fputs(
        "\nsaisonbuch-cli BEFEHL --help zeigt Aufruf und Optionen eines Befehls.\nJeder Befehl nimmt "
        "--settings DATEI (eine andere train.cfg als die des Programms).\n",
        stream);
}

int printVersion() {
    std::printf("saisonbuch-cli %s\n", SAISONBUCH_VERSION);
    return 0;
}

int runSubcommand(const sb::cli::Subcommand& command, const sb::cli::Arguments& arguments) {
    sb::cli::ParsedCommandLine parsed = sb::cli::parseCommandLine(command, arguments);
    if (!parsed.error.empty()) return sb::cli::failWithUsage(command, parsed.error);
    if (parsed.request == sb::cli::Request::Version) return printVersion();
    if (parsed.request == sb::cli::Request::Help) {
        std::fputs(sb::cli::helpText(command).c_str(), stdout);
        return 0;
    }
    sb::config::ConfigStore settings;
    std::string error;
    if (!sb::cli::readSettings(parsed.line, settings, error)) return sb::cli::fail(error);
    return command.run(parsed.line, settings);
}

}  // namespace

namespace sb::cli {

int fail(const std::string& message) {
    std::fprintf(stderr, "saisonbuch-cli: %s\n", message.c_str());
    return 1;
}

int failWithUsage(const Subcommand& command, const std::string& message) {
    const std::string usage = std::string("Aufruf: saisonbuch-cli ") + command.name + " " + command.synopsis;
    return fail(message.empty() ? usage : message + " (" + usage + ")");
}

int refuseOutput(const CommandLine& line, const std::string& output, const std::vector<std::string>& plans,
                 const std::vector<std::string>& otherInputs) {
    std::vector<std::string> ours = plans;
    ours.push_back(line.settingsFile);
    const std::string refusal = output::outputRefusal(line.command->name, output, ours, otherInputs);
    return refusal.empty() ? 0 : fail(refusal);
}

}  // namespace sb::cli

int main(int argc, char* argv[]) {
    if (argc < 2) {
        printUsage(stderr);
        return 1;
    }
    const std::string first = argv[1];
    if (first == "--help" || first == "-h") {
        printUsage(stdout);
        return 0;
    }
    if (first == "--version") return printVersion();
    for (const sb::cli::Subcommand* command : kSubcommands)
        if (first == command->name) return runSubcommand(*command, sb::cli::Arguments(argv + 2, argv + argc));
    return sb::cli::fail("unbekannter Befehl: " + first);
}
