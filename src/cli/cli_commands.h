// The subcommands of saisonbuch-cli. Each subcommand file defines one Subcommand: its name, its synopsis,
// its positional arguments and its option table, and the function that runs it. The shared parser reads
// the command line against that table alone, so a new subcommand is a new file with its table and one
// line in main.cpp's list; --settings, --help and --version come with every table. A run function
// writes its result to standard output and returns the exit code: 0 on success, 1 after a one-line
// message on stderr.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "config/config_store.h"

namespace sb::cli {

using Arguments = std::vector<std::string>;

struct CommandLine;

struct Option {
    const char* name;       // as typed: "--month", "-o"
    const char* valueName;  // "M" for an option with a value, nullptr for a switch
    const char* help;       // one line for --help
};

struct Subcommand {
    const char* name;
    const char* synopsis;  // what follows "saisonbuch-cli NAME" in the usage line
    const char* summary;   // one line for the list of subcommands
    std::size_t minArguments;
    std::size_t maxArguments;  // positional arguments (PLAN, OUT, …)
    std::vector<Option> options;
    int (*run)(const CommandLine& line, const config::ConfigStore& settings);
};

// A command line read against its subcommand's table: every option at most once.
struct CommandLine {
    const Subcommand* command = nullptr;
    Arguments arguments;                         // the positional arguments in order
    std::map<std::string, std::string> options;  // name as in the table → value ("" for a switch)
    std::string settingsFile;                    // the settings file the command reads, there or not

    bool has(const std::string& name) const { return options.count(name) != 0; }
    std::string value(const std::string& name) const {
        auto found = options.find(name);
        return found == options.end() ? std::string() : found->second;
    }
};

extern const Subcommand kInfoCommand;
extern const Subcommand kConvertCommand;
extern const Subcommand kExportCommand;
extern const Subcommand kSeriesCommand;
extern const Subcommand kChartCommand;
extern const Subcommand kCalendarCommand;
extern const Subcommand kOverviewCommand;
extern const Subcommand kRecordingCommand;
extern const Subcommand kListCommand;
extern const Subcommand kSearchCommand;
extern const Subcommand kLoadCommand;

// Prints "saisonbuch-cli: <message>" on stderr and returns 1.
int fail(const std::string& message);
// The same with the subcommand's usage line after the message ("message (Aufruf: …)"), or the usage
// line alone for an empty message.
int failWithUsage(const Subcommand& command, const std::string& message);

// An output the command may not write (over a plan, the settings or its input): the one-line message
// after which it returns 1, or 0 when the output may be written.
int refuseOutput(const CommandLine& line, const std::string& output, const std::vector<std::string>& plans,
                 const std::vector<std::string>& otherInputs = {});

}  // namespace sb::cli
