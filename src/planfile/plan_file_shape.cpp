// The minimal plan and the line count of a whole one. The title text is compared with the 'ü' in the
// code page the program writes, in Windows-1252 and in UTF-8, so a plan a text editor saved again
// still opens.
#include "planfile/plan_file_shape.h"

#include <algorithm>
#include <array>

#include "model/calendar.h"

namespace sb::planfile {
namespace {

constexpr int kLargestYear = 9999;
constexpr int kOdometerLines = 11;  // the separator, then ten odometers

// The fields of a day line, each closed by its comma.
int dayLineFields(int version) {
    return version == 3 ? 31 : version == 2 ? 18 : 12;
}
constexpr int kOdometerFields = 6;

struct Lines {
    std::string_view bytes;
    std::size_t position = 0;

    // The next line without its line end, or nothing when no line end follows. A lone CR ends a line
    // too, so a damaged byte in a CR LF pair does not make a whole plan look cut short.
    bool next(std::string_view& line) {
        const std::size_t end = bytes.find_first_of("\r\n", position);
        if (end == std::string_view::npos) return false;
        line = bytes.substr(position, end - position);
        position = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
        return true;
    }
    std::string_view rest() const { return bytes.substr(position); }
};

bool isTitleText(std::string_view field) {
    constexpr std::array<std::string_view, 3> kTitles{"Saisonbuch f\x81r das Jahr", "Saisonbuch f\xfcr das Jahr",
                                                      "Saisonbuch f\xc3\xbcr das Jahr"};
    return std::find(kTitles.begin(), kTitles.end(), field) != kTitles.end();
}

bool isDigits(std::string_view field) {
    return !field.empty() && field.find_first_not_of("0123456789") == std::string_view::npos;
}

std::string_view nextField(std::string_view& line) {
    const std::size_t comma = line.find(',');
    const std::string_view field = line.substr(0, comma);
    line = comma == std::string_view::npos ? std::string_view() : line.substr(comma + 1);
    return field;
}

// The year of a title line of version, or 0 when the line is not one.
int titleYear(std::string_view line, int version) {
    if (!isTitleText(nextField(line))) return 0;
    const std::string_view yearField = nextField(line);
    if (!isDigits(yearField) || yearField.size() > 5) return 0;
    int year = 0;
    for (char digit : yearField) year = year * 10 + (digit - '0');
    if (year < 1 || year > kLargestYear) return 0;
    if (version == 3) {
        if (!isDigits(nextField(line)) || !isDigits(nextField(line))) return 0;
    } else if (!nextField(line).empty()) {
        return 0;
    }
    return year;
}

}  // namespace

PlanShapeOutcome planShapeOf(std::string_view bytes, int version) {
    Lines lines{bytes};
    std::string_view line;
    PlanShapeOutcome outcome;
    if (!lines.next(line)) return outcome;
    const int year = titleYear(line, version);
    if (year == 0 || !lines.next(line) || !lines.next(line)) return outcome;
    const int days = model::dayCount(year);
    const int expected = days + (version == 1 ? 0 : kOdometerLines);
    int whole = 0;
    while (whole < expected && lines.next(line)) ++whole;
    // A last line without its line end is whole when none of its fields is missing.
    const std::string_view rest = lines.rest();
    const int restCommas = int(std::count(rest.begin(), rest.end(), ','));
    if (whole < expected && restCommas >= (whole < days ? dayLineFields(version) : kOdometerFields)) ++whole;
    if (whole == 0) return outcome;
    outcome.planYear = year;
    outcome.daysRead = std::min(whole, days);
    outcome.shape = whole < expected ? PlanShape::CutShort : PlanShape::Whole;
    return outcome;
}

std::string lastDayRead(int planYear, int daysRead) {
    const model::DayMonth date = model::dateOfDayOfYear(daysRead, planYear);
    return model::dateText(date.day, date.month, planYear);
}

}  // namespace sb::planfile
