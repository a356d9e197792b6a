// The plan document: one athlete's calendar year of day records, the ten odometers and the document
// state. Texts are Windows-1252 bytes as the plan file holds them; each text field has a width in bytes
// that counts a terminating NUL, so a field holds at most width - 1 characters.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace sb::model {

namespace width {
constexpr std::size_t name = 30;         // firstName, lastName, club, trainer
constexpr std::size_t birthDate = 11;
constexpr std::size_t route = 256;
constexpr std::size_t duration = 8;      // "hh:mm"
constexpr std::size_t content = 256;
constexpr std::size_t weather = 255;
constexpr std::size_t comment = 256;
constexpr std::size_t odometerDescription = 32;
constexpr std::size_t fileName = 1024;
constexpr std::size_t editorField = 199;  // the day editor reads every text with this limit
}  // namespace width

// At most width - 1 bytes of text: what a fixed field of that width can hold.
std::string cutToWidth(std::string_view text, std::size_t fieldWidth);

struct SportEntry {
    std::string route;         // free text or a standard route's name
    int avgPulse = 0;          // bpm
    float distanceKm = 0;      // km
    float heightMetres = 0;    // m of climbing; bike only
    std::string duration;      // "hh:mm", empty = no time
    int load = 0;              // 0…5, 0 = none
    std::string content;
    bool operator==(const SportEntry&) const = default;
};

struct DayRecord {
    SportEntry run;
    SportEntry bike;
    SportEntry swim;
    SportEntry other;
    int actualTypes = 0;       // packed: units bike, tens run, hundreds other, thousands swim
    int plannedTypes = 0;      // packed like actualTypes
    float bodyWeight = 0;      // kg, 0 = not recorded
    int restingPulse = 0;      // bpm, 0 = not recorded
    std::string weather;
    std::string comment;
    bool operator==(const DayRecord&) const = default;
};

struct Odometer {
    int startDayIndex = 0;
    int previousKm = 0;
    int currentKm = 0;         // computed, never stored in the plan file
    int dueKm = 0;
    int sportSelector = 0;     // 1 cycling, 2 running, 3 both
    std::string description;   // empty = the odometer is free
    int state = 0;             // 1 active, 3 due, else inactive
};

constexpr int kMaxDays = 366;
constexpr int kOdometerCount = 10;

struct TrainingYear {
    std::string firstName;
    std::string lastName;
    char gender = 'w';         // 'w' or 'm'
    std::string club;
    std::string trainer;
    std::string birthDate;     // as typed, never interpreted
    int planYear = 0;
    int planStartMonth = 1;
    int planStartDay = 1;
    std::array<DayRecord, kMaxDays> days{};  // index 0 = 1 January; index 365 unused in a common year
    std::array<Odometer, kOdometerCount> odometers{};
    int planFileVersion = 0;   // 0 none, 1 sbn, 2 sb2, 3 sb3
    int modified = 0;
    int planLoaded = 0;
    std::string currentFileName;
    // The day lines an open file held when it ended before its year did, so its first save asks before
    // replacing what is left of it; 0 for a whole file.
    int cutShort = 0;
};

// Sports as the packed types, list rows and diagram bits number them.
enum Sport { kBike = 1, kRun = 2, kOther = 3, kSwim = 4 };
// "Rad", "Laufen", "Schwimmen", "Alternativ"; empty for any other number.
std::string sportName(int sport);

// Empties the document; planStartMonth, planStartDay, modified, planLoaded, planFileVersion,
// currentFileName and cutShort stay as they are.
void clearTrainingYear(TrainingYear& year);
// The digit 0…9 of a sport in a packed type; any stored integer, even a negative or over-long one from a
// damaged file, yields a digit, so it can index the ten type labels.
int sportTypeDigit(int packed, int sport);
int setSportTypeDigit(int digit, int packed, int sport);
// selector 0 bike, 1 run, 2 swim, 3 the three together; the other sport never counts.
double yearDistanceTotal(const TrainingYear& year, int selector);
float latestBodyWeight(const TrainingYear& year);
int dayCount(const TrainingYear& year);

}  // namespace sb::model
