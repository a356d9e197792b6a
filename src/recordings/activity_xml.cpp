// XML loading, element lookup by local name, and the numbers and times of element texts.
#include "recordings/activity_xml.h"

#include <chrono>
#include <cmath>

#include "fileio/c_numbers.h"

namespace sb::recordings {

namespace {

constexpr double kLargestValue = 1e9;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Exactly count digits at pos, moving past them.
bool readDigits(std::string_view text, std::size_t& pos, int count, int& value) {
    value = 0;
    for (int i = 0; i < count; ++i, ++pos) {
        if (pos >= text.size() || !isDigit(text[pos])) return false;
        value = value * 10 + (text[pos] - '0');
    }
    return true;
}

bool readChar(std::string_view text, std::size_t& pos, std::string_view allowed) {
    if (pos >= text.size() || allowed.find(text[pos]) == std::string_view::npos) return false;
    ++pos;
    return true;
}

// ".250": the fraction of a second; digits beyond the ninth only move pos.
double readFraction(std::string_view text, std::size_t& pos) {
    double fraction = 0, scale = 0.1;
    if (!readChar(text, pos, ".,")) return 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos, scale /= 10)
        if (scale > 1e-10) fraction += (text[pos] - '0') * scale;
    return fraction;
}

// "Z", "+01:00", "-0500" or nothing: seconds to subtract to reach UTC. Empty when malformed.
std::optional<int> readZoneOffset(std::string_view text, std::size_t& pos) {
    if (pos == text.size() || readChar(text, pos, "Zz")) return 0;
    const bool east = text[pos] == '+';
    int hours = 0, minutes = 0;
    if (!readChar(text, pos, "+-") || !readDigits(text, pos, 2, hours)) return std::nullopt;
    readChar(text, pos, ":");
    if (pos < text.size() && !readDigits(text, pos, 2, minutes)) return std::nullopt;
    if (hours > 23 || minutes > 59) return std::nullopt;
    const int offset = hours * 3600 + minutes * 60;
    return east ? offset : -offset;
}

}  // namespace

std::string noRecordingMessage(const std::string& format) {
    return "Die " + format + "-Datei enthält keine Aufzeichnung.";
}

ActivityReadResult loadActivityXml(std::string& bytes, const std::string& format, pugi::xml_document& document) {
    // A value kept inside its element needs no node of its own: half the nodes of a recording.
    constexpr unsigned kOptions = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_embed_pcdata;
    const pugi::xml_parse_result parsed =
        document.load_buffer_inplace(bytes.data(), bytes.size(), kOptions, pugi::encoding_auto);
    if (parsed.status == pugi::status_no_document_element) return {false, noRecordingMessage(format)};
    if (!parsed) return {false, "Die " + format + "-Datei ist beschädigt (kein gültiges XML)."};
    return {true, {}};
}

void releaseXml(pugi::xml_document& document, std::string& bytes) {
    document.reset();
    std::string().swap(bytes);
}

std::string_view localName(const pugi::xml_node& node) {
    const std::string_view name = node.name();
    const std::size_t colon = name.rfind(':');
    return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node childNamed(const pugi::xml_node& parent, std::string_view name) {
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element && localName(child) == name) return child;
    return {};
}

void forEachChild(const pugi::xml_node& parent, std::string_view name,
                  const std::function<void(const pugi::xml_node&)>& visit) {
    for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
        if (child.type() == pugi::node_element && localName(child) == name) visit(child);
}

void forEachDescendant(const pugi::xml_node& top, const std::function<void(const pugi::xml_node&)>& visit) {
    pugi::xml_node node = top.first_child();
    while (node) {
        if (node.type() == pugi::node_element) visit(node);
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node != top && !node.next_sibling()) node = node.parent();
        if (node == top) return;
        node = node.next_sibling();
    }
}

std::optional<double> numberOfText(std::string_view text) {
    text = trimmed(text);
    std::size_t first = text.find_first_not_of("+-.");
    if (first > 2 || first == std::string_view::npos || !isDigit(text[first])) return std::nullopt;
    const double value = fileio::atofC(text);
    if (!std::isfinite(value) || std::fabs(value) > kLargestValue) return std::nullopt;
    return value;
}

std::optional<double> numberOf(const pugi::xml_node& element) {
    return numberOfText(element.text().get());
}

std::string trimmedText(const pugi::xml_node& element) {
    return std::string(trimmed(element.text().get()));
}

std::optional<double> isoTimeSeconds(std::string_view text) {
    text = trimmed(text);
    std::size_t pos = 0;
    int year, month, day, hour, minute, second;
    if (!readDigits(text, pos, 4, year) || !readChar(text, pos, "-") || !readDigits(text, pos, 2, month) ||
        !readChar(text, pos, "-") || !readDigits(text, pos, 2, day) || !readChar(text, pos, "Tt ") ||
        !readDigits(text, pos, 2, hour) || !readChar(text, pos, ":") || !readDigits(text, pos, 2, minute) ||
        !readChar(text, pos, ":") || !readDigits(text, pos, 2, second))
        return std::nullopt;
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(unsigned(month)),
                                           std::chrono::day(unsigned(day))};
    if (year < 1 || !date.ok() || hour > 23 || minute > 59 || second > 60) return std::nullopt;
    const double fraction = readFraction(text, pos);
    const std::optional<int> offset = readZoneOffset(text, pos);
    if (!offset || pos != text.size()) return std::nullopt;
    const long long days = std::chrono::sys_days(date).time_since_epoch().count();
    const long long seconds = days * 86400 + hour * 3600 + minute * 60 + second;
    return double(seconds - *offset) + fraction;
}

}  // namespace sb::recordings
