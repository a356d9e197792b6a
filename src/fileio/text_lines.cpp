// Splitting text into lines at CR LF or LF.
#include "fileio/text_lines.h"

namespace sb::fileio {

bool takeLine(std::string_view& rest, std::string_view& line) {
    if (rest.empty()) return false;
    std::size_t end = rest.find('\n');
    const std::size_t next = end == std::string_view::npos ? rest.size() : end + 1;
    if (end == std::string_view::npos) end = rest.size();
    if (end > 0 && rest[end - 1] == '\r') --end;
    line = rest.substr(0, end);
    rest.remove_prefix(next);
    return true;
}

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::string_view line;
    while (takeLine(bytes, line)) lines.push_back(line);
    return lines;
}

}  // namespace sb::fileio
