// The FIT reader: the protocol walk's messages become samples and the activity's key figures. What
// the walk delivers is collected apart and only becomes the caller's table and info once the whole
// file has been walked, so a file damaged further on shows nothing of its beginning.
#include "recordings/fit_reader.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <ctime>
#include <limits>
#include <optional>
#include <vector>

#include "recordings/fit_messages.h"
#include "recordings/fit_names.h"

namespace sb::recordings {

namespace {

constexpr std::uint16_t kFileIdMessage = 0;
constexpr std::uint16_t kSportMessage = 12;
constexpr std::uint16_t kSessionMessage = 18;
constexpr std::uint16_t kRecordMessage = 20;
constexpr std::uint16_t kActivityMessage = 34;

constexpr int kGenericSport = 0;
constexpr int kTransition = 3;
constexpr int kMultisport = 18;

constexpr std::int64_t kUnixSecondsAtFitEpoch = 631065600;  // 31.12.1989 00:00 UTC
constexpr std::size_t kDeviceNameLength = 40;
// Larger values (a 64-bit or floating-point field can hold any) are no measurement and do not fit the
// table's floats.
constexpr double kLargestValue = 1e9;

struct Session {
    std::optional<std::uint32_t> start;
    std::optional<int> sport;
    std::optional<double> seconds;  // timer time, else elapsed time
    std::optional<double> metres;
};

// What the walk gives, kept apart from the caller's table until the walk has succeeded.
struct Collected {
    RecordingTable table;
    std::vector<std::uint32_t> times;  // of each sample, in the file's seconds
    std::vector<Session> sessions;
    std::optional<int> sportOfSportMessage;
    std::optional<std::int64_t> localOffset;  // local time minus the file's time
    std::optional<int> manufacturer, product;
    std::string productName;
    int capabilities = 0;
    std::uint32_t lastTime = 0;
    std::optional<unsigned> lastRollingDistance;  // 1/16 m, 12 bits
    double rolledMetres = 0;
    // The last distance, altitude and temperature, for records without them; altitude and temperature
    // are not known before the file gives them.
    RecordingSample carried = [] {
        RecordingSample sample{};
        sample[kAltitudeSlot] = sample[kTemperatureSlot] = std::numeric_limits<float>::quiet_NaN();
        return sample;
    }();
};

std::optional<int> integer(const FitMessage& message, std::uint8_t field) {
    const std::optional<double> value = message.number(field);
    if (!value || *value < std::numeric_limits<int>::min() || *value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(*value);
}

std::optional<std::uint32_t> dateTime(const FitMessage& message, std::uint8_t field) {
    const std::optional<double> value = message.number(field);
    if (!value || *value < 0 || *value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return std::uint32_t(*value);
}

std::optional<double> scaled(std::optional<double> value, double scale, double offset = 0) {
    if (!value || !(std::abs(*value) <= kLargestValue)) return std::nullopt;
    return *value / scale - offset;
}

// The speed (m/s) of the three bytes older devices write instead of speed and distance; their
// distance, 12 bits rolling over every 256 m, is added up in `collected`.
std::optional<double> readCompressed(std::string_view bytes, Collected& collected) {
    if (bytes.size() != 3 || bytes == "\xFF\xFF\xFF") return std::nullopt;
    const auto byte = [&](int i) { return unsigned(static_cast<unsigned char>(bytes[i])); };
    const unsigned rolling = (byte(1) >> 4) | (byte(2) << 4);
    collected.rolledMetres += ((rolling - collected.lastRollingDistance.value_or(0)) & 0xFFF) / 16.0;
    collected.lastRollingDistance = rolling;
    return (byte(0) | (byte(1) & 0x0F) << 8) / 100.0;
}

// A record's values in the table's units; the 32-bit forms of speed and altitude win.
struct RecordValues {
    std::optional<double> heartRate, speed, distance, cadence, altitude, power, temperature;
};

RecordValues valuesOf(const FitMessage& message, Collected& collected) {
    const auto plain = [&](std::uint8_t field) { return scaled(message.number(field), 1); };
    RecordValues values{
        .heartRate = plain(3),
        .speed = scaled(message.number(73), 1000),
        .distance = scaled(message.number(5), 100),
        .cadence = plain(4),
        .altitude = scaled(message.number(78), 5, 500),
        .power = plain(7),
        .temperature = plain(13),
    };
    if (!values.speed) values.speed = scaled(message.number(6), 1000);
    if (const std::optional<double> compressed = readCompressed(message.bytes(8), collected)) {
        if (!values.speed) values.speed = compressed;
        if (!values.distance) values.distance = collected.rolledMetres;
    }
    if (!values.altitude) values.altitude = scaled(message.number(2), 5, 500);
    if (values.speed) *values.speed *= 3.6;
    if (values.distance) *values.distance /= 1000;
    return values;
}

void addRecord(const FitMessage& message, Collected& collected) {
    const RecordValues values = valuesOf(message, collected);
    RecordingSample sample{};
    bool anything = message.timestamp.has_value();
    const auto rate = [&](int slot, std::optional<double> value, int bit) {
        if (!value) return;
        sample[slot] = float(*value);
        collected.capabilities |= bit;
        anything = true;
    };
    const auto state = [&](int slot, std::optional<double> value, int bit) {
        rate(slot, value, bit);
        if (value)
            collected.carried[slot] = sample[slot];
        else
            sample[slot] = collected.carried[slot];
    };
    rate(kHeartRateSlot, values.heartRate, 0);
    rate(kSpeedSlot, values.speed, capability::speed);
    rate(kCadenceSlot, values.cadence, capability::cadence);
    rate(kPowerSlot, values.power, capability::power);
    state(kDistanceSlot, values.distance, capability::speed);
    state(kAltitudeSlot, values.altitude, capability::altitude);
    state(kTemperatureSlot, values.temperature, capability::temperature);
    if (!anything) return;  // nothing the program shows: no sample, so no bytes make empty samples
    collected.table.push_back(sample);
    collected.times.push_back(message.timestamp.value_or(collected.lastTime));
}

// A session's total; none when the file gives a negative one.
std::optional<double> total(const FitMessage& message, std::uint8_t field, double scale) {
    const std::optional<double> value = scaled(message.number(field), scale);
    return value && *value >= 0 ? value : std::nullopt;
}

void addSession(const FitMessage& message, Collected& collected) {
    Session session{dateTime(message, 2), integer(message, 5), total(message, 8, 1000),
                    total(message, 9, 100)};
    if (!session.seconds) session.seconds = total(message, 7, 1000);
    collected.sessions.push_back(session);
}

void addMessage(const FitMessage& message, Collected& collected) {
    switch (message.global) {
        case kRecordMessage:
            addRecord(message, collected);
            break;
        case kSessionMessage:
            addSession(message, collected);
            break;
        case kFileIdMessage:
            collected.manufacturer = integer(message, 1);
            collected.product = integer(message, 2);
            collected.productName = std::string(message.bytes(8));
            break;
        case kSportMessage:
            collected.sportOfSportMessage = integer(message, 0);
            break;
        case kActivityMessage:
            if (const auto local = dateTime(message, 5); local && message.timestamp)
                collected.localOffset = std::int64_t(*local) - *message.timestamp;
            break;
        default:
            break;
    }
    if (message.timestamp) collected.lastTime = *message.timestamp;
}

// Altitude and temperature before the file's first value take that first value.
void fillLeadingGaps(RecordingTable& table, int slot) {
    const auto known = std::find_if(table.begin(), table.end(), [slot](const RecordingSample& sample) {
        return !std::isnan(sample[slot]);
    });
    const float value = known == table.end() ? 0.0f : (*known)[slot];
    for (auto sample = table.begin(); sample != known; ++sample) (*sample)[slot] = value;
}

// Devices that count each session of a multisport file from 0 again: from a session's first record
// on, the distance the sessions before it covered is added.
void addUpSessionDistances(const std::vector<Session>& sessions, const std::vector<std::uint32_t>& times,
                           RecordingTable& table) {
    std::vector<std::uint32_t> starts;
    for (const Session& session : sessions)
        if (session.start) starts.push_back(*session.start);
    std::sort(starts.begin(), starts.end());
    auto next = starts.begin();
    float added = 0, previous = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const float own = table[i][kDistanceSlot];
        bool sessionBegins = false;
        for (; next != starts.end() && *next <= times[i]; ++next) sessionBegins = i > 0;
        if (sessionBegins && own < previous) added += previous;
        previous = own;
        table[i][kDistanceSlot] = own + added;
    }
}

// The sport of the sessions that are not transitions; "multisport" when they differ.
std::optional<int> sportOf(const Collected& collected) {
    std::optional<int> found;
    bool generic = false;
    for (const Session& session : collected.sessions) {
        if (!session.sport || *session.sport == kTransition) continue;
        if (*session.sport == kGenericSport) {
            generic = true;
        } else if (found && *found != *session.sport) {
            return kMultisport;
        } else {
            found = session.sport;
        }
    }
    if (found) return found;
    if (generic) return kGenericSport;
    return collected.sportOfSportMessage;
}

// Local date and time of a moment in the file's seconds: with the offset the file gives, else in the
// computer's time zone; nothing for a device's own count that is no date.
void setStart(std::uint32_t start, const std::optional<std::int64_t>& localOffset, ActivityInfo& info) {
    const std::int64_t local = std::int64_t(start) + localOffset.value_or(0);
    if (local < kFitFirstDate) return;
    const std::time_t unixTime = static_cast<std::time_t>(local + kUnixSecondsAtFitEpoch);
    std::tm parts{};
    if (localOffset ? gmtime_r(&unixTime, &parts) : localtime_r(&unixTime, &parts)) setActivityStart(parts, info);
}

// The product name as far as it is printable text, cut at a character's start.
std::string cleanName(std::string_view text) {
    std::string name;
    for (const char c : text) {
        if (c == '\0') break;
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) name += c;
    }
    std::size_t cut = std::min(name.size(), kDeviceNameLength);
    while (cut < name.size() && cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    return name.substr(0, cut);
}

bool startsWithNoCase(std::string_view text, std::string_view start) {
    return text.size() >= start.size() &&
           std::equal(start.begin(), start.end(), text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

// "Garmin, Produkt 1567", or the maker and the product's own name, which often names the maker too.
std::string deviceOf(const Collected& collected) {
    if (!collected.manufacturer) return {};
    const std::string maker = fitManufacturerName(*collected.manufacturer);
    const std::string name = cleanName(collected.productName);
    if (startsWithNoCase(name, maker)) return name;
    if (!name.empty()) return maker + " " + name;
    if (collected.product) return maker + ", Produkt " + std::to_string(*collected.product);
    return maker;
}

ActivityInfo infoOf(const Collected& collected, const RecordingTable& table) {
    ActivityInfo info;
    info.format = "FIT";
    if (const std::optional<int> sport = sportOf(collected)) {
        info.sport = fitSportName(*sport);
        info.planSport = planSportOfFitSport(*sport);
    }
    std::optional<std::uint32_t> start;
    std::optional<double> seconds, metres;
    for (const Session& session : collected.sessions) {
        if (session.start) start = std::min(*session.start, start.value_or(*session.start));
        if (session.seconds) seconds = seconds.value_or(0) + *session.seconds;
        if (session.metres) metres = metres.value_or(0) + *session.metres;
    }
    setStart(start.value_or(collected.times.front()), collected.localOffset, info);
    info.durationSeconds = seconds.value_or(table.back()[kTimeSlot]);
    info.distanceKm = metres ? *metres / 1000 : table.back()[kDistanceSlot];
    info.device = deviceOf(collected);
    info.capabilities = collected.capabilities;
    if (info.capabilities != 0) info.capabilities |= capability::cyclingData;
    return info;
}

RecordingTable tableOf(Collected& collected) {
    RecordingTable table = std::move(collected.table);
    fillLeadingGaps(table, kAltitudeSlot);
    fillLeadingGaps(table, kTemperatureSlot);
    addUpSessionDistances(collected.sessions, collected.times, table);
    const std::uint32_t first = collected.times.front();
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i][kTimeSlot] = float(std::int64_t(collected.times[i]) - first);
    return table;
}

const char* messageOf(FitWalk walk) {
    switch (walk) {
        case FitWalk::notFit:
            return "Die Datei ist keine FIT-Datei, oder ihr Dateikopf ist beschädigt.";
        case FitWalk::headerCrc:
            return "Der Dateikopf der FIT-Datei ist beschädigt (die Prüfsumme stimmt nicht).";
        case FitWalk::fileCrc:
            return "Die FIT-Datei ist beschädigt (die Prüfsumme stimmt nicht).";
        case FitWalk::badMessage:
            return "Die FIT-Datei ist beschädigt: sie enthält eine Nachricht, die sich nicht lesen lässt.";
        default:
            return "";
    }
}

}  // namespace

ActivityReadResult parseFitRecording(std::string_view bytes, RecordingTable& table, ActivityInfo& info) {
    Collected collected;
    const FitWalk walk =
        walkFitFile(bytes, [&](const FitMessage& message) { addMessage(message, collected); });
    if (walk != FitWalk::complete && walk != FitWalk::cutAfterMessage) return {false, messageOf(walk)};
    if (collected.table.empty()) return {false, "Die FIT-Datei enthält keine Messwerte."};
    RecordingTable read = tableOf(collected);
    keepSaneValues(read);
    ActivityInfo readInfo = infoOf(collected, read);
    if (walk == FitWalk::cutAfterMessage)
        readInfo.warning = "Die FIT-Datei ist unvollständig. Gezeigt werden die " +
                           std::to_string(read.size()) + " Messwerte bis zu ihrem Ende.";
    table = std::move(read);
    info = std::move(readInfo);
    return {true, {}};
}


}  // namespace sb::recordings
