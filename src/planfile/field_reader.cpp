// Reading plan file fields by position. Over-long fields are consumed whole but kept only up to the
// destination's width, so no field can overrun what holds it.
#include "planfile/field_reader.h"

#include "fileio/c_numbers.h"

namespace sb::planfile {

int nextChar(FieldReader& reader) {
    if (reader.position >= reader.data.size()) return -1;
    char c = reader.data[reader.position++];
    if (c == '\r' && reader.position < reader.data.size() && reader.data[reader.position] == '\n') {
        ++reader.position;
        return '\n';
    }
    return static_cast<unsigned char>(c);
}

bool atEnd(const FieldReader& reader) {
    return reader.position >= reader.data.size();
}

namespace {

// The raw bytes of the next field, its ',' consumed; empty past the end.
std::string_view nextField(FieldReader& reader) {
    if (atEnd(reader)) return {};
    const std::string_view rest = reader.data.substr(reader.position);
    const std::size_t comma = rest.find(',');
    const std::size_t length = comma == std::string_view::npos ? rest.size() : comma;
    reader.position += comma == std::string_view::npos ? length : length + 1;
    return rest.substr(0, length);
}

}  // namespace

std::string readTextField(FieldReader& reader, std::size_t fieldWidth) {
    std::string_view field = nextField(reader);
    field = field.substr(0, field.find('\0'));
    const std::size_t keep = fieldWidth == 0 ? 0 : fieldWidth - 1;
    if (field.find('\r') == std::string_view::npos) return std::string(field.substr(0, keep));
    // A field that runs over a CR LF line end holds it as one '\n', as a text-mode read would.
    std::string text;
    FieldReader inner{field};
    for (int c = nextChar(inner); c != -1 && text.size() < keep; c = nextChar(inner))
        text.push_back(static_cast<char>(c));
    return text;
}

int readIntField(FieldReader& reader) {
    return fileio::atoiC(nextField(reader).substr(0, kNumberFieldWidth - 1));
}

float readFloatField(FieldReader& reader) {
    return fileio::atofFloatC(nextField(reader).substr(0, kNumberFieldWidth - 1));
}

void skipField(FieldReader& reader) {
    nextField(reader);
}

void skipLine(FieldReader& reader) {
    const std::size_t lineEnd = reader.data.find('\n', reader.position);
    reader.position = lineEnd == std::string_view::npos ? reader.data.size() : lineEnd + 1;
}

}  // namespace sb::planfile
