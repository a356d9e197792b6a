// The HRM reader. Data lines hold their columns in a fixed order, so the reader takes the columns the
// SMode announces one after the other; values in miles and feet are converted to km and m on reading,
// so every later step sees the program's units.
#include "recordings/hrm_reader.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <climits>

#include "config/profile_file.h"
#include "fileio/c_numbers.h"
#include "fileio/file_bytes.h"
#include "fileio/text_lines.h"

namespace sb::recordings {

namespace {

constexpr float kKmPerMile = 1.609344f;
constexpr float kMetresPerFoot = 0.3048f;
constexpr std::size_t kSModeLength = 10;
constexpr int kFirstVersionWithAirPressure = 107;

// "%d" of sscanf: blanks, a sign, digits. false (pos unchanged) when no digits follow.
bool scanInt(std::string_view text, std::size_t& pos, int& value) {
    std::size_t at = pos;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) negative = text[at++] == '-';
    const std::size_t digits = at;
    long long number = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])); ++at)
        if (number <= INT_MAX) number = number * 10 + (text[at] - '0');
    if (at == digits) return false;
    if (number > INT_MAX) number = INT_MAX;
    value = int(negative ? -number : number);
    pos = at;
    return true;
}

// "%d:%d:%d": the numbers found before the text stops matching; missing ones stay 0.
std::array<int, 3> scanClock(std::string_view text) {
    std::array<int, 3> parts{};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (!scanInt(text, pos, parts[i])) break;
        if (pos >= text.size() || text[pos] != ':') break;
        ++pos;
    }
    return parts;
}

int digitsAt(std::string_view text, std::size_t from, std::size_t count) {
    if (from >= text.size()) return 0;
    return fileio::atoiC(text.substr(from, count));
}

std::string monitorName(int code) {
    switch (code) {
        case 7:
            return "Polar Coach";
        case 9:
            return "S410";
        case 10:
            return "S510";
        case 11:
            return "S610/810";
        case 12:
            return "S710/720i";
        default:
            return {};
    }
}

// The columns after the heart rate, in the order the lines hold them.
struct Columns {
    bool speed = false, cadence = false, altitude = false, power = false, balance = false;
    bool airPressure = false;
    bool usUnits = false;
};

Columns columnsOf(std::string_view smode, int version) {
    auto set = [&](std::size_t i) { return i < smode.size() && i < kSModeLength && smode[i] == '1'; };
    Columns columns;
    columns.speed = set(0);
    columns.cadence = set(1);
    columns.altitude = set(2);
    columns.power = set(3);
    columns.balance = set(4) || set(5);
    columns.usUnits = set(7);
    columns.airPressure = version >= kFirstVersionWithAirPressure && set(8);
    return columns;
}

int modeFlagsOf(const Columns& columns, bool cyclingData) {
    int flags = 0;
    if (columns.speed) flags |= capability::speed;
    if (columns.cadence) flags |= capability::cadence;
    if (columns.altitude) flags |= capability::altitude;
    if (columns.power) flags |= capability::power;
    if (columns.balance) flags |= capability::balance;
    if (flags != 0 || cyclingData) flags |= capability::cyclingData;
    if (columns.usUnits) flags |= capability::usUnits;
    return flags;
}

std::string param(const config::ProfileFile& params, std::string_view key, std::string_view fallback) {
    return profileString(params, "Params", key).value_or(std::string(fallback));
}

void readParams(std::string_view head, PolarRecordingInfo& info, Columns& columns) {
    const config::ProfileFile params = config::parseProfileText(head);
    const std::string date = param(params, "Date", "20000101");
    info.year = digitsAt(date, 0, 4);
    info.month = digitsAt(date, 4, 2);
    info.day = digitsAt(date, 6, 2);
    const auto start = scanClock(param(params, "StartTime", "12:12:12.0"));
    info.startHour = start[0];
    info.startMinute = start[1];
    info.startSecond = start[2];
    const auto length = scanClock(param(params, "Length", "00:00:00.0"));
    info.lengthHours = length[0];
    info.lengthMinutes = length[1];
    info.lengthSeconds = length[2];
    info.interval = fileio::atoiC(param(params, "Interval", "5"));
    if (info.interval <= 0) info.interval = kDefaultInterval;
    info.model = monitorName(fileio::atoiC(param(params, "Monitor", "0")));
    const std::string smode = param(params, "SMode", "00000000");
    columns = columnsOf(smode, fileio::atoiC(param(params, "Version", "106")));
    info.modeFlags = modeFlagsOf(columns, smode.size() > 6 && smode[6] == '1');
}

