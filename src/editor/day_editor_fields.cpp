// Field conversions of the day editor.
#include "editor/day_editor_fields.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "fileio/c_numbers.h"
#include "model/text_encoding.h"

namespace sb::editor {

std::string fieldText(const platform::DialogHost& host, int id, int maxCharacters) {
    std::string text = model::utf8ToCp1252(host.text(id));
    if (text.size() > size_t(maxCharacters)) text.resize(size_t(maxCharacters));
    std::replace(text.begin(), text.end(), ',', '.');
    return text;
}

int fieldInt(const platform::DialogHost& host, int id, int maxCharacters) {
    return fileio::atoiC(fieldText(host, id, maxCharacters));
}

double fieldNumber(const platform::DialogHost& host, int id, int maxCharacters) {
    return fileio::atofC(fieldText(host, id, maxCharacters));
}

void showDocumentText(platform::DialogHost& host, int id, const std::string& text) {
    host.setText(id, model::cp1252ToUtf8(text));
}

std::string formatTwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d", value);
    return text;
}

std::string formatDuration(int hours, int minutes) {
    return formatTwoDigits(hours) + ":" + formatTwoDigits(minutes);
}

}  // namespace sb::editor
