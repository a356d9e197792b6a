// Windows-1252, the code page of every file the program reads and writes, and UTF-8, the encoding of the
// program's own texts and of everything that crosses into the platform layer.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sb::model {

std::string cp1252ToUtf8(std::string_view text);
// Characters that Windows-1252 cannot hold become '?'; malformed UTF-8 bytes are taken as Windows-1252.
std::string utf8ToCp1252(std::string_view text);

// Whether Windows-1252 has a byte for the character.
bool cp1252Holds(char32_t character);

// What a field whose content goes into the plan, the routes or the settings keeps of text typed or
// pasted into it (UTF-8): characters Windows-1252 cannot hold are dropped rather than stored as '?'
// behind the user's back, and with commaAsDot every ',' becomes the '.' the files would make of it.
struct StorableText {
    std::string text;
    std::optional<char32_t> refused;  // the first character dropped
};
StorableText storableText(std::string_view utf8, bool commaAsDot);

// The hint shown when `character` was refused, in UTF-8.
std::string unstorableHint(char32_t character);

}  // namespace sb::model
