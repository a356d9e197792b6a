// The subcommands of saisonbuch-cli. Each takes the arguments after its name and the settings the
// program would use, writes its result to standard output and returns the exit code: 0 on success, 1
// after a one-line message on stderr.
#pragma once

#include <string>
#include <vector>

#include "config/config_store.h"

namespace sb::cli {

using Arguments = std::vector<std::string>;

int runInfo(const Arguments& arguments, const config::ConfigStore& settings);
int runConvert(const Arguments& arguments, const config::ConfigStore& settings);
int runExport(const Arguments& arguments, const config::ConfigStore& settings);
int runSeries(const Arguments& arguments, const config::ConfigStore& settings);
int runChart(const Arguments& arguments, const config::ConfigStore& settings);
int runCalendar(const Arguments& arguments, const config::ConfigStore& settings);
int runOverview(const Arguments& arguments, const config::ConfigStore& settings);
int runRecording(const Arguments& arguments, const config::ConfigStore& settings);
int runList(const Arguments& arguments, const config::ConfigStore& settings);
int runSearch(const Arguments& arguments, const config::ConfigStore& settings);
int runLoad(const Arguments& arguments, const config::ConfigStore& settings);

// Prints "saisonbuch-cli: <message>" on stderr and returns 1.
int fail(const std::string& message);

}  // namespace sb::cli
