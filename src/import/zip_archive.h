// Walking a .zip archive of recordings with libzip: its entries are unpacked one at a time, each within
// the bounds of unpacking.h, and archives inside it are walked in turn.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "import/unpacking.h"

namespace sb::import {

// Archives inside archives deeper than this are refused; no camera or watch nests so deep.
constexpr int kDeepestNesting = 4;

constexpr const char* kDamagedArchiveMessage = "Das ZIP-Archiv ist beschädigt oder unvollständig.";

// An entry's shown name ("season.zip/may/ride.fit") and its bytes, or the message why they cannot be
// had. An archive inside that cannot be walked arrives as one entry with its message.
using ArchiveEntrySink = std::function<void(const std::string& name, Unpacked&& content)>;

// Calls `entry` for each recording in the archive, in the archive's order, until `stopped` says so.
// The message why the archive cannot be opened at all; empty when it was walked.
std::string walkZipArchive(std::string_view bytes, const std::string& archiveName,
                           const std::function<bool()>& stopped, const ArchiveEntrySink& entry, int depth = 0);

}  // namespace sb::import
