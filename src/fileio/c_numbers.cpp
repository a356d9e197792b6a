// Locale-free equivalents of atoi, atof and printf's "%d" and "%.Nf".
#include "fileio/c_numbers.h"

#include <locale.h>
#include <stdlib.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace sb::fileio {
namespace {

bool isCSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// The text after leading blanks and an optional sign; negative tells the sign.
std::string_view unsignedPart(std::string_view text, bool& negative) {
    std::size_t i = 0;
    while (i < text.size() && isCSpace(text[i])) ++i;
    negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    return text.substr(i);
}

// For the rare number beyond a double's range: strtod tells overflow (infinity) from underflow (0 or a
// denormal), which from_chars reports alike. A private "C" locale keeps the decimal point a point.
double outOfRange(std::string_view number) {
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return strtod_l(std::string(number).c_str(), nullptr, cLocale);
}

}  // namespace

int atoiC(std::string_view text) {
    bool negative;
    text = unsignedPart(text, negative);
    constexpr long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > limit) value = limit;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

double atofC(std::string_view text) {
    bool negative;
    text = unsignedPart(text, negative);
    // from_chars takes no sign of its own after ours: "--5" is no number, as for atof.
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) return 0;
    double value = 0;
    auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) value = outOfRange(text.substr(0, result.ptr - text.data()));
    else if (result.ec != std::errc()) return 0;
    return negative ? -value : value;
}

float atofFloatC(std::string_view text) {
    double value = atofC(text);
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) return 0;
    return static_cast<float>(value);
}

void appendInt(std::string& out, int value) {
    char buffer[16];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

std::string formatInt(int value) {
    std::string text;
    appendInt(text, value);
    return text;
}

void appendFixed(std::string& out, double value, int decimals) {
    // Wide enough for the largest double in fixed notation (309 digits) plus sign, point and decimals.
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    out.append(buffer, result.ptr);
}

std::string formatFixed(double value, int decimals) {
    std::string text;
    appendFixed(text, value, decimals);
    return text;
}

}  // namespace sb::fileio
