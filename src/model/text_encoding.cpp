// Conversion between Windows-1252 and UTF-8 by the code page's own table.
#include "model/text_encoding.h"

#include <array>
#include <cstdint>

namespace sb::model {
namespace {

// Code points of the bytes 0x80…0x9F; 0 marks the five bytes the code page leaves undefined, which
// map to the C1 control of the same value so that no byte is lost on a round trip.
constexpr std::array<char32_t, 32> kHighControls{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t codePointOf(unsigned char byte) {
    if (byte < 0x80 || byte >= 0xA0) return byte;
    char32_t mapped = kHighControls[byte - 0x80];
    return mapped ? mapped : byte;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp >= 0x10000) {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char byteOf(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp || (kHighControls[i] == 0 && cp == 0x80 + i)) return static_cast<char>(0x80 + i);
    return '?';
}

// The length of the well-formed UTF-8 sequence at text[at] and its code point; 0 when malformed.
int decodeUtf8(std::string_view text, std::size_t at, char32_t& cp) {
    auto lead = static_cast<unsigned char>(text[at]);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || at + length > text.size()) return 0;
    cp = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        auto next = static_cast<unsigned char>(text[at + k]);
        if ((next & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (next & 0x3F);
    }
    return length;
}

}  // namespace

std::string cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (unsigned char byte : text) appendUtf8(out, codePointOf(byte));
    return out;
}

std::string utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = 0;
        int length = decodeUtf8(text, i, cp);
        if (length == 0) {
            out += text[i++];
            continue;
        }
        out += byteOf(cp);
        i += std::size_t(length);
    }
    return out;
}

bool cp1252Holds(char32_t character) {
    return character == '?' || byteOf(character) != '?';
}

StorableText storableText(std::string_view utf8, bool commaAsDot) {
    StorableText result;
    result.text.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        char32_t cp = 0;
        int length = decodeUtf8(utf8, i, cp);
        if (length == 0) {
            // Not UTF-8, so no character to refuse: kept as the byte it is, as utf8ToCp1252 keeps it.
            result.text += utf8[i++];
            continue;
        }
        if (!cp1252Holds(cp)) {
            if (!result.refused) result.refused = cp;
        } else if (commaAsDot && cp == ',') {
            result.text += '.';
        } else {
            result.text.append(utf8, i, std::size_t(length));
        }
        i += std::size_t(length);
    }
    return result;
}

std::string unstorableHint(char32_t character) {
    std::string hint = "„";
    appendUtf8(hint, character);
    return hint + "“ kann im Saisonbuch nicht gespeichert werden.";
}

}  // namespace sb::model
