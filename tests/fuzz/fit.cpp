// FIT recordings of watches and bike computers. Random bytes almost never carry valid checksums, so
// each input is read twice: as it is (the checks that refuse it), and with its declared sizes and both
// checksums made to fit, which lets the search reach the messages behind them.
#include <cstdint>
#include <string>

#include "recording_checks.h"
#include "recordings/fit_messages.h"
#include "recordings/fit_reader.h"

namespace {

std::uint32_t little32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

void putLittle(std::string& bytes, std::size_t at, std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i) & 0xFF);
}

// Every chained file of the input gets a data size that fits what follows and correct checksums.
std::string withFittingChecksums(std::string bytes) {
    std::size_t start = 0;
    while (start + 14 <= bytes.size()) {
        const std::size_t headerSize = static_cast<std::uint8_t>(bytes[start]);
        if (headerSize < 12 || start + headerSize + 2 > bytes.size()) break;
        const std::size_t room = bytes.size() - start - headerSize - 2;
        if (little32(bytes, start + 4) > room) putLittle(bytes, start + 4, static_cast<std::uint32_t>(room), 4);
        if (headerSize >= 14)
            putLittle(bytes, start + 12, sb::recordings::fitCrc(std::string_view(bytes).substr(start, 12)), 2);
        const std::size_t end = start + headerSize + little32(bytes, start + 4);
        putLittle(bytes, end, sb::recordings::fitCrc(std::string_view(bytes).substr(start, end - start)), 2);
        start = end + 2;
    }
    return bytes;
}

void readAndCheck(std::string_view bytes) {
    sb::recordings::LoadedRecording recording;
    recording.source = sb::recordings::kActivityRecording;
    if (!sb::recordings::parseFitRecording(bytes, recording.table, recording.activity).ok) return;
    checkRecording(recording, bytes.size());
    // Cut anywhere, a readable file still shows its whole records up to the cut, never more.
    sb::recordings::LoadedRecording cut;
    if (sb::recordings::parseFitRecording(bytes.substr(0, bytes.size() * 2 / 3), cut.table, cut.activity).ok)
        fuzzRequire(cut.table.size() <= recording.table.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    readAndCheck(fuzzBytes(data, size));
    readAndCheck(withFittingChecksums(std::string(fuzzBytes(data, size))));
    return 0;
}
