// Where the recordings of the tests lie.
#pragma once

#include <string>

#include "support/plan_fixtures.h"

namespace sb::recordings {

inline std::string recordingPath(const std::string& name) {
    return sb::testing::goldenPath("recordings/" + name);
}

}  // namespace sb::recordings
