// The character-by-character field reader shared by the plan file readers of all three versions. A
// field is every byte up to the next ',' (the ',' is consumed); fields are known only by position.
// CR LF reads as one line end, so files with either line end read alike. Past the end of the data every
// field reads as empty.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sb::planfile {

// Number fields are cut to this width before conversion, like a fixed scratch buffer.
constexpr std::size_t kNumberFieldWidth = 259;

struct FieldReader {
    std::string_view data;
    std::size_t position = 0;
};

// The next character with CR LF taken as '\n', or -1 at the end of the data.
int nextChar(FieldReader& reader);
bool atEnd(const FieldReader& reader);
// Text field cut to fieldWidth - 1 bytes and at its first NUL, so it fits a field of that width.
std::string readTextField(FieldReader& reader, std::size_t fieldWidth);
int readIntField(FieldReader& reader);
float readFloatField(FieldReader& reader);
void skipField(FieldReader& reader);
// Skips up to and including the next line end.
void skipLine(FieldReader& reader);

}  // namespace sb::planfile
