// The lines of a text file held in memory, for the formats that are read line by line.
#pragma once

#include <string_view>
#include <vector>

namespace sb::fileio {

// The lines of bytes without their CR LF or LF ends; a last line without an end counts too.
std::vector<std::string_view> splitLines(std::string_view bytes);
// Takes the first line of rest into line, as splitLines would give it; false when rest is empty. For
// files too large to hold a view of every line at once.
bool takeLine(std::string_view& rest, std::string_view& line);

}  // namespace sb::fileio
