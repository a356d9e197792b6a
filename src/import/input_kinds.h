// Which files an import takes, told by their names: recordings (.fit, .tcx, .gpx, .hrm, .dat), the
// gzip forms of the activity files (.fit.gz, .tcx.gz, .gpx.gz) and .zip archives, in any letter case.
#pragma once

#include <string>
#include <string_view>

namespace sb::import {

enum class InputKind { none, recording, archive };

struct NameKind {
    InputKind kind = InputKind::none;
    bool gzipped = false;
    std::string recordingName;  // the name without ".gz": the recording's own name
};

NameKind kindOfName(std::string_view name);

}  // namespace sb::import
