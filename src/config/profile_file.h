// Profile files (train.cfg, strecke.cfg, the [Params] of recordings): "[SECTION]" lines open sections,
// "key=value" lines hold values. The whole file is held in memory, so many reads cost no re-parsing, and
// a change is written back by replacing the file as a whole.
//
// Rules, as the settings files of the original platform behave:
//  1. Section and key names match without regard to ASCII letter case; the first match wins.
//  2. Values are text. Blanks around a key and before a value are not part of them; blanks after a
//     value are (the default training-type labels are padded with blanks and must read back as written).
//  3. Every line the program does not change is written back byte for byte: unknown sections, unknown
//     keys, comments, blank lines and lines without '='.
//  4. A value is changed in place; a new key goes after the last non-blank line of its section; a new
//     section goes at the end of the file, after a blank line.
//  5. Lines are read with CR LF or LF and written with CR LF. Bytes are passed through untouched.
//  6. A missing file reads as empty and is created by the first save. A file that exists but cannot be
//     read is never overwritten.
//  7. A profile that merges on save (train.cfg, which several programs may share) reads the file again
//     before each save and applies only its own changes since the last read, so keys another program
//     wrote meanwhile keep their values.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sb::config {

// Settings and route files hold a few kilobytes; a larger one is not read (and so never replaced).
constexpr std::uint64_t kLargestProfileFile = 1024 * 1024;

struct ProfileLine {
    std::string text;          // as stored, without the line end
    bool isKey = false;        // a "key=value" line with a non-empty key
    std::size_t keyBegin = 0;  // the key is text[keyBegin, keyEnd), blanks trimmed
    std::size_t keyEnd = 0;
    std::size_t valueBegin = 0;  // the value runs from here to the end of the line
};

struct ProfileSection {
    std::string name;    // trimmed, as spelled in the file; empty for the lines before any section
    std::string header;  // the "[NAME]" line as stored; empty for the lines before any section
    std::vector<ProfileLine> lines;
};

// A change made in memory since the file was last read or saved.
struct ProfileChange {
    std::string section;
    std::string key;
    std::string value;
    bool onlyIfMissing = false;  // a value to fill in, not to write over what the file holds
};

struct ProfileFile {
    std::string path;                      // where saveProfileFile writes; empty for text parsed in memory
    std::vector<ProfileSection> sections;  // sections[0] holds the lines before the first section header
    std::unordered_map<std::string, std::size_t> sectionIndex;  // lower-case name → first section
    bool readable = true;     // false: the file exists but could not be read; never saved
    bool unsaved = false;     // changed in memory since the last save
    bool saveFailed = false;  // the last save of a file with a path failed; cleared by the next success
    int failure = 0;          // errno of the failed read of an unreadable file, or of the last failed save
    bool mergeOnSave = false;            // rule 7
    std::vector<ProfileChange> changes;  // since the last read or save, in the order first made
};

ProfileFile parseProfileText(std::string_view bytes);
// A file that does not exist gives an empty profile that the first save creates.
ProfileFile loadProfileFile(const std::string& path);

// The value of section/key, or nothing when the key is missing.
std::optional<std::string> profileString(const ProfileFile& file, std::string_view section,
                                         std::string_view key);
// Changes the value in memory only. Line breaks in the value become blanks and a NUL ends it, so a value
// can never break the file's structure.
void setProfileString(ProfileFile& file, std::string_view section, std::string_view key,
                      std::string_view value);
// Sets the value only where the key is missing; a merging save fills it in only where the file on disk
// lacks it too.
void fillProfileString(ProfileFile& file, std::string_view section, std::string_view key,
                       std::string_view value);
// The file's bytes as they would be saved.
std::string profileText(const ProfileFile& file);
// Writes a temporary file beside the target and renames it over the target, so a failure leaves the old
// file intact. Returns false on any failure (also for an unreadable or path-less profile); a profile
// without a path has no file to fail on and so never counts as saveFailed.
bool saveProfileFile(ProfileFile& file);
// Saves when something changed since the last save; true when nothing needed saving.
bool flushProfileFile(ProfileFile& file);
// setProfileString followed by flushProfileFile: each such write is on disk when it returns.
bool writeProfileString(ProfileFile& file, std::string_view section, std::string_view key,
                        std::string_view value);

}  // namespace sb::config
