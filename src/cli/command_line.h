// Reading a subcommand's arguments against its option table, and the help text the table gives.
#pragma once

#include <string>

#include "cli/cli_commands.h"

namespace sb::cli {

enum class Request { Run, Help, Version };

struct ParsedCommandLine {
    CommandLine line;
    Request request = Request::Run;
    std::string error;  // one line without the usage; empty when the line was read
};

// Unknown, repeated and incomplete options and a wrong number of arguments are errors. Arguments
// are bytes as the system gave them; file names come back unchanged.
ParsedCommandLine parseCommandLine(const Subcommand& command, const Arguments& arguments);

// "Aufruf: saisonbuch-cli NAME SYNOPSIS", the summary and one line per option.
std::string helpText(const Subcommand& command);

}  // namespace sb::cli
