// Display form of file paths.
#include "shell/path_display.h"

#include "model/text_encoding.h"

namespace sb::shell {
namespace {

// Length of the UTF-8 sequence a lead byte opens, 0 for a byte that cannot lead one.
int sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const int length = sequenceLength(static_cast<unsigned char>(text[i]));
        if (length == 0 || i + length > text.size()) return false;
        for (int k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
        i += length;
    }
    return true;
}

}  // namespace

std::string pathDisplayText(std::string_view path) {
    return isUtf8(path) ? std::string(path) : model::cp1252ToUtf8(path);
}

std::string_view fileNameOfPath(std::string_view path) {
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

}  // namespace sb::shell
