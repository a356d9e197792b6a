// The lines of a text file held in memory, for the formats that are read line by line.
#pragma once

#include <string_view>
#include <vector>

namespace sb::fileio {

// The lines of bytes without their CR LF or LF ends; a last line without an end counts too.
std::vector<std::string_view> splitLines(std::string_view bytes);

}  // namespace sb::fileio
