// The import's file names.
#include "import/input_kinds.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace sb::import {

namespace {

bool endsWithNoCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           std::equal(suffix.begin(), suffix.end(), text.end() - std::ptrdiff_t(suffix.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

constexpr std::array<std::string_view, 5> kRecordings{".fit", ".tcx", ".gpx", ".hrm", ".dat"};
constexpr std::array<std::string_view, 3> kGzipped{".fit.gz", ".tcx.gz", ".gpx.gz"};

}  // namespace

NameKind kindOfName(std::string_view name) {
    const auto endsWith = [name](std::string_view suffix) { return endsWithNoCase(name, suffix); };
    if (endsWith(".zip")) return {InputKind::archive, false, {}};
    if (std::any_of(kRecordings.begin(), kRecordings.end(), endsWith))
        return {InputKind::recording, false, std::string(name)};
    if (std::any_of(kGzipped.begin(), kGzipped.end(), endsWith))
        return {InputKind::recording, true, std::string(name.substr(0, name.size() - 3))};
    return {};
}

}  // namespace sb::import
