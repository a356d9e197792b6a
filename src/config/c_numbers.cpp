// The C conversions under the "C" locale. atof goes through strtod_l with a private "C" locale, because
// the GUI toolkit switches the process locale to the user's, where the decimal point may be a comma.
#include "config/c_numbers.h"

#include <locale.h>
#include <charconv>
#include <climits>
#include <cstdlib>

namespace sb::config {

namespace {

bool isCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t{});
    return locale;
}

}  // namespace

int atoiC(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && isCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) break;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

double atofC(std::string_view text) {
    const std::string terminated(text.substr(0, text.find('\0')));
    return strtod_l(terminated.c_str(), nullptr, cLocale());
}

std::string formatInt(int value) {
    return std::to_string(value);
}

std::string formatOneDecimal(double value) {
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    return std::string(buffer, result.ptr);
}

}  // namespace sb::config
