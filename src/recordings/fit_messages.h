// The FIT protocol walk: the file header and both checksums, definition and data messages, compressed
// timestamps and chained files. It knows no message's meaning; the FIT reader picks what it needs.
//
// Layout (numbers little-endian unless a definition says otherwise):
//   file header, 12 or 14 bytes
//     0      header size (12 or 14)          1     protocol version
//     2-3    profile version                 4-7   size of the messages that follow, in bytes
//     8-11   ".FIT"                          12-13 CRC of bytes 0-11 (14-byte header; 0: not kept)
//   messages, each opened by a header byte
//     0ddd llll  normal header: d bit 6 = definition, bit 5 = developer fields follow; l local type
//     1ttx xxxx  compressed timestamp: data message of local type t, x = timestamp's low five bits
//   definition: reserved, architecture (0 little, 1 big endian), global message number (2 bytes),
//     field count, 3 bytes a field (number, size in bytes, base type); with bit 5 a developer field
//     count and 3 bytes a developer field (number, size, data index)
//   data message: each defined field's bytes in order, then each developer field's bytes
//   CRC-16 of everything from the header's first byte to the last message
// Another header may follow the CRC: the files are chained and read one after the other.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

namespace sb::recordings {

// The message field that carries a message's time (s since 31.12.1989 00:00 UTC, or a device's own
// count when below kFitFirstDate).
constexpr std::uint8_t kFitTimestampField = 253;
constexpr std::uint32_t kFitFirstDate = 0x10000000;

struct FitField {
    std::uint8_t number = 0;
    std::uint8_t size = 0;      // bytes in the message
    std::uint8_t baseType = 0;  // low five bits: the base type's number
    std::uint16_t offset = 0;   // of its bytes within the message
};

struct FitMessage {
    std::uint16_t global = 0;  // the global message number
    bool bigEndian = false;
    std::span<const FitField> fields;
    std::string_view content;                // the message's bytes after its header byte
    std::optional<std::uint32_t> timestamp;  // its own or the one its compressed header gives
    // For each field number, 1 + the field's position in `fields`; 0 for a number it lacks.
    const std::array<std::uint8_t, 256>* positions = nullptr;

    const FitField* find(std::uint8_t number) const;
    // The field's first value; empty when the field is absent, holds its base type's invalid value,
    // is text, or its size is not a whole number of its base type's values.
    std::optional<double> number(std::uint8_t fieldNumber) const;
    // The field's bytes (empty when absent).
    std::string_view bytes(std::uint8_t fieldNumber) const;
};

enum class FitWalk {
    complete,
    cutAfterMessage,  // the file ends early, wherever: its whole messages are sound, a half one is dropped
    notFit,           // no FIT header, or a header that is damaged
    headerCrc,
    fileCrc,
    badMessage,  // a data message without a definition, a bad architecture, a message past its file
};

// Calls onMessage for each data message of every chained file, in order. The checksums of all files
// are checked before the first call; a walk that fails later (a damaged message) has made calls, so the caller keeps what it collects until the walk has succeeded.
FitWalk walkFitFile(std::string_view bytes, const std::function<void(const FitMessage&)>& onMessage);

// The FIT checksum (CRC-16, polynomial 0x8005 in its reflected form 0xA001, starting at crc).
std::uint16_t fitCrc(std::string_view bytes, std::uint16_t crc = 0);

}  // namespace sb::recordings
