// Reading, changing and saving profile files held in memory; the rules are listed in profile_file.h.
#include "config/profile_file.h"

#include <cerrno>

#include "fileio/file_bytes.h"
#include "fileio/text_lines.h"

namespace sb::config {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = lowerAscii(c);
    return lower;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i])) return false;
    }
    return true;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool isBlankLine(std::string_view text) {
    return trimBlanks(text).empty();
}

// Keys, sections and values may come from user input; none of them may add or end a line.
std::string sanitized(std::string_view text) {
    std::string clean(text.substr(0, text.find('\0')));
    for (char& c : clean) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return clean;
}

ProfileLine classifyLine(std::string text) {
    ProfileLine line;
    line.text = std::move(text);
    const std::string_view view = line.text;
    const std::size_t equals = view.find('=');
    if (equals == std::string_view::npos) return line;
    std::size_t keyBegin = 0;
    while (keyBegin < equals && isBlank(view[keyBegin])) ++keyBegin;
    std::size_t keyEnd = equals;
    while (keyEnd > keyBegin && isBlank(view[keyEnd - 1])) --keyEnd;
    if (keyBegin == keyEnd) return line;
    std::size_t valueBegin = equals + 1;
    while (valueBegin < view.size() && isBlank(view[valueBegin])) ++valueBegin;
    line.isKey = true;
    line.keyBegin = keyBegin;
    line.keyEnd = keyEnd;
    line.valueBegin = valueBegin;
    return line;
}

// "[NAME]" with optional blanks; the name runs to the last ']' of the line.
std::optional<std::string> sectionHeaderName(std::string_view text) {
    const std::string_view trimmed = trimBlanks(text);
    if (trimmed.empty() || trimmed.front() != '[') return std::nullopt;
    const std::size_t close = trimmed.rfind(']');
    if (close == std::string_view::npos || close == 0) return std::nullopt;
    return std::string(trimBlanks(trimmed.substr(1, close - 1)));
}

std::string_view keyOf(const ProfileLine& line) {
    return std::string_view(line.text).substr(line.keyBegin, line.keyEnd - line.keyBegin);
}

void appendSection(ProfileFile& file, std::string name, std::string header) {
    file.sectionIndex.try_emplace(lowerCase(name), file.sections.size());
    file.sections.push_back(ProfileSection{std::move(name), std::move(header), {}});
}

ProfileSection* findSection(ProfileFile& file, std::string_view name) {
    auto found = file.sectionIndex.find(lowerCase(name));
    return found == file.sectionIndex.end() ? nullptr : &file.sections[found->second];
}

const ProfileSection* findSection(const ProfileFile& file, std::string_view name) {
    auto found = file.sectionIndex.find(lowerCase(name));
    return found == file.sectionIndex.end() ? nullptr : &file.sections[found->second];
}

const ProfileLine* findKey(const ProfileSection& section, std::string_view key) {
    for (const ProfileLine& line : section.lines) {
        if (line.isKey && equalsIgnoringCase(keyOf(line), key)) return &line;
    }
    return nullptr;
}

bool lastLineIsBlank(const ProfileFile& file) {
    for (auto section = file.sections.rbegin(); section != file.sections.rend(); ++section) {
        if (!section->lines.empty()) return isBlankLine(section->lines.back().text);
        if (!section->header.empty()) return false;
    }
    return true;
}

void insertKeyLine(ProfileSection& section, std::string text) {
    std::size_t position = section.lines.size();
    while (position > 0 && isBlankLine(section.lines[position - 1].text)) --position;
    section.lines.insert(section.lines.begin() + static_cast<std::ptrdiff_t>(position),
                         classifyLine(std::move(text)));
}

void recordChange(ProfileFile& file, std::string_view section, std::string_view key, std::string_view value,
                  bool onlyIfMissing) {
    for (ProfileChange& change : file.changes) {
        if (equalsIgnoringCase(change.section, section) && equalsIgnoringCase(change.key, key)) {
            if (change.onlyIfMissing || !onlyIfMissing)
                change = {change.section, change.key, std::string(value), onlyIfMissing};
            return;
        }
    }
    file.changes.push_back({std::string(section), std::string(key), std::string(value), onlyIfMissing});
}

