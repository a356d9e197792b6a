// The day information. The distance is rounded by hand on the exact decimal digits, because the C
// library rounds exact halves to even (12345 would become 1.234e+004).
#include "calendars/day_information.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "model/calendar.h"
#include "model/text_encoding.h"

namespace sb::calendars {

namespace {

constexpr int kDigits = 4;

struct Rounded {
    std::string digits;  // kDigits digits, the first one nonzero
    int exponent = 0;    // of the first digit
};

Rounded roundedToFourDigits(double magnitude) {
    char exact[64];
    std::snprintf(exact, sizeof exact, "%.30e", magnitude);
    std::string mantissa = std::string(1, exact[0]) + std::string(exact + 2, exact + 2 + kDigits - 1);
    int exponent = std::atoi(std::strchr(exact, 'e') + 1);
    if (exact[2 + kDigits - 1] >= '5') {
        int i = kDigits - 1;
        while (i >= 0 && mantissa[std::size_t(i)] == '9') mantissa[std::size_t(i--)] = '0';
        if (i >= 0) {
            ++mantissa[std::size_t(i)];
        } else {
            mantissa = "1" + mantissa.substr(0, kDigits - 1);
            ++exponent;
        }
    }
    return {mantissa, exponent};
}

std::string withoutTrailingZeros(std::string number) {
    if (number.find('.') == std::string::npos) return number;
    while (number.back() == '0') number.pop_back();
    if (number.back() == '.') number.pop_back();
    return number;
}

std::string fixedForm(const Rounded& rounded) {
    std::string text;
    if (rounded.exponent < 0) {
        text = "0." + std::string(std::size_t(-rounded.exponent - 1), '0') + rounded.digits;
    } else {
        text = rounded.digits.substr(0, std::size_t(rounded.exponent + 1)) + "." +
               rounded.digits.substr(std::size_t(rounded.exponent + 1));
    }
    return withoutTrailingZeros(text);
}

std::string exponentForm(const Rounded& rounded) {
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%c%03d", rounded.exponent < 0 ? '-' : '+',
                  std::abs(rounded.exponent));
    return withoutTrailingZeros(rounded.digits.substr(0, 1) + "." + rounded.digits.substr(1)) + exponent;
}

const model::SportEntry& entryOf(const model::DayRecord& record, int sport) {
    switch (sport) {
        case model::kBike:
            return record.bike;
        case model::kRun:
            return record.run;
        case model::kSwim:
            return record.swim;
        default:
            return record.other;
    }
}

}  // namespace

std::string fourDigitDistance(double value) {
    if (value == 0) return "0.";
    if (!std::isfinite(value)) return std::isnan(value) ? "nan" : (value < 0 ? "-inf" : "inf");
    const Rounded rounded = roundedToFourDigits(std::fabs(value));
    const bool fixed = rounded.exponent >= -1 && rounded.exponent < kDigits;
    return (value < 0 ? "-" : "") + (fixed ? fixedForm(rounded) : exponentForm(rounded));
}

std::string dayInformationText(const model::TrainingYear& year, int day, int month, int sport) {
    const int index = model::dayOfYear(day, month, year.planYear) - 1;
    const model::DayRecord& record = year.days[std::size_t(index)];
    const model::SportEntry& entry = entryOf(record, sport);
    const bool routeSport = sport == model::kBike || sport == model::kRun;
    std::string text =
        std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year.planYear);
    text += "\nDistanz: " + fourDigitDistance(entry.distanceKm);
    text += (routeSport ? "\nStrecke: " : "\nInfo: ") + model::cp1252ToUtf8(entry.route);
    text += "\nZeit: " + model::cp1252ToUtf8(entry.duration);
    text +=
        (sport == model::kBike ? "\nTrainigspuls: " : "\nTrainingspuls: ") + std::to_string(entry.avgPulse);
    text += "\nWetter: " + model::cp1252ToUtf8(record.weather);
    text += "\nKommentar: " + model::cp1252ToUtf8(record.comment);
    return text;
}

void showDayInformation(platform::Services& services, const model::TrainingYear& year, int day, int month,
                        int sport) {
    services.messageBox(dayInformationText(year, day, month, sport), "Tagesinformation",
                        platform::Buttons::Ok, platform::Icon::None);
}

}  // namespace sb::calendars
