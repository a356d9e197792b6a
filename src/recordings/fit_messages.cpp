// The FIT walk. Every length comes from the file, so each is checked against the bytes that are there
// before it is used; a walk moves forward by at least one byte a message and so always ends.
#include "recordings/fit_messages.h"

#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

namespace sb::recordings {

namespace {

constexpr std::size_t kShortHeader = 12;
constexpr std::size_t kLongHeader = 14;
constexpr std::size_t kCrcSize = 2;
constexpr std::size_t kLocalTypes = 16;

enum class Kind { unsignedInt, signedInt, floating, text };

struct BaseType {
    std::uint8_t size = 0;  // 0: not a base type
    Kind kind = Kind::unsignedInt;
    std::uint64_t invalid = 0;
};

constexpr std::uint64_t kAllOnes = std::numeric_limits<std::uint64_t>::max();

// By base type number 0…16: enum, sint8, uint8, sint16, uint16, sint32, uint32, string, float32,
// float64, uint8z, uint16z, uint32z, byte, sint64, uint64, uint64z.
constexpr std::array<BaseType, 17> kBaseTypes{{
    {1, Kind::unsignedInt, 0xFF},
    {1, Kind::signedInt, 0x7F},
    {1, Kind::unsignedInt, 0xFF},
    {2, Kind::signedInt, 0x7FFF},
    {2, Kind::unsignedInt, 0xFFFF},
    {4, Kind::signedInt, 0x7FFFFFFF},
    {4, Kind::unsignedInt, 0xFFFFFFFF},
    {1, Kind::text, 0},
    {4, Kind::floating, 0xFFFFFFFF},
    {8, Kind::floating, kAllOnes},
    {1, Kind::unsignedInt, 0},
    {2, Kind::unsignedInt, 0},
    {4, Kind::unsignedInt, 0},
    {1, Kind::unsignedInt, 0xFF},
    {8, Kind::signedInt, 0x7FFFFFFFFFFFFFFF},
    {8, Kind::unsignedInt, kAllOnes},
    {8, Kind::unsignedInt, 0},
}};

constexpr std::array<std::uint16_t, 256> kCrcTable = [] {
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < table.size(); ++i) {
        unsigned crc = i;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) ? (crc >> 1) ^ 0xA001 : crc >> 1;
        table[i] = static_cast<std::uint16_t>(crc);
    }
    return table;
}();

std::uint8_t byteAt(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint8_t>(bytes[at]);
}

std::uint64_t unsignedAt(std::string_view bytes, std::size_t at, std::size_t size, bool bigEndian) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const std::size_t index = bigEndian ? i : size - 1 - i;
        value = (value << 8) | byteAt(bytes, at + index);
    }
    return value;
}

std::optional<double> valueOf(std::uint64_t raw, const BaseType& type) {
    if (raw == type.invalid) return std::nullopt;
    if (type.kind == Kind::floating) {
        double value;
        if (type.size == 4) {
            float single;
            const auto bits = static_cast<std::uint32_t>(raw);
            std::memcpy(&single, &bits, sizeof single);
            value = single;
        } else {
            std::memcpy(&value, &raw, sizeof value);
        }
        return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
    }
    if (type.kind == Kind::signedInt) {
        const unsigned unused = 64 - 8 * type.size;
        return double(static_cast<std::int64_t>(raw << unused) >> unused);
    }
    return double(raw);
}

struct Definition {
    bool defined = false;
    std::uint16_t global = 0;
    bool bigEndian = false;
    std::vector<FitField> fields;
    std::array<std::uint8_t, 256> positions{};  // as in FitMessage
    std::size_t size = 0;                       // bytes of a data message, developer fields included
};

// One file of a chain: its messages, and whether the file ends before its header says it should.
struct Part {
    std::string_view messages;
    bool cut = false;
};

std::uint32_t uint32At(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint32_t>(unsignedAt(bytes, at, 4, false));
}

// Splits the chain into its files and checks every header and checksum.
FitWalk splitParts(std::string_view bytes, std::vector<Part>& parts) {
    std::size_t pos = 0;
    do {
        const std::string_view rest = bytes.substr(pos);
        // A chained file cut inside its header leaves the files before it whole.
        const bool chained = pos > 0;
        if (chained && (rest.size() < kShortHeader || rest.size() < byteAt(rest, 0))) {
            parts.push_back({{}, true});
            return FitWalk::complete;
        }
        if (rest.size() < kShortHeader) return FitWalk::notFit;
        const std::size_t headerSize = byteAt(rest, 0);
        if ((headerSize != kShortHeader && headerSize != kLongHeader) || rest.size() < headerSize ||
            rest.substr(8, 4) != ".FIT")
            return FitWalk::notFit;
        if (headerSize == kLongHeader) {
            const auto stored = static_cast<std::uint16_t>(unsignedAt(rest, 12, 2, false));
            if (stored != 0 && stored != fitCrc(rest.substr(0, kShortHeader))) return FitWalk::headerCrc;
        }
        const std::uint64_t end = headerSize + std::uint64_t(uint32At(rest, 4));
        if (end + kCrcSize > rest.size()) {
            parts.push_back({rest.substr(headerSize, end - headerSize), true});
            return FitWalk::complete;
        }
        const auto stored = static_cast<std::uint16_t>(unsignedAt(rest, end, 2, false));
        if (stored != fitCrc(rest.substr(0, end))) return FitWalk::fileCrc;
        parts.push_back({rest.substr(headerSize, end - headerSize), false});
        pos += end + kCrcSize;
    } while (pos < bytes.size());
    return FitWalk::complete;
}

