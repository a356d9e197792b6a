// The subcommands of saisonbuch-cli. Each takes the arguments after its name, writes its result to
// standard output and returns the exit code: 0 on success, 1 after a one-line message on stderr.
#pragma once

#include <string>
#include <vector>

namespace sb::cli {

using Arguments = std::vector<std::string>;

int runInfo(const Arguments& arguments);
int runConvert(const Arguments& arguments);
int runExport(const Arguments& arguments);
int runSeries(const Arguments& arguments);
int runChart(const Arguments& arguments);
int runRecording(const Arguments& arguments);

// Prints "saisonbuch-cli: <message>" on stderr and returns 1.
int fail(const std::string& message);

}  // namespace sb::cli
