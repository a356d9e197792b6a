// The shared sample plans and file helpers.
#include "support/plan_fixtures.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <tuple>

#include "model/calendar.h"

namespace sb::testing {

using model::DayRecord;
using model::SportEntry;
using model::TrainingYear;

TrainingYear exportFixture2008() {
    TrainingYear year;
    year.planYear = 2008;
    year.firstName = "Anna";
    year.lastName = "M\xfcller";
    year.birthDate = "01.02.1980";
    year.trainer = "Tom";
    year.club = "RSC K\xf6ln e.V.";
    year.gender = 'w';
    DayRecord& d58 = year.days[58];
    d58.run = {"Park", 140, 8.5f, 0, "00:51", 2, "GA1"};
    d58.plannedTypes = 20;
    d58.weather = "sonnig";
    d58.comment = "locker";
    DayRecord& d59 = year.days[59];
    d59.run = {"Wald", 150, 10.0f, 0, "00:50", 3, "Tempo"};
    d59.bike = {"Runde", 130, 20.0f, 350, "01:00", 1, "Kette"};
    d59.swim = {"Halle", 120, 2.0f, 0, "00:40", 2, "Kraul"};
    d59.other = {"See", 110, 5.0f, 0, "00:30", 4, "Kajak"};
    d59.weather = "Regen";
    d59.bodyWeight = 70.0f;
    d59.restingPulse = 48;
    d59.plannedTypes = 3052;
    d59.actualTypes = 4163;
    d59.comment = "gut";
    year.odometers[0] = {31, 1200, 99, 5000, 1, "Kette", 1};
    year.odometers[1] = {0, 0, 0, 800, 2, "Schuhe", 3};
    return year;
}

TrainingYear plan2009() {
    TrainingYear year;
    year.planYear = 2009;
    year.firstName = "Bernd";
    year.lastName = "Sch\xe4" "fer";
    year.birthDate = "15.07.1975";
    year.club = "TV S\xfc" "d";
    year.gender = 'm';
    DayRecord& first = year.days[0];
    first.run = {"Strand", 145, 12.34f, 0, "01:05", 2, "GA2"};
    first.bike = {"Berg", 128, 45.6f, 780, "01:45", 3, "Anstieg"};
    first.swim = {"Bad", 118, 1.5f, 0, "00:35", 1, "Technik"};
    first.other = {"Loipe", 135, 15.0f, 0, "01:20", 5, "Skating"};
    first.weather = "Schnee";
    first.bodyWeight = 78.25f;
    first.restingPulse = 52;
    first.plannedTypes = 1234;
    first.actualTypes = 4321;
    first.comment = "Neujahr";
    DayRecord& march = year.days[59];
    march.run = {"Ring", 150, 7.77f, 0, "00:42", 0, ""};
    march.bodyWeight = 77.5f;
    march.plannedTypes = 20;
    march.actualTypes = 20;
    DayRecord& last = year.days[364];
    last.bike = {"Ende", 0, 0.005f, 1234.6f, "", 0, ""};
    last.weather = "Nebel";
    last.comment = "Silvester";
    year.odometers[0] = {10, 100, 0, 2000, 1, "Kette", 1};
    year.odometers[9] = {200, 0, 0, 500, 2, "Laufschuh", 0};
    return year;
}

TrainingYear everyFieldFilled(int planYear, int version) {
    const auto numbered = [](const std::string& stem, int n) { return stem + std::to_string(n); };
    TrainingYear year;
    year.planYear = planYear;
    year.firstName = "Vorname\xe4";
    year.lastName = "Nachname\xdf";
    year.birthDate = "31.12.1999";
    year.trainer = "Trainer";
    year.club = "Verein \x80";
    year.gender = 'm';
    for (int i = 0; i < model::dayCount(planYear); ++i) {
        DayRecord& day = year.days[i];
        const float f = static_cast<float>(i % 97) + 0.25f;
        const std::string minutes = (i % 60 < 10 ? "0" : "") + std::to_string(i % 60);
        day.run = {numbered("Lauf", i), 100 + i % 100, f, 0, "01:" + minutes, 1, numbered("LI", i)};
        day.bike = {numbered("Rad", i), 90 + i % 80, f * 3, i * 7.0f, "02:" + minutes, 2, numbered("RI", i)};
        day.swim = {numbered("Bahn", i), 80 + i % 70, f / 5, 0, "00:" + minutes, 3, numbered("SI", i)};
        day.other = {numbered("Ski", i), 70 + i % 60, f * 2, 0, "03:" + minutes, 4, numbered("AI", i)};
        day.weather = numbered("Wetter\xfc", i);
        day.bodyWeight = 60.5f + static_cast<float>(i % 20);
        day.restingPulse = 40 + i % 30;
        day.plannedTypes = (i * 1237) % 10000;
        day.actualTypes = (i * 4711) % 10000;
        day.comment = numbered("Kommentar ", i);
        if (version < 3) {
            for (SportEntry* e : {&day.run, &day.bike, &day.other}) {
                e->load = 0;
                e->content.clear();
            }
            day.bike.heightMetres = 0;
            day.swim = SportEntry{};
        }
        if (version < 2) {
            day.other = SportEntry{};
            day.plannedTypes = day.actualTypes = 0;
        }
    }
    if (version >= 2)
        for (int i = 0; i < model::kOdometerCount; ++i)
            year.odometers[i] = {i * 30, i * 100, 0, 1000 + i, 1 + i % 3, numbered("Zaehler ", i), i % 4};
    year.planLoaded = 1;
    return year;
}

std::string goldenPath(const std::string& name) {
    return std::string(std::getenv("SAISONBUCH_TEST_DATA")) + "/" + name;  // set by test_environment.cpp
}

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "saisonbuch-test-XXXXXX").string();
    path_ = ::mkdtemp(pattern.data());
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void expectSameDocument(const TrainingYear& expected, const TrainingYear& actual) {
    EXPECT_EQ(std::tie(expected.firstName, expected.lastName, expected.gender, expected.club, expected.trainer,
                       expected.birthDate, expected.planYear),
              std::tie(actual.firstName, actual.lastName, actual.gender, actual.club, actual.trainer,
                       actual.birthDate, actual.planYear));
    EXPECT_EQ(std::pair(1, 1), std::pair(actual.planStartMonth, actual.planStartDay));
    for (int i = 0; i < model::kMaxDays; ++i)
        if (!(expected.days[i] == actual.days[i])) return ADD_FAILURE() << "day " << i << " differs";
    for (int i = 0; i < model::kOdometerCount; ++i) {
        const model::Odometer& a = expected.odometers[i];
        const model::Odometer& b = actual.odometers[i];
        EXPECT_EQ(std::tie(a.startDayIndex, a.previousKm, a.dueKm, a.sportSelector, a.description, a.state),
                  std::tie(b.startDayIndex, b.previousKm, b.dueKm, b.sportSelector, b.description, b.state))
            << "odometer " << i;
    }
}

}  // namespace sb::testing
