// Where the recordings of the tests lie, and a heart-rate file written from a few lines.
#pragma once

#include <cstdlib>
#include <string>

namespace sb::recordings {

inline std::string recordingPath(const std::string& name) {
    const char* data = std::getenv("SAISONBUCH_TEST_DATA");
    return std::string(data ? data : "tests/data") + "/recordings/" + name;
}

// A heart-rate file: the [Params] lines, then the data lines after the marker.
inline std::string hrmText(const std::string& params, const std::string& data) {
    return "[Params]\r\n" + params + "\r\n[HRData]\r\n" + data;
}

}  // namespace sb::recordings
