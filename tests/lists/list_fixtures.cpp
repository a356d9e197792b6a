// The full-year plan of the list tests.
#include "list_fixtures.h"

#include <cstdio>

#include "model/calendar.h"

namespace sb::lists::testing {

namespace {

std::string duration(int minutes) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d:%02d", minutes / 60, minutes % 60);
    return text;
}

}  // namespace

model::TrainingYear fullYear(int planYear, int version) {
    model::TrainingYear year;
    year.firstName = "Anna";
    year.lastName = "M\xFCller";
    year.birthDate = "01.02.1980";
    year.club = std::string("RSV <Nord> & \"S\xFC") + "d\"";
    year.planYear = planYear;
    year.planFileVersion = version;
    for (int i = 0; i < model::dayCount(planYear); ++i) {
        model::DayRecord& day = year.days[std::size_t(i)];
        if (i % 3 == 0) {
            const float km = float(20 + i % 17) + 0.5f;
            day.bike = {"Runde " + std::to_string(i % 7), 130, km, 0, duration(60 + i % 50), i % 6, "GA1"};
        }
        if (i % 4 == 1) day.run = {"Park", 150, float(5 + i % 9), 0, duration(30 + i % 40), 2, ""};
        if (i % 9 == 2) day.other = {"Kraftraum", 0, 0, 0, "00:00", 1, "Kraft"};
        if (i % 11 == 4) day.other = {"K", 0, 0, 0, "", 0, ""};
        if (i % 13 == 5) day.other = {"Ski", 0, 0, 0, duration(90), 3, ""};
        if (i % 5 == 0) day.swim = {"Halle", 0, 2.5f, 0, duration(45), 1, "Technik"};
        if (i % 47 == 3)
            day.run = {"Wald <Nord> & \"Berg\"", 140, 12, 0, "01:05", 4, "Tempo <5:00> & \"locker\""};
        day.plannedTypes = (i % 10) + 10 * ((i + 1) % 10) + 100 * ((i + 2) % 10) + 1000 * ((i + 3) % 10);
        day.actualTypes = ((i + 3) % 10) + 10 * (i % 10) + 100 * ((i + 5) % 10) + 1000 * ((i + 3) % 10);
        if (i % 2 == 0) day.bodyWeight = 70 + float(i % 5) * 0.5f;
        if (i % 30 == 7) day.comment = std::string("M\xFC") + "de <sehr> & \"schwer\"";
    }
    return year;
}

model::TrainingTypeLabels testLabels() {
    model::TrainingTypeLabels labels = model::defaultTrainingTypeLabels();
    labels[3] = "Grund & \"<GA>\"";
    return labels;
}

}  // namespace sb::lists::testing
