// The settings the tool works with: those of the file "--settings FILE" names, else the program's own
// train.cfg when there is one, else the defaults. The tool only reads them; it never writes a settings
// file.
#pragma once

#include <string>

#include "cli/cli_commands.h"
#include "config/config_store.h"

namespace sb::cli {

// Reads the settings for `line` and notes their file in line.settingsFile. false with the reason in
// error when the named file is missing or unreadable.
bool readSettings(CommandLine& line, config::ConfigStore& settings, std::string& error);

}  // namespace sb::cli