// Reads the definition whose header byte is at `pos`; the position after it, or 0 when the bytes end
// inside it.
std::size_t readDefinition(std::string_view messages, std::size_t pos, Definition& definition, bool& sound) {
    const std::uint8_t header = byteAt(messages, pos);
    std::size_t at = pos + 1;
    if (messages.size() - at < 5) return 0;
    const std::uint8_t architecture = byteAt(messages, at + 1);
    sound = architecture <= 1;
    definition.bigEndian = architecture == 1;
    definition.global = static_cast<std::uint16_t>(unsignedAt(messages, at + 2, 2, definition.bigEndian));
    const std::size_t fieldCount = byteAt(messages, at + 4);
    at += 5;
    if (messages.size() - at < 3 * fieldCount) return 0;
    definition.fields.clear();
    definition.positions.fill(0);
    definition.size = 0;
    for (std::size_t i = 0; i < fieldCount; ++i, at += 3) {
        const FitField field{byteAt(messages, at), byteAt(messages, at + 1), byteAt(messages, at + 2),
                             static_cast<std::uint16_t>(definition.size)};
        definition.fields.push_back(field);
        definition.size += field.size;
        if (definition.positions[field.number] == 0)
            definition.positions[field.number] = static_cast<std::uint8_t>(i + 1);
    }
    if (header & 0x20) {
        if (messages.size() - at < 1) return 0;
        const std::size_t developerCount = byteAt(messages, at++);
        if (messages.size() - at < 3 * developerCount) return 0;
        for (std::size_t i = 0; i < developerCount; ++i, at += 3) definition.size += byteAt(messages, at + 1);
    }
    definition.defined = sound;
    return at;
}

// The time a compressed header gives: the last time with its low five bits replaced, one 32-second
// roll-over later when the offset lies below the last time's.
std::uint32_t expandTimestamp(std::uint32_t last, unsigned offset) {
    std::uint32_t time = (last & ~0x1Fu) + offset;
    if (offset < (last & 0x1Fu)) time += 0x20;
    return time;
}

std::optional<std::uint32_t> ownTimestamp(const FitMessage& message) {
    const std::optional<double> value = message.number(kFitTimestampField);
    if (!value || *value < 0 || *value > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return static_cast<std::uint32_t>(*value);
}

FitWalk walkPart(const Part& part, const std::function<void(const FitMessage&)>& onMessage) {
    const std::string_view messages = part.messages;
    // A watch whose battery died mid-write leaves half a message: everything before it is sound.
    const FitWalk early = part.cut ? FitWalk::cutAfterMessage : FitWalk::badMessage;
    std::array<Definition, kLocalTypes> definitions;
    std::uint32_t lastTime = 0;
    std::size_t pos = 0;
    while (pos < messages.size()) {
        const std::uint8_t header = byteAt(messages, pos);
        const bool compressed = (header & 0x80) != 0;
        if (!compressed && (header & 0x40)) {
            bool sound = true;
            pos = readDefinition(messages, pos, definitions[header & 0x0F], sound);
            if (pos == 0) return early;
            if (!sound) return FitWalk::badMessage;
            continue;
        }
        const Definition& definition = definitions[compressed ? (header >> 5) & 0x03 : header & 0x0F];
        if (!definition.defined) return FitWalk::badMessage;
        if (messages.size() - pos - 1 < definition.size) return early;
        FitMessage message{definition.global, definition.bigEndian,
                           definition.fields, messages.substr(pos + 1, definition.size),
                           std::nullopt,      &definition.positions};
        if (compressed)
            message.timestamp = expandTimestamp(lastTime, header & 0x1F);
        else
            message.timestamp = ownTimestamp(message);
        if (message.timestamp) lastTime = *message.timestamp;
        onMessage(message);
        pos += 1 + definition.size;
    }
    return part.cut ? FitWalk::cutAfterMessage : FitWalk::complete;
}

}  // namespace

const FitField* FitMessage::find(std::uint8_t fieldNumber) const {
    const std::uint8_t position = (*positions)[fieldNumber];
    return position == 0 ? nullptr : &fields[position - 1];
}

std::optional<double> FitMessage::number(std::uint8_t fieldNumber) const {
    const FitField* field = find(fieldNumber);
    const std::uint8_t base = field ? field->baseType & 0x1F : 0xFF;
    if (base >= kBaseTypes.size()) return std::nullopt;
    const BaseType& type = kBaseTypes[base];
    if (type.kind == Kind::text || field->size == 0 || field->size % type.size != 0) return std::nullopt;
    return valueOf(unsignedAt(content, field->offset, type.size, bigEndian), type);
}

std::string_view FitMessage::bytes(std::uint8_t fieldNumber) const {
    const FitField* field = find(fieldNumber);
    return field ? content.substr(field->offset, field->size) : std::string_view();
}

std::uint16_t fitCrc(std::string_view bytes, std::uint16_t crc) {
    for (const char c : bytes) crc = (crc >> 8) ^ kCrcTable[(crc ^ static_cast<std::uint8_t>(c)) & 0xFF];
    return crc;
}

FitWalk walkFitFile(std::string_view bytes, const std::function<void(const FitMessage&)>& onMessage) {
    std::vector<Part> parts;
    if (const FitWalk split = splitParts(bytes, parts); split != FitWalk::complete) return split;
    for (const Part& part : parts)
        if (const FitWalk walk = walkPart(part, onMessage); walk != FitWalk::complete) return walk;
    return FitWalk::complete;
}

}  // namespace sb::recordings