// Sets the value without recording it as a change.
void putProfileString(ProfileFile& file, std::string_view section, std::string_view key,
                      std::string_view value) {
    const std::string cleanSection = sanitized(section);
    const std::string cleanValue = sanitized(value);
    std::string cleanKey = sanitized(key);
    ProfileSection* target = findSection(file, cleanSection);
    if (!target) {
        if (!lastLineIsBlank(file)) file.sections.back().lines.push_back(classifyLine(std::string()));
        appendSection(file, cleanSection, "[" + cleanSection + "]");
        target = &file.sections.back();
    }
    file.unsaved = true;
    for (ProfileLine& line : target->lines) {
        if (line.isKey && equalsIgnoringCase(keyOf(line), cleanKey)) {
            line = classifyLine(std::string(keyOf(line)) + "=" + cleanValue);
            return;
        }
    }
    insertKeyLine(*target, cleanKey + "=" + cleanValue);
}

// The file on disk with this profile's changes applied; nothing when the file cannot be read, and the
// profile itself when there is no file (the first save writes it whole).
std::optional<ProfileFile> mergedWithDisk(const ProfileFile& file) {
    std::string bytes;
    switch (fileio::readFileBytes(file.path, bytes, kLargestProfileFile)) {
        case fileio::ReadOutcome::Failed:
        case fileio::ReadOutcome::TooLarge:
            return std::nullopt;
        case fileio::ReadOutcome::Missing:
            return file;
        case fileio::ReadOutcome::Read:
            break;
    }
    ProfileFile merged = parseProfileText(bytes);
    for (const ProfileChange& change : file.changes) {
        if (!change.onlyIfMissing || !profileString(merged, change.section, change.key))
            putProfileString(merged, change.section, change.key, change.value);
    }
    return merged;
}

}  // namespace

ProfileFile parseProfileText(std::string_view bytes) {
    ProfileFile file;
    file.sections.emplace_back();
    for (std::string_view line : fileio::splitLines(bytes)) {
        std::string text(line);
        if (auto name = sectionHeaderName(text)) {
            appendSection(file, std::move(*name), std::move(text));
        } else {
            file.sections.back().lines.push_back(classifyLine(std::move(text)));
        }
    }
    return file;
}

ProfileFile loadProfileFile(const std::string& path) {
    std::string bytes;
    // A file too large for settings is kept as it is: nothing of it is read, nothing is written over it.
    const fileio::ReadOutcome outcome = fileio::readFileBytes(path, bytes, kLargestProfileFile);
    const bool ok = outcome == fileio::ReadOutcome::Read || outcome == fileio::ReadOutcome::Missing;
    ProfileFile file = parseProfileText(ok ? std::string_view(bytes) : std::string_view());
    file.path = path;
    file.readable = ok;
    if (!ok) file.failure = errno;
    return file;
}

std::optional<std::string> profileString(const ProfileFile& file, std::string_view section,
                                         std::string_view key) {
    const ProfileSection* found = findSection(file, section);
    if (!found) return std::nullopt;
    const ProfileLine* line = findKey(*found, key);
    if (!line) return std::nullopt;
    return line->text.substr(line->valueBegin);
}

void setProfileString(ProfileFile& file, std::string_view section, std::string_view key,
                      std::string_view value) {
    recordChange(file, section, key, value, false);
    putProfileString(file, section, key, value);
}

void fillProfileString(ProfileFile& file, std::string_view section, std::string_view key,
                       std::string_view value) {
    recordChange(file, section, key, value, true);
    // Saved like any set value: the file on disk may lack the key even where memory holds it.
    file.unsaved = true;
    if (!profileString(file, section, key)) putProfileString(file, section, key, value);
}

std::string profileText(const ProfileFile& file) {
    std::string bytes;
    for (const ProfileSection& section : file.sections) {
        if (!section.header.empty()) bytes.append(section.header).append("\r\n");
        for (const ProfileLine& line : section.lines) bytes.append(line.text).append("\r\n");
    }
    return bytes;
}

bool saveProfileFile(ProfileFile& file) {
    if (file.path.empty()) return false;
    std::optional<ProfileFile> saved = file;
    if (file.readable && file.mergeOnSave) saved = mergedWithDisk(file);
    file.saveFailed =
        !file.readable || !saved || !fileio::writeFileAtomically(file.path, profileText(*saved));
    if (file.saveFailed && file.readable) file.failure = errno;
    if (file.saveFailed) {
        errno = file.failure;  // the caller may ask errno why, as after any other failed write
        return false;
    }
    file.sections = std::move(saved->sections);
    file.sectionIndex = std::move(saved->sectionIndex);
    file.changes.clear();
    file.unsaved = false;
    return true;
}

bool flushProfileFile(ProfileFile& file) {
    return !file.unsaved || saveProfileFile(file);
}

bool writeProfileString(ProfileFile& file, std::string_view section, std::string_view key,
                        std::string_view value) {
    setProfileString(file, section, key, value);
    return flushProfileFile(file);
}

}  // namespace sb::config
