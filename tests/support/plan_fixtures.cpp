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

namespace {

SportEntry entry(std::string route, float distanceKm, std::string duration, int avgPulse, int load,
                 std::string content, float heightMetres = 0) {
    SportEntry e;
    e.route = std::move(route);
    e.distanceKm = distanceKm;
    e.duration = std::move(duration);
    e.avgPulse = avgPulse;
    e.load = load;
    e.content = std::move(content);
    e.heightMetres = heightMetres;
    return e;
}

void setOdometer(model::Odometer& odometer, int start, int previous, int due, int state,
                 std::string description, int selector) {
    odometer.startDayIndex = start;
    odometer.previousKm = previous;
    odometer.dueKm = due;
    odometer.state = state;
    odometer.description = std::move(description);
    odometer.sportSelector = selector;
}

std::string numbered(const std::string& stem, int n) {
    return stem + std::to_string(n);
}

}  // namespace

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
    d58.run = entry("Park", 8.5f, "00:51", 140, 2, "GA1");
    d58.plannedTypes = 20;
    d58.weather = "sonnig";
    d58.comment = "locker";
    DayRecord& d59 = year.days[59];
    d59.run = entry("Wald", 10.0f, "00:50", 150, 3, "Tempo");
    d59.bike = entry("Runde", 20.0f, "01:00", 130, 1, "Kette", 350);
    d59.swim = entry("Halle", 2.0f, "00:40", 120, 2, "Kraul");
    d59.other = entry("See", 5.0f, "00:30", 110, 4, "Kajak");
    d59.weather = "Regen";
    d59.bodyWeight = 70.0f;
    d59.restingPulse = 48;
    d59.plannedTypes = 3052;
    d59.actualTypes = 4163;
    d59.comment = "gut";
    setOdometer(year.odometers[0], 31, 1200, 5000, 1, "Kette", 1);
    year.odometers[0].currentKm = 99;
    setOdometer(year.odometers[1], 0, 0, 800, 3, "Schuhe", 2);
    return year;
}

TrainingYear plan2009() {
    TrainingYear year;
    year.planYear = 2009;
    year.firstName = "Bernd";
    year.lastName =
        "Sch\xe4"
        "fer";
    year.birthDate = "15.07.1975";
    year.club =
        "TV S\xfc"
        "d";
    year.gender = 'm';
    DayRecord& first = year.days[0];
    first.run = entry("Strand", 12.34f, "01:05", 145, 2, "GA2");
    first.bike = entry("Berg", 45.6f, "01:45", 128, 3, "Anstieg", 780);
    first.swim = entry("Bad", 1.5f, "00:35", 118, 1, "Technik");
    first.other = entry("Loipe", 15.0f, "01:20", 135, 5, "Skating");
    first.weather = "Schnee";
    first.bodyWeight = 78.25f;
    first.restingPulse = 52;
    first.plannedTypes = 1234;
    first.actualTypes = 4321;
    first.comment = "Neujahr";
    DayRecord& march = year.days[59];
    march.run = entry("Ring", 7.77f, "00:42", 150, 0, "");
    march.bodyWeight = 77.5f;
    march.plannedTypes = 20;
    march.actualTypes = 20;
    DayRecord& last = year.days[364];
    last.bike = entry("Ende", 0.005f, "", 0, 0, "", 1234.6f);
    last.weather = "Nebel";
    last.comment = "Silvester";
    setOdometer(year.odometers[0], 10, 100, 2000, 1, "Kette", 1);
    setOdometer(year.odometers[9], 200, 0, 500, 0, "Laufschuh", 2);
    return year;
}

TrainingYear everyFieldFilled(int planYear, int version) {
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
        day.run = entry(numbered("Lauf", i), f, "01:" + minutes, 100 + i % 100, 1, numbered("LI", i));
        day.bike =
            entry(numbered("Rad", i), f * 3, "02:" + minutes, 90 + i % 80, 2, numbered("RI", i), i * 7.0f);
        day.swim = entry(numbered("Bahn", i), f / 5, "00:" + minutes, 80 + i % 70, 3, numbered("SI", i));
        day.other = entry(numbered("Ski", i), f * 2, "03:" + minutes, 70 + i % 60, 4, numbered("AI", i));
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
            setOdometer(year.odometers[i], i * 30, i * 100, 1000 + i, i % 4, numbered("Zaehler ", i),
                        1 + i % 3);
    year.planLoaded = 1;
    return year;
}

std::string goldenPath(const std::string& name) {
    const char* root = std::getenv("SAISONBUCH_TEST_DATA");
    return std::string(root ? root : "tests/data") + "/" + name;
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
    EXPECT_EQ(expected.firstName, actual.firstName);
    EXPECT_EQ(expected.lastName, actual.lastName);
    EXPECT_EQ(expected.gender, actual.gender);
    EXPECT_EQ(expected.club, actual.club);
    EXPECT_EQ(expected.trainer, actual.trainer);
    EXPECT_EQ(expected.birthDate, actual.birthDate);
    EXPECT_EQ(expected.planYear, actual.planYear);
    EXPECT_EQ(1, actual.planStartMonth);
    EXPECT_EQ(1, actual.planStartDay);
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
