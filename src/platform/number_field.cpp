// Checked number fields of the dialogs.
#include "platform/number_field.h"

#include <algorithm>

#include "fileio/c_numbers.h"

namespace sb::platform {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::optional<std::string> numberText(const DialogHost& host, int id, int maxCharacters) {
    std::string text = host.text(id).substr(0, std::size_t(maxCharacters));
    std::replace(text.begin(), text.end(), ',', '.');
    if (!isNumberText(text)) return std::nullopt;
    return text;
}

}  // namespace

bool isNumberText(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    if (text.empty()) return true;
    if (text.front() == '+' || text.front() == '-') text.remove_prefix(1);
    bool digits = false;
    bool point = false;
    for (char c : text) {
        if (isDigit(c)) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

std::optional<double> numberField(const DialogHost& host, int id, int maxCharacters) {
    std::optional<std::string> text = numberText(host, id, maxCharacters);
    if (!text) return std::nullopt;
    return fileio::atofC(*text);
}

std::optional<int> integerField(const DialogHost& host, int id, int maxCharacters) {
    std::optional<std::string> text = numberText(host, id, maxCharacters);
    if (!text) return std::nullopt;
    return fileio::atoiC(*text);
}

void rejectField(DialogHost& host, int id, const std::string& message, Icon icon, const std::string& title) {
    host.services().messageBox(message, title, Buttons::Ok, icon);
    host.enable(id, true);
    host.setFocus(id);
}

}  // namespace sb::platform