// One data line into a sample; values the line lacks stay 0, as with sscanf. Returns the first column
// (heart rate, or the beat interval of an R-R recording).
int readSample(std::string_view line, const Columns& columns, RecordingSample& sample) {
    std::array<int, 7> values{};
    const std::array<bool, 7> present{true,          columns.speed,   columns.cadence,    columns.altitude,
                                      columns.power, columns.balance, columns.airPressure};
    std::size_t pos = 0;
    for (std::size_t i = 0; i < values.size(); ++i)
        if (present[i] && !scanInt(line, pos, values[i])) break;
    const float speedFactor = columns.usUnits ? 0.1f * kKmPerMile : 0.1f;
    const float altitudeFactor = columns.usUnits ? kMetresPerFoot : 1.0f;
    sample[kSpeedSlot] = float(values[1]) * speedFactor;
    sample[kCadenceSlot] = float(values[2]);
    sample[kAltitudeSlot] = float(values[3]) * altitudeFactor;
    sample[kPowerSlot] = float(values[4]);
    sample[kBalanceSlot] = float(values[5]);
    return values[0];
}

bool isBlank(std::string_view line) {
    for (char c : line)
        if (!std::isspace(static_cast<unsigned char>(c))) return false;
    return true;
}

bool opensSection(std::string_view line) {
    std::size_t at = 0;
    while (at < line.size() && std::isspace(static_cast<unsigned char>(line[at]))) ++at;
    return at < line.size() && line[at] == '[';
}

// Time and heart rate: k × interval, or for R-R recordings the running sum of the beat intervals and
// the rate they stand for. The distance adds up the speed over the time since the previous sample; a
// speed the table will show as no signal adds nothing, so the distance never runs backwards.
void readSamples(std::string_view data, const Columns& columns, int interval, RecordingTable& table) {
    const bool rr = interval == kRrInterval;
    double elapsed = 0;
    double distance = 0;
    // A row is several times the size of its line: the table takes its room once, not by doubling.
    table.reserve(std::size_t(std::count(data.begin(), data.end(), '\n')) + 1);
    std::string_view line;
    while (fileio::takeLine(data, line)) {
        if (opensSection(line)) break;
        if (isBlank(line)) continue;
        RecordingSample sample{};
        const int value = readSample(line, columns, sample);
        const double previous = elapsed;
        if (rr) {
            elapsed += value > 0 ? value / 1000.0 : 0.0;
            sample[kHeartRateSlot] = value > 0 ? 60000.0f / float(value) : 0.0f;
        } else {
            elapsed = double(table.size()) * interval;
            sample[kHeartRateSlot] = float(value);
        }
        if (!table.empty() && isSaneValue(kSpeedSlot, sample[kSpeedSlot]))
            distance += sample[kSpeedSlot] * (elapsed - previous) / 3600.0;
        sample[kTimeSlot] = float(elapsed);
        sample[kDistanceSlot] = float(distance);
        table.push_back(sample);
    }
}

// A monitor file opens with "[Params]"; any file without a section line near its start is something else.
constexpr std::size_t kSectionSearchBytes = 64 * 1024;

bool holdsSectionLine(std::string_view start) {
    for (const std::string_view line : fileio::splitLines(start)) {
        const std::size_t first = line.find_first_not_of(" \t\xEF\xBB\xBF");
        if (first != std::string_view::npos && line[first] == '[') return true;
    }
    return false;
}

}  // namespace

void parsePolarRecording(std::string_view bytes, RecordingTable& table, PolarRecordingInfo& info) {
    std::string_view rest = bytes;
    std::string_view line;
    std::size_t headLength = bytes.size();
    bool marked = false;
    while (!marked && fileio::takeLine(rest, line)) {
        marked = line.find("[HRData]") != std::string_view::npos;
        if (marked) headLength = std::size_t(line.data() - bytes.data());
    }
    info = PolarRecordingInfo{};
    Columns columns;
    readParams(bytes.substr(0, headLength), info, columns);
    table.clear();
    if (marked) readSamples(rest, columns, info.interval, table);
    keepSaneValues(table);
}

RecordingReadResult readPolarRecording(const std::string& path, RecordingTable& table, PolarRecordingInfo& info) {
    std::string bytes;
    if (fileio::readFileStart(path, kSectionSearchBytes, bytes) != fileio::ReadOutcome::Read)
        return {false, kCannotOpenRecording};
    if (!holdsSectionLine(bytes))
        return {false, "Die Datei ist keine Pulsuhr-Aufzeichnung: sie enthält keinen Abschnitt wie [Params]."};
    if (std::string message = readRecordingFile(path, kLargestRecordingFile, bytes); !message.empty())
        return {false, message};
    RecordingTable read;
    PolarRecordingInfo readInfo;
    parsePolarRecording(bytes, read, readInfo);
    table = std::move(read);
    info = std::move(readInfo);
    return {true, {}};
}

}  // namespace sb::recordings
