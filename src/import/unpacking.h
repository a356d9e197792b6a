// What unpacking a .gz file or an archive entry gives, and the bounds that keep a hostile file from
// filling memory: a size no recording reaches, and a packing ratio no recording shows (recordings pack
// a few times to a few dozen times; a zip bomb packs a thousand times and more).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sb::import {

constexpr std::uint64_t kLargestUnpackedBytes = std::uint64_t(512) << 20;
constexpr std::uint64_t kLargestPackingRatio = 200;
// Below this size any ratio passes: a short file of repeated values may pack very well.
constexpr std::uint64_t kRatioCheckedFrom = std::uint64_t(1) << 20;

constexpr const char* kTooLargeMessage = "Der Inhalt ist größer als 512 MiB und wird nicht gelesen.";
constexpr const char* kPackingRatioMessage =
    "Der Inhalt ist stärker gepackt, als es eine Aufzeichnung sein kann (mehr als 1:200), und wird "
    "nicht entpackt.";

struct Unpacked {
    bool ok = false;
    std::string bytes;    // when ok
    std::string message;  // German, when not ok
};

// The message when `unpacked` bytes from `packed` bytes break a bound; empty while they keep both.
const char* unpackingLimitMessage(std::uint64_t unpacked, std::uint64_t packed);

// The bytes of a gzip file (one member; what follows it is ignored).
Unpacked gunzip(std::string_view packed);

}  // namespace sb::import
