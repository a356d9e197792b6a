// The bike-computer reader. Every read is bounded by the file's end, so a cut or damaged file fails
// instead of looping or copying without end. Speed comes from the file's own wheel circumference.
#include "recordings/bike_reader.h"

#include <cmath>
#include <cstring>

#include "fileio/c_numbers.h"
#include "fileio/file_bytes.h"

namespace sb::recordings {

namespace {

constexpr unsigned char kCadenceTag = 0xFD;
constexpr unsigned char kLapTag = 0xFE;
constexpr unsigned char kEndTag = 0xFF;
constexpr std::string_view kCadenceMark = "Cadenz=1";
constexpr std::size_t kLapLength = 18;
constexpr std::size_t kNumberLength = 63;
// km/h per wheel revolution in 15 s and metre of circumference: 1 m / 15 s = 0.24 km/h.
constexpr float kSpeedFactor = 3.6f / kBikeSampleSeconds;

class ByteReader {
  public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}
    bool atEnd() const { return pos_ >= bytes_.size(); }
    std::size_t left() const { return bytes_.size() - pos_; }
    unsigned char next() { return static_cast<unsigned char>(bytes_[pos_++]); }
    std::string_view take(std::size_t count) {
        std::string_view part = bytes_.substr(pos_, count);
        pos_ += count;
        return part;
    }
    // The bytes up to the delimiter, which is read past; false at the end of the file. At most `keep`
    // bytes are kept.
    bool field(char delimiter, std::size_t keep, std::string& text) {
        text.clear();
        while (!atEnd()) {
            const char c = bytes_[pos_++];
            if (c == delimiter) return true;
            if (text.size() < keep) text.push_back(c);
        }
        return false;
    }

  private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

std::uint32_t littleEndian(std::string_view bytes) {
    std::uint32_t value = 0;
    for (std::size_t i = bytes.size(); i-- > 0;) value = value << 8 | static_cast<unsigned char>(bytes[i]);
    return value;
}

LapRecord lapOf(std::string_view block) {
    LapRecord lap;
    lap.first = std::int32_t(littleEndian(block.substr(0, 4)));
    lap.second = std::int32_t(littleEndian(block.substr(4, 4)));
    lap.third = std::uint16_t(littleEndian(block.substr(8, 2)));
    lap.fourth = std::uint8_t(block[10]);
    const std::string_view text = block.substr(11, 7);
    lap.value = fileio::atofFloatC(text.substr(0, text.find('\0')));
    return lap;
}

bool readHeaderBlocks(ByteReader& reader, BikeRecordingInfo& info, bool& cadence) {
    while (!reader.atEnd()) {
        const unsigned char tag = reader.next();
        if (tag == kEndTag) return true;
        if (tag == kCadenceTag) {
            if (reader.left() < kCadenceMark.size() || reader.take(kCadenceMark.size()) != kCadenceMark)
                return false;
            cadence = true;
        } else if (tag == kLapTag) {
            if (reader.left() < kLapLength) return false;
            const LapRecord lap = lapOf(reader.take(kLapLength));
            if (info.laps.size() < kKeptLaps) info.laps.push_back(lap);
            ++info.lapCount;
        }
    }
    return false;
}

void setDuration(float minutes, BikeRecordingInfo& info) {
    info.durationMinutesTotal = minutes;
    if (!(std::fabs(minutes) < 1e8f)) return;
    const int whole = int(minutes);
    info.durationHours = whole / 60;
    info.durationMinutes = whole % 60;
    info.durationSeconds = int((minutes - float(whole)) * 60.0f);
}

bool readTextFields(ByteReader& reader, BikeRecordingInfo& info) {
    std::string text;
    if (!reader.field('R', kNumberLength, text)) return false;
    info.wheelCircumference = fileio::atofFloatC(text);
    if (!reader.field('S', kNumberLength, text)) return false;
    info.valueS = fileio::atofFloatC(text);
    if (!reader.field('P', kNumberLength, text)) return false;
    setDuration(fileio::atofFloatC(text), info);
    if (!reader.field('/', kRemarkLength, info.remark)) return false;
    return !reader.atEnd() && reader.next() == '/';
}

void setDateFromName(std::string_view fileName, BikeRecordingInfo& info) {
    const std::size_t slash = fileName.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    if (name.size() < 6) return;
    info.year = 2000 + fileio::atoiC(name.substr(0, 2));
    info.month = fileio::atoiC(name.substr(2, 2));
    info.day = fileio::atoiC(name.substr(4, 2));
}

void readSamples(ByteReader& reader, bool cadence, float circumference, RecordingTable& table) {
    const std::size_t stride = cadence ? 3 : 2;
    long long revolutions = 0;
    while (reader.left() >= stride) {
        const std::string_view bytes = reader.take(stride);
        const auto count = static_cast<unsigned char>(bytes[1]);
        revolutions += count;
        RecordingSample sample{};
        sample[kTimeSlot] = float(table.size() * kBikeSampleSeconds);
        sample[kHeartRateSlot] = static_cast<unsigned char>(bytes[0]);
        sample[kDistanceSlot] = float(double(revolutions) * circumference * 0.001);
        sample[kSpeedSlot] = float(count) * circumference * kSpeedFactor;
        if (cadence) sample[kCadenceSlot] = static_cast<unsigned char>(bytes[2]);
        table.push_back(sample);
    }
}

}  // namespace

bool parseBikeRecording(std::string_view bytes, std::string_view fileName, RecordingTable& table,
                        BikeRecordingInfo& info) {
    ByteReader reader(bytes);
    BikeRecordingInfo read;
    setDateFromName(fileName, read);
    bool cadence = false;
    if (!readHeaderBlocks(reader, read, cadence) || !readTextFields(reader, read)) return false;
    read.flags = capability::cyclingData | capability::speed | (cadence ? capability::cadence : 0);
    RecordingTable samples;
    readSamples(reader, cadence, read.wheelCircumference, samples);
    keepSaneValues(samples);
    table = std::move(samples);
    info = std::move(read);
    return true;
}

RecordingReadResult readBikeRecording(const std::string& path, RecordingTable& table, BikeRecordingInfo& info) {
    std::string bytes;
    if (std::string message = readRecordingFile(path, kLargestBikeFile, bytes); !message.empty())
        return {false, message};
    if (!parseBikeRecording(bytes, path, table, info)) return {false, kCannotOpenRecording};
    return {true, {}};
}

}  // namespace sb::recordings
